#!/usr/bin/env bash
# Makes the Debian package from a built folder, unpacks it into a temporary root as dpkg would
# install it, and checks there what a user gets: the files, the desktop entry, the AppStream data,
# the .vq file type, the manual pages, the completion and the installed programs themselves; and
# what Debian asks of a package: lintian's verdict, the licence, the changelog, hardened programs.
# Usage: tests/data/check_package.sh BUILD_DIR      (exits non-zero when any check fails)
set -euo pipefail

build=$(cd "${1:?usage: $0 BUILD_DIR}" && pwd)
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
fixtures=$source_dir/tests/fixtures/books
work=$(mktemp -d)
remove_installed=:  # what takes the installed package away again (see below)
trap '$remove_installed; rm -rf "$work"' EXIT

passed=0
failed=0
# check NAME COMMAND...: runs the command, and shows its output only when it fails.
check() {
    local name=$1 output
    shift
    if output=$("$@" 2>&1); then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        echo "FAILED: $name"
        printf '%s\n' "$output" | sed 's/^/    /'
    fi
}
# quiet COMMAND...: succeeds when the command succeeds and prints nothing at all.
quiet() {
    local output
    output=$("$@" 2>&1) || { printf '%s\n' "$output"; return 1; }
    [ -z "$output" ] || { printf '%s\n' "$output"; return 1; }
}
# same EXPECTED ACTUAL
same() {
    [ "$1" = "$2" ] || { printf 'expected: %s\nactual:   %s\n' "$1" "$2"; return 1; }
}
# holds TEXT WORD...: every word is in the text.
holds() {
    local text=$1 word missing=()
    shift
    for word in "$@"; do
        grep -qF -- "$word" <<<"$text" || missing+=("$word")
    done
    [ ${#missing[@]} -eq 0 ] || { echo "missing: ${missing[*]}"; return 1; }
}

cache_value() {
    sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"
}
version=$(cache_value CMAKE_PROJECT_VERSION)

# --- The package itself.
(cd "$build" && cpack -G DEB >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; exit 1; }
deb=$build/zelkorconfig_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { echo "no package at $deb"; exit 1; }
echo "$(basename "$deb"): $(stat -c %s "$deb") bytes"
listing=$(dpkg-deb -c "$deb")
printf '%s\n' "$listing"
contents=$(printf '%s\n' "$listing" | awk '{print $NF}' | sed 's|^\./|/|')
# The id the desktop entry, the metainfo and the icon share, as the package names its entry.
app_id=$(printf '%s\n' "$contents" | sed -n 's|^/usr/share/applications/\(.*\)\.desktop$|\1|p')
[ -n "$app_id" ] || { echo "the package has no desktop entry"; exit 1; }

expected_files=(
    /usr/bin/zelkorconfig /usr/bin/zelkorctl /usr/bin/vq7100-sim
    "/usr/share/applications/$app_id.desktop"
    "/usr/share/metainfo/$app_id.metainfo.xml"
    "/usr/share/mime/packages/$app_id.xml"
    "/usr/share/icons/hicolor/scalable/apps/$app_id.svg"
    /usr/share/man/man1/zelkorconfig.1.gz /usr/share/man/man1/zelkorctl.1.gz
    /usr/share/man/man1/vq7100-sim.1.gz
    /usr/share/bash-completion/completions/zelkorctl
    /usr/share/doc/zelkorconfig/README.md.gz /usr/share/doc/zelkorconfig/changelog.gz
    /usr/share/doc/zelkorconfig/copyright /usr/share/lintian/overrides/zelkorconfig
)
for language in de es fr; do
    expected_files+=("/usr/share/zelkorconfig/translations/zelkorconfig_$language.qm")
done
for size in 16 32 48 64 128 256; do
    expected_files+=("/usr/share/icons/hicolor/${size}x$size/apps/$app_id.png")
done
check "the package holds every file a user needs" holds "$contents" "${expected_files[@]}"
check "the package holds the three programs and nothing else to run" \
    same "/usr/bin/vq7100-sim /usr/bin/zelkorconfig /usr/bin/zelkorctl" \
    "$(grep '^/usr/bin/.' <<<"$contents" | sort | xargs)"
check "nothing of the tests, benchmarks or the build is packaged" \
    same "" "$(grep -Ei 'test|bench|fuzz|\.a$|\.h$|cmake' <<<"$contents" || true)"

control() { dpkg-deb -f "$deb" "$1"; }
check "the version is the project's" same "$version" "$(control Version)"
check "Depends come from the linked libraries, and name Qt's platform plugins" \
    holds "$(control Depends)" libc6 libstdc++6 libqt6core6 libqt6widgets6 qt6-qpa-plugins
# What apt would install on a system that has nothing yet, recommends left out.
install_on_empty_system() {
    apt-get install --simulate --no-install-recommends -o Debug::NoLocking=true \
        -o Dir::State::status=/dev/null "$deb" 2>&1
}
check "apt installs the package on a bare system without recommends, the platform plugins too" \
    holds "$(install_on_empty_system)" "Inst qt6-qpa-plugins " "Inst zelkorconfig "
check "maintainer, section and description are set" \
    test -n "$(control Maintainer)" -a "$(control Section)" = electronics \
    -a -n "$(control Description)"

# Lintian, Debian's own judge of a package, down to its notes: what it must let pass says why in
# the package's overrides, and an override that no longer matches is itself reported.
lintian_findings() {
    lintian --display-info --fail-on error,warning,info "$deb" 2>&1 |
        { grep -v '^running with root privileges' || true; }
    return "${PIPESTATUS[0]}"
}
check "lintian finds nothing, not even a note" quiet lintian_findings

root=$work/root
dpkg -x "$deb" "$root"
share=$root/usr/share

# --- The licence, the changelog and the hardening lintian does not see.
doc=$share/doc/zelkorconfig
# The licence of every file and its text, as a reader of the machine-readable format finds them.
dep5_licence() {
    /usr/bin/python3 - "$doc/copyright" <<'EOF'
import sys
from debian.copyright import Copyright
with open(sys.argv[1], encoding="utf-8") as f:
    copyright = Copyright(f, strict=True)
files = copyright.find_files_paragraph("usr/bin/zelkorconfig")
print(files.license.synopsis, files.copyright, sep="\n")
print(next(copyright.all_license_paragraphs()).license.text)
EOF
}
licence_text=$(sed -n '/^Copyright (c) /,$p' "$source_dir/LICENSE" | tail -n +3)
check "the copyright file gives every file the LICENSE, in Debian's format" same \
    "$(printf 'Expat\n%s\n%s' "$(sed -n 's/^Copyright (c) //p' "$source_dir/LICENSE")" \
        "$licence_text")" "$(dep5_licence)"
zcat "$doc/changelog.gz" >"$work/changelog"
check "the changelog is this version's" \
    same "$version" "$(dpkg-parsechangelog -l "$work/changelog" -S Version)"
stack_protected() { [[ $(readelf --dyn-syms -W "$1") == *__stack_chk_fail* ]]; }
for program in zelkorconfig zelkorctl vq7100-sim; do
    check "$program is built with the stack protector" stack_protected "$root/usr/bin/$program"
done

# --- Desktop entry, AppStream data and file type, each against the others.
desktop=$share/applications/$app_id.desktop
metainfo=$share/metainfo/$app_id.metainfo.xml
check "desktop-file-validate passes" quiet desktop-file-validate "$desktop"
check "appstreamcli validate passes" appstreamcli validate --no-net --strict "$metainfo"
entry() { sed -n "s/^$1=//p" "$desktop"; }
check "the entry starts the installed program with the file" same "zelkorconfig %f" "$(entry Exec)"
check "the entry's icon is installed" test -f "$share/icons/hicolor/48x48/apps/$(entry Icon).png"
check "the entry opens the .vq type" same "application/x-vq7100-book;" "$(entry MimeType)"
for language in de es fr; do
    check "the entry and the metainfo speak $language" test -n "$(entry "Comment\\[$language\\]")" \
        -a -n "$(entry "GenericName\\[$language\\]")" -a "$(grep -c "xml:lang=\"$language\"" "$metainfo")" -ge 2
done
check "Qt's own translations are recommended" holds "$(control Recommends)" qt6-translations-l10n
check "the metainfo launches the entry, names the release and the licence" \
    holds "$(cat "$metainfo")" "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" \
    "<release version=\"$version\"" "<mediatype>application/x-vq7100-book</mediatype>" \
    "<project_license>MIT</project_license>"

# --- The programs as installed: their versions, and a real book through import and dump.
bin=$root/usr/bin
check "zelkorctl --version" same "zelkorctl $version" "$("$bin/zelkorctl" --version)"
check "vq7100-sim --version" same "vq7100-sim $version" "$("$bin/vq7100-sim" --version)"
# Without any display: --version and --help must not need the window system.
no_display=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM)
check "zelkorconfig --version without a display" \
    same "zelkorconfig $version" "$("${no_display[@]}" "$bin/zelkorconfig" --version)"
