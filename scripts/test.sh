#!/usr/bin/env bash
# Installs what is missing, checks the formatting of the C++ sources, then
# runs the workflows: the whole test suite in a plain debug build and in a
# build with AddressSanitizer and UndefinedBehaviorSanitizer; the Debian
# package, built, installed and started; each fuzz target for a short fixed
# time; the Windows build, its tests run under Wine. Needs no display. The
# sanitizers' options and the time-outs are the test presets'.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

echo "== format =="
cmake -P cmake/CheckFormat.cmake

for workflow in debug asan deb fuzz windows; do
  echo "== $workflow =="
  started=$SECONDS
  cmake --workflow --preset "$workflow"
  if [ "$workflow" = deb ]; then
    # Installed into a fresh root and started as a normal user.
    bash tests/package/installed_package.sh "$(ls -t build/release/zor_*_amd64.deb | head -n 1)"
  fi
  echo "$workflow: $((SECONDS - started)) s"
done
