// Timings of the game's commands: through the real main window under the offscreen platform
// ("Widgets/..."), and through the fake window system of the logic tests ("Logic/..."), so the
// cost of the game logic and the cost of the Qt side are seen apart.
//
// Widgets/X times the command itself (what runs before the event loop gets control back);
// WidgetsPaint/X also runs the event loop until the repaint it caused is done.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <chrono>
#include <cstdint>
#include <ctime>
#include <cstdlib>
#include <memory>

#include "app/files/files.h"
#include "app/form1.h"
#include "board/key_codes.h"
#include "board/text_cell.h"
#include "tests/logic/fake_window_system.h"

namespace {

// ---------------------------------------------------------------------------------------------
// The Qt side: one main window for the whole run, its boxes answered with `boxAnswer`.

Answer boxAnswer = Answer::OK;
long boxesShown = 0;
Form1* form = nullptr;

void settle() { QApplication::processEvents(); }

Form1& window()
{
    if (!form) {
        form = new Form1(executableFolder().value());
        form->setMessageBoxFunction([](const QString&, const QString&, Buttons) {
            ++boxesShown;
            return boxAnswer;
        });
        form->start();
        if (!QTest::qWaitForWindowActive(form)) {
            std::fprintf(stderr, "the main window never became active\n");
            std::exit(1);
        }
        // The splash leaves after two ticks of its timer; the timings must not see it.
        form->stopSplashTimer();
        form->hideSplash();
        settle();
    }
    return *form;
}

void trigger(const char* item) { window().menuItem(item)->trigger(); }
void key(Qt::Key k) { QTest::keyClick(window().windowHandle(), k); }

int focusedCell()
{
    auto* cell = qobject_cast<TextCell*>(QApplication::focusWidget());
    return cell ? cell->index() : 0;
}

// A fresh puzzle with the focus on its first open cell; returns that cell.
int freshBoard()
{
    boxAnswer = Answer::OK;
    trigger("nuevo_sudoku");
    settle();
    int open = 1;
    while (open <= 81 && window().Text1(open)->isLocked())
        ++open;
    window().Text1(open)->setFocus(Qt::MouseFocusReason);
    settle();
    return open;
}

// A digit in the open cell that repeats one of the givens in its row.
Qt::Key clashingDigit(int open)
{
    const int rowStart = (open - 1) / 9 * 9 + 1;
    for (int i = rowStart; i < rowStart + 9; ++i)
        if (window().Text1(i)->isLocked())
            return static_cast<Qt::Key>(Qt::Key_0 + window().Text1(i)->text().toInt());
    return Qt::Key_1;
}

// CPU time of this thread, in nanoseconds: the machine may be shared, and wall time then counts
// other programs' turns too.
std::int64_t threadCpuNs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<std::int64_t>(t.tv_sec) * 1000000000 + t.tv_nsec;
}

// Runs `command` once per iteration, after an untimed `prepare`: Widgets/ times the command
// alone (the event loop runs untimed after it); WidgetsPaint/ times the command and the event
// loop that repaints. The counter cpu_us is the same span in this thread's CPU time.
template <typename Prepare, typename Command>
void timeWidgets(benchmark::State& state, bool withPaint, Prepare prepare, Command command)
{
    std::int64_t cpuNs = 0;
    for (auto _ : state) {
        prepare();
        QElapsedTimer clock;
        clock.start();
        const std::int64_t cpuStart = threadCpuNs();
        command();
        if (withPaint)
            settle();
        cpuNs += threadCpuNs() - cpuStart;
        const qint64 ns = clock.nsecsElapsed();
        if (!withPaint)
            settle();
        state.SetIterationTime(static_cast<double>(ns) * 1e-9);
    }
    state.counters["cpu_us"] =
        benchmark::Counter(static_cast<double>(cpuNs) * 1e-3, benchmark::Counter::kAvgIterations);
}

template <typename Command>
void timeWidgets(benchmark::State& state, bool withPaint, Command command)
{
    timeWidgets(
        state, withPaint, [] {}, command);
}

