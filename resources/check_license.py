#!/usr/bin/env python3
"""Checks the form of license.txt, the text the license page shows verbatim.

The line structure is checked strictly (exit status 1 on any fault); sizes and
punctuation counts are measured and compared with the figures of the shipped
text, and a difference there is only reported.
"""
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_PATH = os.path.join(HERE, "license.txt")

LINE_COUNT = 45
FIRST_LINE = "用户许可协议:"
EMPTY_LINES = {3, 5, 9, 13, 17, 20, 23, 26, 29, 33, 36, 39, 43}
HEADINGS = {
    6: "1.许可证的授予. 本《协议》授予您下列权利",
    7: "安装和使用: ",
    10: "复制、分发和传播: ",
    14: "2.其它权利和限制说明",
    15: "禁止反向工程、反向编译和反向汇编: ",
    18: "组件的分隔: ",
    21: "软件产品转让: ",
    24: "终止: ",
    27: "商标: ",
    30: "免费使用: ",
    34: "个别授权: ",
    37: "3.版权",
    40: "4.有限保证",
    41: "无保证.",
    44: "对造成损失无责任.",
}
SECTION_LINES = (6, 14, 37, 40)
# Figures of the shipped text: (name, target).
TARGETS = [
    ("bytes", 3082),
    ("characters", 1678),
    ("line 2 bytes", 524),
    ("line 4 bytes", 142),
    ("line 38 bytes", 337),
    ("ASCII full stops", 37),
    ("  followed by a space", 29),
    ("  after a section number", 4),
    ("  ending a line", 4),
    ("ASCII commas", 37),
    ("  followed by a space", 36),
    ("ASCII semicolons", 1),
]
FULL_WIDTH_MARKS = "《》“”、"
# Full-width marks that the text avoids in favour of their ASCII forms.
FORBIDDEN_MARKS = "。，：；（）"


def check_structure(raw):
    faults = []
    if raw.startswith(b"\xef\xbb\xbf") or raw.startswith(b"\xff\xfe"):
        faults.append("starts with a byte-order mark")
    try:
        text = raw.decode("gbk")
    except UnicodeDecodeError as e:
        return faults + ["not GBK: %s" % e], None
    if text.endswith("\r\n") or text.endswith("\n"):
        faults.append("line break after the last line")
    if re.search("\r(?!\n)|(?<!\r)\n", text):
        faults.append("a line break that is not CRLF")
    lines = text.split("\r\n")
    if len(lines) != LINE_COUNT:
        faults.append("%d lines, want %d" % (len(lines), LINE_COUNT))
    if lines[0] != FIRST_LINE:
        faults.append("line 1 is %r" % lines[0][:40])
    for number, line in enumerate(lines, 1):
        if (line == "") != (number in EMPTY_LINES):
            faults.append("line %d %s" % (number, "is empty" if line == "" else "is not empty"))
    for number, want in HEADINGS.items():
        if number <= len(lines) and lines[number - 1] != want:
            faults.append("line %d is %r, want %r" % (number, lines[number - 1][:40], want))
    for mark in FORBIDDEN_MARKS:
        if mark in text:
            faults.append("full-width %s used" % mark)
    return faults, lines


def measure(text, lines):
    after_number = sum(1 for n in SECTION_LINES if re.match(r"\d\.", lines[n - 1]))
    return [
        len(text.encode("gbk")),
        len(text),
        len(lines[1].encode("gbk")),
        len(lines[3].encode("gbk")),
        len(lines[37].encode("gbk")),
        text.count("."),
        text.count(". "),
        after_number,
        sum(1 for line in lines if line.endswith(".")),
        text.count(","),
        text.count(", "),
        text.count(";"),
    ]


def main():
    path = sys.argv[1] if len(sys.argv) > 1 else DEFAULT_PATH
    with open(path, "rb") as f:
        raw = f.read()
    faults, lines = check_structure(raw)
    for fault in faults:
        print("FAULT: " + fault)
    if lines is None or len(lines) != LINE_COUNT:
        return 1
    text = raw.decode("gbk")
    for (name, target), value in zip(TARGETS, measure(text, lines)):
        note = "" if value == target else "   (shipped text: %d)" % target
        print("%-26s %5d%s" % (name, value, note))
    used = "".join(m for m in FULL_WIDTH_MARKS if m in text)
    print("%-26s %s" % ("full-width marks used", used))
    print("structure: " + ("FAILED" if faults else "ok"))
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
