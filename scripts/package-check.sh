#!/usr/bin/env bash
# The Debian packages as a packager and a host developer meet them: builds them with CPack
# from the release build, installs them with dpkg, checks the installed library and tools,
# builds and runs the examples against the installed packages only, and removes them again.
# Needs root (or sudo) for dpkg. QVSQL_BUILD_DIR picks another build folder.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${QVSQL_BUILD_DIR:-build/release}
packages=(qvsql-tools libqvsqlbuilder-dev libqvsqlbuilder1)
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
work=$(mktemp -d "${TMPDIR:-/tmp}/qvsql-packages.XXXXXX")
remove() {
  "${sudo_cmd[@]}" dpkg -r "${packages[@]}" >/dev/null 2>&1 || true
  rm -rf "$work"
}
trap remove EXIT
fail() { echo "package-check: $*" >&2; exit 1; }

start=$(date +%s)
# A packager can take the library alone: its configuration looks for none of what the tools
# and the tests need.
cmake -S . -B "$work/library-only" -G Ninja -DQVSQL_TOOLS=OFF -DQVSQL_DEMO_HOST=OFF \
  -DQVSQL_TESTS=OFF -DCMAKE_DISABLE_FIND_PACKAGE_nlohmann_json=ON \
  -DCMAKE_DISABLE_FIND_PACKAGE_SQLite3=ON -DCMAKE_DISABLE_FIND_PACKAGE_GTest=ON \
  -DCMAKE_DISABLE_FIND_PACKAGE_ODBC=ON >/dev/null 2>"$work/library-only.log" ||
  { cat "$work/library-only.log" >&2; fail "the library alone does not configure"; }
cmake --build "$build" --target QvSQLBuilder qvsql qvsql-host >/dev/null
(cd "$build" && cpack -G DEB -B "$work/debs" >/dev/null)
"${sudo_cmd[@]}" dpkg -i "$work"/debs/*.deb >/dev/null

version=$(dpkg-query -W -f='${Version}' libqvsqlbuilder1)
for font in $(dpkg-query -W -f='${Depends}' libqvsqlbuilder1 | tr -d ,); do
  case $font in fonts-*) dpkg-query -W "$font" >/dev/null || fail "$font is not installed" ;; esac
done
dpkg-query -W -f='${Depends}' libqvsqlbuilder1 | grep -q libharfbuzz0b ||
  fail "libqvsqlbuilder1 does not depend on HarfBuzz, which it opens for complex scripts"
/sbin/ldconfig -p | grep -q "libQvSQLBuilder.so.${version%%.*} " || fail "ldconfig does not know the library"
[ "$(qvsql --version)" = "qvsql $version" ] || fail "qvsql --version"
[ "$(qvsql-host --version)" = "qvsql-host $version" ] || fail "qvsql-host --version"
[ -f /usr/share/man/man1/qvsql-host.1 ] || [ -f /usr/share/man/man1/qvsql-host.1.gz ] ||
  fail "no man page for qvsql-host"
# The language files lie beside the installed host: the French title proves it.
printf '%s\n' 'expect title "Orvane SQL Query Builder - Requête SQL SELECT"' 'click 1' >"$work/fr.script"
out=$(cd "$work" && QVSQL_BACKEND=headless QVSQL_SCRIPT=$work/fr.script \
  qvsql-host --table=Products --language=1 --no-run)
[ "$out" = "SELECT * FROM Products " ] || fail "qvsql-host printed: $out"

bash scripts/check-examples.sh /usr "$work/examples"

"${sudo_cmd[@]}" dpkg -r "${packages[@]}" >/dev/null
for package in "${packages[@]}"; do
  ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' ||
    fail "$package is still installed"
done
[ ! -e /usr/lib/libQvSQLBuilder.so.1 ] || fail "the library is still there"
echo "package-check: ${packages[*]} $version built, installed, used and removed in $(($(date +%s) - start)) s"
