#!/bin/sh
# Chunking and restoring a big file against split -b plus cat, and comparing two 50 MB texts.
#   bench/filetools.sh BUILD_DIR [MEGABYTES]   (default 1024)
set -eu
build=$1
mb=${2:-1024}
job=$build/bench/filetools_job
work=$(mktemp -d "${TMPDIR:-/tmp}/lexmill-filetools.XXXXXX")
trap 'rm -rf "$work"' EXIT
chunk=104857600

head -c $((mb * 1048576)) /dev/urandom >"$work/big"
start=$(date +%s.%N)
mkdir "$work/split" && split -b $chunk "$work/big" "$work/split/part." && cat "$work/split"/part.* >"$work/joined"
end=$(date +%s.%N)
ref=$(echo "$end - $start" | bc)
rm -rf "$work/split" "$work/joined"
# The chunker flushes every chunk and the restored file to the disk; the same with split, cat and sync.
start=$(date +%s.%N)
mkdir "$work/split" && split -b $chunk "$work/big" "$work/split/part." && sync "$work/split"/part.* &&
  cat "$work/split"/part.* >"$work/joined" && sync "$work/joined"
end=$(date +%s.%N)
synced=$(echo "$end - $start" | bc)
rm -rf "$work/split" "$work/joined"
out=$("$job" chunk "$work/big" "$work/chunker" $chunk)
echo "$out"
ours=$(echo "$out" | sed 's/.*total \([0-9.]*\) s.*/\1/')
echo "split+cat ${ref} s; chunker ${ours} s; ratio $(echo "scale=2; $ours / $ref" | bc)"
echo "split+cat+sync ${synced} s; ratio $(echo "scale=2; $ours / $synced" | bc)"
rm -rf "$work/big" "$work/chunker"

for f in a b; do
  (while :; do cat "$(dirname "$0")"/../samples/texts/*.txt; done) | head -c 52428800 >"$work/$f"
done
printf 'x' | dd of="$work/b" bs=1 seek=40000000 conv=notrunc 2>/dev/null
"$job" compare "$work/a" "$work/b"
