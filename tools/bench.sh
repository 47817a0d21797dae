#!/usr/bin/env bash
# Builds the Linux release and times ringscore against its floor on a
# fixed-seed ring-case set of 5 x 200,000 ring strings (about 52 MB), written
# to build/bench-work with a set a tenth that size beside it.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/packages.sh install build bench
cmake --preset linux-programs >/dev/null
cmake --build --preset linux-programs --target ringscore make_ring_set ring_floor ringscore_bench >/dev/null
bin=build/linux-programs/bench
work=build/bench-work
"$bin/make_ring_set" "$work/large" 200000
"$bin/make_ring_set" "$work/small" 20000
echo "ring-case set: 5 x 200000 ring strings, $(du -sh "$work/large/inputs" | cut -f1)"
"$bin/ringscore_bench" build/linux-programs/ringscore/ringscore "$bin/ring_floor" "$work/large" "$work/small"
