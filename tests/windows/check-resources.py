#!/usr/bin/python3
"""tests/windows/check-resources.py EXE: the release exe's resources, byte for byte where it
matters: the two dialog templates, the About string, the 13 icon images, the version and the
manifest, all in Russian (0x0419). Prints each mismatch; exits 1 if there was any."""

import struct
import sys

import pefile

RUSSIAN = 0x0419
RT_ICON, RT_DIALOG, RT_STRING, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 3, 5, 6, 14, 16, 24

MAIN_DIALOG = {
    "style": 0x90C800C8, "exstyle": 0x00040000, "rect": (0, 0, 163, 62),
    "title": "Korvane_Tavu2", "font": (8, 0, 0, 1, "MS Shell Dlg"),
    "controls": [
        # (class, id, text, x, y, cx, cy, style)
        ("button", 1, "Start", 26, 41, 50, 14, 0x50010001),
        ("button", 2, "Cancel", 87, 41, 50, 14, 0x50010000),
        ("msctls_progress32", 1000, "", 41, 17, 80, 14, 0x50800000),
    ],
}
ABOUT_DIALOG = {
    "style": 0x80C800C8, "exstyle": 0, "rect": (0, 0, 170, 62),
    "title": "О проекте Halvrin", "font": (8, 0, 0, 1, "MS Shell Dlg"),
    "controls": [
        ("static", 0xFFFF, "#128", 14, 14, 21, 20, 0x50000003),
        ("static", 0xFFFF, "Halvrin, версия 1.0", 42, 14, 114, 8, 0x50020080),
        ("static", 0xFFFF, "Начало QSO = конец QSO", 42, 26, 114, 8, 0x50020000),
        ("button", 1, "ОК", 113, 41, 50, 14, 0x50030001),
    ],
}
ICON_IMAGES = [(48, 4), (32, 4), (24, 4), (16, 4), (48, 8), (32, 8), (24, 8), (16, 8),
               (256, 32), (48, 32), (32, 32), (24, 32), (16, 32)]
PREDEFINED_CLASSES = {0x80: "button", 0x81: "edit", 0x82: "static", 0x83: "listbox",
                      0x84: "scrollbar", 0x85: "combobox"}

failures = []


def expect(what, got, wanted):
    if got != wanted:
        failures.append(f"{what}: got {got!r}, expected {wanted!r}")


class Reader:
    """Reads a DIALOGEX template: WORD-aligned UTF-16 strings and ordinals."""

    def __init__(self, data):
        self.data, self.at = data, 0

    def take(self, fmt):
        values = struct.unpack_from("<" + fmt, self.data, self.at)
        self.at += struct.calcsize("<" + fmt)
        return values if len(values) > 1 else values[0]

    def align(self, boundary):
        self.at = (self.at + boundary - 1) // boundary * boundary

    def text(self):
        end = self.at
        while self.data[end:end + 2] != b"\0\0":
            end += 2
        value = self.data[self.at:end].decode("utf-16-le")
        self.at = end + 2
        return value

    def text_or_ordinal(self, names=None):
        first = self.take("H")
        if first == 0:
            return ""
        if first == 0xFFFF:
            ordinal = self.take("H")
            return (names or {}).get(ordinal, f"#{ordinal}")
        self.at -= 2
        return self.text()


def parse_dialog(data):
    r = Reader(data)
    version, signature = r.take("HH")
    if (version, signature) != (1, 0xFFFF):
        return None
    _help, exstyle, style, count, x, y, cx, cy = r.take("IIIHhhhh")
    menu, window_class, title = r.text_or_ordinal(), r.text_or_ordinal(), r.text()
    font = r.take("HHBB") + (r.text(),)
    controls = []
    for _ in range(count):
        r.align(4)
        _help, c_exstyle, c_style, cx_, cy_, ccx, ccy, control_id = r.take("IIIhhhhI")
        class_name = r.text_or_ordinal(PREDEFINED_CLASSES).lower()
        text = r.text_or_ordinal()
        extra = r.take("H")
        r.at += extra
        controls.append((class_name, control_id & 0xFFFF, text, cx_, cy_, ccx, ccy, c_style))
    return {"style": style, "exstyle": exstyle, "rect": (x, y, cx, cy), "title": title,
            "font": font, "controls": controls, "menu": menu, "class": window_class}


