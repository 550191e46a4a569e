#!/usr/bin/env bash
# Installs the build into a prefix with blanks in its path, moves the prefix, and checks what
# a packager and a host developer rely on: the shared object's versioned names, the tools
# running from the moved tree, and the examples built against it alone.
#   bash install-tree.sh BUILD_FOLDER
set -euo pipefail
build=$1
root=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/qvsql install.XXXXXX")
trap 'rm -rf "$work"' EXIT

fail() { echo "install-tree: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$work/first prefix" >/dev/null
mv "$work/first prefix" "$work/moved prefix"
prefix="$work/moved prefix"
version=$(sed -n 's/^Version: //p' "$prefix"/lib*/pkgconfig/QvSQLBuilder.pc)
major=${version%%.*}

lib=$(find "$prefix" -name "libQvSQLBuilder.so.$version")
[ -n "$lib" ] || fail "no libQvSQLBuilder.so.$version"
libdir=$(dirname "$lib")
[ "$(readlink "$libdir/libQvSQLBuilder.so.$major")" = "libQvSQLBuilder.so.$version" ] ||
  fail "libQvSQLBuilder.so.$major does not point at libQvSQLBuilder.so.$version"
[ "$(readlink "$libdir/libQvSQLBuilder.so")" = "libQvSQLBuilder.so.$major" ] ||
  fail "the development link does not point at libQvSQLBuilder.so.$major"
readelf -d "$lib" | grep -q "SONAME.*\[libQvSQLBuilder.so.$major\]" || fail "wrong SONAME"
# HarfBuzz is opened on the first line that needs shaping, never linked.
! readelf -d "$lib" | grep -q "NEEDED.*libharfbuzz" || fail "the library links HarfBuzz"

for tool in qvsql qvsql-host; do
  [ "$("$prefix/bin/$tool" --version)" = "$tool $version" ] || fail "$tool --version"
  page=$prefix/share/man/man1/$tool.1
  grep -q "^.TH .* \"QvSQLBuilder $version\"" "$page" || fail "no man page of $version for $tool"
  # Every option the help names is in the man page (dashes written \- there).
  for option in $("$prefix/bin/$tool" --help | grep -o -- '--[a-z][a-z-]*' | sort -u); do
    grep -qF -- "${option//-/\\-}" "$page" || fail "the man page of $tool lacks $option"
  done
done
out=$(cd "$work" && QVSQL_BACKEND=headless QVSQL_SCRIPT="$root/examples/press-ok.script" \
  "$prefix/bin/qvsql-host" --table=Customers)
# The statement, then the seven customers of the installed sample.
[ "$(printf '%s\n' "$out" | sed -n '1p;$p')" = "SELECT Name FROM Customers 
Alice Dupont" ] || fail "qvsql-host from the moved prefix printed: $out"

bash "$root/scripts/check-examples.sh" "$prefix" "$work/examples"
