#!/usr/bin/env bash
# Builds the examples under examples/ against an installed QvSQLBuilder only (the package's
# pkg-config file and CMake package, nothing of the source tree but the examples themselves),
# runs each one headless with examples/press-ok.script and checks what it prints.
#   bash scripts/check-examples.sh PREFIX WORK_FOLDER
set -euo pipefail
prefix=$1
work=$2
examples=$(cd "$(dirname "$0")/../examples" && pwd)
mkdir -p "$work"
cp -r "$examples/c-host" "$examples/cxx-host" "$examples/python-host" "$work/"

pc_file=$(find "$prefix"/lib* -maxdepth 3 -name QvSQLBuilder.pc -print -quit)
[ -n "$pc_file" ] || { echo "check-examples: no QvSQLBuilder.pc under $prefix" >&2; exit 1; }
export PKG_CONFIG_PATH=${pc_file%/*}
export QVSQL_BACKEND=headless QVSQL_SCRIPT=$examples/press-ok.script
# The loader learns of a prefix outside its search path from here (pkg-config escapes blanks).
libdir=$(pkg-config --variable=libdir QvSQLBuilder | sed 's/\\\(.\)/\1/g')

expect() { # expect NAME EXPECTED_OUTPUT COMMAND...
  local name=$1 want=$2 got
  shift 2
  if ! got=$("$@" 2>&1); then
    printf 'check-examples: %s failed:\n%s\n' "$name" "$got" >&2
    exit 1
  fi
  if [ "$got" != "$want" ]; then
    printf 'check-examples: %s printed\n%s\ninstead of\n%s\n' "$name" "$got" "$want" >&2
    exit 1
  fi
  echo "check-examples: $name ok"
}

statement='SELECT Name FROM Customers '
make -s -C "$work/c-host" CFLAGS=-Werror >/dev/null
expect c-host "$statement
table: Customers" env LD_LIBRARY_PATH="$libdir" "$work/c-host/c-host"

cmake -S "$work/cxx-host" -B "$work/cxx-host/build" -G Ninja -DCMAKE_PREFIX_PATH="$prefix" \
  -DCMAKE_CXX_FLAGS="-Wall -Wextra -Werror" >/dev/null
cmake --build "$work/cxx-host/build" >/dev/null
expect cxx-host "QvSQLBuilder header $(pkg-config --modversion QvSQLBuilder)
$statement" "$work/cxx-host/build/cxx-host"

expect python-host "$statement
table: Customers" python3 "$work/python-host/host.py"

# The toolkit hosts need a display to run (their test runs them under Xvfb); here they are
# built against the installed library when their toolkits are installed.
for toolkit in gtk-host:gtk+-3.0 qt-host:Qt5Widgets; do
  name=${toolkit%%:*}
  pkg-config --exists "${toolkit#*:}" || continue
  cp -r "$examples/$name" "$work/"
  cmake -S "$work/$name" -B "$work/$name/build" -G Ninja -DCMAKE_PREFIX_PATH="$prefix" >/dev/null
  cmake --build "$work/$name/build" >/dev/null
  echo "check-examples: $name built"
done
