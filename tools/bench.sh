#!/usr/bin/env bash
# Builds the Linux release and times ringscore against its floor on a
# fixed-seed ring-case set of 5 x 200,000 ring strings (about 52 MB), written
# to build/bench-work with a set a tenth that size beside it. Then counts the
# instructions of both on the smaller set with callgrind, which counts the
# same on every run whatever else the machine does; its profile of
# ringscore is kept for callgrind_annotate.
# Installs the build tools and valgrind first if they are missing.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/packages.sh install build bench
cmake --preset linux-programs >/dev/null
cmake --build --preset linux-programs --target ringscore make_ring_set ring_floor ringscore_bench >/dev/null
bin=$PWD/build/linux-programs
work=$PWD/build/bench-work
"$bin/bench/make_ring_set" "$work/large" 200000
"$bin/bench/make_ring_set" "$work/small" 20000
echo "ring-case set: 5 x 200000 ring strings, $(du -sh "$work/large/inputs" | cut -f1)"
"$bin/bench/ringscore_bench" "$bin/ringscore/ringscore" "$bin/bench/ring_floor" "$work/large" "$work/small"

# The instructions PROGRAM runs in the small set, its profile in OUT.
instructions() {
  (cd "$work/small" && valgrind --tool=callgrind --callgrind-out-file="$2" "$1" 2>&1 >/dev/null |
    sed -n 's/.*Collected : //p')
}
ring=$(instructions "$bin/ringscore/ringscore" "$work/ringscore.callgrind")
floor=$(instructions "$bin/bench/ring_floor" /dev/null)
echo "instructions, 5 x 20000 ring strings (callgrind):"
awk -v r="$ring" -v f="$floor" \
  'BEGIN { printf "  ringscore %d, floor %d, ratio %.2f (bar 2.50)\n", r, f, r / f }'
echo "  where they go: callgrind_annotate $work/ringscore.callgrind"
