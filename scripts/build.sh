#!/usr/bin/env bash
# Configures and builds one build tree: scripts/build.sh [release|sanitize]
set -euo pipefail
cd "$(dirname "$0")/.."
kind="${1:-release}"
case "$kind" in
    release) flags=(-DCMAKE_BUILD_TYPE=RelWithDebInfo) ;;
    sanitize) flags=(-DCMAKE_BUILD_TYPE=Debug -DRW_SANITIZE=ON -DRW_BENCH=OFF) ;;
    *) echo "unknown build kind: $kind" >&2; exit 2 ;;
esac
cmake -S . -B "build/$kind" -G Ninja "${flags[@]}" >/dev/null
cmake --build "build/$kind"
