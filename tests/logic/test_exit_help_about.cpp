// The exit question, the splash timer, the help addresses and the About box.
#include "app/splash.h"
#include "board/key_codes.h"
#include "help/about.h"
#include "tests/logic/game_fixture.h"

class ExitTest : public GameTest {
protected:
    void SetUp() override
    {
        GameTest::SetUp();
        writeAllLibraries();
        start();
        game.guardar_sudoku_Click();
        earlier = readBytes("partida.sdk");
        for (int i = 1; i <= 81 && !open; ++i)
            if (!ws.cells[i].locked)
                open = i;
        ws.setFocusToCell(open);
        ws.key(vk::Digit0 + 5);  // still in the cell when the question comes
    }
    std::string earlier;
    int open = 0;
};

TEST_F(ExitTest, YesSavesTheCellBeingTypedAndEnds)
{
    ws.answers = {Answer::Yes};
    int cancel = 0;
    game.Form_QueryUnload(cancel);
    EXPECT_EQ(ws.boxes.back().prompt, "Desea guardar la partida?");
    EXPECT_EQ(ws.boxes.back().title, "Cuadrix!");
    EXPECT_EQ(ws.boxes.back().buttons, Buttons::YesNoCancel);
    EXPECT_TRUE(ws.ended);
    EXPECT_EQ(cancel, 0);
    const std::string saved = readBytes("partida.sdk");
    EXPECT_NE(saved, earlier);
    EXPECT_EQ(saved.substr(saved.size() - 83)[open - 1], '5');
}

TEST_F(ExitTest, NoEndsWithoutTouchingTheSavedGame)
{
    ws.answers = {Answer::No};
    game.salir_Click();
    EXPECT_TRUE(ws.ended);
    EXPECT_EQ(readBytes("partida.sdk"), earlier);
}

TEST_F(ExitTest, CancelKeepsPlayingAndTheNextCloseAsksAgain)
{
    const Snapshot before = snapshot();
    ws.answers = {Answer::Cancel, Answer::Cancel};
    int cancel = 0;
    game.Form_QueryUnload(cancel);
    EXPECT_EQ(cancel, 1);
    EXPECT_EQ(game.salidaCancelada, 1);
    EXPECT_FALSE(ws.ended);
    EXPECT_TRUE(snapshot() == before);
    cancel = 0;
    game.Form_QueryUnload(cancel);
    EXPECT_EQ(cancel, 1);
    EXPECT_EQ(ws.boxes.size(), 2u);
    EXPECT_EQ(readBytes("partida.sdk"), earlier);
}

TEST_F(ExitTest, YesWithABadEntryShowsItsMessageThenSavesWithoutIt)
{
    ws.cells[open].text = "x";
    ws.answers = {Answer::Yes};
    game.salir_Click();
    ASSERT_EQ(ws.boxes.size(), 2u);
    EXPECT_EQ(ws.boxes[1].prompt, "Introdueix un Nombre!");
    EXPECT_TRUE(ws.ended);
    EXPECT_EQ(readBytes("partida.sdk"), earlier);
}

TEST_F(ExitTest, YesWhenTheSaveFailsKeepsTheGameOpen)
{
    fs::remove_all(folder / "game");
    ws.answers = {Answer::Yes};
    int cancel = 0;
    game.Form_QueryUnload(cancel);
    EXPECT_FALSE(ws.ended);
    EXPECT_EQ(cancel, 1);
    EXPECT_EQ(ws.boxes.back().prompt.rfind("No se ha podido guardar la partida", 0), 0u);
}

TEST_F(GameTest, YesWithNoPuzzleOnTheBoardEndsWithoutSaving)
{
    start();  // no library: the board stays empty
    ws.answers = {Answer::Yes};
    game.salir_Click();
    EXPECT_TRUE(ws.ended);
    EXPECT_FALSE(fs::exists(folder / "game" / "partida.sdk"));
}

