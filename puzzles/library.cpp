// Reading the puzzle libraries: the random draw's record and the record of a label.
#include "puzzles/library.h"

#include "app/text_file.h"

std::string libraryNom(const std::string& dificultad)
{
    if (dificultad == "m")
        return "\\game\\medio.sdk";
    if (dificultad == "d")
        return "\\game\\dificil.sdk";
    return "\\game\\facil.sdk";
}

namespace {

LibraryResult failure(LibraryError error)
{
    LibraryResult result;
    result.error = error;
    return result;
}

// Reads the puzzle line that follows a label and checks it.
LibraryResult puzzleAfter(LineReader& reader, std::string label)
{
    auto puzzle = reader.next();
    if (!puzzle)
        return failure(LibraryError::TooShort);
    if (!isDigitLine(*puzzle))
        return failure(LibraryError::BadPuzzleLine);
    LibraryResult result;
    result.label = std::move(label);
    result.puzzle = std::move(*puzzle);
    return result;
}

}  // namespace

LibraryResult readDrawnRecord(const std::string& path, int n)
{
    LineReader reader(path);
    if (!reader.isOpen())
        return failure(LibraryError::Missing);
    if (!reader.next())
        return failure(LibraryError::TooShort);
    LibraryResult drawn;
    for (int k = 1; k <= 2; ++k) {
        auto label = reader.next();
        if (!label)
            return failure(LibraryError::TooShort);
        LibraryResult record = puzzleAfter(reader, std::move(*label));
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
    if (!reader.isOpen())
        return failure(LibraryError::Missing);
    if (!reader.next())
        return failure(LibraryError::LabelNotFound);
    while (auto line = reader.next()) {
        if (*line == label)
            return puzzleAfter(reader, std::move(*line));
        if (!reader.next())
            break;
    }
    return failure(LibraryError::LabelNotFound);
}
