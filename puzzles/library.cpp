// Reading the puzzle libraries and solution files: the random draw's record and the record of a label.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include "puzzles/library.h"

#include <cerrno>

namespace {

LibraryResult failure(LibraryError error, int cause = 0)
{
    LibraryResult result;
    result.error = error;
    result.cause = cause;
    return result;
}

// Why a reader that gave no line stopped: a file that could not be opened or read on (a disk error), a line too long
// to be the game's, or its end (ended).
LibraryResult stopped(const LineReader& reader, LibraryError ended)
{
    if (reader.error() == ENOENT || reader.error() == ENOTDIR)
        return failure(LibraryError::Missing);
    if (reader.error() == kLineTooLong)
        return failure(LibraryError::Damaged);
    return reader.error() ? failure(LibraryError::Unreadable, reader.error()) : failure(ended);
}

// Reads the line that follows a label and checks it.
LibraryResult digitLineAfter(LineReader& reader, std::string label)
{
    LibraryResult result;
    auto digits = reader.next();
    if (!digits)
        result = stopped(reader, LibraryError::Damaged);
    else if (!isDigitLine(*digits))
        result.error = LibraryError::Damaged;
    result.label = std::move(label);
    result.digits = digits.value_or("");
    return result;
}

}  // namespace

std::vector<std::size_t> labelIndices(const std::vector<std::string>& lines)
{
    std::vector<std::size_t> indices;
    for (std::size_t i = 0; i + 1 < lines.size(); ++i)
        if (isLabelLine(static_cast<int>(i) + 1))
            indices.push_back(i);
    return indices;
}

LibraryResult readDrawnRecord(const std::string& path, int n)
{
    LineReader reader(path);
    if (!reader.next())  // the header
        return stopped(reader, LibraryError::Damaged);
    LibraryResult drawn;
    for (int k = 1; k <= drawnRecords; ++k) {
        auto label = reader.next();
        if (!label)
            return stopped(reader, LibraryError::Damaged);
        LibraryResult record = digitLineAfter(reader, std::move(*label));
        if (!record)
            return record;
        if (k == n)
            drawn = std::move(record);
    }
    return drawn;
}

LibraryResult findRecord(const std::string& path, const std::string& label, KeyLines compared)
{
    LineReader reader(path);
    for (int line = 1; auto text = reader.next(); ++line)
        if ((compared == KeyLines::Every || isLabelLine(line)) && *text == label) {
            LibraryResult record = digitLineAfter(reader, std::move(*text));
            record.line = line;
            return record;
        }
    return stopped(reader, LibraryError::LabelNotFound);
}

std::string problemText(const LibraryResult& result, const std::string& path, const std::string& file,
                        const std::string& sought)
{
    switch (result.error) {
    case LibraryError::Missing: return asSentence(cannotFind("el " + file + " " + path));
    case LibraryError::Unreadable: return asSentence(cannotRead("el " + file + " " + path, result.cause));
    case LibraryError::LabelNotFound: return "El sudoku " + sought + " no está en el fichero " + path + ".";
    default: return "El " + file + " " + path + " está dañado o incompleto.";
    }
}
