#!/usr/bin/env bash
# Configures, builds and runs every test of the kit. Exits non-zero if any
# step fails.
set -euo pipefail
cd "$(dirname "$0")/.."

echo "== Linux build and tests"
cmake --workflow --preset linux
