#!/usr/bin/env bash
# The Windows programs as a user gets them, under Wine in a prefix of their own: the installer
# installs silently (files, Start menu entry, .vq file type, Add/Remove Programs), the installed
# programs answer --version, zelkorconfig.exe opens a book named on its command line (its window's
# title names the file) and Save As writes the same bytes back, zelkorctl.exe uploads to the
# simulated generator through a COM port, and the uninstaller removes everything it installed.
# Needs an X display for the window (xvfb-run gives one).
# Usage: tests/windows/check_installer.sh BUILD-WIN64 BUILD   (BUILD: the Linux build, for the
#        simulator)
set -uo pipefail
win_build=$(cd "${1:?usage: check_installer.sh BUILD-WIN64 BUILD}" && pwd)
linux_build=$(cd "${2:?usage: check_installer.sh BUILD-WIN64 BUILD}" && pwd)

passed=0
failed=0
check() {  # check NAME COMMAND...
    local name=$1
    shift
    if "$@" >/dev/null 2>&1; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAILED: $name"
    fi
}
same() {  # same NAME EXPECTED ACTUAL
    if [ "$2" = "$3" ]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        printf 'FAILED: %s\n    expected: %s\n    actual:   %s\n' "$1" "$2" "$3"
    fi
}

work=$(mktemp -d)
sim_pid=""
cleanup() {
    [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null
    WINEPREFIX=$WINEPREFIX wineserver -k 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

export WINEPREFIX=$work/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
[ "$(locale charmap 2>/dev/null)" = UTF-8 ] || export LC_ALL=C.UTF-8  # Wine's Unix file names
wine wineboot --init >/dev/null 2>&1
wineserver -w

# With ZELKOR_SCREENSHOT_DIR set, the screen at each step, for the eye (xwd and netpbm).
shot() {
    [ -n "${ZELKOR_SCREENSHOT_DIR:-}" ] || return 0
    xwd -root -silent 2>/dev/null | xwdtopnm 2>/dev/null | pnmtopng >"$ZELKOR_SCREENSHOT_DIR/$1.png" 2>/dev/null
}

# Unix paths as Wine's drive Z: shows them.
winpath() { printf 'Z:%s' "${1//\//\\}"; }
reg_value() {  # reg_value KEY [VALUE]: the data of the value (the default one without VALUE)
    local query=(/ve)
    [ $# -gt 1 ] && query=(/v "$2")
    wine reg query "$1" "${query[@]}" 2>/dev/null | tr -d '\r' |
        awk -F '    ' 'NF >= 4 { print $4 }' | head -n 1
}

version=$(sed -n 's/^project(ZelkorConfig VERSION \([0-9.]*\).*/\1/p' "$(dirname "$0")/../../CMakeLists.txt")
installer=$win_build/zelkorconfig-$version-win64-setup.exe
check "the installer was made" test -f "$installer"
echo "Installer: $(stat -c %s "$installer") bytes"

# --- A silent install.
wine "$installer" /S
wineserver -w
home="$WINEPREFIX/drive_c/Program Files/ZelkorConfig"
for file in zelkorconfig.exe zelkorctl.exe uninstall.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll \
            Qt6PrintSupport.dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll \
            platforms/qwindows.dll styles/qwindowsvistastyle.dll licenses/ZelkorConfig.txt; do
    check "installed: $file" test -f "$home/$file"
done
check "Start menu entry" \
    test -f "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/ZelkorConfig.lnk"
same ".vq is the program's file type" "VQ7100.Document" "$(reg_value 'HKCR\.vq')"
same ".vq files open in ZelkorConfig" \
    '"C:\Program Files\ZelkorConfig\zelkorconfig.exe" "%1"' \
    "$(reg_value 'HKCR\VQ7100.Document\shell\open\command')"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\ZelkorConfig'
same "listed in Add/Remove Programs" "ZelkorConfig" "$(reg_value "$uninstall_key" DisplayName)"
same "its version there" "$version" "$(reg_value "$uninstall_key" DisplayVersion)"

# --- The installed programs answer from a console.
same "zelkorctl.exe --version" "zelkorctl $version" \
    "$(wine "$home/zelkorctl.exe" --version 2>/dev/null | tr -d '\r')"
same "zelkorconfig.exe --version" "zelkorconfig $version" \
    "$(wine "$home/zelkorconfig.exe" --version 2>/dev/null | tr -d '\r')"

# --- A book of the program's own, opened from the command line and saved again under another name.
{
    printf 'number,type'
    for i in $(seq 48); do printf ',f%d' "$i"; done
    printf '\n3,single,1000,2000.5\n1999,groups,50000,60000,,,,,,,100\n'
} >"$work/book.csv"
wine "$home/zelkorctl.exe" import "$(winpath "$work/book.csv")" -o "$(winpath "$work/book.vq")" \
    >/dev/null 2>&1
check "zelkorctl.exe made a book" test -s "$work/book.vq"
wine "$home/zelkorconfig.exe" "$(winpath "$work/book.vq")" >/dev/null 2>&1 &
window=$(timeout 60 xdotool search --sync --name '^book\.vq - VQ7100$' 2>/dev/null | head -n 1)
check "the window's title names the book" test -n "$window"
if [ -n "$window" ]; then
    xdotool windowactivate --sync "$window" 2>/dev/null || xdotool windowfocus --sync "$window"
    sleep 1
    shot windows_main
    xdotool key --delay 200 alt+f a
    sleep 2  # the file dialog takes its time under Wine
    shot windows_save_as
    # The name field holds the book's own name: the new one takes its place.
    xdotool key End shift+Home
    xdotool type --delay 20 "$(winpath "$work/copy.vq")"
    shot windows_save_as_typed
    xdotool key Return
    for _ in $(seq 100); do [ -s "$work/copy.vq" ] && break; sleep 0.2; done
    check "Save As wrote the book unchanged" cmp "$work/book.vq" "$work/copy.vq"
    xdotool key --delay 200 alt+f x
fi
timeout 30 wineserver -w

# --- zelkorctl.exe through a COM port: Wine maps COM5 (a number its mount manager leaves alone)
# to the simulator's pseudo-terminal.
"$linux_build/sim/vq7100-sim" --save "$work/received.vq" >"$work/sim.out" 2>&1 &
sim_pid=$!
for _ in $(seq 50); do grep -q '^/dev/pts/' "$work/sim.out" && break; sleep 0.1; done
ln -sf "$(head -n 1 "$work/sim.out")" "$WINEPREFIX/dosdevices/com5"
same "zelkorctl.exe test on COM5" "Received response from device." \
    "$(wine "$home/zelkorctl.exe" test --port COM5 2>/dev/null | tr -d '\r')"
started=$(date +%s)
same "zelkorctl.exe uploads the book on COM5" "Sent 392000 bytes in 6125 frames." \
    "$(wine "$home/zelkorctl.exe" upload -q --port COM5 "$(winpath "$work/book.vq")" 2>/dev/null |
        tr -d '\r')"
echo "A whole book through Wine's COM port: $(( $(date +%s) - started )) s"
for _ in $(seq 50); do [ -s "$work/received.vq" ] && break; sleep 0.1; done
check "the generator holds the book byte for byte" cmp "$work/book.vq" "$work/received.vq"
kill "$sim_pid" 2>/dev/null
sim_pid=""

# --- A silent uninstall removes everything it installed.
wine "C:\\Program Files\\ZelkorConfig\\uninstall.exe" /S
wineserver -w
sleep 1
wineserver -w
check "the program's folder is gone" test ! -e "$home"
check "the Start menu entry is gone" \
    test ! -e "$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/ZelkorConfig.lnk"
same "the file type is gone" "" "$(reg_value 'HKCR\VQ7100.Document\shell\open\command')"
same "gone from Add/Remove Programs" "" "$(reg_value "$uninstall_key" DisplayName)"

echo "installer checks: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
