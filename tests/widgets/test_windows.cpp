// The splash, the help window, the About box, the real message boxes and the colours that do not follow the desktop.
#include <QCloseEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>

#include "app/form4.h"
#include "tests/widgets/widget_fixture.h"

TEST_F(WidgetTest, SplashHidesAtTheSecondTick)
{
    Form4* splash = form->splash();
    ASSERT_TRUE(QTest::qWaitFor([splash] { return splash->isVisible(); }));
    QApplication::processEvents();
    EXPECT_EQ(focusedCell(), 1) << "the splash, shown after the board's first paint, leaves the focus in cell 1";
    EXPECT_FALSE(splash->findChild<QLabel*>("Image1")->pixmap().isNull());
    EXPECT_FALSE(splash->findChild<QLabel*>("Image2")->pixmap().isNull());
    QMetaObject::invokeMethod(splash->Timer1(), "timeout");
    EXPECT_TRUE(splash->isVisible());
    QMetaObject::invokeMethod(splash->Timer1(), "timeout");
    EXPECT_FALSE(splash->isVisible());
    EXPECT_FALSE(splash->Timer1()->isActive());
    EXPECT_TRUE(form->isVisible());
}

TEST_F(WidgetTest, OneHelpWindowReusedHiddenByCerrarAndRecreatedAfterItsCloseBox)
{
    form->menuItem("historia")->trigger();
    QPointer<Form3> help = form->helpWindow();
    ASSERT_TRUE(help);
    EXPECT_TRUE(help->isVisible());
    EXPECT_FALSE(help->parentWidget() || help->windowHandle()->transientParent()) << "a window with no owner";
    EXPECT_TRUE(help->WebBrowser1()->source().toLocalFile().endsWith("/data/historia.htm"));

    form->menuItem("metodos")->trigger();
    EXPECT_EQ(form->helpWindow(), help.data());
    EXPECT_TRUE(help->WebBrowser1()->source().toLocalFile().endsWith("/data/resolucion.htm"));

    help->Command1()->click();
    EXPECT_FALSE(help->isVisible());
    form->menuItem("utilizacion")->trigger();
    EXPECT_EQ(form->helpWindow(), help.data());
    EXPECT_TRUE(help->isVisible());

    help->close();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(help.isNull()) << "the close box discards the window";
    form->menuItem("reglas")->trigger();
    ASSERT_TRUE(form->helpWindow());
    EXPECT_TRUE(form->helpWindow()->isVisible());
    EXPECT_TRUE(form->helpWindow()->WebBrowser1()->source().toLocalFile().endsWith("/data/reglas.htm"));
    help = form->helpWindow();
    form.reset();
    EXPECT_TRUE(help.isNull()) << "the main window takes its help window with it";
}

TEST(HelpPlacement, BesideTheMainWindowWhenTheScreenHasRoomElseOverTheLeastOfTheBoard)
{
    const QRect main(0, 0, 476, 560), board(10, 70, 460, 460), wide(0, 0, 1600, 1024);
    const auto place = [&](QPoint mainAt, const QRect& screen) {
        const HelpPlacement p = placeHelpWindow(QSize(732, 540), main.translated(mainAt), board.translated(mainAt), screen);
        return std::make_pair(p.help, p.mainWindow);
    };
    EXPECT_EQ(place({0, 0}, wide), std::make_pair(QPoint(476, 0), QPoint(0, 0)));
    EXPECT_EQ(place({1124, 100}, wide), std::make_pair(QPoint(392, 100), QPoint(1124, 100)));
    EXPECT_EQ(place({562, 100}, wide), std::make_pair(QPoint(868, 100), QPoint(392, 100))) << "the main window moves over";
    EXPECT_EQ(place({2162, 100}, wide.translated(1600, 0)), std::make_pair(QPoint(2468, 100), QPoint(1992, 100)));
    EXPECT_EQ(place({0, 0}, QRect(0, 0, 800, 600)), std::make_pair(QPoint(68, 60), QPoint(0, 0)));
}

TEST(HelpAddress, FoldersWithSpacesAccentsAndHashesStayWhole)
{
    EXPECT_EQ(helpAddressToLocalPath("file:///opt/mi juego#2/ñ\\data\\reglas.htm"), "/opt/mi juego#2/ñ/data/reglas.htm");
    EXPECT_EQ(QUrl::fromLocalFile(helpAddressToLocalPath("file:///a#b\\data\\x.htm")).toLocalFile(), "/a#b/data/x.htm");
}

