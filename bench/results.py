#!/usr/bin/env python3
"""Turns the benchmark's raw measurements into its table: printed, and written as markdown.

Timed figures: the driver's lines (run 0 is the warm-up and is left out). Each ratio is taken
per run, ours over the reference's of the same run, and reported as median, min and max.
"""
import argparse
import os
import statistics
import struct
import sys

PAYLOAD_BYTES = 4_756_758
# The platform calls of the reference's 40 operations, as the simulated Windows names them.
REFERENCE_CALLS = {
    "CreateDirectoryA": 6, "CreateFileA": 18, "WriteFile": 18, "CloseHandle": 18,
    "SetFileAttributesA": 12, "SHGetSpecialFolderPathA": 4, "CoCreateInstance": 4,
    "IShellLinkA::SetPath": 4, "IShellLinkA::SetShowCmd": 4, "IPersistFile::Save": 4,
}


def read_runs(path):
    runs = {}
    for line in open(path, encoding="ascii", errors="replace"):
        fields = dict(f.split("=", 1) for f in line.split() if "=" in f)
        if "ms" not in fields or int(fields["run"]) == 0:
            continue
        runs.setdefault((fields["figure"], fields["program"]), {})[int(fields["run"])] = float(
            fields["ms"])
    return runs


def read_keys(path):
    return dict(line.strip().split("=", 1) for line in open(path) if "=" in line)


def icon_image_bytes(path):
    """The bytes of the images an .ico holds, as the icon resources carry them."""
    data = open(path, "rb").read()
    _, _, count = struct.unpack_from("<HHH", data, 0)
    return sum(struct.unpack_from("<I", data, 6 + 16 * i + 8)[0] for i in range(count))


def unaligned_sections(path):
    """The file alignment and the sections whose data does not start on a 4 KiB page in the
    file: Wine maps an image's sections only where it does, and reads the others at every
    start."""
    data = open(path, "rb").read(4096)
    pe = struct.unpack_from("<I", data, 0x3C)[0]
    count, optional_size = struct.unpack_from("<H12xH", data, pe + 6)
    file_alignment = struct.unpack_from("<I", data, pe + 24 + 36)[0]
    unaligned = []
    for i in range(count):
        at = pe + 24 + optional_size + 40 * i
        name = data[at:at + 8].rstrip(b"\0").decode("ascii", "replace")
        raw_size, raw_offset = struct.unpack_from("<II", data, at + 16)
        if raw_size and raw_offset % 4096:
            unaligned.append(f"{name} ({raw_size} B)")
    return file_alignment, unaligned


def spread(values):
    return f"{statistics.median(values):.1f} ({min(values):.1f}–{max(values):.1f})"


def timed_row(runs, figure, goal_ratio, label):
    ours, ref = runs.get((figure, "setup"), {}), runs.get((figure, "ref"), {})
    paired = sorted(set(ours) & set(ref))
    if not paired:
        return [label, "no runs", "", "", f"ratio ≤ {goal_ratio:.2f}", "?"], 0
    ratios = [ours[r] / ref[r] for r in paired]
    median = statistics.median(ratios)
    return [label, spread([ours[r] for r in paired]) + " ms", spread([ref[r] for r in paired]) +
            " ms", f"{median:.3f} ({min(ratios):.2f}–{max(ratios):.2f})",
            f"ratio ≤ {goal_ratio:.2f}", "yes" if median <= goal_ratio else "no"], len(paired)


def identical_trees(payload, roots):
    """How many installed roots hold the 18 files byte for byte."""
    names = [os.path.relpath(os.path.join(d, f), payload)
             for d, _, files in os.walk(payload) for f in files]
    expected = {n: open(os.path.join(payload, n), "rb").read() for n in names}
    good = total = 0
    for root in sorted(os.listdir(roots)) if os.path.isdir(roots) else []:
        total += 1
        folder = os.path.join(roots, root, "青禾音乐盒程序")
        try:
            good += all(open(os.path.join(folder, n), "rb").read() == b
                        for n, b in expected.items())
        except OSError:
            pass
    return good, total


