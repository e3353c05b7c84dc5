#!/usr/bin/env bash
# Starts the built console as a user would, under a real X server, and checks
# that its window shows the caption and that the process then waits for
# events, alive. xprop shows the caption as UTF-8 only in a UTF-8 locale,
# whatever the caller has.
set -u
zor=$1
caption='ZOR命令符-DEZEZA'

# xprop shows a caption's non-ASCII characters as they are only in a UTF-8
# locale; asked for hexadecimal bytes it prints the same in every locale.
hex=$(printf '%s' "$caption" | od -An -tx1 -v | tr -s ' \n' ' ' | sed 's/^ //; s/ $//; s/ /, 0x/g; s/^/0x/')

exec xvfb-run --auto-servernum --server-args='-screen 0 1024x768x24' bash -c '
  zor=$1; caption=$2; hex=$3
  source "$4"
  shows_caption() {
    for id in $(xwininfo -root -children 2>/dev/null | awk "/^ +0x/ {print \$1}"); do
      if xprop -id "$id" -notype -f _NET_WM_NAME 8x _NET_WM_NAME 2>/dev/null |
        grep -qxF "_NET_WM_NAME = $hex"; then found=$id; fi
    done
    [ -n "$found" ]
  }
  # Waiting for events: asleep in its event loop, neither running nor ended
  # (a process that ended stays a zombie until this shell waits for it).
  idle() { [ "$(cut -d " " -f 3 "/proc/$pid/stat" 2>/dev/null)" = S ]; }
  QT_QPA_PLATFORM=xcb "$zor" & pid=$!
  found=
  wait_for 20 shows_caption
  alive=no; wait_for 20 idle && alive=yes
  kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null
  if [ -z "$found" ]; then echo "no window with the caption $caption"; exit 1; fi
  if [ "$alive" != yes ]; then echo "zor ended by itself"; exit 1; fi
  echo "window $found shows $caption; the process waits for events"
' bash "$zor" "$caption" "$hex" "$(dirname "$0")/../support/wait_for.sh"
