"""Reads the few parts of a 32-bit PE file that the stand-in check looks at: header flags,
subsystem, import and export names, and the version block."""
import struct

MACHINE_I386 = 0x14C
FILE_DLL = 0x2000
RT_VERSION = 16


class PeFile:
    def __init__(self, raw):
        self.raw = raw
        if raw[:2] != b"MZ":
            raise ValueError("no MZ header")
        pe = struct.unpack_from("<I", raw, 0x3C)[0]
        if raw[pe:pe + 4] != b"PE\0\0":
            raise ValueError("no PE signature")
        self.machine, sections, _, _, _, optional_size, self.characteristics = struct.unpack_from(
            "<HHIIIHH", raw, pe + 4)
        optional = pe + 24
        self.magic = struct.unpack_from("<H", raw, optional)[0]
        if self.magic != 0x10B:
            raise ValueError("not a PE32 optional header")
        self.entry = struct.unpack_from("<I", raw, optional + 16)[0]
        self.subsystem = struct.unpack_from("<H", raw, optional + 68)[0]
        count = struct.unpack_from("<I", raw, optional + 92)[0]
        self.directories = [struct.unpack_from("<II", raw, optional + 96 + 8 * i)
                            for i in range(count)]
        table = optional + optional_size
        self.sections = [struct.unpack_from("<8sIIII", raw, table + 40 * i)
                         for i in range(sections)]

    @property
    def is_dll(self):
        return bool(self.characteristics & FILE_DLL)

    def offset(self, rva):
        for _, vsize, vaddr, rsize, rptr in self.sections:
            if vaddr <= rva < vaddr + max(vsize, rsize):
                return rptr + rva - vaddr
        raise ValueError("RVA %#x lies in no section" % rva)

    def cstring(self, rva):
        start = self.offset(rva)
        return self.raw[start:self.raw.index(b"\0", start)].decode("ascii")

    def imports(self):
        """{DLL name in upper case: set of imported names}."""
        rva, size = self.directories[1]
        found = {}
        at = self.offset(rva) if size else None
        while at is not None:
            lookup, _, _, name, thunks = struct.unpack_from("<IIIII", self.raw, at)
            if name == 0:
                break
            names = found.setdefault(self.cstring(name).upper(), set())
            entry = self.offset(lookup or thunks)
            while True:
                value = struct.unpack_from("<I", self.raw, entry)[0]
                if value == 0:
                    break
                names.add("#%d" % (value & 0xFFFF) if value & 0x80000000 else
                          self.cstring(value + 2))
                entry += 4
            at += 20
        return found

    def exports(self):
        rva, size = self.directories[0]
        if not size:
            return set()
        at = self.offset(rva)
        count = struct.unpack_from("<I", self.raw, at + 24)[0]  # number of names
        names = struct.unpack_from("<I", self.raw, at + 32)[0]  # address of names
        return {self.cstring(struct.unpack_from("<I", self.raw, self.offset(names) + 4 * i)[0])
                for i in range(count)}

    def version_block(self):
        """The first RT_VERSION resource's bytes, or None."""
        rva, size = self.directories[2]
        if not size:
            return None
        base = self.offset(rva)
        data = self._resource_child(base, base, RT_VERSION)
        for _ in range(2):  # name, then language: take the first of each
            if data is None:
                return None
            data = self._resource_child(base, data, None)
        if data is None:
            return None
        data_rva, data_size = struct.unpack_from("<II", self.raw, data)
        start = self.offset(data_rva)
        return self.raw[start:start + data_size]

    def _resource_child(self, base, directory, wanted):
        named, ids = struct.unpack_from("<HH", self.raw, directory + 12)
        for i in range(named + ids):
            ident, target = struct.unpack_from("<II", self.raw, directory + 16 + 8 * i)
            if wanted is None or ident == wanted:
                return base + (target & 0x7FFFFFFF)
        return None


def _node(block, at):
    """One version-block node: (end, key, value bytes, is text, children offset)."""
    length, value_length, is_text = struct.unpack_from("<HHH", block, at)
    key_end = at + 6
    while block[key_end:key_end + 2] != b"\0\0":
        key_end += 2
    key = block[at + 6:key_end].decode("utf-16-le")
    value_at = (key_end + 2 + 3) & ~3
    value_size = value_length * 2 if is_text else value_length
    value = block[value_at:value_at + value_size]
    children = (value_at + value_size + 3) & ~3
    return at + length, key, value, is_text, children


def _children(block, at, end):
    while at < end:
        node = _node(block, at)
        yield node
        at = (node[0] + 3) & ~3


def parse_version_block(block):
    """{"fixed": (file version, product version, file type), "tables": {name: {key: text}},
    "translation": [(language, code page)]}."""
    end, key, value, _, children = _node(block, 0)
    if key != "VS_VERSION_INFO" or struct.unpack_from("<I", value, 0)[0] != 0xFEEF04BD:
        raise ValueError("no fixed version information")
    fms, fls, pms, pls = struct.unpack_from("<IIII", value, 8)
    file_type = struct.unpack_from("<I", value, 36)[0]
    split = lambda ms, ls: (ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF)
    result = {"fixed": (split(fms, fls), split(pms, pls), file_type), "tables": {},
              "translation": []}
    for node_end, node_key, _, _, node_children in _children(block, children, end):
        for table_end, table_key, table_value, _, table_children in _children(
                block, node_children, node_end):
            if node_key == "StringFileInfo":
                strings = result["tables"].setdefault(table_key, {})
                for _, string_key, text, _, _ in _children(block, table_children, table_end):
                    strings[string_key] = text.decode("utf-16-le").rstrip("\0")
            elif node_key == "VarFileInfo" and table_key == "Translation":
                result["translation"] = [struct.unpack_from("<HH", table_value, i)
                                         for i in range(0, len(table_value), 4)]
    return result
