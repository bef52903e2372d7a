// The splash, the help window, the About box and the exit question on the real windows.
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
    EXPECT_TRUE(splash->isVisible());
    EXPECT_EQ(splash->size(), QSize(5985 / 15, 4530 / 15));
    EXPECT_TRUE(splash->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(splash->findChild<QLabel*>("Label1")->text(), "CUADRIX!");
    EXPECT_EQ(splash->findChild<QLabel*>("Image1")->geometry(), QRect(-72, -120, 607, 518));
    EXPECT_FALSE(splash->findChild<QLabel*>("Image1")->pixmap().isNull());
    EXPECT_FALSE(splash->findChild<QLabel*>("Image2")->pixmap().isNull());
    EXPECT_EQ(splash->Timer1()->interval(), 1000);
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
    EXPECT_EQ(help->size(), QSize(10950 / 15, 7665 / 15));
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

TEST_F(WidgetTest, AboutBoxTextsAndButtons)
{
    form->menuItem("acerca")->trigger();
    QPointer<FrmAboutWindow> about = form->aboutBox();
    ASSERT_TRUE(about);
    EXPECT_TRUE(about->isVisible());
    EXPECT_FALSE(about->isModal());
    EXPECT_EQ(about->windowTitle(), "Acerca de Cuadrix");
    EXPECT_EQ(about->lblTitle()->text(), "Cuadrix");
    EXPECT_EQ(about->lblVersion()->text(), QString::fromUtf8("Versión 1.0.0"));
    EXPECT_EQ(about->findChild<QLabel*>("lblDescription")->text(), "Sumergete en el universo Sudoku");
    EXPECT_EQ(about->cmdOK()->text(), "Aceptar");
    EXPECT_EQ(about->cmdSysInfo()->text(), "&Info. del sistema...");
    EXPECT_EQ(about->size(), QSize(5145 / 15, 2595 / 15));

    // The system-information button ends in its message; the box stays open.
    about->cmdSysInfo()->click();
    EXPECT_EQ(prompts, QStringList({QString::fromUtf8("La información del sistema no está disponible en este momento")}));
    EXPECT_TRUE(about->isVisible());

    // Showing it again while open reuses it; Esc discards it.
    form->menuItem("acerca")->trigger();
    EXPECT_EQ(form->aboutBox(), about.data());
    about->activateWindow();
    QTest::keyClick(about.data(), Qt::Key_Escape);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(about.isNull());
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

TEST_F(WidgetTest, RealExitBoxAnswersCancelOnEscape)
{
    form->setMessageBoxFunction(nullptr);
    QString shown;
    QTimer::singleShot(50, [&shown] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown = box->windowTitle() + "|" + box->text();
            QTest::keyClick(box, Qt::Key_Escape);
        }
    });
    form->menuItem("salir")->trigger();
    EXPECT_EQ(shown, "Cuadrix!|Desea guardar la partida?");
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->game().salidaCancelada, 1);
}
