#!/usr/bin/env bash
# Runs a GoogleTest program of the Windows build under Wine on a private X
# server, so that it may make real windows. Usage: gtest_session.sh test.exe [args]
source "$(dirname "$0")/wine_session.sh"
"$wine" "$zor_exe" "${@:2}"
