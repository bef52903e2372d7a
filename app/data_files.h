// The data files, for the game and cuadrix-biblioteca alike: names, line reading, causes of failure, safe replacement.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// ---------------------------------------------------------------------------
// Names

// One difficulty and its two files. The fixed parts are appended to the program folder.
struct Level {
    const char* code;         // "f", "m", "d"
    const char* libraryNom;   // "\\game\\facil.sdk"
    const char* solutionNom;  // "\\game\\sol_fac.sdk"
    const char* header;       // first line of both files when the tool starts them
    const char* labelPrefix;  // the tool's labels are "<prefix> 001", "<prefix> 002", ...
};
const std::array<Level, 3>& levels();
// The level of a difficulty code; any code other than "f", "m" or "d" reads the easy files.
const Level& levelOf(const std::string& dificultad);
// The file name of a fixed part: "facil.sdk" for "\\game\\facil.sdk".
std::string fileName(const std::string& Nom);

// The program folder followed by a fixed part such as "\game\partida.sdk"; the fixed part's
// backslashes become '/', the folder's own characters are kept as they are.
std::string dataPath(const std::string& Ruta, const std::string& Nom);

// The folder of the running program as the bytes the system gives, without a trailing '/'
// ("" for the root); nothing when it cannot be known.
std::optional<std::string> executableFolder();

// Where a system-wide install keeps the data: <prefix>/share/games/cuadrix, its programs being in <prefix>/games.
inline const std::string sharedDataTail = "/share/games/cuadrix";

// The folder that holds game/ and data/ for a program in programFolder: the program's own folder when game/ stands
// beside the program (a folder of its own, which can be copied anywhere), else the shared data of a system-wide
// install, <prefix>/share/games/cuadrix.
std::string dataFolderOf(const std::string& programFolder);

// Where the saved game is kept: the folder (Ruta) and the fixed part (Nom) GuardarPartida and CargarPartida join.
struct SavePlace {
    std::string Ruta, Nom;
    bool privateFolder = false;  // created for the player alone (folder 0700, file 0600) when missing
};
// A folder of its own whose game/ the player can write keeps the saved game there, game/partida.sdk. A system-wide
// install, or a folder the player cannot write, keeps it in the player's own data folder: $XDG_DATA_HOME/cuadrix
// (~/.local/share/cuadrix when XDG_DATA_HOME is unset or relative), partida.sdk.
SavePlace savedGamePlace(const std::string& dataFolder);
// Makes the folder and those above it that are missing, each for the owner alone (0700), and closes the folder itself
// to others when it is the user's. Returns 0 or the errno of what failed.
int makePrivateFolder(const std::string& folder);
inline const std::string partidaNom = "\\game\\partida.sdk";

// ---------------------------------------------------------------------------
// Reading

// Causes of a failure that have no errno value of their own.
constexpr int kNotRegularFile = -1;  // a FIFO, a device or a socket
constexpr int kLineTooLong = -2;     // a line longer than kMaxLine
constexpr int kTooLarge = -3;        // a file read whole that is longer than kMaxLine
constexpr int kTwoByteText = -4;     // text of two bytes a character (UTF-16), which the game cannot read
constexpr int kCannotLock = -5;      // a disk that cannot lock files
// Far above any line a data file needs, labels of a megabyte included, and any help page.
constexpr std::size_t kMaxLine = std::size_t(16) << 20;

// What went wrong with a file, in Spanish, without a final period: an errno value or one of the causes above.
std::string fileErrorText(int error);

// Opens a data file for reading: a regular file only, without waiting (a FIFO or a device is refused at once).
// Returns the descriptor, or -1 with error set.
int openDataFile(const std::string& path, int& error);

// A data file read whole, opened as above, up to kMaxLine bytes (kTooLarge beyond).
struct FileBytes {
    std::string bytes;
    int error = 0;
};
FileBytes readDataFile(const std::string& path);
// The rest of a file already open, from where it stands, as readDataFile reads.
FileBytes readOpenFile(int fd);

