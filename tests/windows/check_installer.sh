#!/usr/bin/env bash
# The Windows programs as a user gets them, under Wine in a prefix of their own, in both kinds of
# installation. For all users (/AllUsers): the files, the Start menu entry, the .vq file type and
# the Add/Remove Programs entry of the machine; the installed programs answer --version;
# zelkorctl.exe lists the COM port that Wine maps to the simulated generator's pseudo-terminal
# (HKLM\Software\Wine\Ports) and uploads to it; zelkorconfig.exe opens a book named on its command
# line (its window's title names the file), Save As writes the same bytes back, Select Comm Port
# lists the mapped port and the user picks it, Test Connection is answered, Load Device sends the
# whole book, which arrives byte for byte, and the status bar says so (read from the program's
# trace, ZELKOR_TRACE, which prints what the status bar told); the uninstaller, run while the
# window is open, asks the program to close and removes everything. Just for the user
# (/CurrentUser), beside it: the same files under the user's own programs folder, the file type
# and the Add/Remove Programs entry under the user's registry, nothing of the machine's changed;
# each uninstaller, started without a switch, finds its kind by its folder and removes what that
# kind made, and only that.
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
started_all=$(date +%s)

export WINEPREFIX=$work/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
[ "$(locale charmap 2>/dev/null)" = UTF-8 ] || export LC_ALL=C.UTF-8  # Wine's Unix file names
wine wineboot --init >/dev/null 2>&1
wineserver -w

# With ZELKOR_SCREENSHOT_DIR set, the screen at each step, for the eye (xwd and netpbm).
shot() {
    [ -n "${ZELKOR_SCREENSHOT_DIR:-}" ] || return 0
    xwd -root -silent 2>/dev/null | xwdtopnm 2>/dev/null | pnmtopng >"$ZELKOR_SCREENSHOT_DIR/$1.png" 2>/dev/null
}

