#!/usr/bin/env bash
# Iteration end to end: a segment halved into its two halves twelve times over, built by a
# script through tool 59 and its dialogs; `dump` counts the copies and lists the first ones.
source "$(dirname "$0")/common.bash"
command -v python3 >/dev/null || exit 0

cat >"$work/halves.txt" <<'TXT'
tool B_Segmento
click -320 0
click 320 0
tool B_2_div_seg
click -320 0
click 320 0
answer choose 0
tool B_iteracion
click -320 0
click 320 0
answer add
tool B_iteracion
click -320 0
click 0 0
answer add
tool B_iteracion
click 0 0
click 320 0
answer count
tool B_iteracion
answer 12
answer iterate
click 300 250
TXT
code 0 build --out "$work/halves.vlt" "$work/halves.txt"

# check FILE LIMIT ENDX: 2 + 4 + ... + 4096 copies drawn, the first LIMIT listed, depth first.
check() {
  python3 - "$@" <<'PY' || fail "copies: $*"
import json, sys
d = json.load(open(sys.argv[1]))
limit, end = int(sys.argv[2]), float(sys.argv[3])
it = [e for e in d["elements"] if e["kind"] == 71]
assert len(it) == 1, [e["kind"] for e in d["elements"]]
c = it[0]["copies"]
assert c["drawn"] == 2 ** 13 - 2, c["drawn"]
items = c["items"]
assert len(items) == min(limit, c["drawn"]), len(items)
start = -320
for k, item in enumerate(items[:12]):
    # The first branch keeps halving towards A: [A, A + (end - A) / 2^(k+1)].
    assert item["level"] == 11 - k and item["kind"] == 13 and item["exists"] == 1, item
    x1, y1, x2, y2 = item["values"]
    assert x1 == start and abs(x2 - (start + (end - start) / 2 ** (k + 1))) < 1e-9, (k, item)
PY
}
"$cli" dump "$work/halves.vlt" >"$work/dump.json" || fail "dump"
check "$work/dump.json" 1000 320
"$cli" dump "$work/halves.vlt" --copies-limit 20 >"$work/few.json" || fail "dump --copies-limit"
check "$work/few.json" 20 320
# Dragging B (element 2) to (640, 0) stretches every copy.
"$cli" dump "$work/halves.vlt" --move 2=640,0 --copies-limit 12 >"$work/moved.json" || fail "move"
check "$work/moved.json" 12 640
code 1 dump "$work/halves.vlt" --copies-limit -3
code 1 dump "$work/halves.vlt" --copies-limit many
code 1 dump "$work/halves.vlt" --copies-limit

code 0 render "$work/halves.vlt" -o "$work/halves.svg" --size 800x600
[[ $(grep -c "<polyline\|<rect" "$work/halves.svg") -gt 8000 ]] || fail "the copies are not drawn"

exit $((failures > 0))
