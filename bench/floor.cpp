// The floors for the start-up figures: a main window with a menu bar, a toolbar, a status bar and
// 81 line edits, the size of the game's window, and nothing else; with "bare", one empty window of
// that size.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>
#include <chrono>
#include <cstdio>
#include <cstring>

namespace {

// Prints the microseconds since the epoch at the first paint of the widget, when asked: the last
// line edit, or the bare window.
template <typename Widget>
class Traced : public Widget {
public:
    using Widget::Widget;
    bool traced = false;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        Widget::paintEvent(event);
        if (traced && !painted_) {
            painted_ = true;
            const auto now = std::chrono::system_clock::now().time_since_epoch();
            std::fprintf(stderr, "cuadrix-trace painted %lld\n",
                         static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
        }
    }

private:
    bool painted_ = false;
};

// The game's window: a client area of 474 x 512 under a menu bar.
constexpr int width = 474, height = 531;

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const bool trace = !qEnvironmentVariableIsEmpty("CUADRIX_TRACE");
    if (argc > 1 && std::strcmp(argv[1], "bare") == 0) {
        Traced<QWidget> bare;
        bare.setWindowTitle("Floor");
        bare.setFixedSize(width, height);
        bare.traced = trace;
        bare.show();
        return QApplication::exec();
    }
    QMainWindow window;
    window.setWindowTitle("Floor");
    window.menuBar()->addMenu("&Archivo")->addAction("&Nuevo");
    window.addToolBar("Barra")->addAction("Nuevo");
    window.statusBar()->showMessage("Listo");
    auto* board = new QWidget(&window);
    board->setFixedSize(474, 512);
    for (int i = 0; i < 81; ++i) {
        auto* edit = new Traced<QLineEdit>(board);
        edit->setGeometry(16 + (i % 9) * 48, 40 + (i / 9) * 48, 41, 41);
        edit->traced = i == 80 && trace;
    }
    window.setCentralWidget(board);
    window.show();
    return QApplication::exec();
}
