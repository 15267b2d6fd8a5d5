#!/usr/bin/python3
"""Packs the release zip so that the same sources always give the same bytes.

    pack-release.py ZIP SOURCE_DIR FOLDER FILE...

Each FILE goes in as FOLDER/<its name>, in name order, compressed the same
way every time, dated with the time of the commit the sources are from
(SOURCE_DATE_EPOCH when set, else "git log" in SOURCE_DIR), and with no
attributes of the machine that packed it (no owner, the same permissions
for all, no extra fields). ZIP.sha256 is written beside it, in the form that
"sha256sum -c" reads."""
import hashlib
import os
import subprocess
import sys
import time
import zipfile

# Sources outside a git checkout, without SOURCE_DATE_EPOCH, get this date.
FALLBACK_EPOCH = 1086652800  # 2004-06-08 00:00:00 UTC


def commit_time(source_dir):
    if os.environ.get("SOURCE_DATE_EPOCH"):
        return int(os.environ["SOURCE_DATE_EPOCH"])
    try:
        # Only a checkout of these sources themselves, not one around them.
        top = subprocess.run(["git", "-C", source_dir, "rev-parse", "--show-toplevel"],
                             capture_output=True, text=True, check=True).stdout.strip()
        if os.path.realpath(top) != os.path.realpath(source_dir):
            return FALLBACK_EPOCH
        return int(subprocess.run(["git", "-C", source_dir, "log", "-1", "--format=%ct"],
                                  capture_output=True, text=True, check=True).stdout)
    except (OSError, subprocess.CalledProcessError, ValueError):
        return FALLBACK_EPOCH


def main(argv):
    zip_path, source_dir, folder, files = argv[1], argv[2], argv[3], argv[4:]
    # Zip's dates start in 1980 and count in two-second steps.
    date = time.gmtime(max(commit_time(source_dir), 315532800))[:6]
    entries = sorted((f"{folder}/{os.path.basename(path)}", path) for path in files)
    with zipfile.ZipFile(zip_path + ".new", "w") as archive:
        for name, path in entries:
            info = zipfile.ZipInfo(name, date)
            info.compress_type = zipfile.ZIP_DEFLATED
            # The same plain file's attributes for every entry, whoever packs it.
            info.create_system = 3
            info.external_attr = 0o100644 << 16
            with open(path, "rb") as file:
                archive.writestr(info, file.read(), compresslevel=9)
    os.replace(zip_path + ".new", zip_path)
    with open(zip_path, "rb") as file:
        digest = hashlib.sha256(file.read()).hexdigest()
    with open(zip_path + ".sha256", "w") as out:
        out.write(f"{digest}  {os.path.basename(zip_path)}\n")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
