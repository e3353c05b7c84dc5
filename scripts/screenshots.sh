#!/usr/bin/env bash
# Makes the README's screenshots from the real program under a virtual X
# server: docs/light.png (help page and a few commands) and docs/dark.png
# (dark scheme, Chinese text). Run it again whenever the window changes.
# Usage: scripts/screenshots.sh [path to zor]
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
zor=${1:-build/release/app/qt/zor}
if [ "$#" -eq 0 ]; then
  cmake --preset release >/dev/null
  cmake --build --preset release --target zor
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export ZOR_BIN=$(realpath "$zor") ZOR_HOME=$work/Documents/ZOR ZOR_DOCS=$PWD/docs
mkdir -p docs

xvfb-run --auto-servernum --server-args='-screen 0 1280x1024x24' bash -c '
  set -euo pipefail
  shoot() {
    "$ZOR_BIN" & pid=$!
    window=
    for _ in $(seq 1 100); do
      window=$(xdotool search --onlyvisible --name "ZOR" 2>/dev/null | head -1) || true
      [ -n "$window" ] && break
      sleep 0.1
    done
    [ -n "$window" ] || { echo "no window"; exit 1; }
    xdotool windowsize --sync "$window" 760 520
    xdotool windowfocus --sync "$window"
    sleep 0.5
    "$@"
    sleep 0.5
    import -window "$window" "$ZOR_DOCS/$name.png"
    kill "$pid"; wait "$pid" 2>/dev/null || true
  }
  typed() {
    xdotool type --delay 30 "$1"
    xdotool key Return
    sleep 0.3
  }
  # Text that the keyboard map of the X server cannot type comes through the
  # clipboard.
  pasted() {
    printf "%s" "$1" | xclip -selection clipboard -loops 1
    sleep 0.2
    xdotool key ctrl+v Return
    sleep 0.3
  }
  light() {
    typed "say Hello, ZOR!"
    typed "help"
  }
  dark() {
    # The banner names a temporary folder; it is not worth showing.
    typed "clear"
    typed "bm"
    pasted "say 你好，世界！"
    typed "AI on"
    pasted "你好!"
    pasted "你是谁?"
  }
  name=light; shoot light
  name=dark; shoot dark
'
echo "made docs/light.png and docs/dark.png"
