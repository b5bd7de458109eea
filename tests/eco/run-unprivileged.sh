#!/bin/sh
# Runs a test program as the user "nobody" when started by root; exits 77 (skipped) when that
# cannot be done here: not root, no setpriv, or the program out of that user's reach.
program=$1
shift
[ "$(id -u)" -eq 0 ] || exit 77
command -v setpriv >/dev/null 2>&1 || exit 77
as_nobody() { setpriv --reuid=65534 --regid=65534 --clear-groups "$@"; }
as_nobody test -x "$program" || exit 77
cd /tmp || exit 77
output=$(TMPDIR=/tmp as_nobody "$program" "$@" 2>&1)
status=$?
printf '%s\n' "$output"
# A case that still skips would mean the program did not drop its rights.
if printf '%s\n' "$output" | grep -q "SKIPPED"; then
    exit 1
fi
exit $status
