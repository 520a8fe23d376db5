#!/usr/bin/env bash
# velt-cli render to PDF (through the Qt helper) and to a TikZ picture (in velt-cli itself).
source "$(dirname "$0")/common.bash"
tri="$src/examples/triangle.vlt"

# TikZ: a complete LaTeX document, the picture between its markers, clipped to the size;
# the vertex A (-150, -100) of the triangle is a red square around pixel (250, 400).
code 0 render "$tri" -o "$work/t.tex" --size 640x480
tex="$work/t.tex"
grep -q '^\\documentclass' "$tex" || fail "tex: no document class"
grep -q '^\\end{document}$' "$tex" || fail "tex: no end of document"
grep -q '\\clip (0,0) rectangle (640,480);' "$tex" || fail "tex: not clipped to 640x480"
grep -q '\\definecolor{velt0000FF}{RGB}{255,0,0}' "$tex" || fail "tex: red is not defined"
grep -q 'rectangle (250.5,400.5)\|(249.5,399.5) rectangle' "$tex" || fail "tex: vertex A not at (250, 400)"
[[ $(grep -c '^\\begin{tikzpicture}' "$tex") -eq 1 ]] || fail "tex: not one picture"
# Every colour a path names is defined.
for c in $(grep -o 'velt[0-9A-F]\{6\}' "$tex" | sort -u); do
  grep -q "\\\\definecolor{$c}" "$tex" || fail "tex: colour $c used but not defined"
done
# Where LaTeX is installed the picture compiles.
if command -v pdflatex >/dev/null; then
  (cd "$work" && pdflatex -interaction=nonstopmode -halt-on-error t.tex >/dev/null) ||
    fail "tex: pdflatex failed"
else
  echo "render_vector: no pdflatex, compiling the TikZ picture skipped"
fi

# PDF needs the Qt helper, as PNG does.
"$cli" render "$tri" -o "$work/t.pdf" --size 640x480 >/dev/null 2>"$work/err"
rc=$?
if [[ $rc -eq 1 ]] && grep -q 'Qt build' "$work/err"; then
  echo "render_vector: no Qt build, PDF checks skipped"
else
  [[ $rc -eq 0 ]] || fail "pdf render exited $rc: $(cat "$work/err")"
  head -c 5 "$work/t.pdf" | grep -q '%PDF-' || fail "pdf: not a PDF"
  # One page of 640 × 480 pixels at 0.75 pt: 480 × 360 pt.
  grep -aq '/MediaBox \[0 0 480\(\.0*\)\? 360\(\.0*\)\?\]' "$work/t.pdf" || fail "pdf: page size"
  [[ $(grep -ac '/Type /Page$' "$work/t.pdf") -eq 1 ]] || fail "pdf: not one page"
  tail -c 8 "$work/t.pdf" | grep -q '%%EOF' || fail "pdf: no end marker"
  code 5 render "$tri" -o "$work/no/such/dir/t.pdf"
  # A read-only picture is left as it was, read-only (by its flag, also for root).
  printf 'keep' >"$work/ro.pdf"
  chmod a-w "$work/ro.pdf"
  code 5 render "$tri" -o "$work/ro.pdf"
  [[ $(cat "$work/ro.pdf") == keep ]] || fail "pdf: read-only file overwritten"
  [[ $(stat -c %A "$work/ro.pdf") == -r--r--r-- ]] || fail "pdf: read-only flag changed"
fi
code 5 render "$tri" -o "$work/no/such/dir/t.tex"

[[ $failures -eq 0 ]] && echo "render_vector: all passed"
exit $((failures > 0))
