#!/usr/bin/env bash
# What scripts/install-deps and scripts/run tell a user whose machine cannot do what they ask:
# installing without root and without sudo, a window without a display. They run from copies,
# with stand-ins for what they would call next, so that a failing check installs and builds
# nothing.
# Usage: tests/scripts/check_scripts.sh      (exits non-zero when any check fails)
set -euo pipefail

source_dir=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

passed=0
failed=0
# expect NAME STATUS TEXT COMMAND...: the command exits with STATUS and says TEXT.
expect() {
    local name=$1 status=$2 text=$3 output actual=0
    shift 3
    output=$("$@" 2>&1) || actual=$?
    if [ "$actual" -eq "$status" ] && grep -qF -- "$text" <<<"$output"; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAILED: $name (exit status $actual, expected $status and \"$text\")"
        printf '%s\n' "$output" | sed 's/^/    /'
    fi
}

# install-deps as a user (id -u says 1000) on a machine without sudo where nothing is installed.
mkdir -p "$work/bin" "$work/deps/scripts" "$work/run/scripts"
cp "$source_dir/scripts/install-deps" "$work/deps/scripts/"
ln -s "$(command -v bash)" "$(command -v grep)" "$work/bin/"
printf '#!/bin/sh\necho 1000\n' >"$work/bin/id"
printf '#!/bin/sh\nexit 1\n' >"$work/bin/dpkg-query"
chmod +x "$work/bin/id" "$work/bin/dpkg-query"
no_sudo=(env "PATH=$work/bin" "$work/deps/scripts/install-deps")
expect "install-deps without sudo names the packages to install as root" 1 \
    "apt-get update && apt-get install -y --no-install-recommends build-essential cmake" \
    "${no_sudo[@]}" run
expect "install-deps without sudo names the locale to make as root" 1 \
    "localedef -i de_DE -f UTF-8 de_DE.UTF-8" "${no_sudo[@]}" test

# run, whose install-deps only says that it was reached.
cp "$source_dir/scripts/run" "$work/run/scripts/"
printf '#!/bin/sh\necho "install-deps reached"\nexit 3\n' >"$work/run/scripts/install-deps"
chmod +x "$work/run/scripts/install-deps"
run=$work/run/scripts/run
no_display=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
expect "run without a display says what it needs" 1 "xvfb-run scripts/run" "${no_display[@]}" "$run"
expect "run on the X11 platform without a display says so" 1 "xvfb-run scripts/run" \
    "${no_display[@]}" QT_QPA_PLATFORM=xcb "$run"
expect "run --version needs no display" 3 "install-deps reached" "${no_display[@]}" "$run" --version
expect "run offscreen needs no display" 3 "install-deps reached" \
    "${no_display[@]}" QT_QPA_PLATFORM=offscreen "$run"
expect "run with a Wayland display goes on" 3 "install-deps reached" \
    "${no_display[@]}" WAYLAND_DISPLAY=wayland-0 "$run"

echo "script checks: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
