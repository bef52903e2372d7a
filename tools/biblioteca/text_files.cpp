// Reading a text file as the game reads it, and telling what is wrong with its line ends.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/biblioteca/text_files.h"

#include <algorithm>

#include "app/files/reading.h"

namespace biblioteca {

namespace {

// Each kind of fault of the line ends is reported once, at its first line, with how many lines share it.
struct EndFaults {
    int count = 0, first = 0;
    void add(int line) { first = count++ == 0 ? line : first; }
    std::string more() const
    {
        return count > 1 ? " (y " + std::to_string(count - 1) + (count == 2 ? " línea más)" : " líneas más)") : "";
    }
};

// Looks at the start of the first line: text of two bytes a character cannot be read; a UTF-8 byte-order mark is
// dropped and reported. Returns false for the first.
bool readableStart(std::string& line, const std::string& file, std::vector<Problem>& problems)
{
    if (line.rfind("\xFF\xFE", 0) == 0 || line.rfind("\xFE\xFF", 0) == 0)
        return false;
    if (line.rfind("\xEF\xBB\xBF", 0) == 0) {
        line.erase(0, 3);
        problems.push_back({file, 1, "empieza por la marca BOM de UTF-8, que el juego tomaría por parte de la línea"});
    }
    return true;
}

// What stopped the reading, or that the file is empty, then the faults of the line ends, all in line order.
void addEndProblems(TextFile& out, const std::string& file, int errorLine, const EndFaults& noCr,
                    const EndFaults& strayCr)
{
    if (!out.error && out.lines.empty())
        out.problems.push_back({file, 0, "el fichero está vacío; falta al menos la cabecera"});
    if (out.error)
        out.problems.push_back({file, errorLine, fileErrorText(out.error)});
    if (noCr.count > 0 && !out.error)
        out.problems.push_back({file, noCr.first, "la línea termina en LF sin CR" + noCr.more()});
    if (strayCr.count > 0 && !out.error)
        out.problems.push_back({file, strayCr.first, "la línea lleva un CR suelto" + strayCr.more()});
    std::sort(out.problems.begin(), out.problems.end(),
              [](const Problem& a, const Problem& b) { return a.line < b.line; });
}

}  // namespace

TextFile readTextFile(const std::filesystem::path& path)
{
    TextFile out;
    const std::string file = path.string();
    LineReader reader(file);
    EndFaults noCr, strayCr;
    while (auto line = reader.next()) {
        const int number = static_cast<int>(out.lines.size()) + 1;
        if (number == 1 && !readableStart(*line, file, out.problems)) {
            out = {kTwoByteText, {}, {}};
            break;
        }
        if (reader.lastEnd() == LineReader::End::None)
            out.problems.push_back({file, number, "la última línea no termina en CR LF"});
        else if (reader.lastEnd() == LineReader::End::Lf)
            noCr.add(number);
        if (line->find('\r') != std::string::npos)
            strayCr.add(number);
        out.lines.push_back(std::move(*line));
    }
    if (!out.error)
        out.error = reader.error();  // the lines read before stay, and the line it stopped at is named
    const bool atLine = reader.isOpen() && out.error != kTwoByteText;
    addEndProblems(out, file, atLine ? static_cast<int>(out.lines.size()) + 1 : 0, noCr, strayCr);
    return out;
}

std::string crlf(const std::vector<std::string>& lines)
{
    std::string bytes;
    for (const std::string& line : lines)
        bytes += line + "\r\n";
    return bytes;
}

}  // namespace biblioteca
