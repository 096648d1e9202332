#!/usr/bin/env bash
# Installs what is missing, then builds and runs every test: the native tests of the portable
# core, then the end-to-end tests that drive the real morlando.exe under Wine, and the console
# morlando-split.exe under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

cmake --preset native >/dev/null
cmake --build --preset native
ctest --preset native

cmake --preset windows >/dev/null
cmake --build --preset windows
ctest --preset windows
