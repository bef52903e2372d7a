// Odd but legal data through the draw, solve, restart, save and load: labels with spaces, Latin-1
// bytes or nothing at all, lines of a megabyte, LF-only line ends, no line end after the last
// line, and a library of 10,000 puzzles.
#include <chrono>
#include <iostream>

#include "board/key_codes.h"
#include "tests/logic/game_fixture.h"

class OddDataTest : public GameTest {
protected:
    void put(const std::string& name, const std::vector<std::string>& lines, const std::string& eol, bool lastEnded)
    {
        std::string bytes;
        for (std::size_t n = 0; n < lines.size(); ++n)
            bytes += lines[n] + (n + 1 < lines.size() || lastEnded ? eol : "");
        std::ofstream(folder / "game" / name, std::ios::binary) << bytes;
    }
    void expectGivensOf(const std::string& puzzle)
    {
        for (int k = 1; k <= 81; ++k)
            EXPECT_EQ(ws.cells[k].locked, puzzle[k - 1] != '0') << "cell " << k;
    }
};

// Every case with each line end, in the library, the solution file and a saved game.
TEST_F(OddDataTest, OddLinesSurviveEveryReaderAndTheSaveLoadRoundTripKeepsTheirBytes)
{
    const struct {
        const char* name;
        std::string label, tail;  // the tail follows the headers and every 81 digits
    } cases[] = {
        {"spaces", "  con dos  espacios y uno al final ", ""},
        {"Latin-1", "Dif\xE1" "cil \xF1" "and\xFA \xC1\xD1", ""},
        {"empty label", "", ""},
        {"megabyte label", std::string(1 << 20, 'k'), ""},
        {"megabyte of digits after the 81", "uno", std::string(1 << 20, '7')},
        {"megabyte of text after the 81", "uno", std::string(1 << 20, 'x')},
    };
    writeLibrary("medio.sdk", "sol_med.sdk", "Medio", 2);
    const std::string puzzle = puzzleLine(1), solution = solutionLine(1);
    const int open = static_cast<int>(puzzle.find('0')) + 1;
    for (const auto& odd : cases) {
        for (int ends = 0; ends < 4; ++ends) {
            const std::string eol = ends % 2 ? "\n" : "\r\n";
            const bool lastEnded = ends < 2;
            SCOPED_TRACE(std::string(odd.name) + (ends % 2 ? ", LF" : ", CR LF") + (lastEnded ? "" : ", last unended"));
            // Both records the draw chooses from carry the label, so the draw is certain.
            const std::string p = puzzle + odd.tail, s = solution + odd.tail;
            put("facil.sdk", {"Biblioteca" + odd.tail, odd.label, p, odd.label, p}, eol, lastEnded);
            put("sol_fac.sdk", {"Soluciones" + odd.tail, "otro", solutionLine(2), odd.label, s}, eol, lastEnded);
            game.facil_Click();
            game.nuevo_sudoku_Click();
            ASSERT_EQ(ws.status, "Nuevo SuDoku Cargado");
            EXPECT_TRUE(game.idSudoku == odd.label);
            EXPECT_EQ(tableroDigits(), puzzle);
            ws.setFocusToCell(open);
            ws.key(vk::Digit0 + 4);
            ws.setFocusToCell(open == 81 ? 80 : 81);
            const std::string played = tableroDigits();
            ASSERT_NE(played, puzzle);

            game.guardar_sudoku_Click();
            const std::string saved = readBytes("partida.sdk");
            EXPECT_TRUE(saved == odd.label + "\r\nf\r\n" + played + "\r\n");
            game.solucionar_sudoku_Click();
            EXPECT_EQ(tableroDigits(), solution);
            game.reiniciar_sudoku_Click();
            EXPECT_EQ(tableroDigits(), puzzle);
            expectGivensOf(puzzle);

            // Another game, then the saved one back; saved again, the file is the same.
            game.medio_Click();
            game.nuevo_sudoku_Click();
            game.cargar_sudoku_Click();
            ASSERT_EQ(ws.status, "SuDoku Cargado");
            EXPECT_TRUE(game.idSudoku == odd.label);
            EXPECT_EQ(tableroDigits(), played);
            expectGivensOf(puzzle);
            game.guardar_sudoku_Click();
            EXPECT_TRUE(readBytes("partida.sdk") == saved);

            // A saved game written with these line ends, and the tail after its board, loads too.
            put("partida.sdk", {odd.label, "f", s}, eol, lastEnded);
            game.cargar_sudoku_Click();
            ASSERT_EQ(ws.status, "SuDoku Cargado");
            EXPECT_EQ(tableroDigits(), solution);
            EXPECT_TRUE(ws.boxes.empty()) << ws.boxes.back().prompt.substr(0, 200);
        }
    }
}

TEST_F(OddDataTest, LastOfTenThousandPuzzlesIsFound)
{
    writeLibrary("facil.sdk", "sol_fac.sdk", "Facil", 10000);
    start();
    writeFile("partida.sdk", {"Facil 10000", "f", solutionLine(10000)});
    std::vector<double> ms;
    const auto timed = [&ms](const auto& command) {  // printed for the record, not checked
        const auto t0 = std::chrono::steady_clock::now();
        command();
        ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - t0).count());
    };
    timed([&] { game.cargar_sudoku_Click(); });
    ASSERT_EQ(ws.status, "SuDoku Cargado");
    EXPECT_EQ(game.idSudoku, "Facil 10000");
    expectGivensOf(puzzleLine(10000));
    timed([&] { game.solucionar_sudoku_Click(); });
    EXPECT_EQ(tableroDigits(), solutionLine(10000));
    timed([&] { game.reiniciar_sudoku_Click(); });
    EXPECT_EQ(tableroDigits(), puzzleLine(10000));
    timed([&] { EXPECT_TRUE(game.nuevoSudoku2()); });
    EXPECT_EQ(tableroDigits(), puzzleLine(10000));
    EXPECT_TRUE(ws.boxes.empty());
    std::cout << "[ figures  ] last of 10,000 puzzles: load " << ms[0] << " ms, solve " << ms[1] << " ms, restart "
              << ms[2] << " ms, nuevoSudoku2 " << ms[3] << " ms\n";
    RecordProperty("nuevoSudoku2_ms", std::to_string(ms[3]));
}