check "zelkorconfig --help without a display lists its options" \
    holds "$("${no_display[@]}" "$bin/zelkorconfig" --help)" --port --version --help file
check "installed zelkorctl imports a CSV book" \
    "$bin/zelkorctl" import "$fixtures/sample.csv" -o "$work/book.vq"
check "installed zelkorctl dumps it" \
    same "$(cat "$fixtures/sample.dump")" "$("$bin/zelkorctl" dump "$work/book.vq")"

# --- The file type as a file manager sees it (GLib reads the same database).
cp "$work/book.vq" "$work/renamed.bin"
printf 'not a book at all\n' >"$work/other.bin"
check "update-mime-database takes the package" \
    quiet env XDG_DATA_DIRS="$share" update-mime-database "$share/mime"
content_type() {
    mkdir -p "$work/empty"
    XDG_DATA_HOME=$work/empty XDG_DATA_DIRS=$share gio info -a standard::content-type "$1" |
        sed -n 's/.*standard::content-type: //p'
}
check "a .vq file is a VQ7100 book" same application/x-vq7100-book "$(content_type "$work/book.vq")"
check "a book under another name is known by its header" \
    same application/x-vq7100-book "$(content_type "$work/renamed.bin")"
check "another file is not taken for a book" \
    test "$(content_type "$work/other.bin")" != application/x-vq7100-book

