#!/usr/bin/python3
# Listens to the running game as a screen reader does, over AT-SPI, until stopped: prints "ready", then the name of each
# object shown.
# SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
# SPDX-License-Identifier: GPL-3.0-or-later
import pyatspi

pyatspi.Registry.registerEventListener(lambda event: print(event.source.name, flush=True), "object:state-changed:showing")
pyatspi.Registry.registerEventListener(lambda event: None, "object:property-change:accessible-name")  # fresh names
print("ready", flush=True)
pyatspi.Registry.start()
