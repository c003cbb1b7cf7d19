#!/usr/bin/env python3
"""Writes the 18 product files at their shipped sizes, filled with seeded pseudo-random bytes,
laid out as in the product folder, so the benchmark's setup.exe carries the real weight.

usage: make_payload.py <output folder>
Files already of the right size and content are left alone, so the build does not redo work.
"""
import hashlib
import os
import random
import sys

# Install order, with the shipped sizes.
FILES = [
    ("青禾音乐盒.exe", 550_400),
    ("卸载.exe", 1_187_840),
    ("tade/配置文件.ini", 400),
    ("tade/配置文件教程.ini", 20),
    ("使用说明.txt", 470),
    ("青禾音乐盒v2.0版本更新信息.txt", 412),
    ("com.run", 266_240),
    ("dp1.fne", 131_072),
    ("eAPI.fne", 327_680),
    ("EThread.fne", 61_440),
    ("HtmlView.fne", 229_376),
    ("iext5.fne", 331_776),
    ("iext.fnr", 221_184),
    ("internet.fne", 192_512),
    ("krnln.fnr", 1_089_536),
    ("shell.fne", 61_440),
    ("shellEx.fne", 14_848),
    ("spec.fne", 90_112),
]
TOTAL = 4_756_758


def contents(index, size):
    # One seed per file: a file's bytes do not depend on the others.
    return random.Random(f"bench-payload-{index}").randbytes(size)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    out = sys.argv[1]
    assert sum(size for _, size in FILES) == TOTAL
    for index, (name, size) in enumerate(FILES, 1):
        data = contents(index, size)
        path = os.path.join(out, name)
        try:
            with open(path, "rb") as f:
                if hashlib.sha256(f.read()).digest() == hashlib.sha256(data).digest():
                    continue
        except FileNotFoundError:
            pass
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(data)
    print(f"make_payload: {len(FILES)} files, {TOTAL} bytes in {out}")


if __name__ == "__main__":
    main()