TEST(Splash, SecondTickShowsTheMainWindowAndHidesTheSplashOnce)
{
    FakeWindowSystem ws;
    ws.splashShown = ws.splashTimerOn = true;
    Form4Timer timer(ws);
    timer.Timer1_Timer();
    EXPECT_TRUE(ws.splashShown);
    EXPECT_FALSE(ws.mainShown);
    timer.Timer1_Timer();
    EXPECT_FALSE(ws.splashShown);
    EXPECT_FALSE(ws.splashTimerOn);
    EXPECT_TRUE(ws.mainShown);
    ws.mainShown = false;
    timer.Timer1_Timer();
    EXPECT_FALSE(ws.mainShown) << "the splash ends once per run";
}

TEST(HelpPages, EachItemOpensItsPageUnderTheProgramFolder)
{
    FakeWindowSystem ws;
    ws.folder = "/opt/mi carpeta#1";
    Game game(ws);
    game.historia_Click();
    game.reglas_Click();
    game.metodos_Click();
    game.utilizacion_Click();
    EXPECT_EQ(ws.helpAddresses, (std::vector<std::string>{
        "file:///opt/mi carpeta#1\\data\\historia.htm", "file:///opt/mi carpeta#1\\data\\reglas.htm",
        "file:///opt/mi carpeta#1\\data\\resolucion.htm", "file:///opt/mi carpeta#1\\data\\utilizacion.htm"}));
    game.acerca_Click();
    EXPECT_TRUE(ws.aboutShown);
}

// A registry made of a few values, which records the keys opened and the programs started.
class FakeRegistry : public AboutPlatform {
public:
    struct Value { std::uint32_t type; std::vector<unsigned char> bytes; };
    std::map<std::string, Value> values;  // "key|name"
    std::vector<std::string> opened, started, messages;
    int openKeys = 0;
    std::set<std::string> files;
    bool startWorks = true;

    long openKey(Key, const std::string& name, std::uint32_t access, Key& key) override
    {
        EXPECT_EQ(access, 0x2003Fu);
        opened.push_back(name);
        for (const auto& [k, v] : values)
            if (k.rfind(name + "|", 0) == 0) {
                key = 1000 + ++openKeys;
                currentKey = name;
                return 0;
            }
        return 2;
    }
    long queryValue(Key, const std::string& name, std::uint32_t& type, std::vector<unsigned char>& buffer,
                    std::uint32_t& size) override
    {
        auto it = values.find(currentKey + "|" + name);
        if (it == values.end())
            return 2;
        type = it->second.type;
        std::copy(it->second.bytes.begin(), it->second.bytes.end(), buffer.begin());
        size = static_cast<std::uint32_t>(it->second.bytes.size());
        return 0;
    }
    void closeKey(Key) override {}
    bool fileExists(const std::string& path) override { return files.count(path) > 0; }
    bool startProgram(const std::string& path) override
    {
        started.push_back(path);
        return startWorks;
    }
    void messageBox(const std::string& prompt) override { messages.push_back(prompt); }

private:
    std::string currentKey;
};

const std::string msinfoKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string locationKey = "SOFTWARE\\Microsoft\\Shared Tools Location";
const std::string notAvailable = "La información del sistema no está disponible en este momento";

std::vector<unsigned char> bytes(const std::string& s) { return {s.begin(), s.end()}; }

TEST(About, LoadTexts)
{
    const AboutTexts texts = FrmAbout::Form_Load();
    EXPECT_EQ(texts.caption, "Acerca de Cuadrix");
    EXPECT_EQ(texts.lblTitle, "Cuadrix");
    EXPECT_EQ(texts.lblVersion, "Versión 1.0.0");
}

