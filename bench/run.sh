#!/usr/bin/env bash
# The installer against its peer (tar -x), the machine's limit (cp, cat) and memcpy,
# side by side in one run. Not part of the tests.
#
#   bench/run.sh [ROUNDS]     ROUNDS timed runs per side, default 7 (small files: 3x)
#
# Builds a native Release tree in build/bench, makes its payloads in a scratch
# directory that it removes again, prints the tables and writes them to
# bench/RESULTS.md. Page cache stays warm: dropping it would disturb everyone else on
# the machine, and all sides read the same cached input.
set -euo pipefail

rounds=${1:-7}
small_rounds=$((rounds * 3))
source_dir=$(cd "$(dirname "$0")/.." && pwd)
build_dir=$source_dir/build/bench
results=$source_dir/bench/RESULTS.md

for tool in tar cp cat sync /usr/bin/time; do
  command -v "$tool" >/dev/null || { echo "run.sh: needs $tool" >&2; exit 1; }
done

cmake -S "$source_dir" -B "$build_dir" -DCMAKE_BUILD_TYPE=Release -DDOVA_BUILD_TESTS=OFF \
  -DDOVA_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$build_dir" -j2 --target dova-setup dova-pack dova-decode-bench >/dev/null
setup=$build_dir/bin/dova-setup
pack=$build_dir/bin/dova-pack

scratch=$(mktemp -d "${TMPDIR:-/tmp}/dova-bench.XXXXXX")
trap 'rm -rf "$scratch"' EXIT

# --- payloads -------------------------------------------------------------------------
# make_payload DIR COUNT KIB: COUNT files of random bytes, their setup archive and an
# uncompressed tar of the same files.
make_payload() {
  local dir=$1 count=$2 kib=$3 i
  mkdir -p "$dir/plain"
  for ((i = 0; i < count; i++)); do
    head -c "$((kib * 1024))" /dev/urandom >"$dir/plain/$(printf 'F%03d.BIN' "$i")"
  done
  (cd "$dir/plain" && "$pack" create "$dir/DUVOVAV.DAT" F*.BIN)
  tar -cf "$dir/files.tar" -C "$dir/plain" .
}

echo "making payloads in $scratch ..." >&2
make_payload "$scratch/large" 64 $((8 * 1024))  # 512 MiB
make_payload "$scratch/small" 256 4
make_payload "$scratch/medium" 64 1024          # 64 MiB, for peak memory only

# --- timing ---------------------------------------------------------------------------
# Each side runs into an empty directory, after sync, so that no earlier side's
# write-back overlaps it. $EPOCHREALTIME costs no process, so only the command is timed.
# CPU time (user + system, of the command and its children) is reported beside the
# wall time: other people's work on a shared machine moves it less.
out=$scratch/out
TIMEFORMAT='%3U %3S'


fresh_output() {
  rm -rf "$out"
  mkdir "$out"
  sync
}

# measure COMMAND...: prints its wall time and its CPU time, in microseconds.
measure() {
  local start end user system
  start=$EPOCHREALTIME
  { time "$@" >/dev/null 2>&1; } 2>"$scratch/cpu"
  end=$EPOCHREALTIME
  read -r user system <"$scratch/cpu"
  echo "$((${end/./} - ${start/./})) $(awk -v u="$user" -v s="$system" 'BEGIN { printf "%d", (u + s) * 1e6 }')"
}

