// The splash, the help window, the About box, the real message boxes, the colours that do not follow the desktop and
// what each window looks like.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include <sys/stat.h>

#include "app/form4.h"
#include "app/window_look.h"
#include "board/cell_style.h"
#include "tests/support.h"
#include "tests/widgets/widget_fixture.h"

using namespace Qt;

TEST_F(WidgetTest, TheSplashShowsCentredOnTheScreenAndHidesAtTheSecondTick)
{
    Form4* splash = form->splash();
    QTimer* timer = splash->Timer1();
    ASSERT_TRUE(QTest::qWaitFor([splash] { return splash->isVisible(); }));
    EXPECT_EQ(splash->geometry().center(), QGuiApplication::primaryScreen()->geometry().center());
    EXPECT_EQ(timer->interval(), 1000);
    QMetaObject::invokeMethod(timer, "timeout");
    EXPECT_TRUE(splash->isVisible());
    QMetaObject::invokeMethod(timer, "timeout");
    EXPECT_FALSE(splash->isVisible());
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
    const std::string root = place.root.string(), data = root + "/Espa\361a/";
    std::filesystem::create_directories(data);
    for (const std::string& fifo : {root + "/tubo", data + "tubo.htm"})
        ::mkfifo(fifo.c_str(), 0600);
    // Pictures of one colour, in PNG: small on disk, g.png 9 MB once decoded.
    for (const auto& [path, side] :
         {std::pair(data + "g.png", 1500), {data + "dibujo.png", 8}, {root + "/fuera.png", 8}}) {
        QImage picture(side, side, QImage::Format_RGB32);
        picture.fill(darkGreen);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        picture.save(&buffer, "PNG");
        support::writeBytes(path, bytes.toStdString());
    }
    const QString fifo = QString::fromStdString(root) + "/tubo";
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
        QTextDocument* doc = view->document();
        doc->pageCount();  // lays the whole page out, pictures included
        ::alarm(0);
        pictures = 0;
        for (const QTextFormat& format : doc->allFormats())
            pictures +=
                doc->resource(QTextDocument::ImageResource, format.toImageFormat().name()).value<QImage>().width() > 1;
        return doc->toPlainText().remove(QChar::ObjectReplacementCharacter);
    };
    for (const QString& html : QStringList{img("../fuera.png"), img(fifo),
                                           "<link rel=\"stylesheet\" type=\"text/css\" href=\"file:///dev/zero\">"}) {
        EXPECT_EQ(show(html), "Texto");
        EXPECT_EQ(pictures, 0);
    }
    show(img("qrc:/artwork/nuevo.png") + img("dibujo.png"));
    EXPECT_EQ(pictures, 2);
    show(img("g.png") + img("./g.png"));
    EXPECT_EQ(pictures, 1);
    show(img("g.png") + img("./g.png"));
    EXPECT_EQ(pictures, 1) << "each page has a budget of its own";
    const QString cannot = "No se puede mostrar la página\n";
    EXPECT_EQ(show("", "http://localhost/tubo.htm"), cannot + "http://localhost/tubo.htm: no hay permiso.");
    form->helpWindow()->WebBrowser1()->setSource(QUrl(page));
    EXPECT_EQ(form->helpWindow()->WebBrowser1()->toPlainText(), "Texto");
    EXPECT_EQ(show("", "tubo.htm"), cannot + QFile::decodeName(data.c_str()) + "tubo.htm: no es un fichero normal.");
}

// A help window of 730 x 540 goes level with the main window, right of it (as the end-to-end test sees) or else left of
// it; with no room on either side it covers least of the board (inside the main window), on the screen.
TEST(HelpPlacement, WithNoRoomBesideTheMainWindowOverTheLeastOfTheBoardOnTheScreen)
{
    EXPECT_EQ(placeHelpWindow({730, 540}, {300, 50, 476, 600}, {310, 130, 450, 450}, {0, 0, 1280, 768}),
              QPoint(550, 228));
    // With room on the right, just right of the main window, level with it.
    EXPECT_EQ(placeHelpWindow({730, 540}, {100, 50, 476, 600}, {110, 130, 450, 450}, {0, 0, 1600, 768}),
              QPoint(576, 50));
    // With room on the left only, just left of it.
    EXPECT_EQ(placeHelpWindow({730, 540}, {1000, 100, 476, 600}, {1010, 180, 450, 450}, {0, 30, 1600, 994}),
              QPoint(270, 100));
}

