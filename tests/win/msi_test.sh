#!/usr/bin/env bash
# The installer under Wine: msiexec /i installs the files and the shortcut for the current user
# where the package says, the simulated PowerLogic only when asked for; msiexec /x removes
# everything again, and the journals' folder when no journal is in it. The package has its pages
# and the icon, which sequate.exe carries too.
#   msi_test.sh MSI WINE-RUN WINEPREFIX SEQUATE-EXE
set -euo pipefail
msi=$1 wine_run=$2 prefix=$3 program=$4
windows_msi="Z:${msi//\//\\}"

user=$(ls "$prefix/drive_c/users" | grep -vx Public | head -n 1)
home="$prefix/drive_c/users/$user"
installed="$home/AppData/Local/Programs/Sequate"
menu="$home/AppData/Roaming/Microsoft/Windows/Start Menu/Programs"
failures=0
expect() { # expect present|absent PATH
    if { [ "$1" = present ] && [ ! -e "$2" ]; } || { [ "$1" = absent ] && [ -e "$2" ]; }; then
        echo "FAILED: expected $1: ${2#"$prefix"/}"
        failures=$((failures + 1))
    fi
}
msiexec() { "$wine_run" msiexec "$@" /qn </dev/null; }
column() { msiinfo export "$msi" "$1" | tail -n +4 | cut -f "$2" | tr -d '\r' | sort | xargs; }
expect_same() { [ "$2" = "$3" ] || { echo "FAILED: $1: \"$2\", not \"$3\""; failures=$((failures + 1)); }; }

expect_same "dialogs" "$(column Dialog 1)" "ExitDlg FatalErrorDlg FeaturesDlg ProgressDlg WelcomeDlg"
expect_same "icons" "$(column Icon 1)" "SequateIcon"
expect_same "Add/Remove Programs' entry" \
    "$(msiinfo export "$msi" Property | cut -f 1 | grep -E '^ARP(PRODUCTICON|HELPLINK|SIZE)$' |
        sort | xargs)" "ARPHELPLINK ARPPRODUCTICON ARPSIZE"
# sequate.exe's resources: an icon group (type 14) and its images (type 3), one for each size.
resources=$(x86_64-w64-mingw32-objdump -p "$program" | grep -E '^0[0-9a-f]+ {3,4}(Entry|Name)')
expect_same "sequate.exe's icons" \
    "$(grep -c 'Entry: ID: 0x00000e' <<<"$resources") $(grep -A1 'Entry: ID: 0x000003' <<<"$resources" |
        grep -o 'IDs: [0-9]*')" "1 IDs: 6"

msiexec /x "$windows_msi" >/dev/null 2>&1 || true # what an earlier run left
# The journals the window's tests keep in this prefix, which the uninstall rightly leaves.
rm -rf "$home/AppData/Local/sequate"
msiexec /i "$windows_msi"
for file in sequate.exe sequate-pass-com.exe sample.json doc/help.html doc/windows-main-window.png; do
    expect present "$installed/$file"
done
expect present "$menu/Sequate.lnk"
expect absent "$installed/sequate-comsim.exe"
expect absent "$installed/sequate-gensample.exe"
expect absent "$menu/Sequate with the simulated PowerLogic.lnk"
expect absent "$prefix/drive_c/Program Files/Sequate"
journals="$home/AppData/Local/sequate/journals"
mkdir -p "$journals"
msiexec /x "$windows_msi"
expect absent "$installed"
expect absent "$home/AppData/Local/sequate"
expect absent "$menu/Sequate.lnk"

msiexec /i "$windows_msi" ADDLOCAL=ALL
expect present "$installed/sequate-comsim.exe"
expect present "$installed/sequate-with-simulator.exe"
expect present "$installed/sequate-hosts.tlb"
expect present "$installed/sequate-gensample.exe"
expect present "$menu/Sequate with the simulated PowerLogic.lnk"
mkdir -p "$journals"
touch "$journals/amp.sch.journal"
msiexec /x "$windows_msi"
expect absent "$installed"
expect absent "$menu/Sequate with the simulated PowerLogic.lnk"
expect present "$journals/amp.sch.journal"
rm -rf "$home/AppData/Local/sequate"

[ "$failures" -eq 0 ] && echo "The installer installs and removes everything it should"
exit "$failures"
