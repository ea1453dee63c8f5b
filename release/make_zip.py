#!/usr/bin/env python3
"""Packs the files of a folder into a zip that depends on nothing but their
names and bytes: entries in name order, every time stamp the same (from
SOURCE_DATE_EPOCH, no earlier than 1980, the zip format's first year), fixed
permissions, deflated at the highest level.

  make_zip.py FOLDER OUT.zip
"""

import os
import sys
import time
import zipfile
from pathlib import Path

ZIP_EPOCH = 315532800  # 1980-01-01 00:00:00 UTC


def main():
    folder, out = Path(sys.argv[1]), Path(sys.argv[2])
    epoch = max(int(os.environ.get("SOURCE_DATE_EPOCH", ZIP_EPOCH)), ZIP_EPOCH)
    stamp = time.gmtime(epoch)[:6]
    files = sorted(p for p in folder.rglob("*") if p.is_file())
    out.unlink(missing_ok=True)
    with zipfile.ZipFile(out, "w") as archive:
        for path in files:
            info = zipfile.ZipInfo(path.relative_to(folder).as_posix(), date_time=stamp)
            info.compress_type = zipfile.ZIP_DEFLATED
            info.create_system = 0  # MS-DOS: no Unix permissions to differ
            info.external_attr = 0x20  # the archive attribute, as Windows' own zips set it
            archive.writestr(info, path.read_bytes(), compresslevel=9)


if __name__ == "__main__":
    main()
