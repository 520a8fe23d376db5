#!/usr/bin/env bash
# velt-cli build with the transformation tools on the transformations example: the triangle
# transformed again by each tool, its numbers picked by their labels, gives image points with
# the same kinds, parents and places as the images the example was built with.
source "$(dirname "$0")/common.bash"
fig="$src/examples/transformations.vlt"
command -v python3 >/dev/null || exit 0

# The triangle 5 (vertices 1, 2, 3) is picked on its first side at (-20, 15); O (4) is at
# (40, -40); the line 11 passes (0, -85); the vector 14 has its middle at (-300, 220); the
# numbers 15 (90) and 16 (-0.5) show their labels from (-380, 150) and (-380, 125); the
# circle 18 about O passes (40, -140).
cat >"$work/tools.txt" <<'EOF'
tool B_Punto_Sim
click -20 15
click 40 -40
tool B_sim_ax
click -20 15
click 0 -85
tool B_traslac
click -20 15
click -300 220
tool B_giro
click -20 15
click 40 -40
click -375 145
tool B_homotec
click -20 15
click 40 -40
click -375 120
tool B_inversion
click 20 10        # the point first, then the circle
click 40 -140
EOF

code 0 build --in "$fig" "$work/tools.txt"
cp "$work/out" "$work/tools.json"
python3 - "$work/tools.json" <<'PY' || fail "the tools' images differ from the example's"
import json, sys
d = json.load(open(sys.argv[1]))
old = [e for e in d["elements"] if e["number"] <= 60]
new = [e for e in d["elements"] if e["number"] > 60]
ok = True
points = {(e["kind"], tuple(e["parents"])): e for e in old if 3 <= e["kind"] <= 26}
made = [e for e in new if e["kind"] in (3, 22, 23, 24, 25, 26)]
if sorted(e["kind"] for e in made) != sorted([3, 22, 23, 24, 25] * 3 + [26]):
    print("image kinds", sorted(e["kind"] for e in made)); ok = False
for e in made:
    twin = points.get((e["kind"], tuple(e["parents"])))
    if not twin:
        print(f"element {e['number']}: no image of kind {e['kind']} on {e['parents']} in the example"); ok = False
    elif any(abs(a - b) > 1e-9 for a, b in zip(e["values"][:2], twin["values"][:2])) or e["exists"] != 1:
        print(f"element {e['number']} at {e['values'][:2]}, the example's {twin['number']} at {twin['values'][:2]}"); ok = False
polygons = [e for e in new if e["kind"] == 14]
if len(polygons) != 5: print("polygons", len(polygons)); ok = False
sys.exit(0 if ok else 1)
PY

exit $((failures > 0))
