// The splash, the help window, the About box, the real message boxes and the colours that do not follow the desktop.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/stat.h>

#include <algorithm>

#include <QAbstractButton>
#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include "app/form4.h"
#include "app/window_look.h"
#include "tests/support.h"
#include "tests/widgets/widget_fixture.h"

namespace {

// A picture of one colour in PNG: small on disk whatever its size.
std::string png(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    image.save(&buffer, "PNG");
    return bytes.toStdString();
}

}  // namespace

TEST_F(WidgetTest, TheSplashShowsCentredOverTheBoardAndHidesAtTheSecondTick)
{
    Form4* splash = form->splash();
    ASSERT_TRUE(QTest::qWaitFor([splash] { return splash->isVisible(); }));
    // The splash leaves the focus in cell 1, in the centre of the screen.
    EXPECT_TRUE(focusedCell() == 1
                && splash->geometry().center() == QGuiApplication::primaryScreen()->geometry().center());
    EXPECT_TRUE(splash->Timer1()->isActive() && splash->Timer1()->interval() == 1000) << "two ticks of a second";
    QMetaObject::invokeMethod(splash->Timer1(), "timeout");
    EXPECT_TRUE(splash->isVisible());
    QMetaObject::invokeMethod(splash->Timer1(), "timeout");
    EXPECT_FALSE(splash->isVisible() || splash->Timer1()->isActive());
    // Both ticks before the main window was first painted (a slow start): the splash never shows.
    Form1 slow(executableFolder().value());
    slow.start();
    for (int tick = 0; tick < 2; ++tick)
        QMetaObject::invokeMethod(slow.splash()->Timer1(), "timeout");
    QTest::qWait(100);
    EXPECT_FALSE(slow.splash()->isVisible());
}

// One help window with no owner, reused, hidden by "Cerrar", and taken along by the main window.
TEST_F(WidgetTest, OneHelpWindowWithNoOwnerReusedAndHiddenByCerrar)
{
    form->menuItem("historia")->trigger();
    QPointer<Form3> help = form->helpWindow();
    ASSERT_TRUE(help && help->isVisible() && !help->parentWidget() && !help->windowHandle()->transientParent());
    form->menuItem("metodos")->trigger();
    EXPECT_EQ(form->helpWindow(), help.data());
    EXPECT_EQ(help->WebBrowser1()->source().path(), "resolucion.htm");
    // Pages are found in a folder whose name is not UTF-8.
    const std::string folder = std::filesystem::temp_directory_path().string()
        + "/cuadrix Espa\xf1"
          "a \\ #1";
    std::filesystem::create_directories(folder + "/data");
    support::writeBytes(folder + "/data/reglas.htm", "<h1>Reglas</h1>");
    form->showHelp("file://" + folder + "/data/reglas.htm");
    EXPECT_EQ(help->WebBrowser1()->toPlainText(), "Reglas");
    form->showHelp("file://" + folder + "/data/nada.htm");
    EXPECT_EQ(help->WebBrowser1()->toPlainText(),
              "No se puede mostrar la página\n" + QFile::decodeName(folder.c_str()) + "/data/nada.htm: no existe.");
    std::filesystem::remove_all(folder);
    help->Command1()->click();
    EXPECT_FALSE(help->isVisible());
    help->close();  // its close box discards it; the main window would take it with it too
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(help.isNull());
}

