#!/bin/bash
# Runs end-to-end scenarios by hand: all of them, or those named (without ".scn").
#
#   tests/e2e/run-e2e.sh <windows-build-dir> [scenario-name...]
#
# The scenarios are CTest tests of the windows build (e2e.NAME), with the Wine prefix and the
# X server set up and ended around them; this only picks them. Logs: <build>/e2e/logs.
set -u
if [ $# -lt 1 ]; then
    echo "usage: $0 <windows-build-dir> [scenario-name...]" >&2
    exit 2
fi
build=$1
shift
pattern='^e2e\.'
if [ $# -gt 0 ]; then
    pattern="^e2e\\.($(IFS='|'; echo "$*"))\$"
fi
exec ctest --test-dir "$build" --output-on-failure -R "$pattern"
