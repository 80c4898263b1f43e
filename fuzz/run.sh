#!/bin/sh
# fuzz/run.sh [SECONDS] [TARGET...]: builds the fuzz preset, makes the seed
# corpora and runs each fuzz target of fuzz/targets.txt (or only those named)
# for SECONDS (default 60) each. Fails when any target finds a crash, a leak,
# a timeout or a broken invariant; the input that did it is kept under
# build/fuzz/artifacts. The corpora grow under build/fuzz/corpus from run to run.
set -e
cd "$(dirname "$0")/.."
seconds="${1:-60}"
[ $# -gt 0 ] && shift
wanted="$*"

cmake --preset fuzz
cmake --build --preset fuzz

build=build/fuzz
seeds="$build/fuzz/seeds"
mkdir -p "$build/corpus" "$build/artifacts" "$build/logs"
failed=""
total=0

# run NAME SEED_FOLDER MAX_LEN [DICTIONARY]
run() {
  name=$1
  corpus="$build/corpus/$name"
  log="$build/logs/$name.log"
  mkdir -p "$corpus"
  dict=""
  [ -n "$4" ] && dict="-dict=fuzz/$4"
  # shellcheck disable=SC2086
  if "$build/fuzz/${name}_fuzz" "$corpus" "$seeds/$2" -max_total_time="$seconds" \
      -max_len="$3" -len_control=0 -use_value_profile=1 -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$build/artifacts/$name-" $dict >"$log" 2>&1; then
    result="ok"
  else
    result="FAILED"
    failed="$failed $name"
    tail -n 40 "$log"
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n 1)
  edges=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1)
  total=$((total + ${runs:-0}))
  echo "fuzz $name: $result, ${runs:-0} executions in ${seconds} s (${rate:-0}/s), $edges"
}

while read -r name folder maxlen dict; do
  case "$name" in '' | '#'*) continue ;; esac
  if [ -n "$wanted" ] && ! echo " $wanted " | grep -q " $name "; then continue; fi
  run "$name" "$folder" "$maxlen" "$dict"
done <fuzz/targets.txt

echo "fuzz: $total executions in total"
if [ -n "$failed" ]; then
  echo "fuzz: failed:$failed (inputs in $build/artifacts)"
  exit 1
fi
