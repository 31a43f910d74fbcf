#!/usr/bin/env bash
# Fuzzes the LZH decoder, the container parser and the encoder's round trip with libFuzzer,
# AddressSanitizer and UndefinedBehaviorSanitizer (clang from Debian's packages).
#   scripts/fuzz.sh [SECONDS]      default 60
# New inputs go to build/fuzz/corpus; copy the ones worth keeping, small, to tests/fuzz/corpus,
# which the tests replay. A crash leaves its input in build/fuzz.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
seconds=${1:-60}
out="$root/build/fuzz"
mkdir -p "$out/corpus"

clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=all \
  -finput-charset=UTF-8 -I"$root" \
  "$root/tests/fuzz/lzh_fuzzer.cpp" "$root"/codec/{LzhTree,LzhPack,Container}.cpp \
  -o "$out/lzh_fuzzer"

cd "$out"
./lzh_fuzzer -max_total_time="$seconds" -max_len=4096 -timeout=10 -rss_limit_mb=1024 \
  "$out/corpus" "$root/tests/fuzz/corpus"
