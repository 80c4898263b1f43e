#!/bin/sh
# fuzz/run.sh [SECONDS]: builds the fuzz preset, makes the seed corpora and
# runs every fuzz target for SECONDS (default 60). Fails when any target finds
# a crash, a leak, a timeout or a broken invariant; the input that did it is
# kept under build/fuzz/artifacts.
set -e
cd "$(dirname "$0")/.."
seconds="${1:-60}"

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
      -max_len="$3" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
      -artifact_prefix="$build/artifacts/$name-" $dict >"$log" 2>&1; then
    result="ok"
  else
    result="FAILED"
    failed="$failed $name"
    tail -n 40 "$log"
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  total=$((total + ${runs:-0}))
  echo "fuzz $name: $result, ${runs:-0} executions in ${seconds} s"
}

run text_reader text 262144 text.dict
run zf1_reader zf1 131072
run zf2_reader zf2 1048576
run wav_reader wav 16384
run dxf_reader dxf 65536 dxf.dict
run options_file options 256

echo "fuzz: $total executions in total"
if [ -n "$failed" ]; then
  echo "fuzz: failed:$failed (inputs in $build/artifacts)"
  exit 1
fi
