#!/usr/bin/env bash
# Configures, builds and runs every test of the kit: the Linux build, the same
# tests under AddressSanitizer and UndefinedBehaviorSanitizer, the fuzz
# targets (KIT_FUZZ_SECONDS each, 60 by default), and the Windows x86-64 build
# under wine. Exits non-zero if any step fails. Outside CI a half whose tools
# are missing is skipped with one line; in CI nothing is skipped.
set -euo pipefail
cd "$(dirname "$0")/.."

# Succeeds if every given tool is there; otherwise says what is skipped, and
# in CI fails the run.
have() {
  local what=$1 package=$2
  shift 2
  local tool
  for tool in "$@"; do
    if ! command -v "$tool" >/dev/null && [ ! -x "$tool" ]; then
      if [ "${CI:-}" = true ]; then
        echo "test_all: error: $what needs $tool (apt-get install $package)" >&2
        exit 1
      fi
      echo "test_all: skipping $what: $tool is missing (apt-get install $package)"
      return 1
    fi
  done
}

echo "== Linux: build and tests"
cmake --workflow --preset linux

echo "== Linux with sanitizers: build and tests"
cmake --workflow --preset linux-sanitize

if have "the fuzz targets" "clang-14 libclang-rt-14-dev" clang++-14; then
  echo "== Fuzz targets, ${KIT_FUZZ_SECONDS:-60} s each"
  cmake --preset fuzz -DKIT_FUZZ_SECONDS="${KIT_FUZZ_SECONDS:-60}"
  cmake --build --preset fuzz
  ctest --preset fuzz
fi

if have "the Windows build and tests" "g++-mingw-w64-x86-64-posix wine64" \
  x86_64-w64-mingw32-g++-posix /usr/lib/wine/wine64; then
  echo "== Windows x86-64 under wine: build and tests"
  # Should the tests be cut short, their wine server must not outlive them.
  trap 'WINEPREFIX="$PWD/build/windows/wineprefix" cmake/wine-prefix.sh stop' EXIT
  cmake --workflow --preset windows
fi
