#!/usr/bin/env bash
# Builds Roomwright and shows the bundled sample project.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh release
# Until the editor exists, show what the bundled sample project holds.
sample=build/release/samples/sample.rmw
exec build/release/bin/rwinfo "$sample"
