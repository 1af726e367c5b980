#!/bin/sh
# Builds the user-menu file reader's libFuzzer target with clang, outside
# the CMake build, writes its seed corpus (small good files and the largest
# one) and runs it for a bounded time.
#
#   fuzz/run-usermenu-fuzz.sh [SECONDS] [libFuzzer options...]
#
# SECONDS defaults to 60. The corpus grows in build-fuzz/usermenu/corpus (or
# $KESTROVANE_FUZZ_DIR/corpus); findings are written there as crash-*,
# timeout-*, oom-* or leak-* and make the script exit non-zero. Needs clang
# and libclang-rt-14-dev (for -fsanitize=fuzzer).
set -eu

seconds=${1:-60}
[ $# -gt 0 ] && shift
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
work=${KESTROVANE_FUZZ_DIR:-$root/build-fuzz/usermenu}
settings=$root/settings
mkdir -p "$work/corpus" "$work/seeds"

clang++ -std=c++20 -g -O1 -fno-omit-frame-pointer -fsanitize=fuzzer,address,undefined \
    -fno-sanitize-recover=undefined -I"$root/platform/include" -I"$settings" \
    "$here/user_menu_fuzzer.cpp" "$settings/user_menu_file.cpp" -o "$work/user_menu_fuzzer"

# Writes each argument, eight hex digits, as a big-endian longword.
longs() {
    for word in "$@"; do
        for byte in $(echo "$word" | sed 's/../& /g'); do
            printf "\\$(printf '%03o' "0x$byte")"
        done
    done
}

# A padded string: the text, its NUL and filler to the next four bytes.
padded() {
    printf '%s' "$1"
    n=$(( (${#1} + 4) / 4 * 4 - ${#1} ))
    head -c "$n" /dev/zero
}

# One item: name, function, the four flag bytes, stack, start always, window.
item() {
    padded "$1"
    padded "$2"
    longs "$3" 00004000 "$4"
    padded "CON:64/64/475/128/Kestrovane output/AUTO/CLOSE/WAIT"
}

{ longs 00000001; padded Tools; longs 00000001; item Each 'rec %s %P' 00000000 00000000; } > "$work/seeds/one"
{
    longs 00000002
    padded Abc; longs 00000002
    item Ask 'lha a %iName?%i %s' 01FFFF01 00000001
    item Go '%lWork:' 00000000 00000000
    padded Abcd; longs 00000001
    item '' '' 00800000 00000000
} > "$work/seeds/two"
# The largest file: ten menus of ten items with every text at its edited limit.
name=$(printf 'N%.0s' $(seq 19))
function=$(printf 'f%.0s' $(seq 1023))
{
    longs 0000000A
    for m in 1 2 3 4 5 6 7 8 9 10; do
        padded "$name"; longs 0000000A
        for i in 1 2 3 4 5 6 7 8 9 10; do item "$name" "$function" 01800001 00000001; done
    done
} > "$work/seeds/largest"

cd "$work"
exec ./user_menu_fuzzer -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=131072 \
    -artifact_prefix="$work/" "$@" corpus seeds
