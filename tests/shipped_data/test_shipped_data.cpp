// The shipped puzzle libraries: everything the game relies on, and each puzzle rated for its level.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "tools/biblioteca/library_files.h"

namespace {

const std::filesystem::path gameFolder = CUADRIX_GAME_DIR;

TEST(ShippedData, FolderPassesEveryCheckTheGameRelies)
{
    const biblioteca::Report report = biblioteca::checkFolder(gameFolder);
    for (const biblioteca::Problem& problem : report.problems)
        ADD_FAILURE() << biblioteca::format(problem);
    EXPECT_EQ(report.files, 6);
    EXPECT_GE(report.puzzles, 3 * 20);
}

// Easy puzzles fall to singles alone; medium ones need more than singles but no guessing;
// hard ones need more than that.
TEST(ShippedData, EveryPuzzleIsRatedForItsLevel)
{
    const std::map<std::string, std::set<std::string>> allowed = {
        {"f", {"SIMPLE", "EASY"}}, {"m", {"INTERMEDIATE"}}, {"d", {"EXPERT"}}};
    for (const Level& level : levels()) {
        const biblioteca::TextFile library = biblioteca::readTextFile(gameFolder / biblioteca::libraryFile(level));
        ASSERT_TRUE(library.readable()) << biblioteca::libraryFile(level);
        int rated = 0;
        for (std::size_t line = 2; line < library.lines.size(); line += 2) {
            const std::string puzzle = library.lines[line].substr(0, biblioteca::kCells);
            EXPECT_EQ(allowed.at(level.code).count(biblioteca::rating(puzzle)), 1u)
                << biblioteca::libraryFile(level) << ":" << line + 1 << " is rated " << biblioteca::rating(puzzle);
            ++rated;
        }
        EXPECT_GE(rated, 20) << biblioteca::libraryFile(level);
    }
}

}  // namespace
