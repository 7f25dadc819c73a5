#!/usr/bin/env bash
# windows/runs-32bit-programs both ways: a program that starts, and one whose
# format the kernel refuses (a copy of a host program with no machine
# number), which is what a machine without 32-bit support answers.
set -euo pipefail
check=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

bash "$check" /bin/true || { echo "a program that starts was taken as unrunnable"; exit 1; }

cp /bin/true "$work/foreign"
printf '\000\000' | dd of="$work/foreign" bs=1 seek=18 conv=notrunc 2>/dev/null
if said=$(bash "$check" "$work/foreign"); then
  echo "a program the kernel refuses was taken as runnable"; exit 1
fi
[ "$said" = "this machine cannot run 32-bit programs (Exec format error)" ] || { echo "said: $said"; exit 1; }

# The built-in probe assembles and gives one of the two answers.
status=0; bash "$check" >/dev/null || status=$?
[ "$status" -le 1 ] || { echo "the built-in probe failed with $status"; exit 1; }
echo "runs-32bit-programs: both answers checked"
