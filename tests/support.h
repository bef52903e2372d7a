// Shared by every test: whole-file reading and writing, and a temporary program folder.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <regex>
#include <string>
#include <system_error>
#include <vector>

namespace support {

namespace fs = std::filesystem;

inline std::string readBytes(const fs::path& path)
{
    return std::string(std::istreambuf_iterator<char>(std::ifstream(path, std::ios::binary).rdbuf()), {});
}
inline fs::path writeBytes(const fs::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
}

// The text with each "@" standing for the game folder written out, as messages name their files.
inline std::string inGame(const std::string& text, const fs::path& game)
{
    return std::regex_replace(text, std::regex("@"), game.string());
}

// The lines, each ended by CR LF, as the game writes its files.
inline std::string crlf(const std::vector<std::string>& lines)
{
    std::string out;
    for (const std::string& line : lines)
        out += line + "\r\n";
    return out;
}

// A program folder of its own under the temporary folder, with an empty game/ in it; removed again at the end.
struct ProgramFolder {
    fs::path root;

    explicit ProgramFolder(const std::string& name)
        : root(fs::temp_directory_path() / ("cuadrix-" + std::to_string(::getpid()) + "-" + name))
    {
        fs::remove_all(root);
        fs::create_directories(root / "game");
    }
    ~ProgramFolder()
    {
        std::error_code ignored;
        fs::remove_all(root, ignored);
    }
    ProgramFolder(const ProgramFolder&) = delete;  // a copy's end would remove the folder under the other
    fs::path game(const std::string& file) const { return root / "game" / file; }
};

}  // namespace support
