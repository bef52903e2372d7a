// Finding a puzzle's digit line by its label in a solution file or a puzzle library.
#pragma once

#include <string>

// The fixed part of the solution file of a difficulty code; any other code reads the easy file.
std::string solutionNom(const std::string& dificultad);

enum class KeyLineError { None, Missing, NoKeyLine, BadDigitLine };

struct KeyLineResult {
    KeyLineError error = KeyLineError::None;
    std::string digits;  // the line after the key line; its first 81 characters are digits
    explicit operator bool() const { return error == KeyLineError::None; }
};

// Compares every line from the first with key; the line after the first equal one is the
// digit line. Nothing is read past the end of the file.
KeyLineResult findDigitLine(const std::string& path, const std::string& key);
