#!/usr/bin/env bash
# The touch checks of the till's window (TouchTest) in a real X server of the
# given size, with a window manager.
#   touch.sh TEST-BINARY WIDTHxHEIGHT ARTEFACT-DIR
set -euo pipefail

test_binary=$1
screen_size=$2
artefacts=$3
vantor=""
source "$(dirname "$0")/x-session.sh"

start_display
start_window_manager
private_home
export QT_QPA_PLATFORM=xcb
VANTOR_ARTEFACTS=$artefacts "$test_binary" || fail "touch checks at $screen_size"
echo "PASS: touch checks at $screen_size"
