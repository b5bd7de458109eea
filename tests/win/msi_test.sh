#!/usr/bin/env bash
# The installer under Wine: msiexec /i installs the files and the shortcut for the current user
# where the package says, the simulated PowerLogic only when asked for; msiexec /x removes
# everything again.
#   msi_test.sh MSI WINE-RUN WINEPREFIX
set -euo pipefail
msi=$1 wine_run=$2 prefix=$3
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

msiexec /x "$windows_msi" >/dev/null 2>&1 || true # what an earlier run left
msiexec /i "$windows_msi"
for file in sequate.exe sequate-pass-com.exe sample.json doc/help.html doc/windows-main-window.png; do
    expect present "$installed/$file"
done
expect present "$menu/Sequate.lnk"
expect absent "$installed/sequate-comsim.exe"
expect absent "$menu/Sequate with the simulated PowerLogic.lnk"
expect absent "$prefix/drive_c/Program Files/Sequate"
msiexec /x "$windows_msi"
expect absent "$installed"
expect absent "$menu/Sequate.lnk"

msiexec /i "$windows_msi" ADDLOCAL=ALL
expect present "$installed/sequate-comsim.exe"
expect present "$installed/sequate-with-simulator.exe"
expect present "$installed/sequate-hosts.tlb"
expect present "$menu/Sequate with the simulated PowerLogic.lnk"
msiexec /x "$windows_msi"
expect absent "$installed"
expect absent "$menu/Sequate with the simulated PowerLogic.lnk"

[ "$failures" -eq 0 ] && echo "The installer installs and removes everything it should"
exit "$failures"
