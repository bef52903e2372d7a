// Starts the game: Spanish texts for Qt's own buttons, then the main window.
#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include "app/form1.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName("Cuadrix");

    QTranslator qtSpanish;
    if (qtSpanish.load("qtbase_es", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtSpanish);

    Form1 form;
    form.start();
    return QApplication::exec();
}
