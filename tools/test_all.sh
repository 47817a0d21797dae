#!/usr/bin/env bash
# Configures, builds and runs every test of the kit: the Linux build, then the
# Windows x86-64 build under wine. Exits non-zero if any step fails. Outside CI
# the Windows half is skipped, with one line, when its tools are missing.
set -euo pipefail
cd "$(dirname "$0")/.."

echo "== Linux: build and tests"
cmake --workflow --preset linux

mingw=x86_64-w64-mingw32-g++-posix
wine=/usr/lib/wine/wine64
if ! command -v "$mingw" >/dev/null || [ ! -x "$wine" ]; then
  if [ "${CI:-}" = true ]; then
    echo "test_all: error: the Windows build needs $mingw and $wine" >&2
    exit 1
  fi
  echo "test_all: skipping the Windows build and tests: $mingw or $wine is missing (apt-get install g++-mingw-w64-x86-64-posix wine64)"
  exit 0
fi

echo "== Windows x86-64 under wine: build and tests"
# Should the tests be cut short, their wine server must not outlive them.
trap 'WINEPREFIX="$PWD/build/windows/wineprefix" cmake/wine-prefix.sh stop' EXIT
cmake --workflow --preset windows
