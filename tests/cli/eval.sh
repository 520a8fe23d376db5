#!/usr/bin/env bash
# velt-cli eval: values printed with 17 significant digits, "undefined" with exit code 4.
cli="$1"
failures=0

# expect EXPECTED_OUTPUT EXPECTED_CODE ARGS...
expect() {
  local want="$1" code="$2"
  shift 2
  local got rc
  got=$("$cli" eval "$@" 2>/dev/null)
  rc=$?
  if [[ "$got" != "$want" || $rc -ne $code ]]; then
    echo "FAIL: eval $* -> '$got' (exit $rc), wanted '$want' (exit $code)"
    failures=$((failures + 1))
  fi
}

# expect_near VALUE TOLERANCE ARGS...: the printed value is within the tolerance.
expect_near() {
  local want="$1" tol="$2"
  shift 2
  local got rc
  got=$("$cli" eval "$@" 2>/dev/null)
  rc=$?
  if [[ $rc -ne 0 ]] || ! awk -v g="$got" -v w="$want" -v t="$tol" \
      'BEGIN { d = g - w; if (d < 0) d = -d; exit !(g ~ /^-?[0-9.]+(e[-+][0-9]+)?$/ && d <= t) }'; then
    echo "FAIL: eval $* -> '$got' (exit $rc), wanted $want within $tol"
    failures=$((failures + 1))
  fi
}

expect 14 0 "2*(3+4"
expect 5 0 "2+3)"
expect 4 0 "-2^2"
expect 0.5 0 "2^-1"
expect 64 0 "2^3^2"
expect 7 0 "3,5*2"
expect 23 0 "2 3"
expect 1 0 "0^0"
expect 0 0 "-0"
expect 3.1415926535897931 0 "pi"
expect 0.33333333333333331 0 "1/3"
expect_near -2 1e-15 "(-8)^(1/3)"
expect_near 4 1e-14 "(-8)^(2/3)"
expect_near 0.5 1e-15 "SIN(30)" --angle DEG
# Table angles and exact cubes print exactly.
expect 0.5 0 "SIN(30)" --angle DEG
expect 0 0 "COS(90)" --angle DEG
expect 0 0 "COS(100)" --angle GRA
expect 4 0 "(-8)^(2/3)"
# Letters of a calculation take their values from --var.
expect 4 0 "A*B+1" --var A=1.5 --var B=2
expect 3 0 "b+1" --var B=2
expect 1 0 "A+C" --var C=1
expect "" 1 "A+1" --var X=2
expect "" 1 "A+1" --var A=
expect undefined 4 "A/B" --var A=1 --var B=0
expect_near 0.5 1e-15 --angle GRA "cos(200/3)"
expect_near 1 1e-15 "sin(pi/2)" --angle RAD
for bad in "(-8)^0.5" "sin 30" "2(3)" "XY" "LN(0)" "SQR(-1)" "1/0" "10^50*10^50" "10^100" \
    "EXP(200)" "F1(3)" "" "2+" "A+1"; do
  expect undefined 4 "$bad"
done
expect_near 0.5 1e-15 "SIN(30" --angle DEG  # the missing ")" is appended
# 99 characters are read, 100 are refused.
long="1$(printf '+1%.0s' $(seq 49))"
expect 50 0 "$long"
expect undefined 4 "${long}0"
# Usage errors.
expect "" 1
expect "" 1 "1" --angle TURNS
expect "" 1 "1" "2"
expect "" 1 "1" --angle

if [[ $failures -ne 0 ]]; then
  echo "$failures failure(s)"
  exit 1
fi
echo "eval: all passed"
