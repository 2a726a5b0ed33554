#!/usr/bin/env bash
# What scripts/install-deps and scripts/run say when the machine lacks sudo or a display. They run
# from copies, with stand-ins for what they call next, so that a failing check installs nothing.
set -euo pipefail
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failed=0
# expect STATUS TEXT COMMAND...: the command exits with STATUS and says TEXT.
expect() {
    local status=$1 text=$2 output actual=0
    shift 2
    output=$("$@" 2>&1) || actual=$?
    if [ "$actual" -ne "$status" ] || ! grep -qF -- "$text" <<<"$output"; then
        failed=$((failed + 1))
        printf 'FAILED: %s\nexit %s, not %s, "%s":\n%s\n' "$*" "$actual" "$status" "$text" "$output"
    fi
}

# A user (id -u: 1000) without sudo on a machine that has none of the packages yet.
mkdir -p "$work/bin" "$work/scripts"
cp "$source_dir/scripts/install-deps" "$source_dir/scripts/run" "$work/scripts/"
ln -s "$(command -v bash)" "$(command -v grep)" "$work/bin/"
printf '#!/bin/sh\necho 1000\n' >"$work/bin/id"
printf '#!/bin/sh\nexit 1\n' >"$work/bin/dpkg-query"
chmod +x "$work/bin/id" "$work/bin/dpkg-query"
expect 1 "apt-get update && apt-get install -y --no-install-recommends build-essential cmake" \
    env "PATH=$work/bin" "$work/scripts/install-deps" test

# run, whose install-deps now only says that it was reached.
printf '#!/bin/sh\necho "install-deps reached"\nexit 3\n' >"$work/scripts/install-deps"
no_display=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
run=$work/scripts/run
expect 1 "xvfb-run scripts/run" "${no_display[@]}" "$run"
expect 3 "install-deps reached" "${no_display[@]}" "$run" --version
expect 3 "install-deps reached" "${no_display[@]}" QT_QPA_PLATFORM=offscreen "$run"
echo "script checks: $failed failed"
[ "$failed" -eq 0 ]
