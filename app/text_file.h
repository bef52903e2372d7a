// Data paths and line-by-line reading of the game's text files.
#pragma once

#include <fstream>
#include <optional>
#include <string>

// The program folder followed by a fixed part such as "\game\partida.sdk"; the fixed part's
// backslashes become '/', the folder's own characters are kept as they are.
std::string dataPath(const std::string& Ruta, const std::string& Nom);

// Reads a file one line at a time: a line ends at LF, and a CR before the LF is dropped.
// Bytes are kept as they are; nothing is transcoded.
class LineReader {
public:
    explicit LineReader(const std::string& path);
    bool isOpen() const { return in_.is_open(); }
    // The next line, or nothing at the end of the file or on a read error.
    std::optional<std::string> next();

private:
    std::ifstream in_;
};

// The decimal value of a character '0'..'9', or -1.
inline int digitValue(char ch) { return ch >= '0' && ch <= '9' ? ch - '0' : -1; }

// True when the first 81 characters of the line are decimal digits.
bool isDigitLine(const std::string& line);
