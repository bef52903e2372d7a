// Reading the puzzle libraries: the random draw's record and the record of a label.
#pragma once

#include <string>

#include "app/data_files.h"

// How a lookup in a library or solution file ended.
enum class LibraryError {
    None,
    Missing,        // the file does not exist
    Unreadable,     // it cannot be opened: cause says why
    Damaged,        // it ends before the record needed, a digit line is not one, or it cannot be read on
    LabelNotFound,  // no line compared equals the label asked for
};

struct LibraryResult {
    LibraryError error = LibraryError::None;
    int cause = 0;  // for Unreadable: an errno value or kNotRegularFile
    std::string label;
    std::string digits;  // the digit line as read; its first 81 characters are digits
    explicit operator bool() const { return error == LibraryError::None; }
};

// Record n (1 or 2) of the library at path. Both records the draw chooses from are read and
// checked, so a library that cannot serve every draw fails every time, not every other time.
LibraryResult readDrawnRecord(const std::string& path, int n);

// The first record whose label line equals label exactly; only label lines are compared.
LibraryResult findRecord(const std::string& path, const std::string& label);

// The line after the first line equal to key, comparing every line from the first: the lookup of
// solve in the solution file and of restart in the library.
LibraryResult findDigitLine(const std::string& path, const std::string& key);

// What the player is told when a lookup failed: file names the kind of file ("fichero de sudokus"
// or "fichero"), sought the puzzle looked for ("buscado", "del tablero").
std::string problemText(const LibraryResult& result, const std::string& path, const std::string& file,
                        const std::string& sought);
