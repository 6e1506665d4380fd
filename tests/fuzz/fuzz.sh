#!/usr/bin/env bash
# Runs the fuzz targets of a build configured with -DSTROYLIK_FUZZ=ON (see README.md here).
#   tests/fuzz/fuzz.sh [--brief] [--runs N] [--jobs J] [--max-len BYTES] BUILD [TARGET...]
# Without targets, all of them run, one after the other (J at a time with --jobs).
# --brief: a few thousand inputs, new inputs thrown away (ctest uses this).
# --max-len: the largest input for every target named (default: see max_len_of below).
# Otherwise each target grows its corpus in BUILD/fuzz-corpus/TARGET (starting from
# BUILD/fuzz-seeds/TARGET), logs to BUILD/fuzz-logs/TARGET.log and leaves any input that
# crashes in BUILD/fuzz-findings/TARGET/. Exit status 1 when any target found something.
set -uo pipefail
brief=0
runs=10000000
jobs=1
max_len=""
while [ $# -gt 0 ]; do
  case "$1" in
    --brief) brief=1; shift ;;
    --runs) runs="$2"; shift 2 ;;
    --jobs) jobs="$2"; shift 2 ;;
    --max-len) max_len="$2"; shift 2 ;;
    *) break ;;
  esac
done
[ $# -ge 1 ] || { sed -n 2,9p "$0"; exit 2; }
build="$(cd "$1" && pwd)"; shift
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for bin in "$build"/tests/fuzz/fuzz_*; do [ -x "$bin" ] && targets+=("${bin##*/fuzz_}"); done
fi

# Input size limits: a box 2 save is about 3 MB and each of its inputs takes long. Long runs
# keep the other inputs small, where the fuzzer runs fast (the big picture, sound and model
# seeds are then cut; the small seeds keep their structure whole). Brief runs take every seed whole.
max_len_of() {
  if [ -n "$max_len" ]; then echo "$max_len"; return; fi
  case "$1" in
    box2_save) echo 4000000 ;;
    *) if [ $brief = 1 ]; then echo 1048576; else echo 65536; fi ;;
  esac
}
brief_runs_of() { case "$1" in box2_save) echo 100 ;; model | music) echo 1000 ;; *) echo 3000 ;; esac; }

# Any one allocation past 512 MB is a finding: no file of the game needs that much.
common=(-rss_limit_mb=2048 -malloc_limit_mb=512 -timeout=60 -print_final_stats=1)

run_one() {
  local name="$1" bin="$build/tests/fuzz/fuzz_$1" seeds="$build/fuzz-seeds/$1"
  local len; len=$(max_len_of "$name")
  local opts=("${common[@]}")
  opts+=(-max_len="$len")
  if [ $brief = 1 ]; then
    local work; work=$(mktemp -d)
    "$bin" "${opts[@]}" -runs="$(brief_runs_of "$name")" -seed=1 -artifact_prefix="$work/" "$work" "$seeds"
    local status=$?
    [ $status = 0 ] || ls -l "$work"/crash-* "$work"/leak-* "$work"/oom-* "$work"/timeout-* 2>/dev/null
    rm -rf "$work"
    return $status
  fi
  local corpus="$build/fuzz-corpus/$name" findings="$build/fuzz-findings/$name/"
  mkdir -p "$corpus" "$findings" "$build/fuzz-logs"
  "$bin" "${opts[@]}" -runs="$runs" -artifact_prefix="$findings" "$corpus" "$seeds" >"$build/fuzz-logs/$name.log" 2>&1
  local status=$?
  echo "$name: exit $status, $(grep -o 'stat::number_of_executed_units: [0-9]*' "$build/fuzz-logs/$name.log" | tail -1)"
  return $status
}

failed=0
running=0
for t in "${targets[@]}"; do
  if [ $brief = 1 ] || [ "$jobs" -le 1 ]; then
    run_one "$t" || failed=1
  else
    run_one "$t" &
    running=$((running + 1))
    if [ $running -ge "$jobs" ]; then wait -n || failed=1; running=$((running - 1)); fi
  fi
done
while [ $running -gt 0 ]; do wait -n || failed=1; running=$((running - 1)); done
exit $failed
