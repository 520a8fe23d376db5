#!/usr/bin/env bash
# velt-cli build with action buttons: a movement button built, saved, opened again and
# pressed; a press where no button is stops the script with exit code 6.
source "$(dirname "$0")/common.bash"

json() {
  python3 - "$1" "$2" <<'PY' || fail "$1: $2"
import json, sys
d = json.load(open(sys.argv[1]))
el = {e["number"]: e for e in d["elements"]}
sys.exit(0 if eval(sys.argv[2]) else 1)
PY
}

# A (0, 0) goes to B (100, 50); the button's corner at (200, 200).
printf 'tool 1\nclick 0 0\nclick 100 50\ntool 57\nclick 0 0\nclick 100 50\nclick 200 200\n' \
  >"$work/make.txt"
printf 'press 204 196\n' >"$work/press.txt"
code 0 build --out "$work/button.vlt" "$work/make.txt"
code 0 dump "$work/button.vlt"
cp "$work/out" "$work/made.json"
code 0 build --in "$work/button.vlt" "$work/press.txt"
cp "$work/out" "$work/pressed.json"
if command -v python3 >/dev/null; then
  json "$work/made.json" 'el[3]["kind"] == 70 and el[1]["values"][:2] == [0, 0]'
  json "$work/pressed.json" 'el[1]["values"][:2] == [100, 50] and el[3]["kind"] == 70'
fi

printf 'tool 1\nclick 0 0\npress 0 0\n' >"$work/nobutton.txt"
code 6 build "$work/nobutton.txt"
grep -q '^line 3: ' "$work/err" || fail "the failing line is not named: $(cat "$work/err")"

if [[ $failures -ne 0 ]]; then
  echo "$failures failure(s)"
  exit 1
fi
echo "buttons: all passed"
