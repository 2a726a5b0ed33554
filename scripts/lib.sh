# shellcheck shell=bash
# What the scripts of this folder share; sourced by them, not run. Each script says what it is
# doing one stage at a time and how long each stage took; the output of apt, dpkg, CMake and the
# compilers goes to log files, which are named, and shown when something fails. Only bash's own
# commands run while this file is read: the checks of the scripts run them without the rest.

zelkor_root=${BASH_SOURCE[0]%/*}/..
zelkor_root=$(cd "$zelkor_root" && pwd)
# The logs of a whole run; each build folder keeps the logs of its own build (DIR/logs).
log_dir=$zelkor_root/build/logs

# --- Stages and their times. The script that starts a run prints, at its end, the time of every
# stage, its own and those of the scripts it called, and of the whole run.
_stage=
_stage_began=0
if [ -z "${ZELKOR_STAGE_TIMES:-}" ]; then
    _run_owner=yes
    export ZELKOR_STAGE_TIMES=${TMPDIR:-/tmp}/zelkor-stages.$$
    export ZELKOR_STAGE_DEPTH=0
else
    _run_owner=no
    export ZELKOR_STAGE_DEPTH=$((${ZELKOR_STAGE_DEPTH:-0} + 1))
fi

duration() {  # duration SECONDS
    if [ "$1" -ge 60 ]; then
        printf '%d min %02d s' $(($1 / 60)) $(($1 % 60))
    else
        printf '%d s' "$1"
    fi
}

stage() {  # stage TEXT: ends the stage before, says what this one does
    stage_done
    _stage=$1
    _stage_began=$SECONDS
    echo "== $1"
}

stage_done() {
    [ -n "$_stage" ] || return 0
    local took=$((SECONDS - _stage_began)) indent
    printf -v indent '%*s' $((ZELKOR_STAGE_DEPTH * 2)) ''
    echo "   ($(duration "$took"))"
    printf '%12s  %s%s\n' "$(duration "$took")" "$indent" "${_stage% (log: *}" >>"$ZELKOR_STAGE_TIMES"
    _stage=
}

# Ends the run: the times of all stages and the whole, from the script that began it.
finish_stages() {  # finish_stages STATUS
    stage_done
    [ "$_run_owner" = yes ] && [ -f "$ZELKOR_STAGE_TIMES" ] || return 0
    local verdict=passed
    [ "$1" -eq 0 ] || verdict="failed (exit status $1)"
    echo "== scripts/${0##*/} $verdict after $(duration "$SECONDS"); the stages:"
    cat "$ZELKOR_STAGE_TIMES"
    rm -f "$ZELKOR_STAGE_TIMES"
}
_exit_actions=()
at_exit() { _exit_actions+=("$1"); }
_on_exit() {
    local status=$? action
    for action in "${_exit_actions[@]}"; do eval "$action" || true; done
    finish_stages "$status"
}
trap _on_exit EXIT

# --- Commands whose output goes to a log.
# Ninja's progress lines as the logs are read (a user's NINJA_STATUS would change them).
export NINJA_STATUS='[%f/%t] '

# logged LOG COMMAND...: runs the command with all its output added to LOG. Every minute it says how far
# it has come (the steps of a Ninja build, or the time); when it fails, it names the log and shows
# its last lines.
logged() {
    local log=$1 status=0 reporter
    shift
    mkdir -p "${log%/*}"
    _report_progress "$log" &
    reporter=$!
    "$@" >>"$log" 2>&1 </dev/null || status=$?
    kill "$reporter" 2>/dev/null || true
    wait "$reporter" 2>/dev/null || true
    if [ "$status" -ne 0 ]; then
        {
            echo "FAILED (exit status $status): $*"
            echo "Its whole output is in $log; the last lines:"
            tail -n 40 "$log" | sed 's/^/    /'
        } >&2
    fi
    return "$status"
}

fresh_log() {  # fresh_log LOG: an empty log
    mkdir -p "${1%/*}"
    : >"$1"
}

_report_progress() {  # _report_progress LOG: until it is killed, or the script has gone
    local began=$SECONDS sleeper='' step
    set +e  # a log without steps yet is no failure
    trap 'kill "$sleeper" 2>/dev/null; exit 0' TERM
    while :; do
        sleep 60 >/dev/null 2>&1 &  # holds no pipe of the caller's open
        sleeper=$!
        wait "$sleeper"
        kill -0 $$ 2>/dev/null || exit 0
        step=$(grep -o '^\[[0-9]*/[0-9]*\]' "$1" | tail -n 1 | tr -d '[]')
        [ -z "$step" ] || step="${step%/*} of ${step#*/} steps, "
        echo "   ... ${step}$(duration $((SECONDS - began)))"
    done
}

