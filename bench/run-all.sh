#!/bin/sh
# Runs every benchmark of the build and prints their ratios. Usage:
# bench/run-all.sh [build directory]. The machine should be otherwise idle;
# every figure is a ratio against a host tool or loop run side by side.
build=${1:-build}
bin="$build/bin"
status=0
for bench in dos_bench bench_graphics intuition_bench lister_bench core_bench partner_bench fileops_bench copy_bench; do
  if [ -x "$bin/$bench" ]; then
    echo "== $bench"
    "$bin/$bench" || status=1
  fi
done
for script in bench/*/*.sh; do
  [ "$script" = "$0" ] && continue
  echo "== $script"
  sh "$script" "$build" || status=1
done
exit $status
