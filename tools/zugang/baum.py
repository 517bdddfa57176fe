#!/usr/bin/python3
# Prints the accessibility tree of the running game as a screen reader reads
# it through AT-SPI: role, name and (in brackets) description of every
# object, indented by depth; "(verborgen)" marks one that is not showing.
import sys
import time

import pyatspi


def zeigen(knoten, tiefe, aus):
    try:
        verborgen = tiefe > 0 and not knoten.getState().contains(pyatspi.STATE_SHOWING)
        beschreibung = knoten.description
        aus.append("%s%s \"%s\"%s%s" % ("  " * tiefe, knoten.getRoleName(), knoten.name,
                                       " [%s]" % beschreibung if beschreibung else "",
                                       " (verborgen)" if verborgen else ""))
        for kind in knoten:
            if kind is not None:
                zeigen(kind, tiefe + 1, aus)
    except Exception as fehler:  # an object gone while reading
        aus.append("%s<%s>" % ("  " * tiefe, fehler))


def main():
    name = sys.argv[1] if len(sys.argv) > 1 else "pelu"
    for _ in range(100):
        desktop = pyatspi.Registry.getDesktop(0)
        for anwendung in desktop:
            if anwendung is not None and anwendung.name == name:
                aus = []
                zeigen(anwendung, 0, aus)
                print("\n".join(aus))
                return 0
        time.sleep(0.1)
    print("keine Anwendung %s am AT-SPI-Bus" % name, file=sys.stderr)
    return 1


if __name__ == "__main__":
    sys.exit(main())
