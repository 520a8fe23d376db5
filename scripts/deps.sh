# Installs the Debian packages that building and testing VELT need, when missing.
VELT_PACKAGES=(cmake ninja-build g++ clang libclang-rt-14-dev libgtest-dev libgmock-dev
  libbenchmark-dev libgif-dev qt6-base-dev libgl-dev xvfb xauth)

velt_install_deps() {
  local missing=()
  for p in "${VELT_PACKAGES[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "== installing: ${missing[*]}"
  if [ "$(id -u)" -ne 0 ]; then
    if command -v sudo >/dev/null 2>&1; then
      sudo apt-get update -qq && sudo DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
    else
      echo "VELT needs these Debian packages: ${missing[*]} (run as root or install them)" >&2
      exit 1
    fi
  else
    apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${missing[@]}"
  fi
}
