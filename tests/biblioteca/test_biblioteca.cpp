// cuadrix-biblioteca on copies of the shipped game/ folder: damage found at its line, imports and generated puzzles in
// the game's format, usage errors that change nothing, and an append killed between its two writes undone.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <functional>
#include <regex>
#include <sstream>

#include "tests/support.h"
#include "tools/biblioteca/command_line.h"
#include "tools/biblioteca/library_files.h"

using namespace support;
using Lines = std::vector<std::string>;

// Exchanges the digits 1 and 9, 2 and 8, ...: a new puzzle, whose solution is exchanged the same way.
std::string mirrored(std::string g) { return std::transform(g.begin(), g.end(), g.begin(), [](char c) { return c == '0' ? c : char('9' - c + '1'); }), g; }

struct Biblioteca : ::testing::Test {
    ProgramFolder folder{"biblioteca"};
    const fs::path game = folder.root / "game";

    void SetUp() override { fs::remove_all(game), fs::copy(CUADRIX_SHIPPED_GAME, game); }
    Lines lines(const std::string& name) const { return biblioteca::readTextFile(game / name).lines; }
    // Runs the tool in-process: its exit code and its output, error output after it.
    std::pair<int, std::string> run(const std::vector<std::string>& args) const
    {
        std::ostringstream out;  // the error output after the rest
        return {biblioteca::run(args, out, out, ""), out.str()};
    }
    std::string check() const { return run({"comprobar", game.string()}).second; }
};

TEST_F(Biblioteca, ComprobarFindsEachDamageAtItsLine)
{
    const Lines solMed = lines("sol_med.sdk");
    const std::tuple<const char*, std::function<Lines(Lines)>, std::string> cases[] = {  // file, damage, where and what
        {"facil.sdk", [](Lines l) { l[5] = "Facil 001"; return l; }, "facil.sdk:6: la etiqueta «Facil 001» es igual a la línea 2"},
        {"sol_med.sdk", [](Lines l) { l.resize(59); return l; }, "medio.sdk:60: falta la solución de «Medio 030»"},
        {"sol_med.sdk", [](Lines l) { l[0] = "Medio 002"; return l; }, "sol_med.sdk:1: la etiqueta «Medio 002» de medio.sdk es igual a la cabecera"},
        {"sol_dif.sdk", [](Lines l) { std::swap(l[2][0], l[2][1]); return l; }, "sol_dif.sdk:3: la solución de «Dificil 001» no es válida"},
        {"sol_fac.sdk", [](Lines l) { l[2] = l[4]; return l; }, "sol_fac.sdk:3: la solución de «Facil 001» no respeta"},
        {"medio.sdk", [&](Lines l) { l[8] = std::regex_replace(solMed[8], std::regex("[12]"), "0"); return l; },
         "medio.sdk:9: el sudoku «Medio 004» tiene más de una solución"},  // its 1s and 2s can change places
        {"sol_fac.sdk", [](Lines l) { l[5] += "\n" + l[6], l.erase(l.begin() + 6); return l; }, "sol_fac.sdk:6: la línea termina en LF sin CR"},
    };
    for (const auto& [file, damage, where] : cases) {
        SetUp();
        writeBytes(game / file, crlf(damage(lines(file))));
        EXPECT_NE(check().find((game / where).string()), std::string::npos) << check();
    }
}

