#!/usr/bin/env bash
# Macros through velt-cli: recorded by a script, listed by info with their parameter types,
# carried by the document, and applied in another run after the document is read back.
source "$(dirname "$0")/common.bash"

cat >"$work/record.txt" <<'SCRIPT'
tool B_Circunf
click 0 0
click 30 0
tool 1
click 60 40
tool B_2_div_seg
click 0 0
click 60 40
tool B_mac_ini
click 0 -30
click 60 40
tool B_mac_fin
click 30 20
macro-complete centre and point
SCRIPT
code 0 build --out "$work/m.vlt" "$work/record.txt"
code 0 info "$work/m.vlt"
grep -q 'macro "centre and point": version 700, 2 parameters, 1 elements' "$work/out" ||
  fail "info does not list the macro: $(cat "$work/out")"
grep -q 'parameter types: 5 circunferencia 0 punto' "$work/out" ||
  fail "info does not list the parameter types: $(cat "$work/out")"

# Applied in a second run on the saved document: the midpoint of (200, 0) and (100, 100).
printf 'tool B_Circunf\nclick 200 0\nclick 240 0\ntool 1\nclick 100 100\nmacro centre and point\nclick 200 40\nclick 100 100\n' >"$work/apply.txt"
code 0 build --in "$work/m.vlt" --out "$work/n.vlt" "$work/apply.txt"
code 0 dump "$work/n.vlt"
python3 - "$work/out" <<'PY' || fail "the applied macro is not the midpoint: $(cat "$work/out")"
import json, sys
d = json.load(open(sys.argv[1]))
last = d["elements"][-1]
sys.exit(0 if last["kind"] == 4 and abs(last["values"][0] - 150) < 1e-9 and abs(last["values"][1] - 50) < 1e-9 else 1)
PY

# An unknown macro stops the script at its line.
printf 'macro nothing\n' >"$work/bad.txt"
"$cli" build --in "$work/m.vlt" "$work/bad.txt" >"$work/out" 2>"$work/err"
[[ $? -ne 0 ]] || fail "an unknown macro name is accepted"
grep -q "line 1" "$work/err" "$work/out" || fail "the failing line is not named: $(cat "$work/err")"

if [[ $failures -ne 0 ]]; then
  echo "$failures failure(s)"
  exit 1
fi
echo "macros: all passed"
