#!/usr/bin/env bash
# PIN check benchmark: one check at the digests' cost takes 50-250 ms (so
# that guessing is slow and signing in still feels instant), with the load of
# the machine, since the figure is only comparable on an idle one.
#   staff.sh PIN-CHECK [RUNS]
set -euo pipefail
source "$(dirname "$0")/../lib.sh"
echo "load: $(machine_load)"
"$1" "${2:-15}"
