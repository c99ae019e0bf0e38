#!/usr/bin/env python3
"""Writes the release zip so that the same files always give the same bytes.

    write_zip.py --source-dir DIR ZIP FILE...

Each FILE becomes an entry named after it, in the order given, with one time for all: the
time of the commit the sources are checked out at (SOURCE_DATE_EPOCH when set; 1980-01-01,
the earliest a zip entry holds, for sources outside git). An entry holds nothing of the file
but its name and content: no extra fields (times, owners), a mode by kind of file.
"""

import argparse
import os
import subprocess
import time
import zipfile

EARLIEST_ZIP_TIME = 315532800  # 1980-01-01 00:00:00 UTC
UNIX = 3


def entry_time(source_dir):
    """The time every entry carries, as the zip's date and time fields (UTC) hold it."""
    epoch = os.environ.get("SOURCE_DATE_EPOCH")
    # Only the sources' own checkout: an unpacked source archive inside some other repository
    # must not take that repository's commit.
    if epoch is None and os.path.exists(os.path.join(source_dir, ".git")):
        epoch = subprocess.run(
            ["git", "-C", source_dir, "log", "-1", "--format=%ct"],
            capture_output=True, text=True, check=False).stdout.strip() or None
    return time.gmtime(max(int(epoch or EARLIEST_ZIP_TIME), EARLIEST_ZIP_TIME))[:6]


def entry(path, date_time):
    info = zipfile.ZipInfo(os.path.basename(path), date_time)
    info.create_system = UNIX
    mode = 0o755 if path.lower().endswith(".exe") else 0o644
    info.external_attr = (0o100000 | mode) << 16
    info.compress_type = zipfile.ZIP_DEFLATED
    return info


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--source-dir", required=True)
    parser.add_argument("zip")
    parser.add_argument("files", nargs="+")
    args = parser.parse_args()
    date_time = entry_time(args.source_dir)
    os.makedirs(os.path.dirname(os.path.abspath(args.zip)), exist_ok=True)
    with zipfile.ZipFile(args.zip, "w") as archive:
        for path in args.files:
            with open(path, "rb") as content:
                archive.writestr(entry(path, date_time), content.read(), compresslevel=9)


if __name__ == "__main__":
    main()
