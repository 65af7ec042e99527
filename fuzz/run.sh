#!/usr/bin/env bash
# Builds a libFuzzer target with clang (ASan + UBSan) and runs it for SECONDS
# from its seed corpus.
#   fuzz/run.sh fuzz_document 60     documents made by the test-document writer
#   fuzz/run.sh fuzz_rtf 60          the RTF files in fuzz/seeds/fuzz_rtf
set -euo pipefail
target=${1:?usage: fuzz/run.sh TARGET SECONDS}
seconds=${2:?usage: fuzz/run.sh TARGET SECONDS}
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-fuzz
out=$root/fuzz/out
mkdir -p "$out"

cmake -S "$root" -B "$build" -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQBX_FUZZ=ON > /dev/null
cmake --build "$build" --target "$target" make_seeds

corpus=$out/corpus-$target
mkdir -p "$corpus"
case "$target" in
  fuzz_document) "$build/fuzz/make_seeds" "$corpus" ;;
  *) cp "$root/fuzz/seeds/$target/"* "$corpus/" ;;
esac
cd "$out"
export QT_QPA_PLATFORM=offscreen
# Qt keeps caches for the whole process; only real leaks in our code matter here.
export ASAN_OPTIONS=detect_leaks=0
"$build/fuzz/$target" -max_total_time="$seconds" -max_len=65536 -rss_limit_mb=4096 -timeout=30 \
  -print_final_stats=1 "$corpus" 2>&1 | grep -v -E '^#[0-9]+[[:space:]]+(NEW|REDUCE|pulse)' || exit "${PIPESTATUS[0]}"
