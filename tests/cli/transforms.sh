#!/usr/bin/env bash
# velt-cli dump on the transformations example: every image point and every image triangle,
# checked against its sources with formulas of this script, before and after drags.
source "$(dirname "$0")/common.bash"
fig="$src/examples/transformations.vlt"
command -v python3 >/dev/null || exit 0

# check FILE: every transformed point where its sources put it, every side on its vertices;
# the remaining arguments are the numbers of image points that must not exist.
check() {
  python3 - "$@" <<'PY' || fail "$*"
import json, math, sys
d = json.load(open(sys.argv[1]))
absent = {int(n) for n in sys.argv[2:]}
el = {e["number"]: e for e in d["elements"]}
deg = {0: 1.0, 1: math.pi / 180, 2: math.pi / 200}[d["document"]["angleUnit"]]
ok = True
def xy(n): return el[n]["values"][0], el[n]["values"][1]
def expect(e, x, y):
    global ok
    got = e["values"][:2]
    if e["exists"] != 1 or abs(got[0] - x) > 1e-9 * (1 + abs(x)) or abs(got[1] - y) > 1e-9 * (1 + abs(y)):
        print(f"element {e['number']} (kind {e['kind']}) at {got}, exists {e['exists']}: wanted ({x}, {y})")
        ok = False
kinds = [e["kind"] for e in d["elements"]]
if [kinds.count(k) for k in (3, 22, 23, 24, 25, 26, 14)] != [3, 3, 3, 3, 3, 3, 6]:
    print("wrong counts", kinds); ok = False
for e in d["elements"]:
    k, p = e["kind"], e["parents"]
    if e["number"] in absent:
        if e["exists"] != 0: print(f"element {e['number']} exists"); ok = False
        continue
    if k == 3:
        (px, py), (cx, cy) = xy(p[0]), xy(p[1])
        expect(e, 2 * cx - px, 2 * cy - py)
    elif k == 22:
        (px, py) = xy(p[0]); ax, ay, bx, by = el[p[1]]["values"]
        ux, uy = bx - ax, by - ay
        t = ((px - ax) * ux + (py - ay) * uy) / (ux * ux + uy * uy)
        fx, fy = ax + t * ux, ay + t * uy
        expect(e, 2 * fx - px, 2 * fy - py)
    elif k == 23:
        (px, py), (ax, ay), (bx, by) = xy(p[0]), xy(p[1]), xy(p[2])
        expect(e, px + bx - ax, py + by - ay)
    elif k == 24:
        (px, py), (cx, cy) = xy(p[0]), xy(p[1])
        a = el[p[2]]["values"][0] * deg
        expect(e, cx + (px - cx) * math.cos(a) - (py - cy) * math.sin(a),
               cy + (px - cx) * math.sin(a) + (py - cy) * math.cos(a))
    elif k == 25:
        (px, py), (cx, cy) = xy(p[0]), xy(p[1])
        r = el[p[2]]["values"][0]
        expect(e, cx + r * (px - cx), cy + r * (py - cy))
    elif k == 26:
        ox, oy, qx, qy = el[p[0]]["values"]
        (px, py) = xy(p[1])
        s = ((qx - ox) ** 2 + (qy - oy) ** 2) / ((px - ox) ** 2 + (py - oy) ** 2)
        expect(e, ox + s * (px - ox), oy + s * (py - oy))
    elif k == 15 and el[e["owner"]]["exists"]:
        if e["values"] != [*xy(p[0]), *xy(p[1])]:
            print(f"side {e['number']} at {e['values']}"); ok = False
sys.exit(0 if ok else 1)
PY
}

code 0 dump "$fig"
cp "$work/out" "$work/still.json"
check "$work/still.json"

# Dragging the vertex A (1), the centre O (4) and the end of the translation vector (13).
code 0 dump "$fig" --move 1=-150,60
cp "$work/out" "$work/a.json"
check "$work/a.json"
python3 -c 'import json,sys; d=json.load(open(sys.argv[1])); sys.exit(d["elements"][0]["values"][:2] != [-150, 60])' "$work/a.json" ||
  fail "A was not dragged"
code 0 dump "$fig" --move 4=0,0 --move 13=-200,100 --move 1=10,10
cp "$work/out" "$work/o.json"
check "$work/o.json"

# The axis points (9, 10) brought together: no axis, so no mirror image; the others stay.
mirror=$(python3 -c 'import json,sys; print(*[e["number"] for e in json.load(open(sys.argv[1]))["elements"] if e["kind"] == 22])' "$work/still.json")
code 0 dump "$fig" --move 10=-380,-110
cp "$work/out" "$work/noaxis.json"
check "$work/noaxis.json" $mirror

exit $((failures > 0))
