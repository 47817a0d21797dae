#!/usr/bin/env bash
# Builds both programs and runs them on a copy of the sample working folders,
# so the shipped samples stay as they are. Prints where every file went.
# Installs the build tools first if they are missing (see tools/packages.sh).
set -euo pipefail
cd "$(dirname "$0")/.."

tools/packages.sh install build
cmake --preset linux-programs >/dev/null
cmake --build --preset linux-programs --target casegen ringscore >/dev/null
bin="$PWD/build/linux-programs"
run="$PWD/build/sample-run"
rm -rf "$run"
cp -r sample "$run"

status=0
echo "== ringscore in $run/ring"
(cd "$run/ring" && "$bin/ringscore/ringscore") || status=$?
for f in "$run"/ring/outputs/output0*.txt; do
  echo "-- ${f#"$run"/}: $(wc -l <"$f") score line(s)"
  cat "$f"
done

echo "== casegen in $run/records"
(cd "$run/records" && "$bin/casegen/casegen") || status=$?
for f in "$run"/records/inputs/input0*.txt; do
  echo "-- ${f#"$run"/}: $(head -n 1 "$f") record(s)"
done
echo "first file:"
cat "$run/records/inputs/input01.txt"
exit "$status"
