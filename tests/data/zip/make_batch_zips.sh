#!/bin/sh
# Rebuilds the batch-archive fixtures: small zips of list files whose archive comment names the list kind.
# Needs the Info-ZIP tools (zip, zipnote). Run from this folder.
set -e
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
printf 'first list\n' > "$work/one.lst"
printf 'second list\n' > "$work/two.lst"
printf 'third list\n' > "$work/three.lst"

# make NAME COMMENT FILES...: the archive with its comment set through zipnote.
make() {
  name=$1 comment=$2
  shift 2
  rm -f "$name"
  (cd "$work" && TZ=UTC zip -X -q -D "$OLDPWD/$name.tmp.zip" "$@")
  mv "$name.tmp.zip" "$name"
  zipnote "$name" | sed '/^@ (zip file comment below this line)/q' > "$work/notes"
  printf '%s\n' "$comment" >> "$work/notes"
  zipnote -w "$name" < "$work/notes"
}

make batch_lst.zip 'Lexmill Batch file .lst' one.lst two.lst three.lst
make batch_prefix_only.zip 'Lexmill Batch file ' one.lst
make batch_unknown_ext.zip 'Lexmill Batch file .xyz' one.lst two.lst
