// The puzzle libraries and solution files as records: the draw's records and the record of a label.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "app/files/reading.h"

// The cells of a board, and of a puzzle, solution or saved board line.
constexpr std::size_t kCells = 81;

// The decimal value of a character '0'..'9', or -1.
inline int digitValue(char ch) { return ch >= '0' && ch <= '9' ? ch - '0' : -1; }

// True when the first 81 characters of the line are decimal digits: a puzzle, a solution or a saved board.
inline bool isDigitLine(const std::string& line)
{
    return line.size() >= kCells
        && std::all_of(line.begin(), line.begin() + kCells, [](char ch) { return digitValue(ch) >= 0; });
}

// The layout of a library and of a solution file: line 1 a header, then per record a label line and the line after
// it, the puzzle or its solution (81 digits and maybe more). A new game deals one of the first drawnRecords records.
constexpr int drawnRecords = 2;
constexpr bool isLabelLine(int line) { return line >= 2 && line % 2 == 0; }  // lines counted from 1
// The indices (from 0) of the label lines of a file read whole, each with its line after it.
std::vector<std::size_t> labelIndices(const std::vector<std::string>& lines);

// How a lookup in a library or solution file ended.
enum class LibraryError {
    None,
    Missing,        // the file does not exist
    Unreadable,     // it cannot be opened or read on: cause says why
    Damaged,        // it ends before the record needed, a line after a label is not 81 digits, or a line tops 16 MB
    LabelNotFound,  // no line compared equals the label asked for
};

struct LibraryResult {
    LibraryError error = LibraryError::None;
    int cause = 0;  // for Unreadable: an errno value or kNotRegularFile
    std::string label;
    std::string digits;  // the line after the label, as read; its first 81 characters are digits unless Damaged
    int line = 0;        // the label's line, when found by its label
    explicit operator bool() const { return error == LibraryError::None; }
};

// Record n (1 to drawnRecords) of the library at path. Every record the draw chooses from is read and checked, so a
// library that cannot serve every draw fails every time, not once in a while.
LibraryResult readDrawnRecord(const std::string& path, int n);

// The record of a label: the first whose key line equals label exactly. A library's puzzle is found by its label
// lines alone (loading a saved game); restart and solve, and the tool, compare every line from the first.
enum class KeyLines { Labels, Every };
LibraryResult findRecord(const std::string& path, const std::string& label, KeyLines compared);

// What the player is told when a lookup failed: file names the kind of file ("fichero de sudokus"
// or "fichero"), sought the puzzle looked for ("buscado", "del tablero").
std::string problemText(const LibraryResult& result, const std::string& path, const std::string& file,
                        const std::string& sought);