TEST_F(WidgetTest, MissingHelpPageStillOpensTheWindow)
{
    form->showHelp("file:///no/existe\\data\\historia.htm");
    ASSERT_TRUE(form->helpWindow());
    EXPECT_TRUE(form->helpWindow()->isVisible());
    EXPECT_TRUE(form->helpWindow()->WebBrowser1()->toPlainText().contains("No se encuentra"));
}

TEST_F(WidgetTest, AboutBoxHasNoOwnerAndItsKeysPressTheRightButton)
{
    form->menuItem("acerca")->trigger();
    QPointer<FrmAboutWindow> about = form->aboutBox();
    ASSERT_TRUE(about && about->isVisible());
    EXPECT_FALSE(about->isModal());
    EXPECT_FALSE(about->parentWidget() || about->windowHandle()->transientParent()) << "a window with no owner";
    const auto press = [&about](QWidget* focus, Qt::Key key) {
        focus->setFocus();
        QTest::keyClick(about->windowHandle(), key);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    };
    // Enter on the system-information button shows its message, and the box stays open.
    press(about->cmdSysInfo(), Qt::Key_Return);
    EXPECT_EQ(prompts, QStringList({QString::fromUtf8("La información del sistema no está disponible en este momento")}));
    form->menuItem("acerca")->trigger();
    EXPECT_EQ(form->aboutBox(), about.data()) << "shown again while open, it is the same box";
    // Esc, whichever button has the focus, and Enter away from the buttons press "Aceptar".
    press(about->cmdSysInfo(), Qt::Key_Escape);
    EXPECT_TRUE(about.isNull());
    form->menuItem("acerca")->trigger();
    about = form->aboutBox();
    press(about, Qt::Key_Enter);
    EXPECT_TRUE(about.isNull());
    EXPECT_EQ(prompts.size(), 1);
}

TEST_F(WidgetTest, CloseBoxAsksAndCancelKeepsTheWindow)
{
    answers = {Answer::Cancel, Answer::Cancel};
    form->close();
    EXPECT_TRUE(form->isVisible());
    form->close();
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(prompts, QStringList({"Desea guardar la partida?", "Desea guardar la partida?"}));
}

TEST_F(WidgetTest, RealBoxesYesNoIgnoresEscAndCloseTheExitQuestionTakesCloseAsCancel)
{
    form->setMessageBoxFunction(nullptr);
    bool stayed = false;
    QTimer::singleShot(50, [&stayed] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            QTest::keyClick(box, Qt::Key_Escape);
            box->close();
            stayed = box->isVisible();
            box->button(QMessageBox::No)->click();
        }
    });
    EXPECT_EQ(form->messageBox("Cuidado tienes errores", "Cuadrix!", Buttons::YesNo), Answer::No);
    EXPECT_TRUE(stayed) << "Esc or the close button answered the Yes/No question";

    QString shown;
    QTimer::singleShot(50, [&shown] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->windowTitle() + "|" + box->text();
            box->close();
        }
    });
    form->menuItem("salir")->trigger();
    EXPECT_EQ(shown, "Cuadrix!|Desea guardar la partida?");
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->game().salidaCancelada, 1);
}

// Texts the game colours keep their colours under a dark desktop palette (light text on dark).
TEST_F(WidgetTest, ColouredTextsSurviveADarkPalette)
{
    const QPalette before = QApplication::palette();
    QApplication::setPalette(QPalette(QColor(70, 40, 90)));
    const int open = openCell();
    int given = 1;
    while (!form->Text1(given)->isLocked())
        ++given;
    form->Text1(open)->setFocus();
    QApplication::processEvents();
    key(Qt::Key_5);
    form->Text1(given)->setFocus();
    form->menuItem("acerca")->trigger();
    QApplication::processEvents();
    const auto count = [](QWidget* widget, QColor colour) {
        const QImage image = widget->grab().toImage();
        int n = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                n += qAbs(c.red() - colour.red()) < 40 && qAbs(c.green() - colour.green()) < 40
                    && qAbs(c.blue() - colour.blue()) < 40;
            }
        }
        return n;
    };
    EXPECT_GT(count(form->aboutBox()->findChild<QLabel*>("lblDescription"), Qt::black), 20);
    EXPECT_GT(count(form->aboutBox()->lblTitle(), Qt::black), 20);
    EXPECT_GT(count(form->statusLine(), Qt::black), 20);
    EXPECT_GT(count(form->Text1(open), Qt::black), 20) << "the player's digit";
    EXPECT_GT(count(form->Text1(given), Qt::red), 20) << "a given digit";
    if (const QString shots = qEnvironmentVariable("CUADRIX_SHOTS"); !shots.isEmpty()) {
        form->grab().save(shots + "/dark-main.png");
        form->aboutBox()->grab().save(shots + "/dark-about.png");
    }
    QApplication::setPalette(before);
}