# Unix paths as Wine's drive Z: shows them, and Windows paths as Unix ones.
winpath() { printf 'Z:%s' "${1//\//\\}"; }
unixpath() { winepath -u "$1" 2>/dev/null | tr -d '\r'; }
folder_of() { unixpath "$(wine cmd /c "echo %$1%" 2>/dev/null | tr -d '\r')"; }
reg_value() {  # reg_value KEY [VALUE]: the data of the value (the default one without VALUE)
    local query=(/ve)
    [ $# -gt 1 ] && query=(/v "$2")
    wine reg query "$1" "${query[@]}" 2>/dev/null | tr -d '\r' |
        awk -F '    ' 'NF >= 4 { print $4 }' | head -n 1
}
wait_for() {  # wait_for SECONDS COMMAND...: until the command succeeds
    local tries=$(($1 * 5))
    shift
    for _ in $(seq "$tries"); do "$@" >/dev/null 2>&1 && return 0; sleep 0.2; done
    return 1
}
window_named() { timeout "$2" xdotool search --sync --name "$1" 2>/dev/null | head -n 1; }
focus() {
    xdotool windowactivate --sync "$1" 2>/dev/null || xdotool windowfocus --sync "$1" 2>/dev/null
    sleep 0.5
}

version=$(sed -n 's/^project(ZelkorConfig VERSION \([0-9.]*\).*/\1/p' "$(dirname "$0")/../../CMakeLists.txt")
installer=$win_build/zelkorconfig-$version-win64-setup.exe
check "the installer was made" test -f "$installer"
echo "Installer: $(stat -c %s "$installer") bytes"

# --- The simulated generator, on COM7 through Wine's port map (read when Wine's server starts).
"$linux_build/sim/vq7100-sim" --save "$work/received.vq" >"$work/sim.out" 2>&1 &
sim_pid=$!
wait_for 10 grep -q '^/dev/pts/' "$work/sim.out"
wine reg add 'HKLM\Software\Wine\Ports' /v COM7 /d "$(head -n 1 "$work/sim.out")" /f >/dev/null 2>&1
wineserver -k >/dev/null 2>&1
wineserver -w

files=(zelkorconfig.exe zelkorctl.exe uninstall.exe Qt6Core.dll Qt6Gui.dll Qt6Widgets.dll
       Qt6PrintSupport.dll libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll
       platforms/qwindows.dll styles/qwindowsvistastyle.dll licenses/ZelkorConfig.txt)
uninstall_key='Software\Microsoft\Windows\CurrentVersion\Uninstall\ZelkorConfig'

# check_installed MODE ROOT HOME STARTMENU: what an installation of that kind made.
check_installed() {
    local mode=$1 root=$2 home=$3 start_menu=$4 file
    for file in "${files[@]}"; do
        check "$mode: installed $file" test -f "$home/$file"
    done
    check "$mode: Start menu entry" test -f "$start_menu/ZelkorConfig.lnk"
    same "$mode: .vq is the program's file type" "VQ7100.Document" \
        "$(reg_value "$root\\Software\\Classes\\.vq")"
    same "$mode: .vq files open in ZelkorConfig" \
        "\"$(wine winepath -w "$home" 2>/dev/null | tr -d '\r')\\zelkorconfig.exe\" \"%1\"" \
        "$(reg_value "$root\\Software\\Classes\\VQ7100.Document\\shell\\open\\command")"
    same "$mode: listed in Add/Remove Programs" "ZelkorConfig" \
        "$(reg_value "$root\\$uninstall_key" DisplayName)"
    same "$mode: its version there" "$version" "$(reg_value "$root\\$uninstall_key" DisplayVersion)"
    check "$mode: its uninstaller knows the kind" \
        grep -q "/$mode" <<<"$(reg_value "$root\\$uninstall_key" UninstallString)"
}
# check_removed MODE ROOT HOME STARTMENU: nothing of it is left.
check_removed() {
    local mode=$1 root=$2 home=$3 start_menu=$4
    check "$mode: the program's folder is gone" test ! -e "$home"
    check "$mode: the Start menu entry is gone" test ! -e "$start_menu/ZelkorConfig.lnk"
    same "$mode: the file type is gone" "" "$(reg_value "$root\\Software\\Classes\\.vq")"
    same "$mode: gone from Add/Remove Programs" "" "$(reg_value "$root\\$uninstall_key" DisplayName)"
    same "$mode: its folder is forgotten" "" "$(reg_value "$root\\Software\\ZelkorConfig" InstallDir)"
}
uninstall() {  # uninstall HOME: silently, waiting until it (and the copy it runs from) is done
    wine "$(wine winepath -w "$1/uninstall.exe" 2>/dev/null | tr -d '\r')" /S
    wineserver -w
}

# === For all users.
wine "$installer" /AllUsers /S
wineserver -w
home="$WINEPREFIX/drive_c/Program Files/ZelkorConfig"
machine_menu="$WINEPREFIX/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs"
check_installed AllUsers HKLM "$home" "$machine_menu"

# --- The installed programs answer from a console.
same "zelkorctl.exe --version" "zelkorctl $version" \
    "$(wine "$home/zelkorctl.exe" --version 2>/dev/null | tr -d '\r')"
same "zelkorconfig.exe --version" "zelkorconfig $version" \
    "$(wine "$home/zelkorconfig.exe" --version 2>/dev/null | tr -d '\r')"

# --- zelkorctl.exe: the port Wine maps is listed and takes a whole book.
wine "$home/zelkorctl.exe" ports 2>/dev/null | tr -d '\r' >"$work/ports.txt"
echo "Ports under Wine:"
sed 's/^/    /' "$work/ports.txt"
check "zelkorctl.exe ports lists COM7" grep -qxF "COM7	\\\\.\\COM7	-	COM7" "$work/ports.txt"
{
    printf 'number,type'
    for i in $(seq 48); do printf ',f%d' "$i"; done
    printf '\n3,single,1000,2000.5\n1999,groups,50000,60000,,,,,,,100\n'
} >"$work/book.csv"
wine "$home/zelkorctl.exe" import "$(winpath "$work/book.csv")" -o "$(winpath "$work/book.vq")" \
    >/dev/null 2>&1
check "zelkorctl.exe made a book" test -s "$work/book.vq"
same "zelkorctl.exe test on COM7" "Received response from device." \
    "$(wine "$home/zelkorctl.exe" test --port COM7 2>/dev/null | tr -d '\r')"
started=$(date +%s)
same "zelkorctl.exe uploads the book on COM7" "Sent 392000 bytes in 6125 frames." \
    "$(wine "$home/zelkorctl.exe" upload -q --port COM7 "$(winpath "$work/book.vq")" 2>/dev/null |
        tr -d '\r')"
echo "A whole book through Wine's COM port: $(($(date +%s) - started)) s"
wait_for 5 test -s "$work/received.vq"
check "the generator holds the book byte for byte" cmp "$work/book.vq" "$work/received.vq"
rm -f "$work/received.vq"

# --- The window: a book from the command line, Save As, then the device through COM7.
ZELKOR_TRACE=1 wine "$home/zelkorconfig.exe" "$(winpath "$work/book.vq")" >/dev/null \
    2>"$work/trace.txt" &
