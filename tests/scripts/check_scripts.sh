#!/usr/bin/env bash
# What scripts/install-deps and scripts/run say when the machine lacks sudo or a display. They run
# from copies, with stand-ins for what they call next, so that a failing check installs nothing.
set -euo pipefail
unset ZELKOR_STAGE_TIMES ZELKOR_STAGE_DEPTH  # these are runs of their own, not stages of a caller's
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
cp "$source_dir/scripts/install-deps" "$source_dir/scripts/run" "$source_dir/scripts/lib.sh" \
    "$work/scripts/"
ln -s "$(command -v bash)" "$(command -v grep)" "$work/bin/"
printf '#!/bin/sh\necho 1000\n' >"$work/bin/id"
printf '#!/bin/sh\nexit 1\n' >"$work/bin/dpkg-query"
chmod +x "$work/bin/id" "$work/bin/dpkg-query"
expect 1 "apt-get update && apt-get install -y --no-install-recommends build-essential cmake" \
    env "PATH=$work/bin" "$work/scripts/install-deps" test

# The same user with sudo: apt's and dpkg's lines go to the log and each stage is one line, every
# package is asked for once though profiles share some, and DEBIAN_FRONTEND reaches apt through
# sudo, which keeps it from what it starts. Stand-ins for sudo, apt-get (which has no deb-src entry
# yet), tee (no file of the system is written) and the locale tools.
for tool in env awk sed tail tr mkdir sleep cat; do
    ln -s "$(command -v "$tool")" "$work/bin/"
done
printf '#!/bin/sh\n[ "$1" = -v ] || exec env -u DEBIAN_FRONTEND "$@"\n' >"$work/bin/sudo"  # as sudo
printf '#!/bin/sh\ncat >/dev/null\n' >"$work/bin/tee"
printf '#!/bin/sh\n[ "$1" != source ] || exit 1\necho "Setting up: $*, ${DEBIAN_FRONTEND:-}"\n' \
    >"$work/bin/apt-get"
printf '#!/bin/sh\nexit 0\n' >"$work/bin/localedef"
printf '#!/bin/sh\nexit 1\n' >"$work/bin/locale"
chmod +x "$work/bin/sudo" "$work/bin/tee" "$work/bin/apt-get" "$work/bin/localedef" "$work/bin/locale"
said=$(env "PATH=$work/bin" "$work/scripts/install-deps" test 2>&1) || true
log=$work/build/logs/install-deps.log
installing=$(grep '^== Installing' <<<"$said" || true)
if [[ $said == *"Setting up"* || $installing != *"(log: $log)" ||
    $installing == *googletest*googletest* ]] ||
    ! grep -q "install --no-install-recommends .*, noninteractive" "$log"; then
    failed=$((failed + 1))
    printf 'FAILED: install-deps with sudo said:\n%s\nand logged:\n%s\n' "$said" "$(cat "$log")"
fi

# run, whose install-deps now only says that it was reached.
printf '#!/bin/sh\necho "install-deps reached"\nexit 3\n' >"$work/scripts/install-deps"
no_display=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
run=$work/scripts/run
expect 1 "xvfb-run scripts/run" "${no_display[@]}" "$run"
expect 3 "install-deps reached" "${no_display[@]}" "$run" --version
expect 3 "install-deps reached" "${no_display[@]}" QT_QPA_PLATFORM=offscreen "$run"
# A compiler warning stays on record until its step is built again without one, whichever script
# built it; a step whose output has gone from the build is forgotten.
warnings_kept() {
    # shellcheck source=scripts/lib.sh
    source "$source_dir/scripts/lib.sh"
    local dir=$work/warned
    mkdir -p "$dir/logs" "$dir/a"
    touch "$dir/a/one.o" "$dir/a/two.o"
    printf '%s\n' "[1/3] Building CXX object a/one.o" "one.cpp:1:2: warning: unused x" \
        "[2/3] Building CXX object a/two.o" "[3/3] Building CXX object a/gone.o" \
        "gone.cpp:3:4: warning: unused y" >"$dir/logs/build.log"
    _record_warnings "$dir"
    [ "$(warnings_in "$dir" | grep warning:)" = "one.cpp:1:2: warning: unused x" ] || return 1
    printf '%s\n' "[1/1] Building CXX object a/one.o" >"$dir/logs/build.log"
    _record_warnings "$dir"
    ! warnings_in "$dir"
}
if ! (warnings_kept); then
    failed=$((failed + 1))
    echo "FAILED: the record of the compiler's warnings"
fi

echo "script checks: $failed failed"
[ "$failed" -eq 0 ]
