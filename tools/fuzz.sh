#!/usr/bin/env bash
# Runs every fuzz target for SECONDS each: BUILD/<name>_fuzz over BUILD/corpus-<name> (new
# inputs) and fuzz/corpus/<name> (the kept ones). A crashing target does not stop the run, so
# that one crash never hides another; the failed targets are named at the end (status 1).
# Usage: tools/fuzz.sh BUILD SECONDS [SOURCE_FOLDER]
set -u
build=$1
seconds=$2
source_folder=${3:-$(dirname "$0")/..}
failed=()
for source in "$source_folder"/fuzz/*_fuzz.cpp; do
  target=$(basename "$source" _fuzz.cpp)
  mkdir -p "$build/corpus-$target"
  "$build/${target}_fuzz" -max_total_time="$seconds" "$build/corpus-$target" "$source_folder/fuzz/corpus/$target" ||
    failed+=("$target")
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "Fuzz-Ziele mit Fehlern: ${failed[*]}"
  exit 1
fi
