// The floor for the start-up figures: a bare main window with a menu bar, a toolbar, a status
// bar and 81 line edits, the size of the game's window, and nothing else.
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

namespace {

// Prints the microseconds since the epoch at the first paint of the last line edit, when asked.
class Edit : public QLineEdit {
public:
    using QLineEdit::QLineEdit;
    bool traced = false;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QLineEdit::paintEvent(event);
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

}  // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle("Floor");
    window.menuBar()->addMenu("&Archivo")->addAction("&Nuevo");
    window.addToolBar("Barra")->addAction("Nuevo");
    window.statusBar()->showMessage("Listo");
    auto* board = new QWidget(&window);
    board->setFixedSize(474, 512);
    for (int i = 0; i < 81; ++i) {
        auto* edit = new Edit(board);
        edit->setGeometry(16 + (i % 9) * 48, 40 + (i / 9) * 48, 41, 41);
        edit->traced = i == 80 && !qEnvironmentVariableIsEmpty("CUADRIX_TRACE");
    }
    window.setCentralWidget(board);
    window.show();
    return QApplication::exec();
}
