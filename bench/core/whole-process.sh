#!/bin/sh
# Whole process, headless: Kestrovane starts, shows a drawer of 9,000 entries
# and quits, against `ls -l` of the same drawer. Prints the median of five
# runs of each and their ratio. Usage: whole-process.sh [build directory]
set -e
build=${1:-build}
program=$(cd "$build/bin" && pwd)/Kestrovane
work=$(mktemp -d "${TMPDIR:-/tmp}/kestrovane-bench-XXXXXX")
# The home's RAM disk (a link to a drawer on a memory file system) goes too.
cleanup() {
  ram=$(readlink "$work/home/RAM" 2>/dev/null || true)
  case "$ram" in
    /*/kestrovane-*) rm -rf "$ram" ;;
  esac
  rm -rf "$work"
}
trap cleanup EXIT

mkdir -p "$work/drawer" "$work/prog" "$work/home"
i=0
while [ $i -lt 9000 ]; do
  : > "$work/drawer/entry$i"
  i=$((i + 1))
done
cp "$program" "$work/prog/Kestrovane"
# A settings file whose "Bitmap" buffer holds the whole list (9,000 lines of
# the test font): the defaults but 200 Mb there.
python3 - "$work/prog/Kestrovane.cfg" <<'PY'
import struct, sys
record = bytearray(100)
struct.pack_into(">10I", record, 0, 0, 1024000, 0, 2048000, 0, 1024000, 0, 1024000, 0, 200 * 1024000)
struct.pack_into(">4I", record, 0x28, 0xEB4E11, 0x100201, 0x2EE2B7, 0x489702)
record[0x38] = 1
struct.pack_into(">H", record, 0x3A, 75)
record[0x3F] = 1
struct.pack_into(">3I", record, 0x40, 0xDBEFEC, 0x32A7AB, 0xEF0032)
record[0x4C] = 0xFF
record[0x4D] = 1
struct.pack_into(">4H", record, 0x58, 32, 32, 450, 256)
record[0x60] = 1
open(sys.argv[1], "wb").write(record)
PY
printf 'wait-idle\nmenu "Project" "Quit"\n' > "$work/script.txt"

now() { date +%s%N; }
median() { sort -n | sed -n 3p; }

run_program() {
  start=$(now)
  KESTROVANE_DISPLAY=headless KESTROVANE_FONT=test KESTROVANE_HOME="$work/home" \
    KESTROVANE_SCRIPT="$work/script.txt" "$work/prog/Kestrovane" "$work/drawer" > /dev/null 2>&1
  echo $(( $(now) - start ))
}
run_ls() {
  start=$(now)
  ls -l "$work/drawer" > /dev/null
  echo $(( $(now) - start ))
}

program_ns=$(for r in 1 2 3 4 5; do run_program; done | median)
ls_ns=$(for r in 1 2 3 4 5; do run_ls; done | median)
echo "whole process, 9000 entries: Kestrovane $((program_ns / 1000)) us, ls -l $((ls_ns / 1000)) us," \
     "ratio $(awk -v a="$program_ns" -v b="$ls_ns" 'BEGIN { printf "%.1f", a / b }')"
