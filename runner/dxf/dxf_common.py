"""What the runner's DXF reader and writer share: the host's colours and line
types and how they map to DXF's, and how the converter reports back.

The runner calls the converter with the host's sixteen colours on the command
line (--palette "#ffffff,#00c0ff,..."), so that the picture and the DXF agree
on them. Messages go to standard error, one a line; the runner shows each one
prefixed with the file's name.
"""
import sys

# Exit statuses the runner tells apart.
EXIT_DONE = 0
EXIT_UNREADABLE = 2  # the input cannot be taken: the runner runs nothing
EXIT_NO_LIBRARY = 3  # ezdxf is not installed

# The host's line-type indexes 0 to 9 as DXF line types (those that ezdxf sets
# up in a new drawing), chosen to look like the runner's picture of them.
LINETYPES = [
    "Continuous",  # 0 continuous
    "DASHED",      # 1 dashed
    "CENTER",      # 2 chain
    "DOT",         # 3 dotted
    "DASHEDX2",    # 4 long dashes
    "PHANTOM",     # 5 double chain
    "DASHED2",     # 6 short dashes
    "CENTERX2",    # 7 long chain
    "PHANTOMX2",   # 8 long double chain
    "DOT2",        # 9 sparse dots
]
_LINETYPE_INDEX = {name.upper(): index for index, name in enumerate(LINETYPES)}

# DXF's colour numbers for "by block" and "by layer".
ACI_BY_BLOCK = 0
ACI_BY_LAYER = 256


def say(text):
    print(text, file=sys.stderr)


def give_up(text, status=EXIT_UNREADABLE):
    say(text)
    sys.exit(status)


def import_ezdxf():
    try:
        import ezdxf  # noqa: F401
    except ImportError:
        give_up("the Python package ezdxf is missing (scripts/install-deps.sh installs python3-ezdxf)",
                EXIT_NO_LIBRARY)
    return ezdxf


def parse_palette(text):
    colours = []
    for item in text.split(","):
        item = item.strip().lstrip("#")
        colours.append((int(item[0:2], 16), int(item[2:4], 16), int(item[4:6], 16)))
    if len(colours) != 16:
        give_up("the palette needs 16 colours", 1)
    return colours


def _distance(a, b):
    return sum((x - y) * (x - y) for x, y in zip(a, b))


def nearest_colour(palette, rgb):
    """The host's colour index nearest to an RGB colour (the first on a tie)."""
    return min(range(len(palette)), key=lambda index: _distance(palette[index], rgb))


def aci_for(palette, index):
    """The DXF colour number (1 to 255) that shows the host's colour best and
    reads back as that colour."""
    from ezdxf.colors import aci2rgb
    target = palette[index]
    candidates = sorted(range(1, 256), key=lambda aci: _distance(aci2rgb(aci), target))
    for aci in candidates:
        if nearest_colour(palette, aci2rgb(aci)) == index:
            return aci
    return candidates[0]


def linetype_index(name):
    """The host's line-type index of a DXF line-type name (0 for one it does not know)."""
    return _LINETYPE_INDEX.get((name or "").upper(), 0)


def is_whole_number(name, highest=999999):
    return name.isdigit() and name.isascii() and str(int(name)) == name and int(name) <= highest
