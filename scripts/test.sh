#!/usr/bin/env bash
# Builds everything and runs the whole test suite twice: a normal build, then a build with
# AddressSanitizer and UndefinedBehaviorSanitizer in which any report fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh

# The OpenGL tests need a display: every run gets its own virtual one, drawn by Mesa. Each test
# is a process of its own; without -noreset the server resets whenever the last of them
# disconnects, and a test connecting during that reset is refused.
run_tests() {
    (cd "build/$1" && xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" ctest --output-on-failure -j2)
}

scripts/build.sh release
run_tests release

scripts/build.sh sanitize
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp"
run_tests sanitize
echo "All tests passed (normal and sanitizer builds)."
