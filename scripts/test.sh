#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: the native tests of the portable
# core, the Debian package of morlando-split made from an optimised build of its own (only the
# program and its documents are built there), the same tests again under the address and
# undefined-behaviour sanitizers, every fuzz target for about a minute in all, then the
# end-to-end tests that drive the real morlando.exe and the console morlando-split.exe under
# Wine, and install and remove the Windows installer there.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native

cmake --preset release >/dev/null
cmake --build --preset release
tests/packaging/deb.sh build/release

cmake --preset sanitize >/dev/null
cmake --build --preset sanitize
ctest --preset sanitize

cmake --preset fuzz >/dev/null
cmake --build --preset fuzz
fuzz/run.sh

cmake --preset windows >/dev/null
cmake --build --preset windows
ctest --preset windows
