#!/usr/bin/env bash
# Numbers end to end: a figure of functions, graphs, a parameter, a calculation and a table
# built by a script; dump's "samples" of the graphs against their curves (null where the
# curve breaks) and the texts of the numbers.
source "$(dirname "$0")/common.bash"

if ! command -v python3 >/dev/null; then
  echo "python3 is needed to read the dump"
  exit 0
fi

# Axes at the origin (40 plane units a unit); y = x² and y = 1/x, each graphed over the
# default range -10..10; the parameter 2, the calculation A*3 on it, and a table of both.
cat >"$work/numbers.txt" <<'SCRIPT'
tool B_N_ejes
click 0 0
tool B_N_funcion
expression x^2
tool B_N_funcion
expression 1/x
tool B_N_rep_fun
click -375 265
tool B_N_rep_fun
click -375 245
tool B_N_parametro
expression 2
tool B_N_calcular
click -375 225
expression A*3
tool B_N_tabla
click -375 225
click -375 205
click 200 200
SCRIPT
code 0 build "$work/numbers.txt"

python3 - "$work/out" <<'PY' || fail "numbers dump"
import json, sys
d = json.load(open(sys.argv[1], encoding="utf-8"))
el = {e["number"]: e for e in d["elements"]}
problems = []
def check(ok, what):
    if not ok:
        problems.append(what)

square, reciprocal = el[7], el[8]
check(square["kind"] == 65 and square["parents"][0] == 5, "graph 7 draws function 5")
s = square["samples"]
check(len(s) == 80 and None not in s, "y = x² has 80 joined samples: %d" % len(s))
worst = max(abs(y - 40 * (x / 40) ** 2) for x, y in s)
check(worst < 1e-9, "y = x² off its curve by %g" % worst)
check(s[0] == [-400, 4000] and s[-1] == [400, 4000], "y = x² from x = -10 to 10: %s %s" % (s[0], s[-1]))

# 1/x: no sample falls on x = 0 (80 samples), so both branches have values and one null
# between them marks the jump the continuity test finds.
r = reciprocal["samples"]
check(len(r) == 81 and r.count(None) == 1, "1/x: 80 samples and one break: %d" % len(r))
k = r.index(None)
check(r[k - 1][0] < 0 < r[k + 1][0], "the break lies at x = 0")
worst = max(abs(y - 40 / (x / 40)) for x, y in r[:k] + r[k + 1:])
check(worst < 1e-9, "y = 1/x off its curve by %g" % worst)

check(el[5].get("text") == "y = x^2", "function text: %r" % el[5].get("text"))
check(el[9].get("text") == "2.00", "parameter text: %r" % el[9].get("text"))
check(el[10].get("text") == "6.00", "calculation text: %r" % el[10].get("text"))
check(el[11]["kind"] == 38 and el[11].get("text") == "2.00\t6.00",
      "table text: %r" % el[11].get("text"))
check("samples" not in el[9] and "text" not in el[1], "samples and texts only where they belong")
if problems:
    print("\n".join(problems))
    sys.exit(1)
PY

[[ $failures -eq 0 ]] || exit 1
echo "numbers: all passed"
