#!/usr/bin/env bash
# Builds the program, makes the synthetic store once (build/bench-store/) and runs the
# benchmarks against it, then lists the query plans of the statements the cases ran.
#
#   ./bench.sh [--goods N] [--partners N] [--warehouses N] [--documents N] [--lines N]
#              [--days N] [--last-day-sales N] [--seed N] [-- benchmark options]
#
# The sizes can also come from QORVAN_BENCH_GOODS, _PARTNERS, _WAREHOUSES, _DOCUMENTS, _LINES,
# _DAYS, _LAST_DAY_SALES and _SEED. A store made with other sizes is made again.
# QORVAN_BENCH_MIN_TIME (seconds per repetition, default 0.2) and QORVAN_BENCH_REPETITIONS
# (default 5) set how long each case runs; mean and median are over the repetitions.
set -euo pipefail
cd "$(dirname "$0")"

goods=${QORVAN_BENCH_GOODS:-20000}
partners=${QORVAN_BENCH_PARTNERS:-2000}
warehouses=${QORVAN_BENCH_WAREHOUSES:-5}
documents=${QORVAN_BENCH_DOCUMENTS:-100000}
lines=${QORVAN_BENCH_LINES:-1000000}
days=${QORVAN_BENCH_DAYS:-730}
last_day_sales=${QORVAN_BENCH_LAST_DAY_SALES:-5000}
seed=${QORVAN_BENCH_SEED:-1}
min_time=${QORVAN_BENCH_MIN_TIME:-0.2}
repetitions=${QORVAN_BENCH_REPETITIONS:-5}
bench_args=()

while (($#)); do
  case "$1" in
    --goods) goods=$2; shift 2 ;;
    --partners) partners=$2; shift 2 ;;
    --warehouses) warehouses=$2; shift 2 ;;
    --documents) documents=$2; shift 2 ;;
    --lines) lines=$2; shift 2 ;;
    --days) days=$2; shift 2 ;;
    --last-day-sales) last_day_sales=$2; shift 2 ;;
    --seed) seed=$2; shift 2 ;;
    --) shift; bench_args=("$@"); break ;;
    *) echo "unknown option: $1 (benchmark options go after --)" >&2; exit 2 ;;
  esac
done

scripts/install-deps.sh
scripts/build.sh

store=build/bench-store
# The stamp also carries the schema and generator sources: a new index or a changed
# generator makes the store again.
sources=$(cat src/core/db/schema.cpp bench/synthstore.cpp | sha1sum | cut -c1-12)
size="goods=$goods partners=$partners warehouses=$warehouses documents=$documents lines=$lines days=$days last-day-sales=$last_day_sales seed=$seed sources=$sources"
if [ ! -f "$store/Data/db.edb" ] || [ "$(cat "$store/size" 2>/dev/null)" != "$size" ]; then
  # Made beside the old one and moved into place only when complete and checked.
  rm -rf "$store.new"
  echo "generating the store: $size"
  build/bench/qorvan_genstore "$store.new" --goods "$goods" --partners "$partners" --warehouses "$warehouses" \
    --documents "$documents" --lines "$lines" --days "$days" --last-day-sales "$last_day_sales" --seed "$seed" --check
  echo "$size" > "$store.new/size"
  rm -rf "$store"
  mv "$store.new" "$store"
else
  echo "using $store: $size"
fi

build/bench/qorvan_bench --store="$store" --benchmark_min_time="$min_time" \
  --benchmark_repetitions="$repetitions" --benchmark_report_aggregates_only=true ${bench_args[@]+"${bench_args[@]}"}

# A short second run with the statements recorded: its timings are not reported.
echo
build/bench/qorvan_bench --store="$store" --plans --benchmark_min_time=0.01 ${bench_args[@]+"${bench_args[@]}"} \
  2>/dev/null | sed -n '/^Statements run by the cases/,$p'
