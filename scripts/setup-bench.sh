#!/usr/bin/env bash
# Installs, when missing, what the peer benchmarks need beyond scripts/setup.sh: the GTK 3,
# Qt 5 Widgets and FLTK 1.3 development packages for the peer dialogs under bench/peers.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh

packages=(libgtk-3-dev qtbase5-dev libqt5x11extras5-dev libfltk1.3-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup-bench: installing ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
