#!/usr/bin/env bash
# Builds the fuzz targets (fuzz/) as libFuzzer programs with
# clang's -fsanitize=fuzzer,address into the given folder, for long runs:
#   build-fuzz/fuzz_sandimage -max_total_time=600 corpus/ examples/*/
# Needs clang; without it, says so and fails, and nothing else is touched.
set -euo pipefail

folder=${1:-build-fuzz}
jobs=${2:-2}

if ! command -v clang++ >/dev/null 2>&1; then
  echo "make fuzz needs clang (clang++ is not installed); the fuzz targets still run" >&2
  echo "over their fixed inputs in make test." >&2
  exit 1
fi

if [ ! -f "$folder/build.ninja" ]; then
  CXX=clang++ cmake -S . -B "$folder" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DLITHOSCOPE_FUZZ=ON -DBUILD_TESTING=OFF
fi
cmake --build "$folder" -j "$jobs" --target fuzzers

echo "Fuzz targets in $folder:"
find "$folder" -maxdepth 1 -name 'fuzz_*' -type f -executable | sort | sed 's/^/  /'
echo "Run one with a corpus folder and the examples as seeds, for instance:"
echo "  mkdir -p corpus && $folder/fuzz_sandimage -malloc_limit_mb=128 -max_total_time=600 corpus examples/*/"
