#!/usr/bin/env bash
# Installs the build into a scratch prefix and checks the tree a desktop needs:
# both programs (answering --version) and the headless tool's helper, a valid
# desktop entry naming an installed icon, and the icon at every size.
# Usage: check_install.sh BUILD_DIR
set -euo pipefail
build=${1:?build folder}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null

fail() { echo "check_install: $*" >&2; exit 1; }
for program in gyrosolid gyrosolid-cli; do
  [[ -x "$prefix/bin/$program" ]] || fail "bin/$program missing"
  env -u DISPLAY -u WAYLAND_DISPLAY "$prefix/bin/$program" --version | grep -q "^$program " ||
    fail "$program --version"
done
# gyrosolid-cli answers `info` itself and hands the rest (--version above) to
# the full program in the helper folder.
[[ -x "$prefix/libexec/gyrosolid-cli-full" ]] || fail "libexec/gyrosolid-cli-full missing"
"$prefix/bin/gyrosolid-cli" info 5 | grep -qx "figure: 5" || fail "gyrosolid-cli info"
entry="$prefix/share/applications/gyrosolid.desktop"
[[ -f "$entry" ]] || fail "desktop entry missing"
desktop-file-validate "$entry" || fail "desktop entry not valid"
grep -qx 'Exec=gyrosolid' "$entry" || fail "desktop entry does not start gyrosolid"
grep -qx 'Icon=gyrosolid' "$entry" || fail "desktop entry names another icon"
grep -q '^Name\[ja\]=' "$entry" || fail "no Japanese name"
for size in 16 22 24 32 48 64 128 256; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/gyrosolid.png"
  [[ -s "$icon" ]] || fail "icon ${size}x${size} missing"
  # The PNG header's width and height are the size the folder promises.
  [[ $(od --endian=big -An -tu4 -j16 -N8 "$icon" | xargs) == "$size $size" ]] ||
    fail "icon ${size}x${size} is not ${size}x${size}"
done
qm="$prefix/share/gyrosolid/translations/gyrosolid_en.qm"
# A .qm file starts with Qt's magic number 3C B8 64 18.
[[ $(od -An -tx1 -N4 "$qm" 2>/dev/null | xargs) == "3c b8 64 18" ]] || fail "English translation missing"
echo "install tree complete"
