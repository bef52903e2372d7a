#!/usr/bin/python3
# Listens to the running game for SECONDS as a screen reader does, over AT-SPI: prints "ready", then the name of each
# object shown and "name: description" for each description changed.
# Usage: atspi.py SECONDS
# SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
# SPDX-License-Identifier: GPL-3.0-or-later
import sys

import pyatspi
from gi.repository import GLib


def told(event):
    described = event.type.endswith("description")
    print(event.source.name + (": " + event.source.description if described else ""), flush=True)


for kind in "object:state-changed:showing", "object:property-change:accessible-description":
    pyatspi.Registry.registerEventListener(told, kind)
pyatspi.Registry.registerEventListener(lambda event: None, "object:property-change:accessible-name")  # fresh names
GLib.timeout_add(int(sys.argv[1]) * 1000, pyatspi.Registry.stop)
print("ready", flush=True)
pyatspi.Registry.start()
