// The cuadrix-biblioteca command line's arguments: options and positional arguments, the level, numbers and folders
// they name, and the usage error a wrong one is.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/biblioteca/arguments.h"

#include <algorithm>
#include <cerrno>
#include <system_error>

#include "app/files/files.h"
#include "puzzles/library.h"

namespace biblioteca {

namespace fs = std::filesystem;

Arguments parse(const std::vector<std::string>& args, const std::set<std::string>& allowed, std::size_t count,
                const char* what, std::size_t most)
{
    Arguments parsed;
    for (std::size_t i = 1; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a.rfind("--", 0) != 0) {
            parsed.positional.push_back(a);
            continue;
        }
        const auto eq = a.find('=');
        const std::string name = a.substr(0, eq);
        if (!allowed.count(name))
            throw UsageError{"opción desconocida para " + args[0] + ": " + name};
        if (eq == std::string::npos && i + 1 == args.size())
            throw UsageError{"falta el valor de " + name};
        const std::string value = eq == std::string::npos ? args[++i] : a.substr(eq + 1);
        if (!parsed.options.emplace(name, value).second)
            throw UsageError{name + " aparece dos veces"};
    }
    if (parsed.positional.size() < count)
        throw UsageError{std::string("falta ") + what};
    if (parsed.positional.size() > std::max(count, most))
        throw UsageError{"sobra el argumento \"" + parsed.positional[std::max(count, most)] + "\""};
    return parsed;
}

const Level& levelOption(const Arguments& a)
{
    const auto it = a.options.find("--dificultad");
    if (it == a.options.end())
        throw UsageError{"falta --dificultad f|m|d"};
    if (it->second != levelOf(it->second).code)
        throw UsageError{"dificultad no válida: \"" + it->second + "\" (use f, m o d)"};
    return levelOf(it->second);
}

unsigned long numberOption(const Arguments& a, const std::string& name, unsigned long lo, unsigned long hi)
{
    const std::string& text = a.options.at(name);
    const bool digits = !text.empty() && text.size() <= 10 && text.find_first_not_of("0123456789") == std::string::npos;
    const unsigned long value = digits ? std::stoul(text) : 0;
    if (!digits || value < lo || value > hi)
        throw UsageError{name + " debe ser un número entero entre " + std::to_string(lo) + " y " + std::to_string(hi)
                         + ", no \"" + text + "\""};
    return value;
}

const fs::path& requireFolder(const fs::path& folder)
{
    std::error_code ec;
    if (!fs::is_directory(folder, ec))
        throw UsageError{folder.string()
                         + (ec && ec.value() != ENOENT ? ": " + fileErrorText(ec.value()) : " no es una carpeta")};
    return folder;
}

}  // namespace biblioteca
