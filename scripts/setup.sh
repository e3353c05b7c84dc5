#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing ZOR Console
# need, but only those that are missing. Runs as root, or through sudo.
set -euo pipefail

packages=(
  # toolchain
  build-essential cmake ninja-build pkg-config clang-format
  # tests and benchmarks
  libgtest-dev libgmock-dev libbenchmark-dev
  # the fuzz targets: clang with libFuzzer and the sanitizer run-times
  clang-14 libclang-rt-14-dev
  # Qt 6 Widgets and Multimedia, with the platform plug-ins (xcb, offscreen)
  qt6-base-dev qt6-multimedia-dev qt6-qpa-plugins libgl-dev
  # media back-end: plugins-base must be there or QMediaPlayer crashes,
  # plugins-good brings the MP3 decoder
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  # a Chinese font for the window; for the Windows log view's font fallback
  # test, fonts with characters beyond the BMP (DejaVu Serif Bold: U+1D400)
  fonts-wqy-microhei fonts-dejavu-extra
  # a real X server for the smoke test, and a way to list its windows
  xvfb xauth x11-utils
  # the screen reader's test: a private D-Bus session, the accessibility
  # bus and an AT-SPI client
  dbus at-spi2-core python3-pyatspi
  # making test MP3s and proving sound reaches a real sink
  sox lame pulseaudio pulseaudio-utils
  # the Debian package: icons drawn from the SVG, dependencies found by
  # dpkg-shlibdeps, checked as a distribution would, run and typed into
  dpkg-dev librsvg2-bin lintian desktop-file-utils appstream man-db xdotool
  # the screenshots: Chinese text through the clipboard, the window grabbed
  xclip imagemagick
  # the Windows window test: Wine's Chinese code page, screen pixels
  x11-apps
  # the Windows build: the cross-compiler, Wine to run what it builds, and
  # a Chinese locale under which Wine's ANSI code page is 936
  g++-mingw-w64-x86-64-posix wine wine64 locales
  # the Windows installer
  nsis
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi

if [ ${#missing[@]} -ne 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -q
  "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

# Wine takes its ANSI code page (936) from a Chinese locale, which must exist
# on the machine: made once, through locale.gen, so that it stays.
if ! locale -a 2>/dev/null | grep -qix 'zh_CN\.utf-\?8'; then
  echo "Generating the zh_CN.UTF-8 locale"
  "${sudo_cmd[@]}" sed -i 's/^# *\(zh_CN\.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -qx 'zh_CN.UTF-8 UTF-8' /etc/locale.gen ||
    echo 'zh_CN.UTF-8 UTF-8' | "${sudo_cmd[@]}" tee -a /etc/locale.gen >/dev/null
  "${sudo_cmd[@]}" locale-gen
fi
