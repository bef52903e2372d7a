// Data paths and line-by-line reading of the game's text files.
#include "app/text_file.h"

#include <algorithm>

std::string dataPath(const std::string& Ruta, const std::string& Nom)
{
    std::string part = Nom;
    std::replace(part.begin(), part.end(), '\\', '/');
    return Ruta + part;
}

LineReader::LineReader(const std::string& path) : in_(path, std::ios::binary) {}

std::optional<std::string> LineReader::next()
{
    std::string line;
    if (!std::getline(in_, line))
        return std::nullopt;
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return line;
}

bool isDigitLine(const std::string& line)
{
    return line.size() >= 81
        && std::all_of(line.begin(), line.begin() + 81, [](char ch) { return digitValue(ch) >= 0; });
}
