#!/usr/bin/env bash
# Builds the till (release preset) if needed and runs it; arguments go to vantor.
#   scripts/run-till.sh [--data-dir DIR] [--headless --script FILE] ...
# Build output goes to stderr, so vantor's own stdout stays clean.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"

# In a subshell, so that vantor starts in the caller's directory.
(
    bash "$root/scripts/setup.sh"
    cd "$root"
    cmake --preset release
    cmake --build --preset release
) >&2

exec "$root/build/release/src/app/vantor" "$@"
