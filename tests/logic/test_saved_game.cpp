// The saved game: save, load, and every way a save or a load can fail.
#include <sys/stat.h>

#include "board/key_codes.h"
#include "app/data_files.h"
#include "tests/logic/game_fixture.h"

class SavedGameTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        writeAllLibraries();
        start();
    }
    int openCell(int n = 0) const
    {
        for (int i = 1; i <= 81; ++i)
            if (!ws.cells[i].locked && n-- == 0)
                return i;
        return 0;
    }
    std::string expectedFile() const { return game.idSudoku + "\r\n" + game.dificultadActual + "\r\n" + tableroDigits() + "\r\n"; }
};

TEST_F(SavedGameTest, SaveWritesThreeLinesWithTheFocusedCellCommitted)
{
    const int cell = openCell();
    ws.setFocusToCell(cell);
    ws.key(vk::Digit0 + 5);
    ws.cells[40].back = fondoError;
    game.guardar_sudoku_Click();
    EXPECT_EQ(ws.status, "Partida guardada");
    EXPECT_EQ(game.tablero[rowOf(cell)][columnOf(cell)], 5);
    EXPECT_EQ(readBytes("partida.sdk"), expectedFile());
    for (int i = 1; i <= 81; ++i)
        EXPECT_EQ(ws.cells[i].back, fondoNormal);

    // Saving again replaces the whole file.
    ws.setFocusToCell(openCell(1));
    ws.key(vk::Numpad0 + 8);
    game.guardar_sudoku_Click();
    const std::string second = readBytes("partida.sdk");
    EXPECT_EQ(second, expectedFile());
    EXPECT_EQ(std::count(second.begin(), second.end(), '\n'), 3);
    EXPECT_FALSE(fs::exists(folder / "game" / "partida.sdk.tmp"));
}

TEST_F(SavedGameTest, LoadRestoresPuzzleDifficultyAndDigits)
{
    game.medio_Click();
    game.nuevo_sudoku_Click();
    const int a = openCell(), b = openCell(3);
    ws.setFocusToCell(a);
    ws.key(vk::Digit0 + 4);
    ws.setFocusToCell(b);
    ws.key(vk::Digit0 + 6);
    game.guardar_sudoku_Click();
    const std::string saved = readBytes("partida.sdk");
    const std::string id = game.idSudoku, board = ws.boardTexts();

    // Another game at another difficulty, then load.
    game.facil_Click();
    game.nuevo_sudoku_Click();
    ws.cells[7].back = fondoError;
    game.cargar_sudoku_Click();
    EXPECT_EQ(ws.status, "SuDoku Cargado");
    EXPECT_EQ(game.idSudoku, id);
    EXPECT_EQ(game.dificultadActual, "m");
    EXPECT_EQ(game.dificultadElegida, "m");
    EXPECT_FALSE(ws.checked[MenuItem::facil]);
    EXPECT_TRUE(ws.checked[MenuItem::medio]);
    EXPECT_FALSE(ws.checked[MenuItem::dificil]);
    EXPECT_EQ(ws.boardTexts(), board.substr(0, board.size()));
    EXPECT_EQ(ws.cells[a].text, "4");
    EXPECT_FALSE(ws.cells[a].locked);
    EXPECT_FALSE(ws.cells[a].bold);
    EXPECT_EQ(ws.cells[a].fore, colorJugador);
    for (int i = 1; i <= 81; ++i)
        EXPECT_EQ(ws.cells[i].back, fondoNormal);

    // Saved again unchanged, the file is byte for byte the same.
    game.guardar_sudoku_Click();
    EXPECT_EQ(readBytes("partida.sdk"), saved);
    game.nuevo_sudoku_Click();
    EXPECT_EQ(game.dificultadActual, "m") << "the next new game follows the loaded difficulty";
}

TEST_F(SavedGameTest, LoadOfOddButLegalFiles)
{
    // A given cell saved as "0" shows empty and stays locked; an unknown code reads the easy
    // files and leaves the marks alone.
    std::string board = puzzleLine(4);
    int given = 0;
    for (int k = 81; k >= 1; --k)
        if (board[k - 1] != '0')
            given = k;
    board[given - 1] = '0';
    writeFile("partida.sdk", {"Facil 4", "F", board + "999"}, "\n");
    game.medio_Click();
    game.cargar_sudoku_Click();
    EXPECT_EQ(ws.status, "SuDoku Cargado");
    EXPECT_EQ(game.dificultadActual, "F");
    EXPECT_EQ(game.dificultadElegida, "F");
    EXPECT_TRUE(ws.checked[MenuItem::medio]);
    EXPECT_EQ(ws.cells[given].text, "");
    EXPECT_TRUE(ws.cells[given].locked);
    EXPECT_EQ(tableroDigits(), board);
}