void Widgets_NewGame(benchmark::State& state, bool paint)
{
    freshBoard();
    timeWidgets(state, paint, [] { trigger("nuevo_sudoku"); });
}

void Widgets_CheckNoClash(benchmark::State& state, bool paint)
{
    freshBoard();
    timeWidgets(state, paint, [] { trigger("check"); });
}

// Every check finds the clash, marks it and is answered No, which whitens the board again.
void Widgets_CheckClash(benchmark::State& state, bool paint)
{
    const int open = freshBoard();
    key(clashingDigit(open));
    settle();
    boxAnswer = Answer::No;
    const long before = boxesShown;
    timeWidgets(state, paint, [] { trigger("check"); });
    if (boxesShown - before != static_cast<long>(state.iterations()))
        state.SkipWithError("the check found no clash");
    boxAnswer = Answer::OK;
}

// Solving a puzzle just drawn (the draw runs untimed before each solve).
void Widgets_Solve(benchmark::State& state, bool paint)
{
    freshBoard();
    timeWidgets(
        state, paint,
        [] {
            trigger("nuevo_sudoku");
            settle();
        },
        [] { trigger("solucionar_sudoku"); });
}

void Widgets_Restart(benchmark::State& state, bool paint)
{
    freshBoard();
    timeWidgets(state, paint, [] { trigger("reiniciar_sudoku"); });
}

void Widgets_Save(benchmark::State& state, bool paint)
{
    freshBoard();
    const long before = boxesShown;
    timeWidgets(state, paint, [] { trigger("guardar_sudoku"); });
    if (boxesShown != before)
        state.SkipWithError("the save failed");
}

void Widgets_Load(benchmark::State& state, bool paint)
{
    freshBoard();
    trigger("guardar_sudoku");
    const long before = boxesShown;
    timeWidgets(state, paint, [] { trigger("cargar_sudoku"); });
    if (boxesShown != before)
        state.SkipWithError("the load failed");
}

// An arrow key: the commit of the cell left, then the highlight of the next one.
void Widgets_KeyArrow(benchmark::State& state, bool paint)
{
    freshBoard();
    timeWidgets(state, paint, [] { key(Qt::Key_Right); });
}

// A digit typed in an open cell (alternating, so the text changes every time).
void Widgets_KeyDigit(benchmark::State& state, bool paint)
{
    const int open = freshBoard();
    bool five = false;
    timeWidgets(state, paint, [&] { key((five = !five) ? Qt::Key_5 : Qt::Key_6); });
    if (focusedCell() != open)
        state.SkipWithError("the focus left the cell");
}

// A digit and its commit: typed, then the focus moves right (commit) and back left (commit).
void Widgets_KeyDigitCommit(benchmark::State& state, bool paint)
{
    const int open = freshBoard();
    bool five = false;
    timeWidgets(state, paint, [&] {
        key((five = !five) ? Qt::Key_5 : Qt::Key_6);
        key(Qt::Key_Right);
        key(Qt::Key_Left);
    });
    if (focusedCell() != open)
        state.SkipWithError("the focus did not come back");
}

// ---------------------------------------------------------------------------------------------
// What Qt itself costs for a key: a bare window of 81 line edits whose key handler sets the text
// (a digit) or moves the focus (an arrow), with no game, palette or font behind it.

class FloorEdit : public QLineEdit {
public:
    FloorEdit(QWidget* parent, FloorEdit** all, int index) : QLineEdit(parent), all_(all), index_(index)
    {
        setMaxLength(1);
        setAlignment(Qt::AlignCenter);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if (event->key() == Qt::Key_Right)
            all_[index_ % 9 == 8 ? index_ - 8 : index_ + 1]->setFocus(Qt::OtherFocusReason);
        else
            setText(event->text());
        event->accept();
    }

private:
    FloorEdit** all_;
    int index_;
};

