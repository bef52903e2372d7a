// Reading the puzzle libraries: the random draw's record and the record of a label.
#pragma once

#include <string>

// The fixed part of the library file of a difficulty code; any other code reads the easy library.
std::string libraryNom(const std::string& dificultad);

enum class LibraryError {
    None,
    Missing,         // the file cannot be opened
    TooShort,        // the file ends before the record needed
    BadPuzzleLine,   // the puzzle line is shorter than 81 characters or holds a non-digit
    LabelNotFound,   // no label line equals the label asked for
};

struct LibraryResult {
    LibraryError error = LibraryError::None;
    std::string label;
    std::string puzzle;  // the puzzle line as read; its first 81 characters are digits
    explicit operator bool() const { return error == LibraryError::None; }
};

// Record n (1 or 2) of the library at path. Both records the draw chooses from are read and
// checked, so a library that cannot serve every draw fails every time, not every other time.
LibraryResult readDrawnRecord(const std::string& path, int n);

// The first record whose label line equals label exactly; only label lines are compared.
LibraryResult findRecord(const std::string& path, const std::string& label);
