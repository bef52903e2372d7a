// The splash, the help window, the About box, the real message boxes, the colours that do not follow the desktop and
// what each window looks like.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/stat.h>

#include <set>

#include "app/form4.h"
#include "app/window_look.h"
#include "tests/support.h"
#include "tests/widgets/widget_fixture.h"

using namespace Qt;

TEST_F(WidgetTest, TheSplashShowsCentredOnTheScreenAndHidesAtTheSecondTick)
{
    Form4* splash = form->splash();
    QTimer* timer = splash->Timer1();
    ASSERT_TRUE(QTest::qWaitFor([splash] { return splash->isVisible(); }));
    EXPECT_EQ(focusedCell(), 1);
    EXPECT_EQ(splash->geometry().center(), QGuiApplication::primaryScreen()->geometry().center());
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 1000);
    QMetaObject::invokeMethod(timer, "timeout");
    EXPECT_TRUE(splash->isVisible());
    QMetaObject::invokeMethod(timer, "timeout");
    EXPECT_FALSE(splash->isVisible());
    EXPECT_FALSE(timer->isActive());
    // Both ticks before the main window was first painted (a slow start): the splash never shows.
    Form1 slow(executableFolder().value());
    slow.start();
    for (int tick = 0; tick < 2; ++tick)
        QMetaObject::invokeMethod(slow.splash()->Timer1(), "timeout");
    QTest::qWait(100);
    EXPECT_FALSE(slow.splash()->isVisible());
}

// One help window with no owner, reused, hidden by "Cerrar", discarded by its close box.
TEST_F(WidgetTest, OneHelpWindowWithNoOwnerReusedAndHiddenByCerrar)
{
    form->menuItem("historia")->trigger();
    QPointer<Form3> help = form->helpWindow();
    ASSERT_TRUE(help);
    EXPECT_TRUE(help->isVisible());
    EXPECT_FALSE(help->windowHandle()->transientParent());
    form->menuItem("metodos")->trigger();
    EXPECT_EQ(form->helpWindow(), help);
    EXPECT_EQ(help->WebBrowser1()->source().path(), "resolucion.htm");
    help->Command1()->click();
    EXPECT_FALSE(help->isVisible());
    help->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(help.isNull());
}