# --- ccache for every build, by default beside Qt for Windows (scripts/build-windows) in one cache
# folder, so that whoever keeps that folder (a CI's cache) keeps both. A CCACHE_DIR of the user's
# own is used as it is, with its own size limit.
cache_root=${ZELKOR_QT_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/zelkorconfig}
compiler_launcher=(-DCMAKE_C_COMPILER_LAUNCHER= -DCMAKE_CXX_COMPILER_LAUNCHER=)
use_ccache() {
    command -v ccache >/dev/null 2>&1 || return 0
    if [ -z "${CCACHE_DIR:-}" ]; then
        export CCACHE_DIR=$cache_root/ccache
        export CCACHE_MAXSIZE=${CCACHE_MAXSIZE:-4G}
    fi
    compiler_launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
}

# --- Building.
# configure DIR CMAKE-OPTIONS...: configures DIR with Ninja and ccache, its output in DIR/logs.
configure() {
    local dir=$1
    shift
    fresh_log "$dir/logs/configure.log"
    logged "$dir/logs/configure.log" cmake -S "$zelkor_root" -B "$dir" -G Ninja \
        "${compiler_launcher[@]}" "$@"
}

# build DIR [TARGET...]: builds DIR, its output in DIR/logs/build.log, and keeps in
# DIR/logs/warnings/ the output of every step whose last build warned.
build() {
    local dir=$1 status=0 targets=()
    shift
    [ $# -eq 0 ] || targets=(--target "$@")
    fresh_log "$dir/logs/build.log"
    logged "$dir/logs/build.log" cmake --build "$dir" -j "$(nproc)" "${targets[@]}" || status=$?
    _record_warnings "$dir"
    return "$status"
}

# The folder that scripts/run and scripts/test share, with the same compile options in both, so
# that neither compiles again what the other compiled; tests and benchmarks add targets and change
# no other's options. Its warnings are not errors, so that a compiler newer than ours cannot stop
# a newcomer's first build; scripts/test refuses them all the same (warnings_in).
configure_main_build() {  # configure_main_build ON|OFF (the tests and benchmarks)
    configure "$zelkor_root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZELKOR_WERROR=OFF \
        -DZELKOR_BUILD_TESTS="$1" -DZELKOR_BUILD_BENCH="$1"
}

# The output of each step of the last build that printed something, in a file named after the
# step; a step built again replaces its file, so what stays is what still warns, whichever script
# built it.
_record_warnings() {  # _record_warnings DIR
    local record=$1/logs/warnings
    mkdir -p "$record"
    awk -v record="$record" '
        function flush(  file) {
            if (step == "") return
            file = step
            gsub(/[^A-Za-z0-9._-]/, "_", file)
            file = record "/" file
            if (text ~ /warning: /) printf "%s", text > file
            else printf "" > file
            close(file)
        }
        /^\[[0-9]+\/[0-9]+\] / {
            flush()
            step = $0
            sub(/^\[[0-9]+\/[0-9]+\] /, "", step)
            text = $0 "\n"
            next
        }
        { text = text $0 "\n" }
        END { flush() }' "$1/logs/build.log"
    find "$record" -type f -empty -delete
}

# warnings_in DIR: prints what the outputs of DIR still built warn of (a step whose output is gone
# from the build is forgotten); fails when there is any.
warnings_in() {
    local file output found=1
    for file in "$1"/logs/warnings/*; do
        [ -f "$file" ] || continue
        output=$(head -n 1 "$file")
        if [ ! -e "$1/${output##* }" ]; then
            rm -f "$file"
            continue
        fi
        cat "$file"
        found=0
    done
    return "$found"
}

# --- Tests.
# run_tests DIR [CTEST-OPTIONS...]: the suites of a build folder; the cases that skipped themselves
# say why, whatever the verdict.
run_tests() {
    local dir=$1 status=0
    shift
    ctest --test-dir "$dir" --output-on-failure --progress -j "$(nproc)" "$@" || status=$?
    report_skipped "$dir"
    return "$status"
}

# report_skipped BUILD_DIR: the cases that skipped themselves (GTEST_SKIP), and why, from the last
# ctest run's log.
report_skipped() {
    awk '/: Skipped$/ { getline reason }
         /^\[  SKIPPED \] .*\(/ { print "   skipped: " $4 ": " reason }' \
        "$1/Testing/Temporary/LastTest.log" 2>/dev/null | sort -u || true
}
