#!/usr/bin/env bash
# `./dev run` with a display: setup.exe under Wine in the private prefix, on that display,
# inside the prefix's 1024x768 virtual desktop. Reports the program's exit code.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-prefix.sh"
SETUP=${WIN32_DIR:-$E2E_ROOT/build/win32}/setup.exe
[ -f "$SETUP" ] || { echo "run: $SETUP is missing: cmake --preset win32 && cmake --build --preset win32"; exit 1; }
E2E_USE_DISPLAY=1 e2e_start || exit 1
wine "$SETUP"
code=$?
echo "run: setup.exe ended with exit code $code"
exit "$code"
