#!/usr/bin/env bash
# Builds with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test again.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset asan >/dev/null
cmake --build --preset asan
# The UI monkey's four seeds play 5,000 events each here (20,000 in the release run), so that
# CI plays 100,000 in all and this run stays near a minute.
QVSQL_MONKEY_EVENTS="${QVSQL_MONKEY_EVENTS:-5000}" ctest --preset asan "$@"
