#!/usr/bin/env python3
"""Checks the built stand-in binaries: 32-bit x86, GUI subsystem, EXE or DLL as each must be,
the import and export names, and the version block (numbers, the one "080404B0" table, the
Chinese description). Exit status 1 on any fault.

usage: check_standins.py [folder of the built stand-ins, default build/win32/standins]
"""
import os
import sys

from pe_read import MACHINE_I386, PeFile, parse_version_block

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
DEFAULT_DIR = os.path.join(ROOT, "build", "win32", "standins")
VFT_APP, VFT_DLL = 1, 2
GUI = 2

PLAYER_IMPORTS = {
    "USER32.DLL": {"MessageBoxA"},
    "KERNEL32.DLL": {"LoadLibraryA", "GetProcAddress", "FreeLibrary", "GetModuleFileNameA",
                     "lstrcatA", "lstrlenA", "ExitProcess"},
    "ADVAPI32.DLL": {"RegOpenKeyExA", "RegQueryValueExA", "RegCloseKey"},
}
UNINSTALL_LIBRARIES = {"KERNEL32.DLL", "USER32.DLL", "GDI32.DLL", "WINMM.DLL", "WINSPOOL.DRV",
                       "ADVAPI32.DLL", "SHELL32.DLL", "OLE32.DLL", "OLEAUT32.DLL", "COMCTL32.DLL",
                       "WS2_32.DLL", "COMDLG32.DLL"}

# file: (version, exports, the role its FileDescription names)
MODULES = {
    "dp1.fne": ((2, 0, 50, 0), {"Compress", "GetNewInf", "MGetMD5"}, "数据操作支持库"),
    "eAPI.fne": ((3, 0, 0, 0), {"GetNewInf"}, "应用接口支持库"),
    "EThread.fne": ((2, 0, 3, 0), {"GetNewInf"}, "多线程支持库"),
    "HtmlView.fne": ((2, 0, 51, 0), {"GetNewInf"}, "超文本浏览框支持库"),
    "iext5.fne": ((2, 0, 0, 0), {"GetNewInf"}, "扩展界面支持库五"),
    "iext.fnr": ((2, 0, 2, 0), {"GetNewInf"}, "扩展界面支持库一"),
    "internet.fne": ((2, 0, 0, 0), {"GetNewInf"}, "互联网支持库"),
    "krnln.fnr": ((5, 0, 64, 0), {"GetNewInf", "GetNewSock"}, "系统核心支持库"),
    "shell.fne": ((3, 0, 0, 0), {"GetNewInf"}, "操作系统界面功能支持库"),
    "shellEx.fne": ((3, 0, 0, 0), {"GetNewInf"}, "扩展功能支持库一"),
    "spec.fne": ((3, 0, 0, 0), {"GetNewInf"}, "特殊功能支持库"),
}
EXPECTED = {
    "player.exe": (False, (2, 1, 5, 18), set(), {"FileDescription": ["试听", "下载", "播放列表"]}),
    "uninstall.exe": (False, (2, 0, 5, 16), set(), {"Comments": ["卸载文件"]}),
    "com.run": (True, (0, 0, 0, 0), {"InitCtl", "InitCtl2"}, {}),
    **{name: (True, version, exports, {"FileDescription": [role]})
       for name, (version, exports, role) in MODULES.items()},
}


def check_imports(name, imports):
    if name == "player.exe":
        return [] if imports == PLAYER_IMPORTS else ["imports %s, want %s" % (
            sorted((k, sorted(v)) for k, v in imports.items()),
            sorted((k, sorted(v)) for k, v in PLAYER_IMPORTS.items()))]
    if name == "uninstall.exe":
        return [] if set(imports) == UNINSTALL_LIBRARIES else ["imports from %s, want %s" % (
            sorted(imports), sorted(UNINSTALL_LIBRARIES))]
    # The DLLs carry no runtime: the system core library is all they need.
    return [] if set(imports) == {"KERNEL32.DLL"} else ["imports from %s" % sorted(imports)]


def check_version(is_dll, version, texts, block):
    if block is None:
        return ["no version block"]
    info = parse_version_block(block)
    faults = []
    file_version, product_version, file_type = info["fixed"]
    if (file_version, product_version) != (version, version):
        faults.append("fixed versions %s/%s, want %s" % (file_version, product_version, version))
    if file_type != (VFT_DLL if is_dll else VFT_APP):
        faults.append("file type %d" % file_type)
    if list(info["tables"]) != ["080404B0"] or info["translation"] != [(0x0804, 0x04B0)]:
        return faults + ["string tables %s, translation %s" % (list(info["tables"]),
                                                              info["translation"])]
    strings = info["tables"]["080404B0"]
    text = ".".join(map(str, version))
    for key in ("FileVersion", "ProductVersion"):
        if strings.get(key) != text:
            faults.append("%s %r, want %r" % (key, strings.get(key), text))
    for key, parts in texts.items():
        faults += ["%s %r lacks %r" % (key, strings.get(key), part) for part in parts
                   if part not in strings.get(key, "")]
    return faults


def check_file(name, raw):
    is_dll, version, exports, texts = EXPECTED[name]
    try:
        pe = PeFile(raw)
    except ValueError as e:
        return ["not a PE32 file: %s" % e]
    faults = []
    if pe.machine != MACHINE_I386 or pe.subsystem != GUI or pe.is_dll != is_dll:
        faults.append("machine %#x, subsystem %d, DLL %s" % (pe.machine, pe.subsystem,
                                                            pe.is_dll))
    if pe.exports() != exports:
        faults.append("exports %s, want %s" % (sorted(pe.exports()), sorted(exports)))
    return faults + check_imports(name, pe.imports()) + check_version(is_dll, version, texts,
                                                                       pe.version_block())


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else DEFAULT_DIR
    failed = False
    for name in EXPECTED:
        path = os.path.join(folder, name)
        if not os.path.isfile(path):
            print("FAULT %s: missing" % name)
            failed = True
            continue
        with open(path, "rb") as f:
            raw = f.read()
        faults = check_file(name, raw)
        for fault in faults:
            print("FAULT %s: %s" % (name, fault))
        print("%-14s %6d bytes  %s" % (name, len(raw), "FAILED" if faults else "ok"))
        failed = failed or bool(faults)
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main())