# --- Manual pages: clean under groff's warnings, and every option the programs take is there.
# The text of a page without its synopsis: an option must be described, not only named.
man_text() {
    MANWIDTH=200 man -l "$share/man/man1/$1.1.gz" 2>/dev/null | sed 's/.\x08//g' |
        awk '/^[A-Z]/ { skip = ($0 == "SYNOPSIS") } !skip'
}
man_warnings() { MANWIDTH=80 man --warnings=all -E UTF-8 -l "$1" 2>&1 >/dev/null; }
for page in zelkorconfig zelkorctl vq7100-sim; do
    check "man $page has no warnings" quiet man_warnings "$share/man/man1/$page.1.gz"
done
# The option words of a --help text: the first column of its indented lines that start with -.
options_of() {
    sed -n 's/^ \{1,\}\(-[^ ].*\)/\1/p' | sed 's/  .*//; s/[ =<].*//' | tr ',' '\n' |
        grep -E '^-' | sort -u
}
zelkorctl_commands=(dump export import ports upload test)
man_zelkorctl=$(man_text zelkorctl)
for command in "" "${zelkorctl_commands[@]}"; do
    # shellcheck disable=SC2086 # no command: the tool's own options
    check "man zelkorctl names every option of 'zelkorctl $command'" holds "$man_zelkorctl" \
        $command $("$bin/zelkorctl" $command --help | options_of)
done
check "man vq7100-sim names every option" \
    holds "$(man_text vq7100-sim)" $("$bin/vq7100-sim" --help | options_of)
check "man zelkorconfig names every option" \
    holds "$(man_text zelkorconfig)" $("${no_display[@]}" "$bin/zelkorconfig" --help | options_of)

