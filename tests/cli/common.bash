# Shared by the velt-cli test scripts (sourced, not a test itself): the tool and source
# folder from the arguments, a scratch folder, failure counting and the exit-code check.
cli="$1"
src="$2"
failures=0
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

# code WANTED ARGS...: the exit code; exactly one line on stderr when it is not 0, and
# nothing on stderr when it is.
code() {
  local want="$1"
  shift
  "$cli" "$@" >"$work/out" 2>"$work/err"
  local rc=$?
  [[ $rc -eq $want ]] || fail "velt-cli $* exited $rc, wanted $want"
  if [[ $want -ne 0 ]]; then
    [[ $(wc -l <"$work/err") -eq 1 ]] || fail "velt-cli $*: stderr is not one line: $(cat "$work/err")"
  else
    [[ -s "$work/err" ]] && fail "velt-cli $*: says something on stderr: $(cat "$work/err")"
  fi
}
