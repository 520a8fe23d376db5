#!/usr/bin/env bash
# velt-cli build: construction scripts from a file and from stdin, --in/--out round trips
# checked with dump, the messages on stdout, and exit code 6 with the line that failed.
source "$(dirname "$0")/common.bash"
tri="$src/examples/triangle.vlt"

# json FILE PYTHON_EXPRESSION: the expression over the parsed object `d` is true.
json() {
  python3 - "$1" "$2" <<'PY' || fail "$1: $2"
import json, sys
d = json.load(open(sys.argv[1]))
el = {e["number"]: e for e in d["elements"]}
near = lambda a, b: abs(a - b) < 1e-9
sys.exit(0 if eval(sys.argv[2]) else 1)
PY
}

# The README's example: the triangle A(-120,-60), B(120,-60), C(60,120), whose perpendicular
# bisectors meet at the origin, as far from A as from C (120² + 60² = 60² + 120²).
cp "$src/examples/circumcircle.txt" "$work/circumcircle.txt"
# The README shows the same commands.
if command -v python3 >/dev/null; then
  python3 - "$src/README.md" "$src/examples/circumcircle.txt" <<'PY' || fail "README: the example differs from examples/circumcircle.txt"
import sys
readme = open(sys.argv[1], encoding="utf-8").read().split("\n")
start = next(i for i, l in enumerate(readme) if l.startswith("    # examples/circumcircle.txt"))
shown = []
for l in readme[start + 1:]:
    if not l.startswith("    "):
        break
    shown.append(l[4:])
script = open(sys.argv[2], encoding="utf-8").read().split("\n")[1:]
sys.exit(0 if shown == [l for l in script if l] else 1)
PY

fi

# From a file, without --out: the dump of the result on stdout.
code 0 build "$work/circumcircle.txt"
cp "$work/out" "$work/circ.json"
# From stdin, written to a file, dumped: the same figure.
"$cli" build --out "$work/circ.vlt" - <"$work/circumcircle.txt" >"$work/out" 2>"$work/err" ||
  fail "build from stdin failed: $(cat "$work/err")"
[[ -s "$work/out" || -s "$work/err" ]] && fail "build --out says something: $(cat "$work/out" "$work/err")"
code 0 dump "$work/circ.vlt"
cmp -s "$work/out" "$work/circ.json" || fail "the saved figure dumps differently from the printed one"

if command -v python3 >/dev/null; then
  # Vertices 1-3, polygon 4 with sides 5-7, bisectors 8 and 9, their crossing 10, circle 11.
  json "$work/circ.json" 'len(d["elements"]) == 11 and [e["kind"] for e in d["elements"]] == [0,0,0,14,15,15,15,12,12,2,17]'
  json "$work/circ.json" 'el[8]["parents"] == [1,2,-1] and el[9]["parents"] == [2,3,-1] and el[10]["parents"] == [8,9,-1]'
  json "$work/circ.json" 'near(el[10]["values"][0], 0) and near(el[10]["values"][1], 0)'
  json "$work/circ.json" 'el[11]["parents"] == [10,1,-1] and el[11]["values"] == [0,0,-120,-60] and el[11]["exists"] == 1'
  json "$work/circ.json" 'd["document"]["viewLeft"] == -400 and d["document"]["viewTop"] == 300'

  # --in: the example triangle (view from -400, 300) gets the midpoint of A(-150,-100) and
  # C(20,140); the old elements keep their numbers and the new one comes last.
  printf 'tool B_2_div_seg\nclick -150 -100\nclick 20 140\n' >"$work/mid.txt"
  code 0 dump "$tri"
  cp "$work/out" "$work/tri.json"
  json "$work/tri.json" 'el[3]["values"][:2] == [20, 140]'
  code 0 build --in "$tri" --out "$work/tri2.vlt" "$work/mid.txt"
  code 0 dump "$work/tri2.vlt"
  cp "$work/out" "$work/tri2.json"
  json "$work/tri2.json" 'len(d["elements"]) == 20 and el[20]["kind"] == 4 and el[20]["parents"] == [1,3,-1] and el[20]["values"][:2] == [-65, 20]'
  json "$work/tri2.json" 'd["elements"][:19] == json.load(open(sys.argv[1].replace("tri2", "tri")))["elements"]'
  # undo takes it away again; redo brings it back.
  printf 'tool 15\nclick -150 -100\nclick 20 140\nundo\n' >"$work/undo.txt"
  code 0 build --in "$tri" "$work/undo.txt"
  cp "$work/out" "$work/undo.json"
  json "$work/undo.json" 'len(d["elements"]) == 19'
  printf 'redo\n' >>"$work/undo.txt"
  code 0 build --in "$tri" "$work/undo.txt"
  cp "$work/out" "$work/redo.json"
  json "$work/redo.json" 'len(d["elements"]) == 20 and el[20]["values"][:2] == [-65, 20]'

  # --size: a wider window reaches x = 450.
  printf 'tool 1\nclick 450 0\n' >"$work/wide.txt"
  code 6 build "$work/wide.txt"
  code 0 build --size 1000x600 "$work/wide.txt"
  cp "$work/out" "$work/wide.json"
  json "$work/wide.json" 'el[1]["values"][:2] == [450, 0] and d["document"]["viewLeft"] == -500'