def resources(pe):
    """{(type, id): {language: bytes}}"""
    found = {}
    for kind in pe.DIRECTORY_ENTRY_RESOURCE.entries:
        for entry in kind.directory.entries:
            for language in entry.directory.entries:
                rva, size = language.data.struct.OffsetToData, language.data.struct.Size
                found.setdefault((kind.id, entry.id), {})[language.id] = pe.get_data(rva, size)
    return found


def russian(found, kind, ident):
    languages = found.get((kind, ident), {})
    expect(f"languages of resource type {kind} id {ident}", sorted(languages), [RUSSIAN])
    return languages.get(RUSSIAN, b"")


def check_dialog(found, ident, wanted):
    dialog = parse_dialog(russian(found, RT_DIALOG, ident))
    if dialog is None:
        failures.append(f"dialog {ident}: not a DIALOGEX template")
        return
    for key, value in wanted.items():
        if key == "controls":
            expect(f"dialog {ident} control count", len(dialog[key]), len(value))
            for index, (got, want) in enumerate(zip(dialog[key], value)):
                expect(f"dialog {ident} control {index}", got, want)
        else:
            expect(f"dialog {ident} {key}", dialog[key], value)


def check_string(found, ident, wanted):
    block = russian(found, RT_STRING, ident // 16 + 1)
    at = 0
    for index in range(16):
        (length,) = struct.unpack_from("<H", block, at)
        text = block[at + 2:at + 2 + 2 * length].decode("utf-16-le")
        at += 2 + 2 * length
        if index == ident % 16:
            expect(f"string {ident}", text, wanted)


def check_icons(found):
    group = russian(found, RT_GROUP_ICON, 128)
    _reserved, kind, count = struct.unpack_from("<HHH", group, 0)
    expect("icon group type and count", (kind, count), (1, len(ICON_IMAGES)))
    for index in range(count):
        width, height, _colors, _res, planes, bits, size, ident = struct.unpack_from(
            "<BBBBHHIH", group, 6 + 14 * index)
        side = width or 256
        expect(f"icon image {index} size and depth", (side, height or 256, bits),
               (ICON_IMAGES[index][0], ICON_IMAGES[index][0], ICON_IMAGES[index][1]))
        image = found.get((RT_ICON, ident), {}).get(RUSSIAN, b"")
        expect(f"icon image {index} bytes", len(image), size)
        if side == 256:
            expect("256 px image is PNG", image[:8], b"\x89PNG\r\n\x1a\n")


def check_version(pe):
    info = pe.VS_FIXEDFILEINFO[0]
    expect("file version", (info.FileVersionMS, info.FileVersionLS), (0x10000, 1))
    expect("product version", (info.ProductVersionMS, info.ProductVersionLS), (0x10000, 1))
    expect("file type", info.FileType, 1)
    expect("file OS", info.FileOS, 4)


def check_manifest(found):
    manifest = russian(found, RT_MANIFEST, 1).decode("utf-8")
    for needle in ('level="asInvoker"', 'name="Microsoft.Windows.Common-Controls"',
                   'version="6.0.0.0"'):
        if needle not in manifest:
            failures.append(f"manifest lacks {needle}")


def main(path):
    pe = pefile.PE(path)
    expect("machine (i386)", pe.FILE_HEADER.Machine, 0x14C)
    expect("subsystem (Windows GUI)", pe.OPTIONAL_HEADER.Subsystem, 2)
    found = resources(pe)
    check_dialog(found, 102, MAIN_DIALOG)
    check_dialog(found, 100, ABOUT_DIALOG)
    check_string(found, 101, "&О проекте Halvrin...")
    check_icons(found)
    check_version(pe)
    check_manifest(found)
    for failure in failures:
        print("FAIL", failure)
    print(f"{path}: {'resources as expected' if not failures else f'{len(failures)} mismatches'}")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
