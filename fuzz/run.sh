#!/usr/bin/env bash
# Builds a libFuzzer target with clang (ASan + UBSan) and runs it for SECONDS
# from a seed corpus that the test-document writer makes.
#   fuzz/run.sh fuzz_document 60
set -euo pipefail
target=${1:?usage: fuzz/run.sh TARGET SECONDS}
seconds=${2:?usage: fuzz/run.sh TARGET SECONDS}
root=$(cd "$(dirname "$0")/.." && pwd)
out=$root/fuzz/out
mkdir -p "$out"

core=("$root"/src/document/*.cpp "$root"/src/text/Cp936.cpp "$root"/tests/support/DocumentWalk.cpp)
flags=(-std=c++20 -O1 -g -I"$root/src" -I"$root/tests")
libs=(-lz -ldeflate)

clang++ "${flags[@]}" -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  "$root/fuzz/$target.cpp" "${core[@]}" "${libs[@]}" -o "$out/$target"
clang++ "${flags[@]}" "$root/fuzz/make_seeds.cpp" "$root/tests/support/QbxWriter.cpp" "${core[@]}" \
  "${libs[@]}" -o "$out/make_seeds"

corpus=$out/corpus-$target
"$out/make_seeds" "$corpus"
cd "$out"
"$out/$target" -max_total_time="$seconds" -max_len=65536 -rss_limit_mb=2048 -timeout=30 \
  -print_final_stats=1 "$corpus"