struct FloorWindow {
    QWidget window;
    FloorEdit* edits[81] = {};
    FloorWindow()
    {
        window.setFixedSize(474, 560);
        QFont font("MS Sans Serif");
        font.setPointSize(24);
        for (int i = 0; i < 81; ++i) {
            edits[i] = new FloorEdit(&window, edits, i);
            edits[i]->setFont(font);
            edits[i]->setGeometry(16 + (i % 9) * 48, 40 + (i / 9) * 48, 41, 41);
        }
        window.show();
        if (!QTest::qWaitForWindowActive(&window))
            std::exit(1);
        edits[0]->setFocus();
        settle();
    }
};

void Floor_KeyDigit(benchmark::State& state)
{
    FloorWindow floor;
    bool five = false;
    timeWidgets(state, true,
                [&] { QTest::keyClick(floor.window.windowHandle(), (five = !five) ? Qt::Key_5 : Qt::Key_6); });
}

void Floor_KeyArrow(benchmark::State& state)
{
    FloorWindow floor;
    timeWidgets(state, true, [&] { QTest::keyClick(floor.window.windowHandle(), Qt::Key_Right); });
}

// A whole-board change on the bare line edits: a new text and a new base colour for each of the
// 81, as a new game or a solve asks of the board at most (the colours alternate between runs).
void Floor_Board81(benchmark::State& state, bool paint)
{
    FloorWindow floor;
    bool odd = false;
    timeWidgets(state, paint, [&] {
        odd = !odd;
        const QString text = odd ? QStringLiteral("5") : QStringLiteral("6");
        const QColor base = odd ? QColor(192, 255, 192) : QColor(255, 192, 192);
        for (FloorEdit* edit : floor.edits) {
            edit->setText(text);
            QPalette palette = edit->palette();
            palette.setColor(QPalette::Base, base);
            edit->setPalette(palette);
        }
    });
}

// ---------------------------------------------------------------------------------------------
// The logic alone, on the fake window system, with the same data files.

struct LogicGame {
    FakeWindowSystem ws;
    Game game{ws};
    LogicGame()
    {
        ws.folder = window().dataFolder();
        game.Form_Load();
        game.cellFocusedByPlayer(1);
    }
    void key(int keyCode) { game.Text1_KeyDown(ws.focused, keyCode); }
    int firstOpen() const
    {
        int open = 1;
        while (open <= 81 && ws.cells[open].locked)
            ++open;
        return open;
    }
};

template <typename Command>
void timeLogic(benchmark::State& state, LogicGame& g, Command command)
{
    for (auto _ : state) {
        command();
        if (g.ws.asked.size() > 4096)
            g.ws.asked.clear();
    }
    benchmark::DoNotOptimize(g.game.tablero);
}

void Logic_NewGame(benchmark::State& state)
{
    LogicGame g;
    timeLogic(state, g, [&] { g.game.nuevo_sudoku_Click(); });
}

void Logic_CheckNoClash(benchmark::State& state)
{
    LogicGame g;
    timeLogic(state, g, [&] { g.game.check_Click(); });
}

void Logic_CheckClash(benchmark::State& state)
{
    LogicGame g;
    const int open = g.firstOpen();
    g.game.cellFocusedByPlayer(open);
    const int rowStart = (open - 1) / 9 * 9 + 1;
    int digit = 1;
    for (int i = rowStart; i < rowStart + 9; ++i)
        if (g.ws.cells[i].locked)
            digit = std::atoi(g.ws.cells[i].text.c_str());
    g.key(vk::Digit0 + digit);
    timeLogic(state, g, [&] {
        g.ws.answers.push_back(Answer::No);
        g.game.check_Click();
    });
    if (!g.ws.answers.empty())
        state.SkipWithError("the check found no clash");
}

// Solving a puzzle just drawn: the draw is timed too and Logic/NewGame is to be taken off.
void Logic_Solve(benchmark::State& state)
{
    LogicGame g;
    timeLogic(state, g, [&] {
        g.game.nuevo_sudoku_Click();
        g.game.solucionar_sudoku_Click();
    });
}

void Logic_Restart(benchmark::State& state)
{
    LogicGame g;
    timeLogic(state, g, [&] { g.game.reiniciar_sudoku_Click(); });
}

