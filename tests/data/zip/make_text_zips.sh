#!/bin/sh
# Rebuilds the archives of the texts/ folder: part1.zip (deflated, with an archive comment) holds the
# files at the top, part2.zip (stored, no compression) the sub-folder. Needs Info-ZIP zip. Run from here.
set -e
rm -f part1.zip part2.zip
(cd texts && TZ=UTC zip -X -q -9 -z ../part1.zip candide-windows-1252.txt note.txt <<'C'
Two texts at the top of the folder.
C
)
(cd texts && TZ=UTC zip -X -q -0 -r ../part2.zip more)