window=$(window_named '^book\.vq - VQ7100$' 60)
check "the window's title names the book" test -n "$window"
if [ -n "$window" ]; then
    focus "$window"
    shot windows_main
    xdotool key --delay 200 alt+f a
    sleep 2  # the file dialog takes its time under Wine
    shot windows_save_as
    # The name field holds the book's own name: the new one takes its place.
    xdotool key End shift+Home
    xdotool type --delay 20 "$(winpath "$work/copy.vq")"
    xdotool key Return
    wait_for 20 test -s "$work/copy.vq"
    check "Save As wrote the book unchanged" cmp "$work/book.vq" "$work/copy.vq"

    # Tools > Select Comm Port: the list opened, COM7 found by typing its name, then OK.
    focus "$window"
    xdotool key --delay 200 alt+f Right Right Right s
    dialog=$(window_named '^Select Comm Port$' 20)
    check "Select Comm Port opens" test -n "$dialog"
    shot windows_select_port
    xdotool key --delay 200 Tab Tab alt+Down
    sleep 1
    shot windows_select_port_list
    xdotool type --delay 50 COM7
    xdotool key --delay 300 Return Return
    check "the port chosen opens" wait_for 10 grep -q '\* port \\\\.\\COM7 opened' "$work/trace.txt"

    # Tools > Test Connection: the device's answer comes as a message box.
    focus "$window"
    xdotool key --delay 200 alt+f Right Right Right t
    answer=$(window_named '^Acknowledge$' 20)
    check "Test Connection is answered" test -n "$answer"
    shot windows_test_answer
    [ -n "$answer" ] && focus "$answer" && xdotool key Return

    # Load Device: the whole book, until the status bar says that the device confirmed it.
    focus "$window"
    started=$(date +%s)
    xdotool key alt+l
    check "the status bar tells of the whole book" \
        wait_for 240 grep -q 'status bar: Upload finished: the device confirmed the book\.' \
        "$work/trace.txt"
    echo "A whole book from the window: $(($(date +%s) - started)) s"
    shot windows_uploaded
    wait_for 5 test -s "$work/received.vq"
    check "the window's upload arrived byte for byte" cmp "$work/book.vq" "$work/received.vq"
fi
kill "$sim_pid" 2>/dev/null
sim_pid=""

# === Just for the user, beside the installation for all users: no administrator rights asked,
# nothing of the machine's touched. (The window is still open: Wine's server is not waited for.)
wine "$installer" /CurrentUser /S
user_home="$(folder_of LOCALAPPDATA)/Programs/ZelkorConfig"
user_menu="$(folder_of APPDATA)/Microsoft/Windows/Start Menu/Programs"
check_installed CurrentUser HKCU "$user_home" "$user_menu"
same "CurrentUser: the machine's installation stays as it was" \
    "$(wine winepath -w "$home" 2>/dev/null | tr -d '\r')" \
    "$(reg_value 'HKLM\Software\ZelkorConfig' InstallDir)"
same "CurrentUser: zelkorconfig.exe --version" "zelkorconfig $version" \
    "$(wine "$user_home/zelkorconfig.exe" --version 2>/dev/null | tr -d '\r')"

# --- The window in the user's language: German, from LANG as Wine takes it for the user's UI
# language, its Qt buttons included; closed again before the uninstallers run.
LANG=de_DE.UTF-8 wine "$user_home/zelkorconfig.exe" >/dev/null 2>&1 &
german=$(window_named '^Unbenannt - VQ7100$' 60)
check "LANG=de starts the window in German" test -n "$german"
if [ -n "$german" ]; then
    focus "$german"
    xdotool key --delay 200 alt+d
    sleep 1
    shot windows_german_file_menu
    xdotool key Escape Escape alt+F4
    check "the German window closes" \
        wait_for 20 sh -c "! xdotool search --name '^Unbenannt - VQ7100\$' >/dev/null 2>&1"
fi

# --- The machine's uninstaller, while the window is still open: it asks the program to close
# first, and leaves the user's installation alone.
uninstall "$home"
check "the window was asked to close" test -z "$(xdotool search --name 'VQ7100$' 2>/dev/null)"
check_removed AllUsers HKLM "$home" "$machine_menu"
check "CurrentUser: still installed" test -f "$user_home/zelkorconfig.exe"
same "CurrentUser: still listed" "ZelkorConfig" "$(reg_value "HKCU\\$uninstall_key" DisplayName)"
uninstall "$user_home"
check_removed CurrentUser HKCU "$user_home" "$user_menu"

echo "installer checks: $passed passed, $failed failed ($(($(date +%s) - started_all)) s)"
[ "$failed" -eq 0 ]
