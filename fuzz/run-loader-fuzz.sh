#!/bin/sh
# Builds the executable loader's libFuzzer target with clang, outside the
# CMake build, and runs it for a bounded time.
#
#   fuzz/run-loader-fuzz.sh [SECONDS] [libFuzzer options...]
#
# SECONDS defaults to 60. The corpus grows in build-fuzz/loader/corpus (or
# $KESTROVANE_FUZZ_DIR/corpus); findings are written there as crash-*,
# timeout-*, oom-* or leak-* and make the script exit non-zero. Needs clang
# and libclang-rt-14-dev (for -fsanitize=fuzzer).
set -eu

seconds=${1:-60}
[ $# -gt 0 ] && shift
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
work=${KESTROVANE_FUZZ_DIR:-$root/build-fuzz/loader}
dos=$root/platform/dos
mkdir -p "$work/corpus" "$work/seeds"

clang++ -std=c++20 -g -O1 -fno-omit-frame-pointer -fsanitize=fuzzer,address,undefined \
    -fno-sanitize-recover=undefined -I"$root/platform/include" -I"$dos" \
    "$here/loader_fuzzer.cpp" "$dos/loader_segments.cpp" "$dos/loader_hunk.cpp" "$dos/loader_elf.cpp" \
    -o "$work/loader_fuzzer"

# Writes each argument, eight hex digits, as a big-endian longword.
longs() {
    for word in "$@"; do
        for byte in $(echo "$word" | sed 's/../& /g'); do
            printf "\\$(printf '%03o' "0x$byte")"
        done
    done
}

# A hunk executable with every block the loader reads: a named code hunk
# holding a resident structure (relocated to itself and to a version text in
# the data hunk) with symbols, a short relocation, a data hunk and a BSS hunk
# with a debug block.
longs 000003F3 00000000 00000003 00000000 00000002 00000008 40000002 00000010 \
      000003E8 00000001 636F6465 \
      000003E9 00000008 4AFC0000 00000000 00200101 00000000 00000000 00000000 00000000 00000000 \
      000003EC 00000001 00000000 00000002 00000001 00000001 00000012 00000000 \
      000003FC 00010000 00060000 \
      000003F0 00000001 73796D00 00000000 00000000 \
      000003F2 \
      000003EA 00000002 24564552 3A206100 000003F2 \
      000003EB 00000010 000003F1 00000001 DEADBEEF 000003F2 > "$work/seeds/hunk"

# ELF seeds: this host's own kind of executable, and relocatable objects of
# two classes and byte orders (the second is the system's PowerPC form).
cp /bin/true "$work/seeds/elf-executable"
program='const char version[] = "$VER: seed 1.0"; int counter; int get(void) { return counter; }'
echo "$program" | clang -c -x c - -o "$work/seeds/elf-relocatable-64.o"
echo "$program" | clang --target=powerpc-unknown-linux-gnu -c -x c - -o "$work/seeds/elf-relocatable-ppc.o" ||
    echo "no PowerPC target in this clang; seeding without it"

cd "$work"
exec ./loader_fuzzer -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
    -dict="$here/loader.dict" -artifact_prefix="$work/" "$@" corpus seeds
