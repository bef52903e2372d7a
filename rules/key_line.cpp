// Finding a puzzle's digit line by its label in a solution file or a puzzle library.
#include "rules/key_line.h"

#include "app/text_file.h"

std::string solutionNom(const std::string& dificultad)
{
    if (dificultad == "m")
        return "\\game\\sol_med.sdk";
    if (dificultad == "d")
        return "\\game\\sol_dif.sdk";
    return "\\game\\sol_fac.sdk";
}

KeyLineResult findDigitLine(const std::string& path, const std::string& key)
{
    KeyLineResult result;
    LineReader reader(path);
    if (!reader.isOpen()) {
        result.error = KeyLineError::Missing;
        return result;
    }
    while (auto line = reader.next()) {
        if (*line != key)
            continue;
        auto digits = reader.next();
        if (!digits || !isDigitLine(*digits)) {
            result.error = KeyLineError::BadDigitLine;
            return result;
        }
        result.digits = std::move(*digits);
        return result;
    }
    result.error = KeyLineError::NoKeyLine;
    return result;
}
