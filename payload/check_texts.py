#!/usr/bin/env python3
"""Checks the form of the four text files the installer carries verbatim.

Each file must be GBK without a byte-order mark, break lines only with CRLF and have
its fixed line count and line layout; the settings file ends with a line end, the
others do not. Exit status 1 on any fault.
"""
import os
import re
import sys

FILES = os.path.join(os.path.dirname(os.path.abspath(__file__)), "files")
CONTACT = [r"\t{5}开发者：\S.*", r"\t{5}联系电话：[0-9][0-9 -]+", r"\t{5}官方网站：www\.qinghe-music\.example"]

# relative path: (ends with a line end, byte size or None, one pattern per line)
EXPECTED = {
    "tade/配置文件.ini": (True, None, [
        r"\[播放列表\]",
        *[r"(?P<t%d>[^=]+)=(?P=t%d)(?P<tag%d>.+)\.mp3" % (i, i, i) for i in range(4)],
        r"\[配置\]",
        r"最后位置=0",
    ]),
    "tade/配置文件教程.ini": (False, 20, [r"[^\x00-\x7f]{8}\.{4}"]),
    "使用说明.txt": (False, None, [
        r"[^\s].*",
        *[r"%d、\S.*" % n for n in range(1, 7)],
        r"",
        *CONTACT,
    ]),
    "青禾音乐盒v2.0版本更新信息.txt": (False, None, [
        r"青禾音乐盒v2\.0版本更新信息",
        r"",
        r"新增功能：", r"1、\S.*", r"2、\S.*", r"3、\S.*", r"4、\S.*",
        r"",
        r"程序更改：", r"1、\S.*", r"2、\S.*",
        r"",
        r"程序修复：", r"1、\S.*", r"2、\S.*",
        r"", r"", r"",
        *CONTACT,
    ]),
}


def check_file(rel, raw, ends_with_crlf, size, patterns):
    faults = []
    if raw[:3] == b"\xef\xbb\xbf" or raw[:2] in (b"\xff\xfe", b"\xfe\xff"):
        faults.append("starts with a byte-order mark")
    if size is not None and len(raw) != size:
        faults.append("%d bytes, want %d" % (len(raw), size))
    try:
        text = raw.decode("gbk")
    except UnicodeDecodeError as e:
        return faults + ["not GBK: %s" % e]
    if re.search("\r(?!\n)|(?<!\r)\n", text):
        faults.append("a line break that is not CRLF")
    if text.endswith("\r\n") != ends_with_crlf:
        faults.append("the last line %s a line end" % ("lacks" if ends_with_crlf else "has"))
    lines = text.split("\r\n")
    if ends_with_crlf and lines[-1] == "":
        lines.pop()
    if len(lines) != len(patterns):
        return faults + ["%d lines, want %d" % (len(lines), len(patterns))]
    for number, (line, pattern) in enumerate(zip(lines, patterns), 1):
        if not re.fullmatch(pattern, line):
            faults.append("line %d %r does not fit %r" % (number, line, pattern))
    return faults + check_same_tag(rel, lines)


def check_same_tag(rel, lines):
    """The four playlist entries carry one and the same tag after the title."""
    if not rel.endswith("配置文件.ini"):
        return []
    tags = {re.fullmatch(r"([^=]+)=\1(.+)\.mp3", line).group(2) for line in lines[1:5]}
    return [] if len(tags) == 1 else ["playlist tags differ: %s" % sorted(tags)]


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else FILES
    failed = False
    for rel, (ends_with_crlf, size, patterns) in EXPECTED.items():
        path = os.path.join(root, rel)
        if not os.path.isfile(path):
            print("FAULT %s: missing" % rel)
            failed = True
            continue
        with open(path, "rb") as f:
            raw = f.read()
        faults = check_file(rel, raw, ends_with_crlf, size, patterns)
        for fault in faults:
            print("FAULT %s: %s" % (rel, fault))
        print("%-40s %4d bytes  %s" % (rel, len(raw), "FAILED" if faults else "ok"))
        failed = failed or bool(faults)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
