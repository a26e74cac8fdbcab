#!/usr/bin/env python3
# Rebuilds the hostile-archive fixtures. Run from this folder.
#   escape.zip:  members named "../escape.txt", "/abs/root.txt" and "sub\..\..\win.txt" (names that would
#                land outside a target folder if used as paths) beside a plain "ok.txt".
#   liar.zip:    one member whose central-directory record claims 4,294,967,294 bytes.
# bomb.zip (5 MiB of zeros, deflated) and truncated.zip (the first 700 bytes of test.zip) were made with
# Info-ZIP zip -9 and head -c.
import struct
import zipfile

def member(z, name, text):
    info = zipfile.ZipInfo(name, date_time=(2020, 1, 2, 3, 4, 6))
    info.compress_type = zipfile.ZIP_DEFLATED
    z.writestr(info, text)

with zipfile.ZipFile("escape.zip", "w") as z:
    member(z, "../escape.txt", "escape escape\n")
    member(z, "/abs/root.txt", "root\n")
    member(z, "sub\\..\\..\\win.txt", "win\n")
    member(z, "ok.txt", "fine words\n")

with zipfile.ZipFile("liar.zip", "w") as z:
    member(z, "big.txt", "small really\n")
data = bytearray(open("liar.zip", "rb").read())
cd = data.rfind(b"PK\x01\x02")
struct.pack_into("<I", data, cd + 24, 0xFFFFFFFE)
open("liar.zip", "wb").write(bytes(data))
