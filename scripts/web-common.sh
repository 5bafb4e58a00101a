# Shared by scripts/web and scripts/test: Emscripten and chromium, and the web build.
WEB_BUILD_DIR=${GYRO_WEB_BUILD_DIR:-$ROOT/build-web}
WEB_JOBS=${GYRO_JOBS:-2}

# Installs the Debian packages named when they are missing; returns 1 (with
# a line saying why) when they cannot be installed here.
install_web_packages() {
  local missing=() pkg
  for pkg in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'install ok installed'; then
      missing+=("$pkg")
    fi
  done
  ((${#missing[@]} == 0)) && return 0
  if [[ $(id -u) -ne 0 ]]; then
    echo "Missing Debian packages for the web edition: ${missing[*]} (sudo apt-get install ${missing[*]})" >&2
    return 1
  fi
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  if ! { apt-get update -qq && apt-get install -y -qq --no-install-recommends "${missing[@]}"; }; then
    echo "Could not install ${missing[*]}" >&2
    return 1
  fi
}

build_web_site() {
  local launcher=()
  if command -v ccache >/dev/null 2>&1; then
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  fi
  # em++ runs its tools with node; a node that is not Debian's must still find
  # Debian's node modules of Emscripten.
  export NODE_PATH=${NODE_PATH:-/usr/share/nodejs}
  if [[ ! -f "$WEB_BUILD_DIR/CMakeCache.txt" ]]; then
    emcmake cmake -S "$ROOT" -B "$WEB_BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release "${launcher[@]}"
  fi
  cmake --build "$WEB_BUILD_DIR" -j "$WEB_JOBS"
}

# The browser test of the web edition (tests/web/browser_test.mjs) against the
# CLI of the normal build `$1`. Skipped, with a line saying so, only where
# Emscripten or chromium cannot be installed.
run_web_tests() {
  local cli=$1
  if ! install_web_packages emscripten chromium nodejs; then
    echo "SKIPPED: the web edition's browser test (emscripten or chromium cannot be installed here)"
    return 0
  fi
  local started=$SECONDS
  build_web_site
  local built=$SECONDS
  node "$ROOT/tests/web/browser_test.mjs" "$WEB_BUILD_DIR/site" "$cli"
  echo "The web edition: built in $((built - started)) s, browser test $((SECONDS - built)) s"
}