TEST(About, GetKeyValueConvertsByType)
{
    FakeRegistry registry;
    registry.values["K|texto"] = {REG_SZ, bytes(std::string("C:\\x.exe") + '\0')};
    registry.values["K|sin-nulo"] = {REG_SZ, bytes("abc")};
    registry.values["K|numero"] = {REG_DWORD, {0x1F, 0x00, 0xA0, 0x07}};
    registry.values["K|numero-cero"] = {REG_DWORD, {0x01, 0x00, 0x00, 0x00}};
    registry.values["K|binario"] = {3, {1, 2}};
    FrmAbout about(registry);

    std::string value;
    EXPECT_TRUE(about.GetKeyValue(HKEY_LOCAL_MACHINE, "K", "texto", value));
    EXPECT_EQ(value, "C:\\x.exe") << "the trailing NUL is dropped";
    EXPECT_TRUE(about.GetKeyValue(HKEY_LOCAL_MACHINE, "K", "sin-nulo", value));
    EXPECT_EQ(value, "abc");
    value = "";
    EXPECT_TRUE(about.GetKeyValue(HKEY_LOCAL_MACHINE, "K", "numero", value));
    EXPECT_EQ(value, "&h7A001F") << "bytes from the last to the first, hex without leading zeros";
    value = "";
    EXPECT_TRUE(about.GetKeyValue(HKEY_LOCAL_MACHINE, "K", "numero-cero", value));
    EXPECT_EQ(value, "&h001") << "a last byte of 0 is dropped like a NUL";
    value = "antes";
    EXPECT_TRUE(about.GetKeyValue(HKEY_LOCAL_MACHINE, "K", "binario", value));
    EXPECT_EQ(value, "antes");
    EXPECT_FALSE(about.GetKeyValue(HKEY_LOCAL_MACHINE, "K", "falta", value));
    EXPECT_EQ(value, "");
    value = "antes";
    EXPECT_FALSE(about.GetKeyValue(HKEY_LOCAL_MACHINE, "NoHay", "x", value));
    EXPECT_EQ(value, "");
}

TEST(About, StartSysInfoTriesTheToolPathThenItsFolder)
{
    {   // try 1 holds a path: started from there, try 2 never looked at
        FakeRegistry registry;
        registry.values[msinfoKey + "|PATH"] = {REG_SZ, bytes(std::string("C:\\msinfo.exe") + '\0')};
        registry.values[locationKey + "|MSINFO"] = {REG_SZ, bytes("C:\\otra")};
        FrmAbout(registry).cmdSysInfo_Click();
        EXPECT_EQ(registry.started, std::vector<std::string>{"C:\\msinfo.exe"});
        EXPECT_EQ(registry.opened, std::vector<std::string>{msinfoKey});
        EXPECT_TRUE(registry.messages.empty());
    }
    {   // try 2 names a folder that holds the tool
        FakeRegistry registry;
        registry.values[locationKey + "|MSINFO"] = {REG_SZ, bytes("C:\\herr")};
        registry.files.insert("C:\\herr\\MSINFO32.EXE");
        FrmAbout(registry).cmdSysInfo_Click();
        EXPECT_EQ(registry.started, std::vector<std::string>{"C:\\herr\\MSINFO32.EXE"});
    }
    {   // try 2 names a folder without the tool
        FakeRegistry registry;
        registry.values[locationKey + "|MSINFO"] = {REG_SZ, bytes("C:\\herr")};
        FrmAbout(registry).cmdSysInfo_Click();
        EXPECT_TRUE(registry.started.empty());
        EXPECT_EQ(registry.messages, std::vector<std::string>{notAvailable});
    }
    {   // no registry at all, as on Linux; and a tool that does not start
        FakeRegistry none;
        FrmAbout(none).cmdSysInfo_Click();
        EXPECT_EQ(none.messages, std::vector<std::string>{notAvailable});
        FakeRegistry broken;
        broken.values[msinfoKey + "|PATH"] = {REG_SZ, bytes("C:\\roto.exe")};
        broken.startWorks = false;
        FrmAbout(broken).cmdSysInfo_Click();
        EXPECT_EQ(broken.messages, std::vector<std::string>{notAvailable});
    }
}
