// The files of the game and of cuadrix-biblioteca: a map of this folder, one header for each job.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/files/causes.h"     // why a file failed, in Spanish, and the sentences that name it with its cause
#include "app/files/places.h"     // where the files live: the levels' files, the data folder, the saved game's place
#include "app/files/reading.h"    // the one safe reader (regular files only, without blocking, bounded), LineReader
#include "app/files/replacing.h"  // crash-safe replacement: FileOps, locked temporaries, writeFileAtomically