TEST_F(Biblioteca, ImportAppendsGoodLinesAndRefusesEachBadOneWithItsReason)
{
    const Lines lib = lines("facil.sdk"), sol = lines("sol_fac.sdk");
    const std::string p = mirrored(lib[2]);
    const std::pair<std::string, std::string> input[] = {  // from line 2, after a comment
        {std::string(p).replace(p.find('0'), 1, "."), "añadido como «Facil 031»"},
        {p.substr(0, 80) + "x", "rechazado: carácter no válido en la posición 81"},
        {lines("sol_med.sdk")[2], "rechazado: no tiene casillas vacías"},
        {lines("dificil.sdk")[2], "rechazado: ya está en la biblioteca (dificil.sdk, «Dificil 001»)"},
    };
    std::string text = "# comentario\n";
    for (const auto& line : input)
        text += line.first + "\n";
    writeBytes(folder.root / "nuevos.txt", text);
    const auto [code, out] = run({"importar", (folder.root / "nuevos.txt").string(), "--dificultad=f", "--carpeta", game.string()});
    EXPECT_EQ(code, 1);
    for (std::size_t i = 0; i < std::size(input); ++i)
        EXPECT_NE(out.find("nuevos.txt:" + std::to_string(i + 2) + ": " + input[i].second), std::string::npos) << out;
    EXPECT_EQ(readBytes(game / "facil.sdk"), crlf(lib) + crlf({"Facil 031", p}));
    EXPECT_EQ(readBytes(game / "sol_fac.sdk"), crlf(sol) + crlf({"Facil 031", mirrored(sol[2])}));
    EXPECT_NE(check().find("ningún problema"), std::string::npos);
}

// A level started afresh; the same seed in another folder gives the same files; an unknown level is a usage error.
TEST_F(Biblioteca, GenerarRatesItsPuzzlesForTheLevelAndASeedRepeatsThem)
{
    fs::remove(game / "dificil.sdk"), fs::remove(game / "sol_dif.sdk"), fs::copy(game, folder.root / "otra");
    for (const fs::path& g : {game, folder.root / "otra"})
        ASSERT_EQ(run({"generar", "--dificultad", "d", "--cantidad", "3", "--semilla", "7", "--carpeta", g.string()}).first, 0);
    EXPECT_EQ(readBytes(game / "dificil.sdk"), readBytes(folder.root / "otra" / "dificil.sdk"));
    for (const std::string& line : lines("dificil.sdk"))  // the header, the labels "Dificil 00N" and three puzzles
        EXPECT_TRUE(line.size() < 81 || biblioteca::rating(line) == "EXPERT") << line;
    EXPECT_NE(check().find("Comprobados 6 ficheros con 63 sudokus en " + game.string() + ": ningún problema"), std::string::npos);

    EXPECT_EQ(run({"generar", "--dificultad", "x", "--cantidad", "1", "--carpeta", game.string()}).first, 2);
}

// Killed between its two writes, an append leaves a solution without a puzzle (which the game never reads) and the
// library's temporary file; the next run removes both and says so.
TEST_F(Biblioteca, AnAppendInterruptedBetweenItsTwoWritesIsUndoneByTheNextRun)
{
    struct KillAtSecondRename : SystemFileOps {
        int n = 0;
        int rename(const std::string& a, const std::string& b) override { return ++n == 2 ? ::raise(SIGKILL) : SystemFileOps::rename(a, b); }
    } ops;
    const std::string lib = readBytes(game / "facil.sdk"), sol = readBytes(game / "sol_fac.sdk"), solution = mirrored(lines("sol_fac.sdk")[2]);
    std::vector<biblioteca::NewPuzzle> puzzles{{mirrored(lines("facil.sdk")[2]), solution, {}}};
    const pid_t child = ::fork();
    if (child == 0)
        biblioteca::appendPuzzles(game, levels()[0], puzzles, ops), ::_exit(0);
    int status = 0;
    ASSERT_TRUE(::waitpid(child, &status, 0) == child && WIFSIGNALED(status));
    EXPECT_EQ(readBytes(game / "facil.sdk"), lib);
    EXPECT_EQ(readBytes(game / "sol_fac.sdk"), sol + crlf({"Facil 031", solution}));

    const std::string out = check(), g = game.string();
    EXPECT_TRUE(out.find("borrado " + g + "/fa~") < out.find("quitadas de " + g + "/sol_fac.sdk las soluciones sin sudoku «Facil 031»")
                && out.find("ningún problema") != std::string::npos) << out;
    EXPECT_EQ(readBytes(game / "sol_fac.sdk"), sol);
    EXPECT_EQ(std::distance(fs::directory_iterator(game), fs::directory_iterator()), 6);
}
