#!/usr/bin/env bash
# A whole-book upload by the Windows zelkorctl.exe under Wine beside the Linux zelkorctl, on the
# same machine, each against the simulator paced as a 115200-baud line: the Windows program
# through a COM port that Wine maps to the simulator's pseudo-terminal (HKLM\Software\Wine\Ports),
# the Linux one on the pseudo-terminal itself. Prints both times and their ratio; each time is
# the best of RUNS uploads (default 1), with Wine's server already running.
# Usage: bench/wine_upload_bench.sh [BUILD [BUILD-WIN64 [RUNS]]]
#        (defaults: build, build-win64, 1; BUILD-WIN64 may be a core-only Windows build)
set -euo pipefail
cd "$(dirname "$0")/.."
build=$(cd "${1:-build}" && pwd)
win_build=$(cd "${2:-build-win64}" && pwd)
runs=${3:-1}
sim=$build/sim/vq7100-sim
ctl=$build/cli/zelkorctl
ctl_exe=$win_build/cli/zelkorctl.exe
for program in "$sim" "$ctl" "$ctl_exe"; do
    [ -x "$program" ] || [ -f "$program" ] || { echo "missing: $program" >&2; exit 2; }
done

work=$(mktemp -d)
sim_pid=""
cleanup() {
    [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null
    WINEPREFIX=$work/wine wineserver -k >/dev/null 2>&1 || true
    rm -rf "$work"
}
trap cleanup EXIT
export LANG=${LANG:-C.UTF-8} WINEPREFIX=$work/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

# A book: what a whole-book upload sends does not depend on what the programs hold.
{
    printf 'number,type'
    for i in $(seq 48); do printf ',f%d' "$i"; done
    printf '\n1,single,1000\n'
} >"$work/book.csv"
"$ctl" import "$work/book.csv" -o "$work/book.vq" >/dev/null

start_sim() {  # a paced simulator; its pseudo-terminal in $pty
    "$sim" --pace >"$work/sim.out" 2>&1 &
    sim_pid=$!
    pty=""
    for _ in $(seq 100); do
        pty=$(grep -m1 '^/dev/pts/' "$work/sim.out" || true)
        [ -n "$pty" ] && return 0
        sleep 0.05
    done
    echo "the simulator did not start" >&2
    exit 1
}
stop_sim() {
    kill "$sim_pid" 2>/dev/null
    wait "$sim_pid" 2>/dev/null || true
    sim_pid=""
}
seconds() {  # seconds COMMAND...: how long the command took; it must succeed
    local started ended
    started=$(date +%s.%N)
    "$@" >/dev/null 2>"$work/err" || { cat "$work/err" >&2; exit 1; }
    ended=$(date +%s.%N)
    awk -v a="$started" -v b="$ended" 'BEGIN { print b - a }'
}
best() { printf '%s\n' "$@" | sort -g | head -n 1; }

linux_times=()
for _ in $(seq "$runs"); do
    start_sim
    linux_times+=("$(seconds "$ctl" upload -q --port "$pty" "$work/book.vq")")
    stop_sim
done

wine wineboot --init >/dev/null 2>&1
wineserver -w
wine_times=()
for _ in $(seq "$runs"); do
    start_sim
    # Wine reads its port map when its server starts.
    wine reg add 'HKLM\Software\Wine\Ports' /v COM7 /d "$pty" /f >/dev/null 2>&1
    wineserver -k >/dev/null 2>&1
    wineserver -w
    wineserver -p >/dev/null 2>&1
    wine "$ctl_exe" --version >/dev/null 2>&1  # the server and the program's libraries warm
    wine_times+=("$(seconds wine "$ctl_exe" upload -q --port COM7 "Z:${work//\//\\}\\book.vq")")
    stop_sim
done

linux=$(best "${linux_times[@]}")
windows=$(best "${wine_times[@]}")
printf 'whole book, paced at 115200 baud (best of %d)\n' "$runs"
printf '  Linux zelkorctl:         %6.1f s\n' "$linux"
printf '  zelkorctl.exe under Wine: %6.1f s\n' "$windows"
printf '  ratio Wine/Linux:        %6.2f\n' "$(awk -v w="$windows" -v l="$linux" 'BEGIN { print w / l }')"