// Enter presses the button with the focus: with no system-information program, its message, over the box; Esc presses
// "Aceptar", which closes the box.
TEST_F(WidgetTest, TheAboutBoxHasNoOwnerAndItsKeysPressTheRightButton)
{
    form->menuItem("acerca")->trigger();
    QPointer<FrmAboutWindow> about = form->aboutBox();
    ASSERT_TRUE(about);
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
    QString title, byDefault;
    QStringList buttons;
    bool escaped = false;
    // Notes what the next box shows, then presses Esc, its close button and, if it is still there, Yes.
    const auto next = [&] {
        QTimer::singleShot(50, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            buttons.clear();
            for (QAbstractButton* button : box->buttons())
                buttons << button->text();
            buttons.sort();
            title = box->windowTitle();
            byDefault = box->defaultButton() ? box->defaultButton()->text() : "";
            QTest::keyClick(box, Key_Escape);
            escaped = !box->isVisible();
            box->close();
            if (box->isVisible())
                box->done(QMessageBox::Yes);
        });
    };
    next();
    EXPECT_EQ(form->messageBox("Cuidado tienes errores", "Cuadrix!", Buttons::YesNo), Answer::Yes);
    EXPECT_FALSE(escaped);
    next();
    EXPECT_EQ(form->messageBox("Introdueix un Nombre!", "", Buttons::OK), Answer::OK);
    EXPECT_TRUE(escaped);
    EXPECT_EQ(title, "Cuadrix");
    next();
    form->close();
    EXPECT_TRUE(escaped);
    EXPECT_EQ(buttons, QStringList({"&No", "&Sí", "Cancelar"}));
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
    EXPECT_GT(count(form->Text1(open), black), 20);  // the player's digit
    EXPECT_GT(count(form->Text1(given), red), 20);
    EXPECT_GT(count(form->Text1(open), QColor(255, 192, 192)), 400);  // the error background
    QApplication::setPalette(before);
    EXPECT_EQ(toQColor(fondoCorrecto), QColor(192, 255, 192));
}

// A cell's background and frame are drawn once for each look and copied after: every look, the first time and from
// then on, is the one the application's style draws itself.
TEST_F(WidgetTest, EachLookOfACellIsTheOneTheStyleDraws)
{
    // Cell i as the board shows it, and as the application's style draws it.
    const auto looks = [this](int i) {
        TextCell* cell = form->Text1(i);
        QStyle* cells = cell->style();
        const QImage shown = cell->grab().toImage();
        cell->setStyle(QApplication::style());
        const QImage drawn = cell->grab().toImage();
        cell->setStyle(cells);
        return std::pair(shown, drawn);
    };
    const auto* style = dynamic_cast<const CellStyle*>(form->Text1(open)->style());
    ASSERT_TRUE(style);
    EXPECT_LE(style->looksKept(), 4u);  // the whole board from a handful of pictures
    const auto [first, firstDrawn] = looks(open);
    EXPECT_EQ(first, firstDrawn);
    const auto [again, againDrawn] = looks(below);  // the same look
    EXPECT_EQ(again, againDrawn);
    click(below);
    const auto [focused, focusedDrawn] = looks(below);
    EXPECT_EQ(focused, focusedDrawn);
    const QPoint leftEdge(0, first.height() / 2);
    EXPECT_NE(focused.pixel(leftEdge), first.pixel(leftEdge));  // Fusion's focus frame
    form->setCellBackColor(open, fondoFoco);                    // the focused cell's colours, without the focus
    const auto [unfocused, unfocusedDrawn] = looks(open);
    EXPECT_EQ(unfocused, unfocusedDrawn);
    for (Colour shade = 0; shade < 70; ++shade) {  // more looks than are kept
        form->setCellBackColor(open, shade);
        form->Text1(open)->grab();
    }
    EXPECT_LE(style->looksKept(), 64u);
}

// What each window shows, as recorded in looks.txt: a change to a window's size, layout, fonts, texts, pictures, menus
// or toolbar shows as a difference to look at, and is recorded again (CUADRIX_RECORD_LOOKS=1) when it was meant.
TEST_F(WidgetTest, EachWindowLooksAsRecorded)
{
    form->menuItem("acerca")->trigger();
    form->menuItem("reglas")->trigger();
    QString looks;
    QDebug out = QDebug(&looks).noquote();
    // Each window's size and title, then each named part (the first and last cells stand for the board): its place,
    // font, picture's size and text.
    for (QWidget* window : QWidgetList{form.get(), form->aboutBox(), form->helpWindow(), form->splash()}) {
        out << window->objectName() << window->size() << window->windowTitle() << "\n";
        for (QWidget* w : window->findChildren<QWidget*>(QRegularExpression("^(?!qt_|Text1_(?!(1|81)$))."))) {
            const QSize picture = w->property("pixmap").value<QPixmap>().size();
            const QString text = w->property("text").toString();
            if (w->window() == window)
                out << w->objectName() << w->geometry() << w->font().family() << w->font().pointSize()
                    << w->font().weight() << w->font().style() << picture << text << "\n";
        }
    }
    for (QAction* menu : form->menuBar()->actions())
        for (QAction* item : menu->menu()->actions())
            out << menu->text() << item->text() << item->shortcut().toString() << (item->isChecked() ? "ticked" : "")
                << "\n";
    for (QAction* button : form->toolbar()->actions())
        out << "Toolbar1" << button->iconText() << button->toolTip() << button->icon().availableSizes() << "\n";
    out << "window icon" << QApplication::windowIcon().availableSizes() << "\n";  // every size the launcher has
    const std::string path = QT_TESTCASE_SOURCEDIR "/widgets/looks.txt",
                      seen = looks.replace("\n ", "\n").toStdString();
    if (qEnvironmentVariableIsSet("CUADRIX_RECORD_LOOKS"))
        support::writeBytes(path, seen);
    EXPECT_EQ(support::readBytes(path), seen);
}
