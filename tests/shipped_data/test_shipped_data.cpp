// The shipped puzzle libraries: everything the game relies on, and each puzzle rated for its level.
#include <gtest/gtest.h>

#include <map>

#include "tools/biblioteca/library_files.h"

// Easy puzzles fall to singles alone; medium ones need more than singles but no guessing; hard ones need more.
TEST(ShippedData, PassesEveryCheckAndEachPuzzleIsRatedForItsLevel)
{
    for (const biblioteca::Problem& problem : biblioteca::checkFolder(CUADRIX_GAME_DIR).problems)
        ADD_FAILURE() << biblioteca::format(problem);
    const std::map<std::string, std::string> rated = {{"f", "SIMPLE EASY"}, {"m", "INTERMEDIATE"}, {"d", "EXPERT"}};
    for (const Level& level : levels())
        for (const std::string& line : biblioteca::readTextFile(CUADRIX_GAME_DIR "/" + fileName(level.libraryNom)).lines)
            EXPECT_TRUE(line.size() < 81 || rated.at(level.code).find(biblioteca::rating(line)) != std::string::npos) << line;
}