void Logic_Save(benchmark::State& state)
{
    LogicGame g;
    timeLogic(state, g, [&] { g.game.guardar_sudoku_Click(); });
    if (!g.ws.asked.empty())
        state.SkipWithError("the save failed");
}

void Logic_Load(benchmark::State& state)
{
    LogicGame g;
    g.game.guardar_sudoku_Click();
    timeLogic(state, g, [&] { g.game.cargar_sudoku_Click(); });
    if (!g.ws.asked.empty())
        state.SkipWithError("the load failed");
}

void Logic_KeyArrow(benchmark::State& state)
{
    LogicGame g;
    timeLogic(state, g, [&] { g.key(vk::Right); });
}

void Logic_KeyDigit(benchmark::State& state)
{
    LogicGame g;
    g.game.cellFocusedByPlayer(g.firstOpen());
    bool five = false;
    timeLogic(state, g, [&] { g.key(vk::Digit0 + ((five = !five) ? 5 : 6)); });
}

void Logic_KeyDigitCommit(benchmark::State& state)
{
    LogicGame g;
    g.game.cellFocusedByPlayer(g.firstOpen());
    bool five = false;
    timeLogic(state, g, [&] {
        g.key(vk::Digit0 + ((five = !five) ? 5 : 6));
        g.key(vk::Right);
        g.key(vk::Left);
    });
}

constexpr int repetitions = 10;

void registerAll()
{
    const struct {
        const char* name;
        void (*widgets)(benchmark::State&, bool);
        void (*logic)(benchmark::State&);
    } commands[] = {
        {"NewGame", Widgets_NewGame, Logic_NewGame},
        {"CheckNoClash", Widgets_CheckNoClash, Logic_CheckNoClash},
        {"CheckClash", Widgets_CheckClash, Logic_CheckClash},
        {"Solve", Widgets_Solve, Logic_Solve},
        {"Restart", Widgets_Restart, Logic_Restart},
        {"Save", Widgets_Save, Logic_Save},
        {"Load", Widgets_Load, Logic_Load},
        {"KeyArrow", Widgets_KeyArrow, Logic_KeyArrow},
        {"KeyDigit", Widgets_KeyDigit, Logic_KeyDigit},
        {"KeyDigitCommit", Widgets_KeyDigitCommit, Logic_KeyDigitCommit},
    };
    benchmark::RegisterBenchmark("Floor/KeyArrow", Floor_KeyArrow)
        ->UseManualTime()
        ->MinTime(0.1)
        ->Repetitions(repetitions)
        ->ReportAggregatesOnly(true)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("Floor/KeyDigit", Floor_KeyDigit)
        ->UseManualTime()
        ->MinTime(0.1)
        ->Repetitions(repetitions)
        ->ReportAggregatesOnly(true)
        ->Unit(benchmark::kMicrosecond);
    for (bool paint : {false, true})
        benchmark::RegisterBenchmark(paint ? "FloorPaint/Board81" : "Floor/Board81",
                                     [paint](benchmark::State& s) { Floor_Board81(s, paint); })
            ->UseManualTime()
            ->MinTime(0.1)
            ->Repetitions(repetitions)
            ->ReportAggregatesOnly(true)
            ->Unit(benchmark::kMicrosecond);
    for (const auto& c : commands) {
        benchmark::RegisterBenchmark((std::string("Logic/") + c.name).c_str(), c.logic)
            ->MinTime(0.1)
            ->Repetitions(repetitions)
            ->ReportAggregatesOnly(true)
            ->Unit(benchmark::kMicrosecond);
        for (bool paint : {false, true})
            benchmark::RegisterBenchmark((std::string(paint ? "WidgetsPaint/" : "Widgets/") + c.name).c_str(),
                                         [f = c.widgets, paint](benchmark::State& s) { f(s, paint); })
                ->UseManualTime()
                ->MinTime(0.1)
                ->Repetitions(repetitions)
                ->ReportAggregatesOnly(true)
                ->Unit(benchmark::kMicrosecond);
    }
}

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    registerAll();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    delete form;
    return 0;
}
