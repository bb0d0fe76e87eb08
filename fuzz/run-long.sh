#!/bin/sh
# A longer fuzzing session than the tests run: each fuzzer for SECONDS (default 600),
# from fuzz/corpus plus what earlier sessions found. Builds the native-asan preset
# first. Prints libFuzzer's figures; a finding is left as crash-* in build/fuzz-long/.
set -eu
seconds=${1:-600}
repo=$(cd "$(dirname "$0")/.." && pwd)
cd "$repo"
cmake --preset native-asan >/dev/null
cmake --build --preset native-asan --target setup_archive_fuzzer install_procedure_fuzzer
out="$repo/build/fuzz-long"
status=0
for fuzzer in setup_archive_fuzzer install_procedure_fuzzer; do
  mkdir -p "$out/$fuzzer/corpus"
  echo "== $fuzzer, $seconds s"
  if ! "$repo/build/native-asan/bin/$fuzzer" -max_total_time="$seconds" -print_final_stats=1 \
      -artifact_prefix="$out/$fuzzer/" "$out/$fuzzer/corpus" "$repo/fuzz/corpus" >"$out/$fuzzer.log" 2>&1; then
    status=1
    echo "FINDING: see $out/$fuzzer.log"
  fi
  grep -E '^#[0-9]+ +DONE|^stat::|^Done' "$out/$fuzzer.log" || true
  echo "corpus: $(ls "$out/$fuzzer/corpus" | wc -l) inputs"
done
exit $status
