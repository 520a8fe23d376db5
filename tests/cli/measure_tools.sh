#!/usr/bin/env bash
# velt-cli build makes every measurement, equation, coordinates and checker through its tool;
# dump shows the texts the drawing writes, units included. The document measures 40 plane
# units to the centimetre.
source "$(dirname "$0")/common.bash"
command -v python3 >/dev/null || { echo "python3 is needed to read the dump"; exit 0; }

# Axes at the origin; A (0, 0), B (120, 0), C (0, 160) and the triangle ABC; a circle of
# radius 80 about (200, -120).
cat >"$work/figure.txt" <<'EOF'
tool B_N_ejes
click 0 0                  # 1 the origin, 2 the axes (3, 4 its lines)
tool B_Poligono
click 120 0
click 0 160
click 0 0
click 120 0                # 5 B, 6 C, 7 the triangle BCA (8 BC, 9 CA, 10 AB)
tool B_Circunf
click 200 -120
click 280 -120             # 11 the centre, 12 the circle
tool B_N_longdist
click 0 0
click 0 160                # 13 |AC|
tool B_N_longdist
click 0 0
click 60 80                # 14 from A to the side BC
tool B_N_longdist
click 60 0                 # 15 the perimeter
tool B_N_area
click 30 40                # inside the triangle: no pick, nothing
tool B_N_area
click 30 0                 # 16 the triangle's area
tool B_N_area
click 200 -40              # 17 the circle's area
tool B_N_angulo
click 120 0
click 0 0
click 0 160                # 18 the angle BAC
tool B_N_pend
click 60 80                # 19 the slope of BC
tool B_N_prop
click 0 0
click 0 160
click 120 0                # 20 |AC| / |AB|
tool B_N_ecoord
click 280 -120             # 21 the equation of the circle
tool B_N_ecoord
click 0 160                # 22 the coordinates of C (23, 24 its numbers)
tool B_comp_al
click 0 0
click 120 0
click 0 160                # 25 A, B, C are not aligned
tool B_comp_pert
click 0 0
click 30 0                 # 26 A is on the x axis (its line comes first)
EOF

code 0 build "$work/figure.txt"
python3 - "$work/out" <<'PY' || fail "the measurements' texts differ"
import json, sys
d = json.load(open(sys.argv[1], encoding="utf-8"))
el = {e["number"]: e for e in d["elements"]}
want = {
    13: (28, [1, 6], "4.00 cm"),          # 160 units
    14: (29, [1, 8], "2.40 cm"),          # BC: 4x + 3y = 480, 96 units from A
    15: (33, [7], "12.00 cm"),            # 480 units
    16: (35, [7], "6.00 cm²"),            # 9600 square units
    17: (34, [12], "12.57 cm²"),          # pi 2²
    18: (36, [5, 1, 6], "1.57 rd"),       # a right angle in radians
    19: (56, [8], "-1.33"),               # from (120, 0) to (0, 160)
    20: (68, [1, 6, 5], "-1.33"),         # 160 / 120; CB is the longest: negative
    21: (46, [12, 2], "(x-5.00)²+(y+3.00)²=2.00²"),
    22: (42, [6, 2], "(0.00;4.00)"),
    25: (54, [1, 5, 6], "no alineados"),
    26: (52, [1, 3], "pertenece"),
}
bad = 0
for n, (kind, parents, text) in want.items():
    e = el.get(n)
    got = (e["kind"], [p for p in e["parents"] if p >= 0], e.get("text")) if e else None
    if got != (kind, parents, text):
        print(f"element {n}: {got}, wanted {(kind, parents, text)}")
        bad += 1
sys.exit(1 if bad else 0)
PY

if [[ $failures -ne 0 ]]; then
  echo "$failures failure(s)"
  exit 1
fi
echo "measure_tools: all passed"