def extra_calls(host):
    """Calls of the simulated run beyond the reference's, as "name ×n"."""
    counts = {}
    for item in host.get("calls", "").split(","):
        if ":" in item:
            name, count = item.rsplit(":", 1)
            counts[name] = int(count)
    extra = [f"{name} ×{count - REFERENCE_CALLS.get(name, 0)}"
             for name, count in sorted(counts.items())
             if count > REFERENCE_CALLS.get(name, 0) and name != "HeapFree"]
    return ", ".join(extra) or "none"


def main():
    parser = argparse.ArgumentParser()
    for name in ("runs", "host", "setup", "payload", "resources", "roots", "out"):
        parser.add_argument("--" + name, required=True)
    parser.add_argument("--flags", default="")
    args = parser.parse_args()

    runs = read_runs(args.runs)
    host = read_keys(args.host)
    res = args.resources
    banner = os.path.getsize(os.path.join(res, "banner.bmp"))
    icon = icon_image_bytes(os.path.join(res, "logo.ico"))
    license_bytes = os.path.getsize(os.path.join(res, "license.txt"))
    exe = os.path.getsize(args.setup)
    stub = exe - PAYLOAD_BYTES - banner - icon - license_bytes

    install, n_install = timed_row(runs, "install", 1.10, "install time")
    start, n_start = timed_row(runs, "start", 1.25, "start time")
    animation = runs.get(("animation", "setup"), {})
    heap = int(host["heap_peak"])
    in_place = int(host["files_one_write_in_place"])
    outside = int(host["writes_outside_payload"])
    rows = [
        ["stub overhead", f"{stub} B ({stub / 1024:.1f} KiB)", "", "", "≤ 64 KiB",
         "yes" if stub <= 64 * 1024 else "no"],
        install,
        start,
        ["heap during the install run", f"{heap} B peak", "", "", "≤ 4 KiB",
         "yes" if heap <= 4096 and host["failures"] == "0" else "no"],
        ["no copy", f"{in_place}/18 files in one write from the payload; "
         f"{outside} of {host['writes']} writes outside it", "", "", "all 18",
         "yes" if in_place == 18 and outside == 0 else "no"],
        ["animation", spread(list(animation.values())) + " ms" if animation else "no runs", "",
         "", "report it", "—"],
    ]
    good, total = identical_trees(args.payload, args.roots)
    file_alignment, unaligned = unaligned_sections(args.setup)
    fastest = []
    for figure in ("install", "start"):
        ours, ref = runs.get((figure, "setup")), runs.get((figure, "ref"))
        if ours and ref:
            fastest.append(f"{figure} {min(ours.values()) / min(ref.values()):.2f}")
    header = ["figure", "ours, median (min–max)", "reference, median (min–max)",
              "ratio, median (min–max)", "goal", "met?"]
    lines = ["| " + " | ".join(header) + " |", "|" + "---|" * len(header)]
    lines += ["| " + " | ".join(row) + " |" for row in rows]
    notes = [
        "",
        f"- setup.exe: {exe} bytes; payload {PAYLOAD_BYTES}, banner {banner}, icon image {icon}, "
        f"license {license_bytes}; file alignment {file_alignment:#x}, sections not on a page "
        f"in the file (read, not mapped, at every start): {', '.join(unaligned) or 'none'}.",
        f"- timed runs: {n_install} install pairs, {n_start} start pairs, alternating, after one "
        "warm-up pair, on one warm Wine prefix; ratios are per pair. Fastest run over fastest "
        f"run, which load on the machine disturbs least: {', '.join(fastest) or 'none'}.",
        f"- installed trees byte-identical to the payload: {good} of {total} roots "
        "(setup.exe and the reference alike).",
        f"- simulated run: {host['failures']} failed actions, {host['write_bytes']} bytes written, "
        f"heap {host['heap_after']} B still held by the run at its end; platform calls beyond "
        f"the reference's 40 operations: {extra_calls(host)}.",
    ]
    if args.flags:
        notes.append(f"- extra build flags of this run: `{args.flags}`.")
    text = "\n".join(lines + notes) + "\n"
    sys.stdout.write(text)
    with open(args.out, "w", encoding="utf-8") as f:
        f.write("# setup.exe benchmark\n\n" + text)


if __name__ == "__main__":
    main()
