#!/usr/bin/env bash
# velt-cli info, dump and convert on the example documents, and their failures: exit codes
# 1 usage, 2 not a valid file, 3 newer version, 5 output not written, one line on stderr.
source "$(dirname "$0")/common.bash"
tri="$src/examples/triangle.vlt"
quad="$src/examples/quadrilateral.vlt"

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

code 0 info "$tri"
grep -q '^version: 700$' "$work/out" || fail "info: no version line"
grep -q '^  4 Punto medio: 3$' "$work/out" || fail "info: midpoints not counted"

code 0 dump "$tri"
cp "$work/out" "$work/tri.json"
if command -v python3 >/dev/null; then
  json "$work/tri.json" 'd["version"] == 700 and d["type"] == 10 and len(d["elements"]) == 19'
  json "$work/tri.json" 'd["document"] == {"lengthUnit":1,"angleUnit":0,"measureScale":40,"coordinateSystem":0,"viewLeft":-400,"viewTop":300}'
  # Element 10 is the midpoint of A(-150,-100) and B(170,-80).
  json "$work/tri.json" 'el[10]["kind"] == 4 and el[10]["parents"] == [1, 2, -1] and el[10]["values"][:2] == [10, -90]'
  # O (element 15), where the perpendicular bisectors meet, is as far from A, B and C.
  json "$work/tri.json" 'len({round(((el[15]["values"][0]-el[k]["values"][0])**2+(el[15]["values"][1]-el[k]["values"][1])**2)**0.5, 9) for k in (1,2,3)}) == 1'
  json "$work/tri.json" 'list(el[1].keys()) == ["number","kind","type","owner","exists","visibility","parents","values","attr1","attr2","attr3","colour","style"]'

  # Dragging A to the origin moves the midpoint of AB to (85, -40).
  code 0 dump "$tri" --move 1=0,0
  cp "$work/out" "$work/moved.json"
  json "$work/moved.json" 'el[1]["values"][:2] == [0, 0] and el[10]["values"][:2] == [85, -40]'
  # Two drags in a row: A back where it was, then B to (-150, 100): AB's midpoint is (-150, 0).
  code 0 dump "$tri" --move 1=0,0 --move 1=-150,-100 --move 2=-150,100
  cp "$work/out" "$work/moved2.json"
  json "$work/moved2.json" 'el[10]["values"][:2] == [-150, 0] and el[11]["values"][:2] == [-65, 120]'

  # The quadrilateral: origin 1, axes 2 with axis lines 3 and 4, vertices 5..8, polygon 9
  # with sides 10..13, point 14 on the second side from (160,-60) to (120,120).
  code 0 dump "$quad"
  cp "$work/out" "$work/quad.json"
  json "$work/quad.json" '[el[n]["owner"] for n in (3, 4, 10, 13)] == [2, 2, 9, 9] and el[14]["parents"][0] == 11'
  # P (element 18) on AB from (-150,-100) to (170,-80). AB is more horizontal than vertical,
  # so a drag to (8,-58) probes vertically: x = 8, t = 158/320, y = -100 + 20 t = -90.125.
  json "$work/tri.json" 'el[18]["kind"] == 1 and el[18]["parents"][0] == 7 and near(el[18]["values"][0], -70) and near(el[18]["values"][1], -95)'
  code 0 dump "$tri" --move 18=8,-58
  cp "$work/out" "$work/p.json"
  json "$work/p.json" 'near(el[18]["values"][0], 8) and near(el[18]["values"][1], -90.125) and near(el[18]["values"][3], 0.49375)'
  # Dragging A moves P with its side: A at (-150,-20), t stays 0.25: P = (-70, -35).
  code 0 dump "$tri" --move 1=-150,-20
  cp "$work/out" "$work/p2.json"
  json "$work/p2.json" 'near(el[18]["values"][0], -70) and near(el[18]["values"][1], -35)'
fi

# convert writes version 700 that dumps the same.
code 0 convert "$tri" "$work/copy.vlt"
code 0 dump "$work/copy.vlt"
cmp -s "$work/out" "$work/tri.json" || fail "convert: the copy dumps differently"
code 5 convert "$tri" "$work/missing/copy.vlt"

# Failures.
code 1 info
code 1 dump
code 1 dump "$tri" --move
code 1 dump "$tri" --move 1=2
code 1 dump "$tri" --move x=1,2
code 1 dump "$tri" --move 99=1,2
code 1 dump "$tri" --move 7=1,2          # a segment is not dragged
code 1 convert "$tri"
code 2 info "$work/nothing.vlt"
code 2 dump "$work"
printf 'not a figure at all' >"$work/junk.vlt"
code 2 dump "$work/junk.vlt"
head -c 300 "$tri" >"$work/cut.vlt"
code 2 dump "$work/cut.vlt"
{ printf '\xbd\x02\x00\x00'; tail -c +5 "$tri"; } >"$work/newer.vlt"
code 3 info "$work/newer.vlt"
code 3 dump "$work/newer.vlt"
grep -q 'versión más reciente' "$work/err" || fail "newer: message not from the language table"

if [[ $failures -ne 0 ]]; then
  echo "$failures failure(s)"
  exit 1
fi
echo "files: all passed"
