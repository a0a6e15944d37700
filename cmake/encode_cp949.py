#!/usr/bin/env python3
"""Writes the legacy build's copy of the text catalogue: every entry
LEDGEWRIGHT_TEXT(name, "text") of the UTF-8 catalogue, with its text encoded in
code page 949 and every byte outside ASCII written as an octal escape, so that
the compiler takes the bytes as they are whatever its own character sets.

    encode_cp949.py <catalogue.inc> <output.inc>

A text that code page 949 cannot encode stops the build."""
import os
import re
import sys

ENTRY = re.compile(r'^LEDGEWRIGHT_TEXT\((\w+), "((?:[^"\\]|\\.)*)"\)\s*$')


def escaped(text):
    out = []
    for byte in text.encode("cp949"):
        out.append(chr(byte) if byte < 0x80 else "\\%03o" % byte)
    return "".join(out)


def main(source, target):
    lines = [f"// Written by cmake/encode_cp949.py from command/{os.path.basename(source)}: do not edit.\n"]
    count = 0
    with open(source, encoding="utf-8") as catalogue:
        for number, line in enumerate(catalogue, 1):
            if not line.startswith("LEDGEWRIGHT_TEXT"):
                continue
            entry = ENTRY.match(line)
            if entry is None:
                sys.exit(f"{source}:{number}: not an entry of the form LEDGEWRIGHT_TEXT(name, \"text\")")
            name, text = entry.groups()
            try:
                lines.append(f'LEDGEWRIGHT_TEXT({name}, "{escaped(text)}")\n')
            except UnicodeEncodeError as error:
                sys.exit(f"{source}:{number}: {name} has no code-page-949 form ({error.reason})")
            count += 1
    if count == 0:
        sys.exit(f"{source}: no entries")
    with open(target, "w", encoding="ascii", newline="\n") as out:
        out.writelines(lines)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    main(sys.argv[1], sys.argv[2])