fi

# The window's messages, one a line, before anything else.
printf 'tool 9\nclick 0 0\nclick 100 0\ntool B_redefpun\nclick 0 0\nclick 50 0\n' >"$work/msg.txt"
code 0 build --out "$work/msg.vlt" "$work/msg.txt"
[[ $(cat "$work/out") == "message: Redefinición no válida" ]] || fail "message: got $(cat "$work/out")"
code 0 build "$work/msg.txt"
head -n 1 "$work/out" | grep -qx 'message: Redefinición no válida' || fail "message before the dump"
[[ $(wc -l <"$work/out") -eq 2 ]] || fail "message and dump: $(wc -l <"$work/out") lines"

# A line that cannot be read: exit 6, its number on stderr, nothing written.
printf 'tool 1\nclick 0 0\n\n# fine so far\nclick 0 zero\n' >"$work/bad.txt"
code 6 build --out "$work/bad.vlt" "$work/bad.txt"
grep -q '^line 5: ' "$work/err" || fail "bad number: $(cat "$work/err")"
[[ -e "$work/bad.vlt" ]] && fail "a failed script wrote its output"
# Every tool works now: the iteration tool's dialog, with no answer queued, is cancelled.
code 0 build - <<<$'tool 59\n'
code 6 build - <<<$'tool 1\ntool B_Nada\n'
grep -q '^line 2: .*B_Nada' "$work/err" || fail "unknown tool: $(cat "$work/err")"
code 6 build - <<<$'tool 1\nclick 0 0\nclick 401 0\n'
grep -q '^line 3: ' "$work/err" || fail "outside the window: $(cat "$work/err")"
code 6 build - <<<$'click nan 0\n'
code 6 build - <<<$'click inf 0\n'
code 6 build - <<<$'drag 0 0 1e300 0\n'

# The usual codes otherwise.
code 1 build
code 1 build --out
code 1 build "$work/msg.txt" "$work/msg.txt"
code 1 build --size 0x600 "$work/msg.txt"
code 1 build --size big "$work/msg.txt"
code 1 build --frobnicate "$work/msg.txt"
code 2 build "$work/no-such-script.txt"
code 2 build --in "$work/nothing.vlt" "$work/msg.txt"
printf 'not a figure at all' >"$work/junk.vlt"
code 2 build --in "$work/junk.vlt" "$work/msg.txt"
{ printf '\xbd\x02\x00\x00'; tail -c +5 "$tri"; } >"$work/newer.vlt"
code 3 build --in "$work/newer.vlt" "$work/msg.txt"
code 5 build --out "$work/missing/x.vlt" "$work/msg.txt"

if [[ $failures -ne 0 ]]; then
  echo "$failures failure(s)"
  exit 1
fi
echo "build: all passed"
