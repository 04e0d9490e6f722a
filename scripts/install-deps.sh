#!/usr/bin/env bash
# Installs, with apt, whatever a fresh Debian 12 machine lacks to build Brackmere
# ("run") or to build and test it ("test"). Installs nothing that is already there.
set -euo pipefail

# Records live in a file (SQLite) or on a PostgreSQL server: the program needs both drivers,
# and the tests run a PostgreSQL 15 server of their own. The forecast API key lives in the
# system keychain (QtKeychain, which loads libsecret at run time); forecast times need the
# zone database. The keychain's tests run gnome-keyring on a session bus of their own, the
# watch's tests a notification service on one (dbus-run-session); systemd-analyze checks
# the watch's user units.
# The translations are compiled at build time with Qt's lrelease (CMake's LinguistTools);
# Qt's own texts (standard buttons, file dialogs) come translated from qt6-translations-l10n.
run_packages=(cmake g++ make qt6-base-dev libqt6sql6-sqlite libqt6sql6-psql libchm-dev fonts-liberation
              libgl1-mesa-dev qtkeychain-qt6-dev libsecret-1-0 tzdata qt6-tools-dev qt6-l10n-tools
              qt6-translations-l10n)
test_packages=(libgtest-dev libbenchmark-dev xvfb xauth xdotool imagemagick poppler-utils sqlite3
               clang libclang-rt-14-dev cppcheck desktop-file-utils appstream postgresql-15
               emscripten chromium chromium-driver python3-selenium dbus gnome-keyring
               systemd npm)

# Building the Debian package needs dpkg-shlibdeps (dpkg-dev) and file.
package_packages=(dpkg-dev file)

packages=("${run_packages[@]}")
case "${1:-run}" in
  test) packages+=("${test_packages[@]}") ;;
  package) packages+=("${package_packages[@]}") ;;
esac

missing=()
for p in "${packages[@]}"; do
  # A Node installed otherwise than by apt may bring its own npm.
  [ "$p" = npm ] && command -v npm >/dev/null 2>&1 && continue
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  sudo=()
  [ "$(id -u)" -ne 0 ] && sudo=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo[@]}" apt-get update -qq
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# The field edition's accessibility test runs axe-core, a test-only tool from the npm registry,
# at the version tests/web/package-lock.json names, into tests/web/node_modules.
if [ "${1:-run}" = test ] && [ ! -f "$(dirname "$0")/../tests/web/node_modules/axe-core/axe.min.js" ]; then
  # Without the registry the check is not registered (CMake says so); everything else runs.
  npm ci --prefix "$(dirname "$0")/../tests/web" --no-audit --no-fund ||
    echo "install-deps: axe-core could not be installed from the npm registry; the field edition's" \
         "accessibility check will not run." >&2
fi
