#!/usr/bin/env bash
# Makes the README's pictures from the Qt window's picture test, which draws
# the window in the states a user sees and checks each picture: docs/light.png
# (the help page), docs/dark.png (the dark scheme with Chinese and characters
# beyond the BMP) and docs/search.png (Ctrl+R with its caption). Run it again whenever the window
# changes, and look at the pictures before committing them.
# Usage: scripts/screenshots.sh [path to zor_qt_tests]
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
tests=${1:-build/debug/tests/qt/zor_qt_tests}
if [ "$#" -eq 0 ]; then
  cmake --preset debug >/dev/null
  cmake --build --preset debug --target zor_qt_tests
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
ZOR_PICTURES_DIR=$work ZOR_PICTURES_SIZE=760x520 QT_QPA_PLATFORM=offscreen "$tests" \
  --gtest_filter='Pictures/*/helpLight:Pictures/*/chineseDark:Pictures/*/searchLight'
mkdir -p docs
cp "$work/qt-100-help-light.png" docs/light.png
cp "$work/qt-100-chinese-dark.png" docs/dark.png
cp "$work/qt-100-search-light.png" docs/search.png
echo "made docs/light.png, docs/dark.png and docs/search.png"