// Reads a file one line at a time: a line ends at LF, and a CR before the LF is dropped.
// Only a regular file is opened, without waiting; bytes are kept as they are.
class LineReader {
public:
    explicit LineReader(const std::string& path);
    ~LineReader();
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    bool isOpen() const { return fd_ >= 0; }
    // The next line; nothing at the end of the file or once error() is set.
    std::optional<std::string> next();
    // 0, or why the file could not be opened or read on (an errno value, kNotRegularFile, kLineTooLong).
    int error() const { return error_; }
    // Whether the last line read ended with CR LF, LF alone, or the end of the file.
    enum class End { CrLf, Lf, None };
    End lastEnd() const { return end_; }

private:
    int fd_ = -1;
    int error_ = 0;
    End end_ = End::None;
    std::vector<char> buffer_;
    std::size_t at_ = 0, filled_ = 0;
};

// The decimal value of a character '0'..'9', or -1.
inline int digitValue(char ch) { return ch >= '0' && ch <= '9' ? ch - '0' : -1; }

// True when the first 81 characters of the line are decimal digits.
inline bool isDigitLine(const std::string& line)
{
    return line.size() >= 81
        && std::all_of(line.begin(), line.begin() + 81, [](char ch) { return digitValue(ch) >= 0; });
}

// ---------------------------------------------------------------------------
// Writing

// The calls that write a file's new content and put it in place, behind an interface so tests can make any fail.
class FileOps {
public:
    virtual ~FileOps() = default;
    // Each returns 0 on success or an errno value. sync flushes a file or a folder.
    virtual int write(int fd, const char* data, std::size_t size) = 0;  // writes all of it
    virtual int sync(int fd) = 0;
    virtual int rename(const std::string& from, const std::string& to) = 0;
};

// The real POSIX calls; tests derive from it to make one of them fail.
class SystemFileOps : public FileOps {
public:
    int write(int fd, const char* data, std::size_t size) override;
    int sync(int fd) override;
    int rename(const std::string& from, const std::string& to) override;
};
FileOps& systemFileOps();

// Files a run of this program holds locked while it lasts (a temporary file being written, the marker of a change in
// progress); the lock goes when the run ends, however it ends. createLockedFile makes a new one with the mode given
// (-1 and error EEXIST when one is there already). lockAbandoned opens one no run holds any longer, as the file still
// at path; -1 and error EWOULDBLOCK while a run holds it, kCannotLock on a disk that cannot lock, kNotRegularFile for
// what this program never leaves (a link, a FIFO, another user's file, one with more than one name), or why it
// cannot be opened.
int createLockedFile(const std::string& path, int& error, int mode);
int lockAbandoned(const std::string& path, int& error);

// Removes the temporary files beside path that replacements of path left behind when they were cut short: named as
// this program names them (with four characters that check the name), the user's own, and no longer locked by the run
// that wrote them (a run holds its lock until the file is in place, and a run that ends, however, lets it go).
// Returns those removed.
std::vector<std::string> removeAbandonedTemporaries(const std::string& path);

// Replaces the file at path (or, when path is a symbolic link, the regular file it leads to, never a device, FIFO or
// socket) by bytes so that it always holds either its earlier content or the new one whole: a temporary file in the
// same folder (its name no longer than the file's when that has seven characters or more), locked while it is
// written, is flushed and renamed over it.
// Abandoned temporaries are removed first. A new file is the owner's alone (0600) in a folder closed to everyone else.
// Returns 0 or the errno of the failed step (kNotRegularFile for a link to anything but a regular file).
int writeFileAtomically(const std::string& path, const std::string& bytes, FileOps& ops);

// What went wrong writing path, in Spanish: as fileErrorText, but a missing folder is named.
std::string writeErrorText(int error, const std::string& path);
