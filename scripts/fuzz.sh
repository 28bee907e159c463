#!/usr/bin/env bash
# Fuzzes the engine, the number texts and the graph file reader with libFuzzer.
#
#   scripts/fuzz.sh [seconds per target, default 120] [more libFuzzer options]
#
# Builds build-fuzz with Clang (libFuzzer, AddressSanitizer, UBSan), then runs
# the fuzz targets one after another, each on a scratch copy of its seed
# corpus (build-fuzz/fuzz-corpus/<target>/), so that fuzz/corpus/ only grows
# by hand. Crashes, hangs and leaks are written to build-fuzz/artifacts/<target>/;
# the script exits non-zero if any target found one. Needs no network.
set -euo pipefail
cd "$(dirname "$0")/.."

seconds=${1:-120}
shift || true
build=build-fuzz
targets=(symbolic number graph_file)

# Clang and its libFuzzer runtime, from Debian, when they are missing.
for package in clang libclang-rt-14-dev; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends \
      clang libclang-rt-14-dev
    break
  fi
done

CC=clang CXX=clang++ cmake -S . -B "$build" -DKURVALON_FUZZ=ON -DKURVALON_BENCH=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target "${targets[@]/%/_fuzz}"

# A crash stops a target's run; the sanitizers stop at the first report.
export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:detect_stack_use_after_return=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

failed=0
summary=()
for target in "${targets[@]}"; do
  corpus=$build/fuzz-corpus/$target
  artifacts=$build/artifacts/$target
  log=$build/artifacts/$target.log
  rm -rf "$corpus" "$artifacts"
  mkdir -p "$corpus" "$artifacts"
  cp fuzz/corpus/"$target"/* "$corpus"/
  seeds=$(find "$corpus" -type f | wc -l)

  options=(-max_total_time="$seconds" -print_final_stats=1 -artifact_prefix="$artifacts"/)
  if [ "$target" = symbolic ]; then
    # Above the engine's own time limit of 5 s: a request it fails to stop is a hang.
    # Giac's large intermediates stay in the sanitizer's heap, so its RSS keeps well above 1 GB.
    options+=(-timeout=12 -rss_limit_mb=4096 -dict=fuzz/symbolic.dict)
  else
    options+=(-timeout=10)
  fi

  echo "=== $target: ${seconds}s, $seeds seed inputs"
  status=0
  "$build/fuzz/${target}_fuzz" "${options[@]}" "$@" "$corpus" >"$log" 2>&1 || status=$?

  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
  coverage=$(grep -E '^#[0-9]+.*cov: ' "$log" | tail -n 1 || true)
  cov=$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$coverage")
  ft=$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$coverage")
  found=$(find "$artifacts" -type f \( -name 'crash-*' -o -name 'timeout-*' -o -name 'leak-*' \
    -o -name 'oom-*' \) | sort)
  count=$(grep -c . <<<"$found" || true)
  new=$(($(find "$corpus" -type f | wc -l) - seeds))

  line="$target: ${runs:-?} executions, cov ${cov:-?}, ft ${ft:-?}, $new new corpus inputs,"
  line+=" $count crashes/hangs/leaks (exit $status)"
  echo "$line"
  summary+=("$line")
  if [ "$count" -gt 0 ] || [ "$status" -ne 0 ]; then
    failed=1
    echo "$found" | sed 's/^/  /'
    grep -E '^(==[0-9]+==ERROR|SUMMARY|.*runtime error|.* property broken|.*contract broken)' \
      "$log" | head -n 5 | sed 's/^/  /' || true
    echo "  log: $log"
  fi
done

echo
echo "=== summary (${seconds}s per target)"
printf '%s\n' "${summary[@]}"
exit "$failed"
