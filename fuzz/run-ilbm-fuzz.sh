#!/bin/sh
# Builds the IFF ILBM reader's libFuzzer target with clang, outside the CMake
# build, writes its seed corpus (small valid pictures of every kind) and runs
# it for a bounded time.
#
#   fuzz/run-ilbm-fuzz.sh [SECONDS] [libFuzzer options...]
#
# SECONDS defaults to 60. The corpus grows in build-fuzz/ilbm/corpus (or
# $KESTROVANE_FUZZ_DIR/corpus); findings are written there as crash-*,
# timeout-*, oom-* or leak-* and make the script exit non-zero. Needs clang
# and libclang-rt-14-dev (for -fsanitize=fuzzer).
set -eu

seconds=${1:-60}
[ $# -gt 0 ] && shift
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
work=${KESTROVANE_FUZZ_DIR:-$root/build-fuzz/ilbm}
dt=$root/platform/datatypes
mkdir -p "$work/corpus" "$work/seeds"

sources="$dt/ilbm.cpp $dt/ilbm_body.cpp $dt/identify.cpp"
flags="-std=c++20 -g -fno-omit-frame-pointer -I$root/platform/include -I$dt"

# shellcheck disable=SC2086
clang++ $flags -O1 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    "$here/ilbm_fuzzer.cpp" $sources -o "$work/ilbm_fuzzer"
# shellcheck disable=SC2086
clang++ $flags -O1 -DILBM_SEED_WRITER "$here/ilbm_fuzzer.cpp" $sources -o "$work/ilbm_seeds"
"$work/ilbm_seeds" "$work/seeds"

# The chunk names and header values the reader looks for.
{
    for word in FORM ILBM "PBM " BMHD CMAP CAMG BODY NAME AUTH "(c) " ANNO; do
        printf '"%s"\n' "$word"
    done
    printf '"\\x00\\x00\\x08\\x00"\n"\\x00\\x00\\x00\\x80"\n"\\x80"\n"\\x7f"\n"\\xff\\xff"\n'
} > "$work/ilbm.dict"

cd "$work"
exec ./ilbm_fuzzer -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=32768 \
    -dict="$work/ilbm.dict" -artifact_prefix="$work/" "$@" corpus seeds
