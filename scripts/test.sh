#!/usr/bin/env bash
# Installs what is missing, builds, and runs the whole test suite twice: in a
# plain debug build and in a build with AddressSanitizer and
# UndefinedBehaviorSanitizer; then builds and installs the Debian package,
# runs each fuzz target for a short fixed time, and cross-builds the Windows
# build and runs its tests under Wine. Needs no display.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$PWD/tests/lsan.supp}

for preset in debug asan; do
  echo "== $preset build =="
  cmake --preset "$preset"
  cmake --build --preset "$preset"
  ctest --preset "$preset" --timeout 300
done

# The Debian package from the release build, installed into a fresh root and
# started as a normal user.
echo "== package =="
cmake --preset release
cmake --build --preset release --target zor
cpack --preset deb
bash tests/package/installed_package.sh "$(ls -t build/release/zor_*_amd64.deb | head -n 1)"

echo "== fuzz build =="
cmake --preset fuzz
cmake --build --preset fuzz
ctest --preset fuzz --timeout 120

echo "== windows build, tested under Wine =="
started=$SECONDS
cmake --preset windows
cmake --build --preset windows
ctest --preset windows --timeout 300
echo "windows build and tests: $((SECONDS - started)) s"