install_into_out() { (cd "$1" && "$setup" --silent "$out/A51.EXE"); }
tar_into_out() { tar -xf "$1/files.tar" -C "$out"; }
cp_into_out() { cp "$1"/plain/* "$out"/; }
cat_archive() { cat "$1/DUVOVAV.DAT"; }

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# compare PAYLOAD ROUNDS SIDE...: runs the sides in turn, starting each round with the
# next side, and leaves each side's medians in microseconds in wall[SIDE] and cpu[SIDE].
declare -A wall cpu
compare() {
  local payload=$1 count=$2 round i side w c
  shift 2
  local sides=("$@")
  declare -A walls cpus
  for ((round = 0; round < count; round++)); do
    for ((i = 0; i < ${#sides[@]}; i++)); do
      side=${sides[$(((round + i) % ${#sides[@]}))]}
      fresh_output
      read -r w c < <(measure "$side" "$payload")
      walls[$side]+="$w "
      cpus[$side]+="$c "
    done
  done
  for side in "${sides[@]}"; do
    wall[$side]=$(tr ' ' '\n' <<<"${walls[$side]}" | grep . | median)
    cpu[$side]=$(tr ' ' '\n' <<<"${cpus[$side]}" | grep . | median)
  done
}

# Checks once that the installer really installed, so that a fast failure is not
# taken for a fast installation.
check_install() {
  fresh_output
  install_into_out "$1" >/dev/null
  cmp -s "$1/plain/F000.BIN" "$out/F000.BIN" &&
    cmp -s "$1/plain/F001.BIN" "$out/DINC/F001.BIN" || {
    echo "run.sh: the installation of $1 is wrong" >&2
    exit 1
  }
}
check_install "$scratch/large"
check_install "$scratch/small"

echo "large files: $rounds rounds ..." >&2
compare "$scratch/large" "$rounds" install_into_out tar_into_out cp_into_out cat_archive
declare -A large large_cpu
for side in install_into_out tar_into_out cp_into_out cat_archive; do
  large[$side]=${wall[$side]}
  large_cpu[$side]=${cpu[$side]}
done

echo "small files: $small_rounds rounds ..." >&2
compare "$scratch/small" "$small_rounds" install_into_out tar_into_out
declare -A small small_cpu
for side in install_into_out tar_into_out; do
  small[$side]=${wall[$side]}
  small_cpu[$side]=${cpu[$side]}
done

# --- system calls ---------------------------------------------------------------------
# read and write calls per run, where strace is at hand
syscalls() {
  fresh_output
  strace -f -c -o "$scratch/strace" "$@" >/dev/null 2>&1
  awk '$NF == "read" { r = $4 } $NF == "write" { w = $4 } END { printf "%d | %d", r, w }' "$scratch/strace"
}
if command -v strace >/dev/null; then
  calls_install=$(syscalls sh -c 'cd "$1" && exec "$2" --silent "$3/A51.EXE"' - "$scratch/large" "$setup" "$out")
  calls_tar=$(syscalls tar -xf "$scratch/large/files.tar" -C "$out")
fi

# --- peak memory ----------------------------------------------------------------------
max_rss_kib() {
  fresh_output
  /usr/bin/time -f '%M' -o "$scratch/rss" "$@" >/dev/null
  cat "$scratch/rss"
}
rss_small=$(max_rss_kib sh -c 'cd "$1" && exec "$2" --silent "$3/A51.EXE"' - "$scratch/small" "$setup" "$out")
rss_medium=$(max_rss_kib sh -c 'cd "$1" && exec "$2" --silent "$3/A51.EXE"' - "$scratch/medium" "$setup" "$out")
rss_large=$(max_rss_kib sh -c 'cd "$1" && exec "$2" --silent "$3/A51.EXE"' - "$scratch/large" "$setup" "$out")
rss_tar=$(max_rss_kib tar -xf "$scratch/large/files.tar" -C "$out")
rss_cp=$(max_rss_kib sh -c 'exec cp "$1"/plain/* "$2"/' - "$scratch/large" "$out")

# --- decoding -------------------------------------------------------------------------
echo "decoding ..." >&2
"$build_dir/bin/dova-decode-bench" --benchmark_repetitions="$((rounds < 3 ? 3 : rounds))" \
  --benchmark_enable_random_interleaving=true --benchmark_report_aggregates_only=true \
  --benchmark_format=csv 2>/dev/null >"$scratch/decode.csv"
# bytes per second of the median row, in GB/s (10^9 bytes)
gbps() { awk -F, -v row="\"$1_median\"" '$1 == row { printf "%.1f", $6 / 1e9 }' "$scratch/decode.csv"; }

# --- report ---------------------------------------------------------------------------
ms() { awk -v us="$1" 'BEGIN { printf "%.1f", us / 1000 }'; }
mbps() { awk -v us="$1" -v mib="$2" 'BEGIN { printf "%.0f", mib * 1048576 / us }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
mib() { awk -v k="$1" 'BEGIN { printf "%.2f", k / 1024 }'; }

piece=18958
block=8388608
report() {
  local i=${large[install_into_out]} ic=${large_cpu[install_into_out]}
  local s=${small[install_into_out]} sc=${small_cpu[install_into_out]}
  echo "Command: \`bench/run.sh $rounds\` ($rounds rounds per side, $small_rounds for small files;"
  echo "medians; warm page cache; \`sync\` before every timed run). Date: $(date -u '+%Y-%m-%d %H:%M UTC')."
  echo "Machine: $(nproc) CPUs, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'),"
  echo "$(awk '/MemTotal/ { printf "%.0f GiB", $2 / 1048576 }' /proc/meminfo) RAM,"
  echo "$(df -T "$scratch" | awk 'NR == 2 { print $2 }') file system; load average at the end: $(cut -d' ' -f1-3 /proc/loadavg)."
  echo
  echo "Large files: 64 files, 512 MiB in all. Speed-up = the other side's time / dova-setup's"
  echo "time (above 1: dova-setup is faster). CPU = user + system time of the process; wall"
  echo "time also holds the time other work on the machine took the processor away."
  echo
  echo "| side | wall ms | MB/s | speed-up | CPU ms | CPU speed-up |"
  echo "|---|---:|---:|---:|---:|---:|"
  for side in install_into_out tar_into_out cp_into_out cat_archive; do
    local label
    case $side in
      install_into_out) label='`dova-setup --silent` (reads, decodes, writes)' ;;
      tar_into_out) label='`tar -xf` of the plain tar (the peer; goal ≥ 1.10)' ;;
      cp_into_out) label='`cp` of the plain files (the limit)' ;;
      cat_archive) label='`cat DUVOVAV.DAT > /dev/null` (reading alone)' ;;
    esac
    echo "| $label | $(ms "${large[$side]}") | $(mbps "${large[$side]}" 512) | $(ratio "${large[$side]}" "$i") | $(ms "${large_cpu[$side]}") | $(ratio "${large_cpu[$side]}" "$ic") |"
  done
  echo
  echo "Small files: 256 files of 4 KiB."
  echo
  echo "| side | wall ms | speed-up | CPU ms | CPU speed-up |"
  echo "|---|---:|---:|---:|---:|"
  echo "| \`dova-setup --silent\` | $(ms "$s") | 1.00 | $(ms "$sc") | 1.00 |"
  echo "| \`tar -xf\` (goal ≥ 1.10) | $(ms "${small[tar_into_out]}") | $(ratio "${small[tar_into_out]}" "$s") | $(ms "${small_cpu[tar_into_out]}") | $(ratio "${small_cpu[tar_into_out]}" "$sc") |"
  if [[ -n ${calls_install:-} ]]; then
    echo
    echo "System calls for the 512 MiB (strace -c)."
    echo
    echo "| side | read calls | write calls |"
    echo "|---|---:|---:|"
    echo "| \`dova-setup\` | $calls_install |"
    echo "| \`tar -xf\` | $calls_tar |"
  fi
  echo
  echo "Decoding in place vs memcpy of the same buffer (Google Benchmark, median of $((rounds < 3 ? 3 : rounds)), interleaved)."
  echo
  echo "| buffer | decode GB/s | memcpy GB/s | decode / memcpy (goal ≥ 0.50) |"
  echo "|---|---:|---:|---:|"
  local size
  for size in $piece $block; do
    local d m
    d=$(gbps "decode/$size")
    m=$(gbps "memcpy/$size")
    echo "| $size bytes | $d | $m | $(ratio "$d" "$m") |"
  done
  echo
  echo "Peak memory (max RSS of the process; goal < 4 MiB whatever the archive's size)."
  echo
  echo "| run | max RSS MiB |"
  echo "|---|---:|"
  echo "| \`dova-setup\`, 256 × 4 KiB (1 MiB archive) | $(mib "$rss_small") |"
  echo "| \`dova-setup\`, 64 × 1 MiB (64 MiB archive) | $(mib "$rss_medium") |"
  echo "| \`dova-setup\`, 64 × 8 MiB (512 MiB archive) | $(mib "$rss_large") |"
  echo "| \`tar -xf\`, 512 MiB | $(mib "$rss_tar") |"
  echo "| \`cp\`, 512 MiB | $(mib "$rss_cp") |"
}

report | tee "$scratch/report.md"
{
  echo "# Benchmark results"
  echo
  cat "$scratch/report.md"
} >"$results"
echo "written to $results" >&2