TEST_F(SavedGameTest, LoadFailuresLeaveTheGameAsItWas)
{
    game.dificil_Click();
    const std::string good = puzzleLine(2);
    const std::vector<std::vector<std::string>> files = {
        {},                                               // no saved game
        {"Facil 2", "f"},                                 // fewer than three lines
        {"Facil 2", "f", good.substr(0, 80)},             // short board line
        {"Facil 2", "f", good.substr(0, 80) + "a"},       // a non-digit
        {"Facil 2", "m", good},                           // label not in the medium library
        {"Nadie", "f", good},                             // label found nowhere
    };
    for (std::size_t n = 0; n < files.size(); ++n) {
        fs::remove(folder / "game" / "partida.sdk");
        if (n > 0)
            writeFile("partida.sdk", files[n]);
        const Snapshot before = snapshot();
        const std::size_t boxes = ws.boxes.size();
        game.cargar_sudoku_Click();
        EXPECT_TRUE(snapshot() == before) << "case " << n;
        ASSERT_EQ(ws.boxes.size(), boxes + 1);
        EXPECT_EQ(ws.boxes.back().title, "Cuadrix!");
    }
    EXPECT_EQ(ws.boxes[0].prompt, "No hay partida guardada.");
}

// File calls that fail at one chosen step.
class FailingFileOps : public FileOps {
public:
    enum Step { Create, Write, Sync, Close, Rename } failAt;
    int writes = 0, failAtWrite = 0;
    explicit FailingFileOps(Step step, int writeNumber = 0) : failAt(step), failAtWrite(writeNumber) {}

    int createUnique(std::string& path, int& fd) override
    {
        return failAt == Create ? EACCES : systemFileOps().createUnique(path, fd);
    }
    int write(int fd, const char* data, std::size_t size) override
    {
        if (failAt == Write && writes++ == failAtWrite) {
            systemFileOps().write(fd, data, size / 2);  // part of the line reaches the disk
            return ENOSPC;
        }
        return systemFileOps().write(fd, data, size);
    }
    int sync(int fd) override { return failAt == Sync ? EIO : systemFileOps().sync(fd); }
    int close(int fd) override
    {
        const int result = systemFileOps().close(fd);
        return failAt == Close ? EIO : result;
    }
    int rename(const std::string& from, const std::string& to) override
    {
        return failAt == Rename ? EXDEV : systemFileOps().rename(from, to);
    }
    int syncFolder(const std::string& folder) override { return systemFileOps().syncFolder(folder); }
    void remove(const std::string& path) override { systemFileOps().remove(path); }
};

TEST_F(SavedGameTest, AFailedSaveKeepsTheEarlierSavedGameWhole)
{
    game.guardar_sudoku_Click();
    const std::string earlier = readBytes("partida.sdk");
    ws.setFocusToCell(openCell());
    ws.key(vk::Digit0 + 3);

    const FailingFileOps::Step steps[] = {FailingFileOps::Create, FailingFileOps::Sync, FailingFileOps::Close,
                                          FailingFileOps::Rename};
    std::vector<FailingFileOps> failures(std::begin(steps), std::end(steps));
    failures.emplace_back(FailingFileOps::Write, 0);
    for (FailingFileOps& ops : failures) {
        Game saving(ws, ops);
        saving.idSudoku = game.idSudoku;
        saving.dificultadActual = game.dificultadActual;
        saving.tablero = game.tablero;
        saving.celdaActual = game.celdaActual;
        saving.puzzleOnBoard = true;
        ws.status = "antes";
        const std::size_t boxes = ws.boxes.size();
        saving.guardar_sudoku_Click();
        EXPECT_EQ(readBytes("partida.sdk"), earlier) << "step " << ops.failAt;
        EXPECT_EQ(ws.status, "antes");
        ASSERT_EQ(ws.boxes.size(), boxes + 1);
        EXPECT_EQ(ws.boxes.back().title, "Cuadrix!");
        EXPECT_EQ(ws.boxes.back().prompt.rfind("No se ha podido guardar la partida", 0), 0u);
        EXPECT_EQ(std::distance(fs::directory_iterator(folder / "game"), fs::directory_iterator()), 7)
            << "no temporary file is left behind";
    }
    game.guardar_sudoku_Click();
    EXPECT_EQ(ws.status, "Partida guardada");
}

TEST_F(SavedGameTest, SaveIntoAMissingOrReadOnlyFolderSaysWhy)
{
    game.guardar_sudoku_Click();
    const std::string earlier = readBytes("partida.sdk");
    if (::geteuid() != 0) {  // root writes into read-only folders anyway
        fs::permissions(folder / "game", fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove);
        ws.status = "antes";
        game.guardar_sudoku_Click();
        EXPECT_EQ(ws.status, "antes");
        EXPECT_NE(ws.boxes.back().prompt.find("permiso"), std::string::npos);
        fs::permissions(folder / "game", fs::perms::owner_all, fs::perm_options::add);
        EXPECT_EQ(readBytes("partida.sdk"), earlier);
    }

    ws.folder = (folder / "sin-carpeta").string();
    ws.status = "antes";
    game.guardar_sudoku_Click();
    EXPECT_EQ(ws.status, "antes");
    EXPECT_NE(ws.boxes.back().prompt.find("la carpeta game no existe"), std::string::npos);
}
