#!/usr/bin/env bash
# Builds Roomwright and shows the bundled sample project: in the editor window when a display is
# available, otherwise by building its level headless and describing the level it wrote.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh release
sample=build/release/samples/sample.rmw
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
    exec build/release/bin/roomyard "$sample"
fi
build/release/bin/roomyard --build "$sample"
exec build/release/bin/rwinfo build/release/samples/sample_out.tr4