// Whatever a page names, the help reads only its own folder, through the safe reader, at once and within its budget:
// a picture or stylesheet it may not read is left out and the text stays; a page it may not read says why.
TEST_F(WidgetTest, TheHelpReadsOnlyItsOwnFilesAtOnceAndWithinItsBudget)
{
    const support::ProgramFolder place("ayuda");
    const std::string root = place.root.string(), data = root + "/data/";
    std::filesystem::create_directories(data);
    for (const std::string& fifo : {root + "/tubo", data + "tubo.htm"})
        ::mkfifo(fifo.c_str(), 0600);
    for (const std::string& large : {root + "/grande.css", data + "grande.htm"})
        std::filesystem::resize_file(support::writeBytes(large, ""), std::uintmax_t(1) << 30);
    support::writeBytes(root + "/fuera.png", png(QSize(8, 8)));
    support::writeBytes(data + "dibujo.png", png(QSize(8, 8)));
    QString large;  // pictures of 9 MB each once decoded, 9 KB each on disk
    for (int i = 0; i < 3; ++i) {
        support::writeBytes(data + "g" + std::to_string(i) + ".png", png(QSize(1500, 1500)));
        large += QString("<img src=\"g%1.png\">").arg(i);
    }
    const QString fifo = QString::fromStdString(root + "/tubo"), at = QString::fromStdString(data),
                  sheet = "<link rel=\"stylesheet\" type=\"text/css\" href=\"%1\">",
                  cannot = "No se puede mostrar la página\n";
    const struct {
        QString page, link, shows;
        int pictures;
    } rows[] = {
        {"<img src=\"qrc:/artwork/nuevo.png\"><img src=\"dibujo.png\">" + sheet.arg("estilo.css"), "", "Texto", 2},
        {"<img src=\"../fuera.png\"><img src=\"../tubo\"><img src=\"dibujo.png?1\">", "", "Texto", 0},
        {"<img src=\"" + fifo + "\">", "", "Texto", 0},
        {"<img src=\"file://" + fifo + "\">", "", "Texto", 0},
        {sheet.arg("file://" + fifo), "", "Texto", 0},
        {"<img src=\"file:///dev/zero\">", "", "Texto", 0},
        {sheet.arg("file:///dev/zero"), "", "Texto", 0},
        {sheet.arg("file://" + QString::fromStdString(root) + "/grande.css"), "", "Texto", 0},
        {large, "", "Texto", 1},
        {large, "", "Texto", 1},  // each page has a budget of its own
        {"", "file:///dev/zero", cannot + "file:///dev/zero: no hay permiso.", 0},
        {"", "http://localhost/tubo.htm", cannot + "http://localhost/tubo.htm: no hay permiso.", 0},
        {"", "tubo.htm", cannot + at + "tubo.htm: no es un fichero normal.", 0},
        {"", "grande.htm", cannot + at + "grande.htm: es demasiado grande.", 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE((row.page + row.link).toStdString());
        const std::string page = "pagina" + std::to_string(&row - rows) + ".htm";
        support::writeBytes(data + page, "<p>Texto</p>" + row.page.toStdString());
        ::alarm(5);  // a step that waits on a FIFO, or reads on without end, ends the tests
        form->showHelp("file://" + data + page);
        QTextBrowser* view = form->helpWindow()->WebBrowser1();
        if (!row.link.isEmpty())
            view->setSource(QUrl(row.link));
        view->document()->pageCount();  // lays the whole page out, pictures included
        ::alarm(0);
        EXPECT_EQ(view->toPlainText().remove(QChar::ObjectReplacementCharacter), row.shows);
        int pictures = 0;  // shown, left-out ones (a pixel) apart
        qsizetype bytes = 0;
        for (const QTextFormat& format : view->document()->allFormats()) {
            if (!format.isImageFormat())
                continue;
            const QImage image =
                view->document()->resource(QTextDocument::ImageResource, format.toImageFormat().name()).value<QImage>();
            pictures += image.width() > 1;
            bytes += image.sizeInBytes();
        }
        EXPECT_EQ(pictures, row.pictures);
        EXPECT_LE(bytes, HelpView::kPageBudget);
        if (!row.link.isEmpty()) {  // the view stays in the folder: the page it was on shows again
            view->setSource(QUrl(QString::fromStdString(page)));
            EXPECT_EQ(view->toPlainText(), "Texto");
        }
    }
}

// A help window of 730 x 540 goes level with the main window, right of it or else left of it; with no room
// on either side it covers least of the board (inside the main window); it always stays on the screen.
TEST(HelpPlacement, BesideTheMainWindowWhereThereIsRoomElseOverTheLeastOfTheBoard)
{
    const struct {
        const char* what;
        QRect mainWindow, screen;
        QPoint help;
    } cases[] = {
        {"room on both sides: the right", QRect(1000, 100, 476, 600), QRect(0, 30, 2560, 1410), QPoint(1476, 100)},
        {"room only on the left", QRect(1000, 100, 476, 600), QRect(0, 30, 1600, 994), QPoint(270, 100)},
        {"no room on either side: right and bottom", QRect(300, 50, 476, 600), QRect(0, 0, 1280, 768),
         QPoint(550, 228)},
        {"a screen smaller than the help window", QRect(100, 100, 476, 400), QRect(10, 20, 640, 480), QPoint(10, 20)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(placeHelpWindow(QSize(730, 540), c.mainWindow, c.mainWindow.adjusted(10, 80, -16, -70), c.screen),
                  c.help)
            << c.what;
}

TEST_F(WidgetTest, TheAboutBoxHasNoOwnerAndItsKeysPressTheRightButton)
{
    form->menuItem("acerca")->trigger();
    QPointer<FrmAboutWindow> about = form->aboutBox();
    ASSERT_TRUE(about && about->isVisible() && !about->isModal() && !about->parentWidget()
                && !about->windowHandle()->transientParent());
    about->cmdSysInfo()->setFocus();
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", "");  // no system-information program to start
    QTest::keyClick(about->windowHandle(),
                    Qt::Key_Return);  // its message, with the application's title, and the box stays
    qputenv("PATH", path);
    EXPECT_EQ(
        asked,
        QStringList({QString::fromUtf8("Cuadrix|OK|La información del sistema no está disponible en este momento")}));
    QTest::keyClick(about->windowHandle(), Qt::Key_Escape);  // "Aceptar", whichever button has the focus
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(about.isNull());
}

// What each real box shows: its title, its buttons in Spanish, the default one, the prompt; Esc and then the close
// button are tried on it, and when it stays open through both the button given answers it.
TEST_F(WidgetTest, RealBoxesTheYesNoQuestionMustBeAnsweredTheExitQuestionTakesCloseAsCancel)
{
    form->setMessageBoxFunction(nullptr);
    bool stayed = false;
    QString shown;
    const auto next = [&](QMessageBox::StandardButton otherwise) {
        QTimer::singleShot(50, [&, otherwise] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QStringList buttons;
            for (QAbstractButton* button : box->buttons())
                buttons << button->text();
            buttons.sort();
            shown = box->windowTitle() + "|" + buttons.join("/") + "|"
                + (box->defaultButton() ? box->defaultButton()->text() : "") + "|" + box->text();
            QTest::keyClick(box, Qt::Key_Escape);
            box->close();
            if ((stayed = box->isVisible()))
                box->button(otherwise)->click();
        });
    };
    next(QMessageBox::No);
    EXPECT_EQ(form->messageBox("Cuidado tienes errores", "Cuadrix!", Buttons::YesNo), Answer::No);
    EXPECT_TRUE(stayed) << "Esc or the close button answered the Yes/No question";
    EXPECT_EQ(shown, QString::fromUtf8("Cuadrix!|&No/&S\u00ed|&S\u00ed|Cuidado tienes errores"));
    next(QMessageBox::Ok);
    EXPECT_EQ(form->messageBox("Introdueix un Nombre!", "", Buttons::OK), Answer::OK);
    EXPECT_FALSE(stayed) << "Esc answers a box with OK alone";
    EXPECT_EQ(shown, "Cuadrix|Aceptar||Introdueix un Nombre!");
    next(QMessageBox::No);
    form->close();
    EXPECT_FALSE(stayed) << "the exit question takes Esc as Cancel";
    EXPECT_EQ(shown, QString::fromUtf8("Cuadrix!|&No/&S\u00ed/Cancelar|&S\u00ed|Desea guardar la partida?"));
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->game().salidaCancelada, 1);
}

// Texts the game colours keep their colours under a dark desktop palette (light text on dark); each colour is the one
// its value names.
TEST_F(WidgetTest, ColouredTextsSurviveADarkPalette)
{
    const QPalette before = QApplication::palette();
    QApplication::setPalette(QPalette(QColor(70, 40, 90)));
    click(openCell());
    key(Qt::Key_5);
    form->menuItem("acerca")->trigger();
    // How many pixels of a widget are near a colour.
    const auto count = [](QWidget* widget, QRgb colour) {
        const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QRgb* pixel = reinterpret_cast<const QRgb*>(image.constBits());
        return std::count_if(pixel, pixel + image.width() * image.height(), [colour](QRgb p) {
            return qAbs(qRed(p) - qRed(colour)) + qAbs(qGreen(p) - qGreen(colour)) + qAbs(qBlue(p) - qBlue(colour))
                < 100;
        });
    };
    form->setCellBackColor(openCell(), fondoError);
    // Black texts (the player's digit too), the warm background, a given digit in red, the error background.
    EXPECT_TRUE(count(form->aboutBox()->findChild<QWidget*>("lblDescription"), qRgb(0, 0, 0)) > 20
                && count(form->statusLine(), qRgb(0, 0, 0)) > 20 && count(form->Text1(openCell()), qRgb(0, 0, 0)) > 20);
    EXPECT_GT(count(form.get(), qRgb(255, 224, 192)), 100000);
    EXPECT_TRUE(count(form->Text1(givenCell()), qRgb(255, 0, 0)) > 20
                && count(form->Text1(openCell()), qRgb(255, 192, 192)) > 400);
    QApplication::setPalette(before);
    // The game's colours are BGR values (0x00BBGGRR); each shows as the colour it names, the focus as the menu's.
    const QList<QColor> shown = {toQColor(fondoCorrecto), toQColor(windowBackground), toQColor(fondoFoco)};
    EXPECT_EQ(shown,
              QList<QColor>({QColor(192, 255, 192), QColor(255, 224, 192),
                             QApplication::palette("QMenu").color(QPalette::Window)}));
}

// What each window shows and where, as recorded in looks.txt: a change to a window's layout, fonts, texts, pictures,
// menus or toolbar shows as a difference to look at, and is recorded again (CUADRIX_RECORD_LOOKS=1) when it was meant.
TEST_F(WidgetTest, EachWindowLooksAsRecorded)
{
    form->menuItem("acerca")->trigger();
    form->menuItem("reglas")->trigger();
    QStringList looks;
    // Each named part: where, its font (a cell's weight follows the puzzle), what it shows.
    for (QWidget* window :
         QList<QWidget*>{form->centralWidget(), form->aboutBox(), form->helpWindow(), form->splash()}) {
        for (QWidget* w : QList<QWidget*>{window} + window->findChildren<QWidget*>()) {
            const auto* label = qobject_cast<QLabel*>(w);
            const auto* button = qobject_cast<QAbstractButton*>(w);
            const QString shows = label && !label->pixmap().isNull()
                ? QString("picture %1x%2").arg(label->pixmap().width()).arg(label->pixmap().height())
                : label       ? label->text()
                : button      ? button->text()
                : w == window ? w->windowTitle()
                              : "";
            if (!w->objectName().isEmpty() && !w->objectName().startsWith("qt_"))
                looks << QString("%1 %2,%3 %4x%5 %6 %7%8%9 %10")
                             .arg(w->objectName())
                             .arg(w == window ? 0 : w->x())
                             .arg(w == window ? 0 : w->y())
                             .arg(w->width())
                             .arg(w->height())
                             .arg(w->font().family())
                             .arg(w->font().pointSize())
                             .arg(w->font().bold() && !qobject_cast<TextCell*>(w) ? " bold" : "")
                             .arg(w->font().italic() ? " italic" : "")
                             .arg(shows);
        }
    }
    for (QMenu* menu : form->menuBar()->findChildren<QMenu*>())
        for (QAction* action : menu->title().isEmpty() ? QList<QAction*>() : menu->actions())
            looks << menu->title() + ": "
                    + (action->isSeparator() ? "-"
                                             : action->text() + " " + action->shortcut().toString()
                               + (action->isChecked() ? " ticked" : ""));
    looks << QString("Toolbar1: pictures of %1x%2")
                 .arg(form->toolbar()->iconSize().width())
                 .arg(form->toolbar()->iconSize().height());
    for (const QSize& size : QApplication::windowIcon().availableSizes())  // every size the launcher has
        looks << QString("window icon %1x%2").arg(size.width()).arg(size.height());
    for (QAction* action : form->toolbar()->actions())
        looks << "Toolbar1: "
                + (action->isSeparator()
                       ? "-"
                       : action->iconText() + QString(" %1 pictures").arg(action->icon().availableSizes().size()));
    QFile file(QT_TESTCASE_SOURCEDIR "/widgets/looks.txt");
    if (qEnvironmentVariableIsSet("CUADRIX_RECORD_LOOKS") && file.open(QIODevice::WriteOnly))
        GTEST_SKIP() << "recorded: " << file.write((looks.join("\n") + "\n").toUtf8()) << " bytes";
    else if (file.open(QIODevice::ReadOnly))
        EXPECT_EQ(looks.join("\n") + "\n", QString::fromUtf8(file.readAll()));
    else
        ADD_FAILURE() << "no tests/widgets/looks.txt: record it with CUADRIX_RECORD_LOOKS=1";
}
