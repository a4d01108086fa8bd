#!/usr/bin/env bash
# Builds Roomwright and shows the bundled sample project: in the editor window when a display is
# available, otherwise as the project's summary on the terminal.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh release
sample=build/release/samples/sample.rmw
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec build/release/bin/roomyard "$sample"
fi
exec build/release/bin/rwinfo "$sample"