# --- Tab completion, as bash runs it with the installed file.
mkdir -p "$work/files/folder"
touch "$work/files/a.vq" "$work/files/b.csv" "$work/files/c.txt"
completions() {  # completions WORD... (the last word is the one being completed)
    (cd "$work/files" && bash --norc -c '
        source /usr/share/bash-completion/bash_completion
        source "$0"
        COMP_WORDS=("$@"); COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
        COMP_LINE="$*"; COMP_POINT=${#COMP_LINE}; COMPREPLY=()
        _zelkorctl zelkorctl "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
        printf "%s\n" "${COMPREPLY[@]}" | sort | xargs' \
        "$share/bash-completion/completions/zelkorctl" zelkorctl "$@")
}
check "completion offers the commands" \
    same "--help --version check dump export import ports test upload" "$(completions "")"
check "completion finishes a command" same upload "$(completions up)"
check "completion offers .vq files to dump and upload" same "a.vq folder" "$(completions dump "")"
check "completion offers .csv files to import" same "b.csv folder" "$(completions import "")"
check "completion offers .csv for export's output" \
    same "b.csv folder" "$(completions export a.vq -o "")"
check "completion offers .vq for import's output" \
    same "a.vq folder" "$(completions import b.csv --output "")"
ports=$(for port in /dev/serial/by-id/* /dev/ttyUSB* /dev/ttyACM* /dev/ttyS*; do
    if [ -e "$port" ]; then echo "$port"; fi
done | sort | xargs)
check "completion offers the machine's serial ports" \
    same "$ports" "$(completions upload --port "")"
for command in "${zelkorctl_commands[@]}"; do
    # shellcheck disable=SC2046
    check "completion offers every option of 'zelkorctl $command'" \
        holds "$(completions "$command" -)" $("$bin/zelkorctl" "$command" --help | options_of)
done

# --- Installed by apt without recommends, the window opens on an X server (Xvfb), through Qt's
# real xcb platform. Only where the check may install (as root, or with sudo that asks for no
# password) and the package is not installed already; everything installed is removed again.
sudo=()
[ "$(id -u)" -eq 0 ] || sudo=(sudo -n)
packages_installed() {
    dpkg-query -W -f='${db:Status-Abbrev} ${Package}\n' | awk '$1 == "ii" { print $2 }' | sort
}
installed_before=$(packages_installed)
apt_get=("${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -y -o Dpkg::Use-Pty=0
    -o DPkg::Lock::Timeout=600)
remove_again() {
    local added
    mapfile -t added < <(comm -13 <(printf '%s\n' "$installed_before") <(packages_installed))
    [ ${#added[@]} -eq 0 ] || "${apt_get[@]}" purge "${added[@]}" >"$work/apt-remove.log" 2>&1
}
installs() { "${apt_get[@]}" install --no-install-recommends "$deb" 2>&1; }
# The window, started as a user starts it: its title appears on the display.
window_opens() {
    mkdir -p "$work/home" "$work/runtime"
    chmod 700 "$work/runtime"
    xvfb-run -a env -u WAYLAND_DISPLAY HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" \
        QT_QPA_PLATFORM=xcb bash -c '
            /usr/bin/zelkorconfig >"$0" 2>&1 &
            program=$!
            for _ in $(seq 120); do
                if xdotool search --onlyvisible --name " - VQ7100$" >/dev/null 2>&1; then
                    kill "$program"
                    exit 0
                fi
                kill -0 "$program" 2>/dev/null || break
                sleep 0.5
            done
            kill "$program" 2>/dev/null
            echo "no window appeared; the program said:"
            cat "$0"
            exit 1' "$work/window.log"
}
if [ "${#sudo[@]}" -gt 0 ] && ! sudo -n true 2>/dev/null; then
    echo "skipped: installing the package (needs root, or sudo without a password)"
elif grep -qx zelkorconfig <<<"$installed_before"; then
    echo "skipped: installing the package (zelkorconfig is installed on this machine already)"
else
    remove_installed=remove_again
    check "apt installs the package without recommends" installs
    if packages_installed | grep -qx zelkorconfig; then
        check "the installed window opens on an X server" window_opens
    fi
    remove_again
    remove_installed=:
    check "removed again, the machine has the packages it had" \
        same "$installed_before" "$(packages_installed)"
fi

echo "package checks: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