// Whatever a page names, the help reads only its own folder (its name need not be UTF-8), through the safe reader, at
// once and within its budget: a picture or stylesheet it may not read is left out and the text stays; a page it may not
// read says why, and the next link is read in the folder again.
TEST_F(WidgetTest, TheHelpReadsOnlyItsOwnFilesAtOnceAndWithinItsBudget)
{
    const support::ProgramFolder place("ayuda");
    const std::string root = place.root.string(),
                      data = root
        + "/Espa\xf1"
          "a/";
    std::filesystem::create_directories(data);
    for (const std::string& fifo : {root + "/tubo", data + "tubo.htm"})
        ::mkfifo(fifo.c_str(), 0600);
    std::filesystem::resize_file(support::writeBytes(data + "grande.htm", ""), std::uintmax_t(1) << 30);
    // A picture of one colour, in PNG: small on disk, 9 MB once decoded at 1500 x 1500.
    const auto png = [](int side) {
        QImage picture(side, side, QImage::Format_RGB32);
        picture.fill(darkGreen);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        picture.save(&buffer, "PNG");
        return bytes.toStdString();
    };
    support::writeBytes(data + "g.png", png(1500));
    support::writeBytes(data + "dibujo.png", png(8));
    support::writeBytes(root + "/fuera.png", png(8));
    const QString at = QFile::decodeName(data.c_str()), fifo = QString::fromStdString(root) + "/tubo";
    const auto img = [](const QString& name) { return "<img src=\"" + name + "\">"; };
    int pages = 0, pictures = 0;  // pictures shown on the last page, a left-out one being a pixel
    QString page;
    // Shows a new page, then the link, ending the tests if either waits on a FIFO or reads on without end; returns the
    // text shown.
    const auto show = [&](const QString& html, const QString& link = "") {
        page = QString("pagina%1.htm").arg(++pages);
        support::writeBytes(data + page.toStdString(), "<p>Texto</p>" + html.toStdString());
        ::alarm(5);
        form->showHelp("file://" + data + page.toStdString());
        QTextBrowser* view = form->helpWindow()->WebBrowser1();
        if (!link.isEmpty())
            view->setSource(QUrl(link));
        view->document()->pageCount();  // lays the whole page out, pictures included
        ::alarm(0);
        pictures = 0;
        for (const QTextFormat& format : view->document()->allFormats())
            pictures += format.isImageFormat()
                && view->document()
                        ->resource(QTextDocument::ImageResource, format.toImageFormat().name())
                        .value<QImage>()
                        .width()
                    > 1;
        return view->toPlainText().remove(QChar::ObjectReplacementCharacter);
    };
    for (const QString& html : QStringList{img("../fuera.png"), img("dibujo.png?1"), img(fifo), img("file://" + fifo),
                                           "<link rel=\"stylesheet\" type=\"text/css\" href=\"file:///dev/zero\">"}) {
        EXPECT_EQ(show(html), "Texto") << html;
        EXPECT_EQ(pictures, 0) << html;
    }
    show(img("qrc:/artwork/nuevo.png") + img("dibujo.png")
         + "<link rel=\"stylesheet\" type=\"text/css\" href=\"estilo.css\">");
    EXPECT_EQ(pictures, 2);
    show(img("g.png") + img("./g.png"));
    EXPECT_EQ(pictures, 1);
    show(img("g.png") + img("./g.png"));
    EXPECT_EQ(pictures, 1) << "each page has a budget of its own";
    const QString cannot = "No se puede mostrar la página\n";
    const std::pair<QString, QString> links[] = {
        {"http://localhost/tubo.htm", cannot + "http://localhost/tubo.htm: no hay permiso."},
        {"nada.htm", cannot + at + "nada.htm: no existe."},
        {"tubo.htm", cannot + at + "tubo.htm: no es un fichero normal."},
        {"grande.htm", cannot + at + "grande.htm: es demasiado grande."},
    };
    for (const auto& [link, says] : links) {
        EXPECT_EQ(show("", link), says);
        form->helpWindow()->WebBrowser1()->setSource(QUrl(page));
        EXPECT_EQ(form->helpWindow()->WebBrowser1()->toPlainText(), "Texto") << link;
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

// Enter presses the button with the focus: with no system-information program, its message, over the box; Esc presses
// "Aceptar", which closes the box.
TEST_F(WidgetTest, TheAboutBoxHasNoOwnerAndItsKeysPressTheRightButton)
{
    form->menuItem("acerca")->trigger();
    QPointer<FrmAboutWindow> about = form->aboutBox();
    ASSERT_TRUE(about);
    EXPECT_TRUE(about->isVisible());
    EXPECT_FALSE(about->windowHandle()->transientParent());
    about->cmdSysInfo()->setFocus();
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", "");
    QTest::keyClick(about->windowHandle(), Key_Return);
    qputenv("PATH", path);
    EXPECT_EQ(asked, QStringList("La información del sistema no está disponible en este momento"));
    QTest::keyClick(about->windowHandle(), Key_Escape);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(about.isNull());
}

// What each real box shows: its title, its buttons in Spanish, the default one. Esc and then the close button are tried
// on it: a Yes/No question must be answered, a box with OK alone takes Esc as OK, the exit question as Cancel.
TEST_F(WidgetTest, RealBoxesTheYesNoQuestionMustBeAnsweredTheExitQuestionTakesCloseAsCancel)
{
    form->setMessageBoxFunction(nullptr);
    QString title, buttons, byDefault;
    bool escaped = false;
    const auto next = [&](QMessageBox::StandardButton otherwise) {
        QTimer::singleShot(50, [&, otherwise] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            QStringList texts;
            for (QAbstractButton* button : box->buttons())
                texts << button->text();
            texts.sort();
            title = box->windowTitle();
            buttons = texts.join("/");
            byDefault = box->defaultButton() ? box->defaultButton()->text() : "";
            QTest::keyClick(box, Key_Escape);
            escaped = !box->isVisible();
            box->close();
            if (box->isVisible())
                box->done(otherwise);
        });
    };
    next(QMessageBox::Yes);
    EXPECT_EQ(form->messageBox("Cuidado tienes errores", "Cuadrix!", Buttons::YesNo), Answer::Yes);
    EXPECT_FALSE(escaped);
    EXPECT_EQ(buttons, "&No/&Sí");
    EXPECT_EQ(byDefault, "&Sí");
    next(QMessageBox::No);
    EXPECT_EQ(form->messageBox("Introdueix un Nombre!", "", Buttons::OK), Answer::OK);
    EXPECT_TRUE(escaped);
    EXPECT_EQ(title, "Cuadrix");
    EXPECT_EQ(buttons, "Aceptar");
    next(QMessageBox::No);
    form->close();
    EXPECT_TRUE(escaped);
    EXPECT_EQ(buttons, "&No/&Sí/Cancelar");
    EXPECT_EQ(byDefault, "&Sí");
    EXPECT_TRUE(form->isVisible());
}

// Texts the game colours keep their colours under a dark desktop palette (light text on dark); each colour is the one
// its value names.
TEST_F(WidgetTest, ColouredTextsSurviveADarkPalette)
{
    const QPalette before = QApplication::palette();
    QApplication::setPalette(QPalette(QColor(70, 40, 90)));
    click(open);
    key(Key_5);
    form->setCellBackColor(open, fondoError);
    // How many pixels of a widget are of a colour.
    const auto count = [](QWidget* widget, QColor colour) {
        const QImage image = widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const auto* pixels = reinterpret_cast<const QRgb*>(image.constBits());
        return std::count(pixels, pixels + image.width() * image.height(), colour.rgb());
    };
    EXPECT_GT(count(form->statusLine(), black), 20);
    EXPECT_GT(count(form->Text1(open), black), 20);  // the player's digit
    EXPECT_GT(count(form->Text1(given), red), 20);
    EXPECT_GT(count(form->Text1(open), QColor(255, 192, 192)), 400);  // the error background
    EXPECT_GT(count(form.get(), QColor(255, 224, 192)), 100000);
    QApplication::setPalette(before);
    EXPECT_EQ(toQColor(fondoCorrecto), QColor(192, 255, 192));
    EXPECT_EQ(toQColor(fondoFoco), QApplication::palette("QMenu").color(QPalette::Window));
}

// What each window shows and where, as recorded in looks.txt: a change to a window's layout, fonts, texts, pictures,
// menus or toolbar shows as a difference to look at, and is recorded again (CUADRIX_RECORD_LOOKS=1) when it was meant.
// The board's cells are recorded as a rule that holds for all 81: their sizes and fonts, and the step to the next cell
// right or below, longer across a box border.
TEST_F(WidgetTest, EachWindowLooksAsRecorded)
{
    form->menuItem("acerca")->trigger();
    form->menuItem("reglas")->trigger();
    const auto line = [](const auto&... parts) {
        QString out;
        (QDebug(&out).noquote() << ... << parts);
        return out;
    };
    QStringList looks;
    // Each part: where, its font, its picture's size, its text.
    for (QWidget* window : QWidgetList{form->centralWidget(), form->aboutBox(), form->helpWindow(), form->splash()})
        for (QWidget* w : QWidgetList{window} + window->findChildren<QWidget*>(QRegularExpression("^(?!qt_|Text1_).")))
            looks << line(w->objectName(), w->isWindow() ? w->rect() : w->geometry(), w->font().family(),
                          w->font().pointSize(), w->font().weight(), w->font().style(),
                          w->property("pixmap").value<QPixmap>().size(),
                          w->property(w->isWindow() ? "windowTitle" : "text").toString());
    std::set<QString> cells = {line("first cell at", form->Text1(1)->pos())};
    for (int i = 1; i <= 81; ++i) {
        QWidget* cell = form->Text1(i);
        cells.insert(
            line("cell", cell->size(), cell->font().family(), cell->font().pointSize(), cell->font().weight()));
        for (int next : {i + 1, i + 9})
            if (next <= 81)
                cells.insert(line("step to the next cell", form->Text1(next)->pos() - cell->pos(),
                                  (next == i + 1 ? i : rowOf(i)) % 3 ? "" : "across a box border"));
    }
    looks << QStringList(cells.begin(), cells.end());
    for (QAction* menu : form->menuBar()->actions())
        for (QAction* item : menu->menu()->actions())
            looks << line(menu->text(), item->text(), item->shortcut().toString(), item->isChecked() ? "ticked" : "");
    looks << line("Toolbar1 pictures", form->toolbar()->iconSize());
    for (QAction* button : form->toolbar()->actions())
        looks << line("Toolbar1", button->iconText(), button->text(), button->icon().availableSizes());
    looks << line("window icon", QApplication::windowIcon().availableSizes());  // every size the launcher has
    const std::string path = QT_TESTCASE_SOURCEDIR "/widgets/looks.txt", seen = (looks.join("\n") + "\n").toStdString();
    if (qEnvironmentVariableIsSet("CUADRIX_RECORD_LOOKS"))
        support::writeBytes(path, seen);
    EXPECT_EQ(support::readBytes(path), seen);
}
