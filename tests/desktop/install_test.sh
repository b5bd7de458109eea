#!/usr/bin/env bash
# Installs the build into a temporary prefix and runs the installed programs there: the
# simulator must serve the installed sample, and the pass runner must complete a pass on it.
#
#   install_test.sh BUILD_DIR CMAKE
set -euo pipefail

build=$1
cmake=$2

# The simulator takes the hosts' names on the session bus; a private bus keeps it from
# meeting another test's simulator.
if [ -z "${SEQUATE_INSTALL_TEST_BUS:-}" ]; then
    SEQUATE_INSTALL_TEST_BUS=1 exec dbus-run-session -- "$0" "$@"
fi

prefix=$(mktemp -d)
hostsim_pid=
cleanup() {
    if [ -n "$hostsim_pid" ]; then
        kill "$hostsim_pid" 2>/dev/null || true
    fi
    rm -rf "$prefix"
}
trap cleanup EXIT

fail() {
    echo "install_test: $*" >&2
    exit 1
}

"$cmake" --install "$build" --prefix "$prefix" >/dev/null

for file in bin/sequate bin/sequate-hostsim bin/sequate-pass share/sequate/sample.json \
    share/applications/sequate.desktop share/icons/hicolor/scalable/apps/sequate.svg \
    share/doc/Sequate/help.md share/doc/Sequate/preview-window.png; do
    [ -e "$prefix/$file" ] || fail "$file was not installed"
done
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$prefix/share/applications/sequate.desktop"
fi

sample=$prefix/share/sequate/sample.json
log=$prefix/hostsim.log
"$prefix/bin/sequate-hostsim" --no-window 2>"$log" &
hostsim_pid=$!
for _ in $(seq 100); do
    if grep -q "serving" "$log"; then
        break
    fi
    kill -0 "$hostsim_pid" 2>/dev/null || fail "the simulator ended: $(cat "$log")"
    sleep 0.1
done
grep -qxF "sequate-hostsim: serving $sample" "$log" ||
    fail "the simulator did not serve the installed sample: $(cat "$log")"

report=$("$prefix/bin/sequate-pass" "$sample" --mode all) || fail "sequate-pass failed"
grep -q '"stopped": *null' <<<"$report" || fail "the pass stopped: $report"
