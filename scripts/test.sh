#!/usr/bin/env bash
# Sets up, builds the release preset, checks the style and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
bash scripts/check-layers.sh
cmake --preset release >/dev/null
cmake --build --preset release
bash scripts/check-style.sh
ctest --preset release "$@"
