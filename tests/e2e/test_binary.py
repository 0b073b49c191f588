"""The shipped executables are safe, self-contained Windows binaries: ASLR and
DEP on (high-entropy ASLR too on x86_64), a GUI subsystem, imports from
Windows system DLLs only, and no section both writable and executable."""

import struct
import unittest

from session import ROOT

SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "shell32.dll", "comctl32.dll",
               "comdlg32.dll", "msvcrt.dll", "advapi32.dll"}
DYNAMIC_BASE, NX_COMPAT, HIGH_ENTROPY_VA = 0x40, 0x100, 0x20
MEM_EXECUTE, MEM_WRITE = 0x20000000, 0x80000000
GUI_SUBSYSTEM = 2
RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 14, 16, 24


class PeFile:
    def __init__(self, path):
        self.data = path.read_bytes()
        pe = struct.unpack_from("<I", self.data, 0x3C)[0]
        assert self.data[pe:pe + 4] == b"PE\0\0"
        self.machine, sections, _, _, _, optional_size, _ = struct.unpack_from("<HHIIIHH", self.data, pe + 4)
        optional = pe + 24
        magic = struct.unpack_from("<H", self.data, optional)[0]
        self.is64 = magic == 0x20B
        self.subsystem, self.dll_characteristics = struct.unpack_from("<HH", self.data, optional + 68)
        directories = optional + (112 if self.is64 else 96)
        self.import_rva = struct.unpack_from("<I", self.data, directories + 8)[0]
        self.sections = []
        table = optional + optional_size
        for i in range(sections):
            name, vsize, vaddr, rsize, raw, *_rest, flags = struct.unpack_from(
                "<8sIIIIIIHHI", self.data, table + 40 * i)
            self.sections.append((name.rstrip(b"\0").decode(), vaddr, vsize, raw, flags))

    def offset(self, rva):
        for _, vaddr, vsize, raw, _ in self.sections:
            if vaddr <= rva < vaddr + vsize:
                return raw + rva - vaddr
        raise ValueError(hex(rva))

    def resource_types(self):
        """The type identifiers at the root of the resource directory."""
        rsrc = next(s for s in self.sections if s[0] == ".rsrc")
        root = rsrc[3]
        named, numbered = struct.unpack_from("<HH", self.data, root + 12)
        entries = [struct.unpack_from("<II", self.data, root + 16 + 8 * i)
                   for i in range(named + numbered)]
        return {name for name, _ in entries if not name & 0x80000000}

    def version_string(self, key):
        """A value of the version resource's string table, found by its UTF-16 key."""
        marker = (key + "\0").encode("utf-16-le")
        at = self.data.find(marker)
        if at < 0:
            return None
        at += len(marker)
        at += (4 - at % 4) % 4  # values start on a 32-bit boundary
        end = self.data.find(b"\0\0", at)
        while (end - at) % 2:
            end = self.data.find(b"\0\0", end + 1)
        return self.data[at:end].decode("utf-16-le")

    def imported_dlls(self):
        names, at = [], self.offset(self.import_rva)
        while True:
            entry = struct.unpack_from("<IIIII", self.data, at)
            if not any(entry):
                return names
            start = self.offset(entry[3])
            names.append(self.data[start:self.data.index(b"\0", start)].decode().lower())
            at += 20


class ShippedBinaries(unittest.TestCase):
    def check(self, build, is64):
        path = ROOT / "build" / build / "Veltrani.exe"
        pe = PeFile(path)
        self.assertEqual(pe.is64, is64)
        self.assertEqual(pe.subsystem, GUI_SUBSYSTEM, "no console window")
        flags = pe.dll_characteristics
        self.assertTrue(flags & DYNAMIC_BASE, "ASLR")
        self.assertTrue(flags & NX_COMPAT, "DEP")
        if is64:
            self.assertTrue(flags & HIGH_ENTROPY_VA, "high-entropy ASLR")
        for name, *_, section_flags in pe.sections:
            self.assertFalse(section_flags & MEM_EXECUTE and section_flags & MEM_WRITE,
                             f"section {name} is writable and executable")
        self.assertLessEqual({RT_GROUP_ICON, RT_VERSION, RT_MANIFEST}, pe.resource_types())
        self.assertEqual(pe.version_string("FileVersion"), "3.0.0.0")
        self.assertEqual(pe.version_string("ProductName"), "Veltrani")
        self.assertIn("水印", pe.version_string("FileDescription"))
        manifest = pe.data[pe.data.find(b"<?xml"):pe.data.find(b"</assembly>")].decode()
        self.assertIn('name="Microsoft.Windows.Common-Controls" version="6.0.0.0"', manifest)
        self.assertEqual(manifest.count("<supportedOS "), 4)
        self.assertNotIn("dpiAware", manifest)
        dlls = pe.imported_dlls()
        self.assertIn("user32.dll", dlls)
        self.assertLessEqual(set(dlls), SYSTEM_DLLS, "no compiler runtime DLLs")

    def test_the_32_bit_program(self):
        self.check("win32", False)

    def test_the_64_bit_program(self):
        self.check("win64", True)


if __name__ == "__main__":
    unittest.main()
