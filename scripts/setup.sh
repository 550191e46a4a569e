#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the tools need, when missing.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config clang libclang-rt-14-dev clang-tidy clang-format
  libgtest-dev libgmock-dev googletest libbenchmark-dev nlohmann-json3-dev
  libfreetype-dev libfontconfig-dev fonts-dejavu-core fonts-liberation2 libpng-dev
  libharfbuzz-dev libfribidi-dev fonts-wqy-microhei fonts-tlwg-loma-ttf
  libx11-dev libxext-dev libxtst-dev xvfb xdotool libsqlite3-dev sqlite3
  unixodbc-dev odbc-postgresql libsqliteodbc postgresql postgresql-client python3 dpkg-dev
  openbox libgtk-3-dev qtbase5-dev
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
