# Shared set-up for scripts/run and scripts/test: install what is missing, configure, build.
set -euo pipefail

ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
BUILD_DIR=${GYRO_BUILD_DIR:-$ROOT/build}
# The checking build: AddressSanitizer and UndefinedBehaviorSanitizer, with
# clang (and then the settings fuzzer too) when it is installed.
SAN_BUILD_DIR=${GYRO_SAN_BUILD_DIR:-$ROOT/build-san}
JOBS=${GYRO_JOBS:-2}

install_packages() {
  local missing=()
  local pkg
  while read -r pkg; do
    [[ -z "$pkg" || "$pkg" == \#* ]] && continue
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$pkg")
    fi
  done < "$ROOT/scripts/packages.txt"
  if ((${#missing[@]} == 0)); then
    return 0
  fi
  if [[ $(id -u) -ne 0 ]]; then
    echo "Missing Debian packages: ${missing[*]}" >&2
    echo "Install them (sudo apt-get install ${missing[*]}) or run this script as root." >&2
    exit 1
  fi
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

configure_and_build() {
  local generator=()
  if command -v ninja >/dev/null 2>&1; then
    generator=(-G Ninja)
  fi
  if [[ ! -f "$BUILD_DIR/CMakeCache.txt" ]]; then
    cmake -S "$ROOT" -B "$BUILD_DIR" "${generator[@]}" -DCMAKE_BUILD_TYPE=Release
  fi
  cmake --build "$BUILD_DIR" -j "$JOBS"
}

configure_and_build_checking() {
  local generator=() compiler=()
  if command -v ninja >/dev/null 2>&1; then
    generator=(-G Ninja)
  fi
  if command -v clang++ >/dev/null 2>&1; then
    compiler=(-DCMAKE_CXX_COMPILER=clang++ -DGYRO_FUZZ=ON)
  fi
  if [[ ! -f "$SAN_BUILD_DIR/CMakeCache.txt" ]]; then
    cmake -S "$ROOT" -B "$SAN_BUILD_DIR" "${generator[@]}" "${compiler[@]}" \
      -DCMAKE_BUILD_TYPE=Release -DGYRO_SANITIZE=ON
  fi
  cmake --build "$SAN_BUILD_DIR" -j "$JOBS" "$@"
}
