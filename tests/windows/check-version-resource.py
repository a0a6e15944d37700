#!/usr/bin/python3
"""Checks the version resource of a built plug-in DLL.

    check-version-resource.py DLL VERSION BUILD

VERSION is the project's version (major.minor.patch) and BUILD "current" or
"legacy". The DLL must carry a fixed file and product version of VERSION.0,
one string block in Korean (language 0412) with the code page of its build
(1200 for the current build's wide texts, 949 for the legacy build's narrow
ones) holding FileVersion and ProductVersion VERSION, ProductName
"Ledgewright" and a FileDescription that names the build and its host release,
and the same language and code page in its translation list. Prints what it
read, then one FAIL line per mismatch.
"""
import sys

import pefile

CODE_PAGES = {"current": 1200, "legacy": 949}
DESCRIPTION_WORDS = {
    "current": ("current build", "current Zed CAD release"),
    "legacy": ("legacy build", "older Zed CAD release"),
}
KOREAN = 0x0412


def text(value):
    return value.decode("utf-8", "replace") if isinstance(value, bytes) else str(value)


def main(path, version, build):
    failures = []
    pe = pefile.PE(path, fast_load=True)
    pe.parse_data_directories(directories=[pefile.DIRECTORY_ENTRY["IMAGE_DIRECTORY_ENTRY_RESOURCE"]])
    fixed = getattr(pe, "VS_FIXEDFILEINFO", None)
    if not fixed:
        print(f"FAIL: {path} has no version resource")
        return 1
    parts = [int(p) for p in version.split(".")] + [0]
    want_ms = (parts[0] << 16) | parts[1]
    want_ls = (parts[2] << 16) | parts[3]
    info = fixed[0]
    for name in ("File", "Product"):
        ms = getattr(info, name + "VersionMS")
        ls = getattr(info, name + "VersionLS")
        shown = f"{ms >> 16}.{ms & 0xFFFF}.{ls >> 16}.{ls & 0xFFFF}"
        print(f"fixed {name.lower()} version: {shown}")
        if (ms, ls) != (want_ms, want_ls):
            failures.append(f"fixed {name.lower()} version {shown}, expected {'.'.join(map(str, parts))}")

    code_page = CODE_PAGES[build]
    want_block = f"{KOREAN:04x}{code_page:04x}"
    blocks = {}
    translations = []
    for entry in getattr(pe, "FileInfo", [[]])[0]:
        if entry.Key == b"StringFileInfo":
            for table in entry.StringTable:
                blocks[text(table.LangID).lower()] = {text(k): text(v) for k, v in table.entries.items()}
        elif entry.Key == b"VarFileInfo":
            for var in entry.Var:
                for pair in var.entry.values():
                    translations.append(text(pair))
    print("string blocks: " + ", ".join(sorted(blocks)))
    print("translations: " + ", ".join(translations))
    if list(blocks) != [want_block]:
        failures.append(f"string blocks {sorted(blocks)}, expected the one block {want_block}")
    want_translation = f"0x{KOREAN:04x} 0x{code_page:04x}"
    if translations != [want_translation]:
        failures.append(f"translations {translations}, expected [{want_translation}]")

    strings = blocks.get(want_block, {})
    for key in ("FileVersion", "ProductVersion", "ProductName", "FileDescription"):
        print(f"{key}: {strings.get(key)}")
    expected = {"FileVersion": version, "ProductVersion": version, "ProductName": "Ledgewright"}
    for key, value in expected.items():
        if strings.get(key) != value:
            failures.append(f"{key} is {strings.get(key)!r}, expected {value!r}")
    description = strings.get("FileDescription", "")
    for word in DESCRIPTION_WORDS[build]:
        if word not in description:
            failures.append(f"FileDescription {description!r} does not name the {word}")

    for failure in failures:
        print("FAIL: " + failure)
    return 1 if failures else 0


if __name__ == "__main__":
    if len(sys.argv) != 4 or sys.argv[3] not in CODE_PAGES:
        sys.exit("usage: check-version-resource.py DLL VERSION current|legacy")
    sys.exit(main(*sys.argv[1:]))
