#!/usr/bin/env bash
# Installs what is missing, builds the release build and opens the console.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release --target zor
exec build/release/app/qt/zor
