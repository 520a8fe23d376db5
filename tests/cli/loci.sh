#!/usr/bin/env bash
# Loci end to end: a locus built by a script, its samples in `dump` (with gaps as null), the
# locus after a drag, and a rendered picture.
source "$(dirname "$0")/common.bash"
command -v python3 >/dev/null || exit 0

# A circle about (100, 50) through (160, 50), a point on it, a free point, their midpoint and
# the locus of the midpoint; a segment from (-100, -150) to (100, -150), a point on it, the
# perpendicular through that point, a circle of radius 50 about (0, -150) and the locus of
# their first common point (which exists only above the middle of the segment).
cat >"$work/loci.txt" <<'TXT'
tool 5
click 100 50
click 160 50
tool 1
click 100 110
click 10 20
tool 15
click 10 20
click 100 110
tool 19
click 55 65
click 100 110
tool 9
click -100 -150
click 100 -150
tool 1
click -40 -150
tool 8
click 0 -150
click -40 -150
tool 5
click 0 -150
click 50 -150
tool 18
click 0 -100
click -40 -120
tool 19
click -40 -120
click -40 -150
TXT
code 0 build --out "$work/loci.vlt" "$work/loci.txt"

check() {
  python3 - "$@" <<'PY' || fail "samples: $*"
import json, math, sys
d = json.load(open(sys.argv[1]))
cx, cy = float(sys.argv[2]), float(sys.argv[3])
loci = [e for e in d["elements"] if e["kind"] == 21]
assert len(loci) == 2, [e["kind"] for e in d["elements"]]
first, second = loci
assert len(first["samples"]) == 80, len(first["samples"])
worst = max(abs(math.hypot(x - cx, y - cy) - 30) for x, y in first["samples"])
assert worst < 1e-9, worst
s = second["samples"]
gaps = sum(1 for p in s if p is None)
assert 0 < gaps < len(s), (gaps, len(s))
for p in s:
    if p is not None:
        assert abs(math.hypot(p[0], p[1] + 150) - 50) < 1e-9, p
PY
}
"$cli" dump "$work/loci.vlt" >"$work/dump.json" || fail "dump"
check "$work/dump.json" 55 35
# Dragging the free point (element 4) to (30, 20) moves the half-size circle to (65, 35).
"$cli" dump "$work/loci.vlt" --move 4=30,20 >"$work/moved.json" || fail "dump --move"
check "$work/moved.json" 65 35

code 0 render "$work/loci.vlt" -o "$work/loci.png" --size 800x600
[[ -s "$work/loci.png" ]] || fail "no picture"
code 0 render "$work/loci.vlt" -o "$work/loci.svg" --size 800x600
grep -q "<line\|<path\|<polyline" "$work/loci.svg" || fail "nothing drawn in the svg"

exit $((failures > 0))
