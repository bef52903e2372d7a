// The load of a fuzzed saved game (cargar_sudoku_Click) against the shipped libraries.
// Input: the file game/partida.sdk.
#include "fuzz/harness.h"
#include "puzzles/library.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace fuzz;
    static const ProgramFolder folder;
    static const bool filled = [] {
        for (const char* name : {"facil.sdk", "medio.sdk", "dificil.sdk"})
            folder.put(name, shippedFile(name));
        return true;
    }();
    (void)filled;
    const std::string saved(reinterpret_cast<const char*>(data), size);
    folder.put("partida.sdk", saved);

    // Loadable: three lines, 81 digits on the third, a label of the difficulty's library.
    const std::vector<std::string> lines = linesOf(saved);
    std::optional<std::string> record;
    if (lines.size() >= 3 && startsWith81Digits(lines[2]))
        record = recordOf(linesOf(shippedFile(fileName(levelOf(lines[1]).libraryNom))), lines[0]);

    const auto line = [&lines](std::size_t n) { return n < lines.size() ? lines[n] : std::string(); };
    requireLoad(folder, record, line(0), line(1), line(2));
    return 0;
}
