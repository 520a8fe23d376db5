#!/usr/bin/env bash
# velt-cli render: pictures of the example documents as PNG and SVG, and the failures:
# exit codes 1 usage, 2 not a valid file, 5 picture not written, one line on stderr.
source "$(dirname "$0")/common.bash"
source "$(dirname "$0")/png_reading.bash"
tri="$src/examples/triangle.vlt"

# SVG with a given size; the vertex A (-150, -100) of the triangle is a red 3 × 3 square
# at pixel (250, 400) of the document's own view (left -400, top 300).
code 0 render "$tri" -o "$work/t.svg" --size 640x480
grep -q 'width="640" height="480"' "$work/t.svg" || fail "svg size"
grep -q '<rect x="249.5" y="399.5" width="2" height="2" fill="#ff0000"' "$work/t.svg" ||
  fail "vertex A not at (250, 400)"
# Centred: the origin moves to the middle of the picture, A to (320 - 150, 240 + 100).
code 0 render "$tri" -o "$work/c.svg" --size 640x480 --centre
grep -q '<rect x="169.5" y="339.5"' "$work/c.svg" || fail "centred vertex A"

# PNG needs the Qt build; without it the command says so and the checks are skipped.
"$cli" render "$tri" -o "$work/t.png" >/dev/null 2>"$work/err"
rc=$?
if [[ $rc -eq 1 ]] && grep -q 'Qt build' "$work/err"; then
  echo "render: no Qt build, PNG checks skipped"
else
  [[ $rc -eq 0 ]] || fail "png render exited $rc: $(cat "$work/err")"
  [[ -s "$work/err" ]] && fail "png render says something on stderr: $(cat "$work/err")"
  [[ $(png_size "$work/t.png") == 1024x768 ]] || fail "default png size $(png_size "$work/t.png")"
  [[ $(png_pixel "$work/t.png" 250 400) == ff0000 ]] || fail "vertex A is not red in the png"
  [[ $(png_pixel "$work/t.png" 600 600) == 000000 ]] || fail "background is not black in the png"
  code 0 render "$tri" -o "$work/s.png" --size 300x200
  [[ $(png_size "$work/s.png") == 300x200 ]] || fail "png size"
  code 5 render "$tri" -o "$work/no/such/dir/t.png"
fi

# velt-cli itself loads no Qt library: PNG pictures are drawn by velt-cli-png beside it.
if command -v ldd >/dev/null; then
  ldd "$cli" | grep -q 'libQt' && fail "velt-cli links Qt: $(ldd "$cli" | grep -c libQt) libraries"
fi
# Without that program a PNG is refused with one line; SVG pictures still work.
mkdir "$work/alone"
cp "$cli" "$work/alone/velt-cli"
"$work/alone/velt-cli" render "$tri" -o "$work/alone/t.png" >/dev/null 2>"$work/err"
rc=$?
[[ $rc -eq 1 && $(wc -l <"$work/err") -eq 1 ]] && grep -q 'Qt build' "$work/err" ||
  fail "png without its helper exited $rc: $(cat "$work/err")"
[[ -e "$work/alone/t.png" ]] && fail "png without its helper wrote a file"
"$work/alone/velt-cli" render "$tri" -o "$work/alone/t.svg" 2>/dev/null || fail "svg without the png helper"

code 1 render "$tri" -o "$work/t.bmp"
code 1 render "$tri"
code 1 render "$tri" -o "$work/t.svg" --size 0x10
code 1 render "$tri" -o "$work/t.svg" --size 64
code 2 render "$work/missing.vlt" -o "$work/m.svg"
printf 'not a figure' >"$work/junk.vlt"
code 2 render "$work/junk.vlt" -o "$work/j.svg"
code 5 render "$tri" -o "$work/no/such/dir/t.svg"

[[ $failures -eq 0 ]] && echo "render: all passed"
exit $((failures > 0))
