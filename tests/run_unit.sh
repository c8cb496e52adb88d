#!/usr/bin/env bash
# Runs one unit test program under Wine with its output in a file, then prints it. A Wine
# service that the program happens to start first (the desktop, the COM server) inherits
# the program's output; were that CTest's pipe, CTest would wait for the service to end
# (minutes) before it saw the test end.
set -u
log="$(mktemp)"
wine "$@" >"$log" 2>&1 </dev/null
status=$?
cat "$log"
rm -f "$log"
exit $status
