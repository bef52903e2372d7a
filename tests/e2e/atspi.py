#!/usr/bin/python3
# What a screen reader is told by the running game, over AT-SPI.
# Usage: atspi.py cell NAME-START   prints "description|states" of the cell whose name starts so
#        atspi.py shown SECONDS     prints "ready", then the name of each notification shown within SECONDS
# SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
# SPDX-License-Identifier: GPL-3.0-or-later
import sys

import pyatspi
from gi.repository import GLib

if sys.argv[1] == "cell":
    game = next(app for app in pyatspi.Registry.getDesktop(0) if app and app.name == "Cuadrix")
    cell = pyatspi.findDescendant(game, lambda node: node.name.startswith(sys.argv[2] + ","))
    print(cell.description + "|" + " ".join(sorted(pyatspi.stateToString(s) for s in cell.getState().getStates())))
else:
    def shown(event):
        if event.source.getRoleName() == "notification":
            print(event.source.name, flush=True)
    pyatspi.Registry.registerEventListener(shown, "object:state-changed:showing")
    GLib.timeout_add(int(float(sys.argv[2]) * 1000), pyatspi.Registry.stop)
    print("ready", flush=True)
    pyatspi.Registry.start()
