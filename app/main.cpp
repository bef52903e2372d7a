// Starts the game: Spanish texts for Qt's own buttons, the program folder, then the main window.
#include <QApplication>
#include <QMessageBox>

#include "app/data_files.h"
#include "app/form1.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    useSpanishButtons();

    // The data files are looked for beside the program and nowhere else.
    const std::optional<std::string> folder = executableFolder();
    if (!folder) {
        QMessageBox::critical(nullptr, "Cuadrix", "No se encuentra la carpeta del programa: Cuadrix no puede empezar.");
        return 1;
    }
    Form1 form(*folder);
    form.start();
    return QApplication::exec();
}
