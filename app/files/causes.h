// Why a file could not be read or written, in Spanish: each cause, and the sentences that name a file with its cause.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

// Causes of a failure that have no errno value of their own.
constexpr int kNotRegularFile = -1;  // a FIFO, a device or a socket
constexpr int kLineTooLong = -2;     // a line longer than kMaxLine
constexpr int kTooLarge = -3;        // a file read whole that is longer than kMaxLine
constexpr int kTwoByteText = -4;     // text of two bytes a character (UTF-16), which the game cannot read
constexpr int kCannotLock = -5;      // a disk that cannot lock files

// What went wrong with a file, in Spanish, without a final period: an errno value or one of the causes above.
std::string fileErrorText(int error);
// What went wrong writing path: as fileErrorText, but a missing folder is named.
std::string writeErrorText(int error, const std::string& path);

// The phrases that name a file and what went wrong with it, in lower case and without a final period, for the tool's
// lines and, through asSentence, the game's boxes. what is the file as the reader should see it: its path, or its kind
// and path ("el fichero de sudokus /ruta/facil.sdk").
std::string cannotRead(const std::string& what, int error);  // "no se puede leer WHAT: causa"
std::string cannotRead(const std::string& what, const std::string& cause);
std::string cannotWrite(const std::string& path, int error);  // "no se puede escribir PATH: causa"
std::string cannotFind(const std::string& what);              // "no se encuentra WHAT"
// What is on the way to the player's own files and belongs to another user, with its owner's name (or number):
// "la carpeta /tmp/x/cuadrix es del usuario ana"; kind is the file type of its st_mode (a folder, a link, a file).
std::string notOwnedText(const std::string& path, unsigned kind, unsigned owner);
// A phrase as a sentence of a message box: its first letter a capital, a period at its end.
std::string asSentence(std::string phrase);
