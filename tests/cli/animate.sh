#!/usr/bin/env bash
# velt-cli animate: a figure whose point runs along a segment, as an animated GIF with one
# frame per tick and as numbered PNG frames; the failures with their exit codes.
source "$(dirname "$0")/common.bash"
source "$(dirname "$0")/png_reading.bash"

# A segment from (-150, 0) to (150, 0), a point on it at the middle, animated by tool 48.
printf 'tool B_Segmento\nclick -150 0\nclick 150 0\ntool B_Punto\nclick 0 0\ntool B_anim\nclick 0 0\n' \
  >"$work/moving.txt"
"$cli" build --out "$work/moving.vlt" "$work/moving.txt" >/dev/null 2>"$work/err" ||
  fail "build of the moving figure: $(cat "$work/err")"

# gif_frames FILE: width, height, the number of images, their delays and whether the first
# and last images differ, read block by block from the GIF itself.
gif_frames() {
  python3 - "$1" <<'PY'
import struct, sys
b = open(sys.argv[1], "rb").read()
assert b[:6] == b"GIF89a", "not a GIF89a"
w, h, flags = struct.unpack("<HHB", b[6:11])
pos = 13 + (3 * 2 ** ((flags & 7) + 1) if flags & 0x80 else 0)
images, delays, data, loops = 0, set(), [], False
def blocks(pos):
    out = b""
    while b[pos]:
        out += b[pos + 1:pos + 1 + b[pos]]
        pos += 1 + b[pos]
    return pos + 1, out
while b[pos] != 0x3B:
    if b[pos] == 0x21:
        label = b[pos + 1]
        pos, body = blocks(pos + 2)
        if label == 0xF9:
            delays.add(struct.unpack("<H", body[1:3])[0])
        if label == 0xFF and body.startswith(b"NETSCAPE2.0"):
            loops = True
    elif b[pos] == 0x2C:
        f = b[pos + 9]
        pos += 10 + (3 * 2 ** ((f & 7) + 1) if f & 0x80 else 0)
        pos, body = blocks(pos + 1)
        data.append(body)
        images += 1
    else:
        raise SystemExit("bad block %#x" % b[pos])
print("%dx%d %d %s %s %s" % (w, h, images, sorted(delays), loops, data[0] != data[-1]))
PY
}

"$cli" animate "$work/moving.vlt" -o "$work/m.gif" --frames 12 --size 400x300 --centre >/dev/null 2>"$work/err"
rc=$?
if [[ $rc -eq 1 ]] && grep -q 'Qt build\|giflib' "$work/err"; then
  echo "animate: $(cat "$work/err"), checks skipped"
else
  [[ $rc -eq 0 ]] || fail "animate gif exited $rc: $(cat "$work/err")"
  [[ -s "$work/err" ]] && fail "animate says something on stderr: $(cat "$work/err")"
  [[ $(gif_frames "$work/m.gif") == "400x300 12 [3] True True" ]] ||
    fail "gif: $(gif_frames "$work/m.gif")"
  # Numbered PNG frames: one per tick, the point elsewhere in each.
  code 0 animate "$work/moving.vlt" -o "$work/f.png" --frames 3 --size 200x100 --centre
  for i in 1 2 3; do
    [[ -s "$work/f-000$i.png" ]] || fail "frame $i missing"
  done
  [[ -e "$work/f-0004.png" || -e "$work/f.png" ]] && fail "more frames than asked for"
  cmp -s "$work/f-0001.png" "$work/f-0003.png" && fail "the first and last frames are the same"
  code 5 animate "$work/moving.vlt" -o "$work/no/such/dir/m.gif" --frames 2
  # A traced point leaves its marks from frame to frame: with the segment hidden, where the
  # point was at the first frame is still coloured at the twentieth, and only when traced.
  printf 'tool B_vernover\nclick 100 0\n' >"$work/hide.txt"
  "$cli" build --in "$work/moving.vlt" --out "$work/bare.vlt" "$work/hide.txt" >/dev/null ||
    fail "hiding the segment"
  printf 'tool B_traza\nclick 0 0\n' >"$work/trace.txt"
  "$cli" build --in "$work/bare.vlt" --out "$work/traced.vlt" "$work/trace.txt" >/dev/null ||
    fail "tracing the point"
  code 0 animate "$work/bare.vlt" -o "$work/b.png" --frames 20 --size 400x300 --centre
  code 0 animate "$work/traced.vlt" -o "$work/t.png" --frames 20 --size 400x300 --centre
  # The point runs left 2.25 units a tick from the origin, at pixel (200, 150).
  background=$(png_pixel "$work/b-0020.png" 100 50)
  [[ $(png_pixel "$work/b-0020.png" 195 150) == "$background" ]] || fail "a mark without a trace"
  [[ $(png_pixel "$work/t-0020.png" 195 150) != "$background" ]] || fail "no mark of the trace"
fi

code 1 animate "$work/moving.vlt" -o "$work/m.gif"
code 1 animate "$work/moving.vlt" -o "$work/m.gif" --frames 0
code 1 animate "$work/moving.vlt" -o "$work/m.gif" --frames 10000
code 1 animate "$work/moving.vlt" -o "$work/m.gif" --frames x
code 1 animate "$work/moving.vlt" -o "$work/m.svg" --frames 3
code 2 animate "$work/missing.vlt" -o "$work/m.gif" --frames 3
[[ -e "$work/m.svg" ]] && fail "a refused animation wrote a file"

[[ $failures -eq 0 ]] && echo "animate: all passed"
exit $((failures > 0))
