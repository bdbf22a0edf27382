#!/bin/sh
# Fuzzes one reader with libFuzzer (AddressSanitizer and UndefinedBehaviorSanitizer):
#
#   scripts/fuzz.sh READER SECONDS [WORKERS]
#
# READER: project_editor project_checker plate_segment listing_tessmor listing_viewer
#         model_text_converter dxf_import settings_profile viewer_ini
# The first run installs what is missing (the build's packages, clang and
# its sanitizer and fuzzer runtimes) and configures build-fuzz/ with clang
# and QUOR_FUZZ=ON. Inputs the fuzzer finds are kept in
# build-fuzz/corpus/READER (the checked-in seeds in fuzz/corpus are read,
# never written); an input that breaks the reader is left in
# build-fuzz/findings/READER/. Prints the executions and coverage.
set -eu

usage() {
  echo "usage: $0 READER SECONDS [WORKERS]" >&2
  exit 2
}

[ $# -ge 2 ] || usage
reader=$1
seconds=$2
workers=${3:-1}

case $reader in
  project_editor | project_checker) seeds=qlx ;;
  plate_segment) seeds=sg1 ;;
  listing_tessmor | listing_viewer) seeds=lst ;;
  model_text_converter) seeds=model_text ;;
  dxf_import) seeds=dxf ;;
  settings_profile) seeds=profile ;;
  viewer_ini) seeds=viewer_ini ;;
  *) usage ;;
esac

root=$(cd "$(dirname "$0")/.." && pwd)
build=${QUOR_FUZZ_BUILD:-$root/build-fuzz}

if [ ! -f "$build/CMakeCache.txt" ]; then
  "$root/scripts/install-deps.sh" clang libclang-rt-dev
  CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DQUOR_FUZZ=ON -DQUOR_WITH_GUI=OFF -DQUOR_WERROR=OFF >/dev/null
fi
cmake --build "$build" --target "fuzz_$reader" >/dev/null

corpus=$build/corpus/$reader
findings=$build/findings/$reader
mkdir -p "$corpus" "$findings"
log=$build/fuzz-$reader.log

# The stages print their code on standard output: closed (-close_fd_mask=1).
# One worker stops at the first fault; several (fork mode) go on past faults.
mode="-print_final_stats=1"
[ "$workers" -gt 1 ] && mode="-fork=$workers -ignore_crashes=1 -ignore_timeouts=1 -ignore_ooms=1"
set +e
# shellcheck disable=SC2086
ASAN_OPTIONS=detect_leaks=1 "$build/fuzz/fuzz_$reader" "$corpus" "$root/fuzz/corpus/$seeds" \
  -max_total_time="$seconds" -timeout=30 -rss_limit_mb=4096 -close_fd_mask=1 \
  -artifact_prefix="$findings/" $mode >"$log" 2>&1
status=$?
set -e

execs=$(grep -o '^#[0-9][0-9]*' "$log" | tail -n 1 | tr -d '#')
cov=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 | awk '{print $2}')
# Slow units (over 10 s) are reported apart: a large grid is slow, not wrong.
found=$(find "$findings" -type f \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' -o -name 'oom-*' \) | wc -l)
slow=$(find "$findings" -type f -name 'slow-unit-*' | wc -l)
echo "$reader: $seconds s x $workers, ${execs:-0} executions, coverage ${cov:-?} edges," \
  "$found finding(s) and $slow slow unit(s) in $findings"
echo "log: $log"
exit $status
