#!/usr/bin/env bash
# Configures, builds and runs every test of the kit: the Linux build, the same
# tests under AddressSanitizer and UndefinedBehaviorSanitizer, the fuzz
# targets (KIT_FUZZ_SECONDS each, 60 by default), and the Windows x86-64 build
# under wine. First installs the packages the steps need that are missing
# (see tools/packages.sh). Exits non-zero if any step fails. Where a step's
# packages cannot be installed, outside CI it is skipped with one line; in CI
# the run fails.
set -euo pipefail
cd "$(dirname "$0")/.."

# Everything at once, so apt runs once. Whatever it cannot do, the steps
# below say.
tools/packages.sh install build tests fuzz windows || true

# Succeeds if the groups' packages are there; otherwise says what is skipped,
# and in CI fails the run.
ready() {
  local what=$1 lacking
  shift
  if lacking=$(tools/packages.sh check "$@" 2>&1); then return 0; fi
  if [ "${CI:-}" = true ]; then
    echo "test_all: error: $what: ${lacking#packages: }" >&2
    exit 1
  fi
  echo "test_all: skipping $what: ${lacking#packages: }"
  return 1
}

# Without these there is nothing to test at all, so they are never skipped:
# treated as in CI, their lack fails the run.
CI=true ready "the Linux build and tests" build tests

echo "== Linux: build and tests"
cmake --workflow --preset linux

echo "== Linux with sanitizers: build and tests"
cmake --workflow --preset linux-sanitize

if ready "the fuzz targets" fuzz; then
  echo "== Fuzz targets, ${KIT_FUZZ_SECONDS:-60} s each"
  cmake --preset fuzz -DKIT_FUZZ_SECONDS="${KIT_FUZZ_SECONDS:-60}"
  cmake --build --preset fuzz
  ctest --preset fuzz
fi

if ready "the Windows build and tests" tests windows; then
  echo "== Windows x86-64 under wine: build and tests"
  # Should the tests be cut short, their wine server must not outlive them.
  trap 'WINEPREFIX="$PWD/build/windows/wineprefix" cmake/wine-prefix.sh stop' EXIT
  cmake --workflow --preset windows
fi
