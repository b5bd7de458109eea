#!/usr/bin/env bash
# Nothing of Sequate's changes how the real PowerLogic and PowerPCB are found or called. With a
# registration of the real applications in place (another class and type library under their
# class names and interface identifiers), the package installed with the simulator, the
# simulator started and killed, Sequate started with the simulator and closed, and the package
# removed: the classes of the user and of the machine are exactly as they were, and nothing there
# names a file of Sequate's or the simulator's identifiers. The simulator writes nothing to the
# registry; Sequate writes only its user's options, in HKCU\Software\Sequate, which the uninstall
# leaves to the user as it leaves the user's journals.
#   registry_test.sh MSI HOSTS-IDL WINE-RUN WINEPREFIX
set -euo pipefail
msi=$1 idl=$2 wine_run=$3 prefix=$4
windows_msi="Z:${msi//\//\\}"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

user=$(ls "$prefix/drive_c/users" | grep -vx Public | head -n 1)
installed="C:\\users\\$user\\AppData\\Local\\Programs\\Sequate"
classes=('HKCU\Software\Classes' 'HKLM\Software\Classes')
# The interfaces' identifiers in the simulator's declarations, but for the simulator's own.
real_ids=$(grep -o 'uuid([0-9A-F-]*)' "$idl" | grep -o '[0-9A-F]\{8\}-[0-9A-F-]*' | grep -v '^5E9A1D')
simulator_ids=5E9A1D
wine() { "$wine_run" "$@" </dev/null; }
reg_delete() { wine reg delete "$1" /f >/dev/null 2>&1 || true; }
software=('HKCU\Software' 'HKLM\Software')
snapshot() { # snapshot NAME [ROOT...]: the trees as text, both class trees by default
    local name=$1 root
    shift
    [ $# -gt 0 ] || set -- "${classes[@]}"
    for root in "$@"; do
        wine reg export "$root" "Z:${work//\//\\}\\export.reg" /y >/dev/null
        iconv -f UTF-16LE -t UTF-8 "$work/export.reg" | tr -d '\r'
    done >"$work/$name"
}
# The export without the section of Sequate's options.
without_options() { awk '/^\[/ { skip = ($0 == "[HKEY_CURRENT_USER\\Software\\Sequate]") } !skip' "$work/$1"; }
failures=0
fail() {
    echo "FAILED: $*"
    failures=$((failures + 1))
}

# The real applications' registration this test writes, and what earlier versions of the
# simulator registered in this prefix.
forget_registrations() {
    local root id library
    for root in "${classes[@]}" 'HKLM\Software\Classes\Wow6432Node'; do
        reg_delete "$root\\PowerLogic.Application"
        reg_delete "$root\\PowerPCB.Application"
        for id in $real_ids 5E9A1D33-7C41-4B8E-9E0A-53455155A7E1; do
            reg_delete "$root\\Interface\\{$id}"
        done
        for library in 5E9A1D30 5E9A1D40 5E9A1D50 0F0E1D2C; do
            reg_delete "$root\\TypeLib\\{$library-7C41-4B8E-9E0A-53455155A7E1}"
        done
    done
}

wine msiexec /x "$windows_msi" /qn >/dev/null 2>&1 || true # what an earlier run left
forget_registrations

# The real applications' registration, as their installer might have written it.
foreign_class='{0F0E1D2B-7C41-4B8E-9E0A-53455155A7E1}'
foreign_library='{0F0E1D2C-7C41-4B8E-9E0A-53455155A7E1}'
{
    printf 'Windows Registry Editor Version 5.00\n\n'
    for root in HKEY_CURRENT_USER HKEY_LOCAL_MACHINE; do
        for name in PowerLogic.Application PowerPCB.Application; do
            printf '[%s\\Software\\Classes\\%s\\CLSID]\n@="%s"\n\n' "$root" "$name" "$foreign_class"
        done
    done
    for id in $real_ids; do
        key="HKEY_CURRENT_USER\\Software\\Classes\\Interface\\{$id}"
        printf '[%s\\ProxyStubClsid32]\n@="{00020424-0000-0000-C000-000000000046}"\n\n' "$key"
        printf '[%s\\TypeLib]\n@="%s"\n"Version"="1.0"\n\n' "$key" "$foreign_library"
    done
    printf '[HKEY_CURRENT_USER\\Software\\Classes\\TypeLib\\%s\\1.0\\0\\win64]\n' "$foreign_library"
    printf '@="C:\\\\Program Files\\\\PADS\\\\PowerLogic.tlb"\n'
} >"$work/foreign.reg"
wine reg import "Z:${work//\//\\}\\foreign.reg" >/dev/null
snapshot before
grep -q "$foreign_library" "$work/before" || fail "the foreign registration was not written"

wine msiexec /i "$windows_msi" ADDLOCAL=ALL /qn
wine reg delete 'HKCU\Software\Sequate' /va /f >/dev/null 2>&1 || true # an earlier run's options
snapshot installed "${software[@]}"
# The simulator started by hand, and killed as Windows' taskkill /f would end it.
"$wine_run" "$installed\\sequate-comsim.exe" "$installed\\sample.json" </dev/null \
    2>"$work/simulator.log" &
simulator=$!
for _ in $(seq 120); do
    grep -q serving "$work/simulator.log" && break
    sleep 0.5
done
grep -q serving "$work/simulator.log" || fail "the simulator did not serve: $(cat "$work/simulator.log")"
kill -9 "$simulator"
wait "$simulator" 2>/dev/null || true
snapshot simulated "${software[@]}"
diff "$work/installed" "$work/simulated" >"$work/changes" ||
    fail "the simulator wrote to the registry:
$(head -n 40 "$work/changes")"
# Sequate with the simulator, as the Start menu starts it, closed as the user closes it.
"$wine_run" "$installed\\sequate-with-simulator.exe" </dev/null &
launcher=$!
# Its window, on the display the Windows tests run on.
shown() { xwininfo -root -tree | grep -q '"Sequate [^"]*sch"'; }
for _ in $(seq 120); do
    shown && break
    sleep 0.5
done
shown || fail "Sequate did not show its window: $(xwininfo -root -tree | grep -o '"[^"]*"' | xargs)"
wine taskkill /im sequate.exe >/dev/null 2>&1 || true
for _ in $(seq 120); do
    kill -0 "$launcher" 2>/dev/null || break
    sleep 0.5
done
kill -0 "$launcher" 2>/dev/null && { fail "the launcher did not end"; kill -9 "$launcher"; }
snapshot used "${software[@]}"
diff <(without_options simulated) <(without_options used) >"$work/changes" ||
    fail "Sequate wrote elsewhere than HKCU\Software\Sequate:
$(head -n 40 "$work/changes")"
grep -qx '"scope"="none"' "$work/used" || fail "Sequate did not remember its options"
wine msiexec /x "$windows_msi" /qn
snapshot after

diff "$work/before" "$work/after" >"$work/changes" || fail "the classes changed:
$(head -n 40 "$work/changes")"
grep -in -e sequate -e "$simulator_ids" "$work/after" | head -n 20 >"$work/named" || true
[ -s "$work/named" ] && fail "the classes name Sequate or the simulator:
$(cat "$work/named")"

forget_registrations
[ "$failures" -eq 0 ] && echo "The real applications' registration is as it was"
exit "$failures"
