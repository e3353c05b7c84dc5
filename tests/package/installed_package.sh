#!/usr/bin/env bash
# Installs the Debian package into a fresh root, checks what it holds the way
# a distribution would (lintian, desktop-file-validate, appstreamcli), then
# starts the installed zor under a real X server as a normal user who may not
# write into /usr/bin, types `save` into its window and looks for the file in
# that user's documents folder.
# Usage: installed_package.sh path/to/zor_<version>_amd64.deb
set -euo pipefail
deb=$(realpath "$1")
app_id=io.github.dezeza.ZorConsole
failures=0
fail() {
  echo "FAIL: $*"
  failures=$((failures + 1))
}

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"
root=$work/root
dpkg -x "$deb" "$root"

# The package's control fields.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = zor ] || fail "Package is $(field Package)"
# The package's version is the first three numbers of the program's own.
program_version=$("$root/usr/bin/zor" --version)
version=${program_version#ZOR Console }
version=${version%.*}
[ "$(field Version)" = "$version" ] || fail "Version is $(field Version), not $version"
[ "$(basename "$deb")" = "zor_${version}_amd64.deb" ] || fail "file name $(basename "$deb")"
for dependency in gstreamer1.0-plugins-base gstreamer1.0-plugins-good libqt6widgets6 \
  libqt6multimedia6; do
  field Depends | grep -q "\\b$dependency\\b" || fail "Depends lacks $dependency"
done
[ "$(field Recommends)" = fonts-wqy-microhei ] || fail "Recommends is $(field Recommends)"

# Every file the package installs, and nothing else.
sizes=(16 22 24 32 48 64 128 256)
expected=(
  usr/bin/zor
  "usr/share/applications/$app_id.desktop"
  "usr/share/metainfo/$app_id.metainfo.xml"
  "usr/share/icons/hicolor/scalable/apps/$app_id.svg"
  usr/share/man/man1/zor.1.gz
  usr/share/doc/zor/copyright
  usr/share/doc/zor/changelog.gz
)
for size in "${sizes[@]}"; do
  expected+=("usr/share/icons/hicolor/${size}x$size/apps/$app_id.png")
done
diff <(printf '%s\n' "${expected[@]}" | sort) <(cd "$root" && find . -type f | sed 's|^\./||' | sort) ||
  fail "the package holds other files than those above"

# A PNG's width and height are the big-endian words at bytes 16 and 20.
for size in "${sizes[@]}"; do
  png=$root/usr/share/icons/hicolor/${size}x$size/apps/$app_id.png
  read -r width height < <(od -An -tu1 -j16 -N8 "$png" |
    awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
  [ "$width $height" = "$size $size" ] || fail "$size px icon is $width x $height"
done

desktop=$root/usr/share/applications/$app_id.desktop
desktop-file-validate "$desktop" || fail "desktop-file-validate"
grep -qx 'Name=ZOR Console' "$desktop" || fail "desktop entry Name"
grep -qx 'Name\[zh_CN\]=ZOR命令符' "$desktop" || fail "desktop entry Name[zh_CN]"
grep -qx 'Categories=Utility;' "$desktop" || fail "desktop entry Categories"
appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml" ||
  fail "appstreamcli validate"
LC_ALL=C.UTF-8 MANWIDTH=80 man -l "$root/usr/share/man/man1/zor.1.gz" 2>/dev/null |
  grep -q 'GB18030' || fail "the manual page does not render or lacks the encoding"

# Lintian's errors fail the package; what else it says is shown.
lintian_report=$(lintian --info "$deb" 2>&1 | grep -v 'running with root privileges' || true)
[ -n "$lintian_report" ] && echo "$lintian_report"
if grep -q '^E: ' <<<"$lintian_report"; then fail "lintian reports errors"; fi

# The user: nobody when run as root; otherwise the caller, with /usr/bin
# made read-only as an installed system has it.
home=$work/home
mkdir -p "$home"
run_as=()
if [ "$(id -u)" -eq 0 ]; then
  chown 65534:65534 "$home"
  run_as=(setpriv --reuid=65534 --regid=65534 --clear-groups)
else
  chmod a-w "$root/usr/bin"
fi
programs_before=$(ls -A "$root/usr/bin")

export ZOR_BIN=$root/usr/bin/zor ZOR_USER_HOME=$home
export ZOR_WAIT_FOR=$(realpath "$(dirname "$0")/../support/wait_for.sh")
ZOR_RUN_AS="${run_as[*]}" xvfb-run --auto-servernum \
  --server-args='-screen 0 1024x768x24 -ac' bash -c '
  set -u
  $ZOR_RUN_AS env -i HOME="$ZOR_USER_HOME" PATH=/usr/bin:/bin DISPLAY="$DISPLAY" \
    QT_QPA_PLATFORM=xcb "$ZOR_BIN" 2>"$ZOR_USER_HOME/../zor.err" & pid=$!
  source "$ZOR_WAIT_FOR"
  window=
  shown() { window=$(xdotool search --onlyvisible --name "ZOR" 2>/dev/null | head -1); [ -n "$window" ]; }
  wait_for 10 shown
  if [ -z "$window" ]; then echo "no window"; cat "$ZOR_USER_HOME/../zor.err"; exit 1; fi
  xdotool windowfocus --sync "$window"
  xdotool type --delay 20 "save probe"
  xdotool key Return
  # A save replaces the file whole: once its message is there, so is the rest.
  saved() {
    iconv -f GB18030 -t UTF-8 "$ZOR_USER_HOME/Documents/ZOR/probe.txt" 2>/dev/null |
      grep -q "保存！请检查同一目录下的probe.txt"
  }
  wait_for 10 saved
  kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null
  exit 0
' || fail "the installed program did not start"

saved=$home/Documents/ZOR/probe.txt
if [ -f "$saved" ]; then
  [ "$(stat -c %u "$saved")" = "$(stat -c %u "$home")" ] || fail "probe.txt belongs to another user"
  text=$(iconv -f GB18030 -t UTF-8 "$saved")
  grep -q "程序路径Run at $home/Documents/ZOR"$'\r'"$" <<<"$text" ||
    fail "the start-up message does not name the documents folder"
  grep -q "保存！请检查同一目录下的probe.txt"$'\r'"$" <<<"$text" || fail "no save message in probe.txt"
else
  fail "no probe.txt in the documents folder; $home holds: $(cd "$home" && find . | tr '\n' ' ')"
  cat "$work/zor.err" || true
fi
[ "$(ls -A "$root/usr/bin")" = "$programs_before" ] || fail "something was written beside the program"

# Root may write into the program's folder; it is on the PATH, so root's
# files go to root's documents folder all the same.
if [ "$(id -u)" -eq 0 ]; then
  chmod u+w "$root/usr/bin"
  root_home=$work/root-home
  mkdir -p "$root_home"
  echo 'save probe' | env -i HOME="$root_home" PATH="$root/usr/bin:/usr/bin:/bin" zor --batch     >"$work/root-batch.out" 2>&1 || fail "a batch run as root failed: $(cat "$work/root-batch.out")"
  [ -f "$root_home/Documents/ZOR/probe.txt" ] || fail "root's probe.txt is not in its documents folder"
  [ "$(ls -A "$root/usr/bin")" = "$programs_before" ] || fail "root wrote beside the program"
fi

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "the installed package works"
