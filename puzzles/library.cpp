// Reading the puzzle libraries and solution files: the random draw's record and the lookups by label.
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

// Reads the digit line that follows a label and checks it.
LibraryResult digitLineAfter(LineReader& reader, std::string label)
{
    auto digits = reader.next();
    if (!digits)
        return stopped(reader, LibraryError::Damaged);
    if (!isDigitLine(*digits))
        return failure(LibraryError::Damaged);
    LibraryResult result;
    result.label = std::move(label);
    result.digits = std::move(*digits);
    return result;
}

}  // namespace

LibraryResult readDrawnRecord(const std::string& path, int n)
{
    LineReader reader(path);
    if (!reader.next())
        return stopped(reader, LibraryError::Damaged);
    LibraryResult drawn;
    for (int k = 1; k <= 2; ++k) {
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

LibraryResult findRecord(const std::string& path, const std::string& label)
{
    LineReader reader(path);
    if (reader.next()) {
        while (auto line = reader.next()) {
            if (*line == label)
                return digitLineAfter(reader, std::move(*line));
            if (!reader.next())
                break;
        }
    }
    return stopped(reader, LibraryError::LabelNotFound);
}

LibraryResult findDigitLine(const std::string& path, const std::string& key)
{
    LineReader reader(path);
    while (auto line = reader.next())
        if (*line == key)
            return digitLineAfter(reader, std::move(*line));
    return stopped(reader, LibraryError::LabelNotFound);
}

std::string problemText(const LibraryResult& result, const std::string& path, const std::string& file,
                        const std::string& sought)
{
    switch (result.error) {
    case LibraryError::Missing: return "No se encuentra el " + file + " " + path + ".";
    case LibraryError::Unreadable:
        return "No se puede leer el " + file + " " + path + ": " + fileErrorText(result.cause) + ".";
    case LibraryError::LabelNotFound: return "El sudoku " + sought + " no está en el fichero " + path + ".";
    default: return "El " + file + " " + path + " está dañado o incompleto.";
    }
}
