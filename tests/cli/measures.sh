#!/usr/bin/env bash
# velt-cli dump writes, for every element that shows a text, the exact text the drawing
# writes: numbers with their units and names, equations, coordinates, checker answers.
source "$(dirname "$0")/common.bash"
doc="$src/examples/measures.vlt"

# text N: the "text" field of element N in the last dump ("-" when it has none).
text() {
  python3 - "$work/out" "$1" <<'PY'
import json, sys
d = json.load(open(sys.argv[1], encoding="utf-8"))
el = {e["number"]: e for e in d["elements"]}
print(el[int(sys.argv[2])].get("text", "-"))
PY
}

# expect N TEXT
expect() {
  local got
  got=$(text "$1")
  [[ "$got" == "$2" ]] || fail "element $1 shows '$got', wanted '$2'"
}

if ! command -v python3 >/dev/null; then
  echo "python3 is needed to read the dump"
  exit 0
fi

code 0 dump "$doc"
expect 1 "-"                          # a point shows no text of its own
expect 8 "A"                          # its name does
expect 15 "d = 7.00 cm"               # |AB| = 280 world units, 40 per cm
expect 16 "-"                         # the name of a number is written in front of it
expect 17 "2d = 14.00 cm"             # a calculation keeps the unit of its letters
expect 19 "51.34 °"                   # angle BAC, atan(200/160)
expect 20 "17.50 cm²"                 # 280 × 200 / 2 square units / 40²
expect 21 "(1.00;3.00)"               # C = (40, 120) in axes of 40 units
expect 22 "1.00"
expect 23 "3.00"
expect 24 "y = -1.67x +4.67"          # BC through (4, -2) and (1, 3)
expect 26 "(x+3.00)²+(y+2.00)²=7.00²" # about A, through B
expect 28 "1.25"                      # slope of CA
expect 30 "alineados"

# Dragging C onto AB's line: the area goes to 0, the coordinates and equation follow.
code 0 dump "$doc" --move 7=40,-80
expect 20 "0.00 cm²"
expect 21 "(1.00;-2.00)"
expect 24 "y = -2.00"                 # horizontal: no x term
# C straight above B: the side's line is vertical.
code 0 dump "$doc" --move 7=160,40
expect 24 "x = 4.00"
expect 28 "0.43"                      # CA from (160, 40) to (-120, -80)

if [[ $failures -ne 0 ]]; then
  echo "$failures failure(s)"
  exit 1
fi
echo "measures: all passed"
