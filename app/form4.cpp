// The splash window shown while the game starts.
#include "app/form4.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

#include "app/splash.h"

namespace {
constexpr int px(int twips) { return twips / 15; }
}  // namespace

Form4::Form4(Form4Timer& ticks, QWidget* owner)
    : QWidget(owner, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName("Form4");
    setWindowTitle("Cuadrix!");
    setFixedSize(px(5985), px(4530));

    auto* Image1 = new QLabel(this);
    Image1->setObjectName("Image1");
    Image1->setPixmap(QPixmap(":/artwork/splash.jpg"));
    Image1->setGeometry(px(-1080), px(-1800), 607, 518);

    auto* Image2 = new QLabel(this);
    Image2->setObjectName("Image2");
    Image2->setPixmap(QPixmap(":/artwork/splash.gif"));
    Image2->setGeometry(px(1200), px(1080), 232, 152);

    auto* Label1 = new QLabel("CUADRIX!", this);
    Label1->setObjectName("Label1");
    QFont font("Times New Roman");
    font.setStyleHint(QFont::Serif);
    font.setPointSize(48);
    font.setBold(true);
    font.setItalic(true);
    Label1->setFont(font);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setStyleSheet("color: #8b1a1a;");
    Label1->setGeometry(px(60), px(3240), px(5895), px(1215));

    Timer1_ = new QTimer(this);
    Timer1_->setInterval(1000);
    connect(Timer1_, &QTimer::timeout, this, [&ticks] { ticks.Timer1_Timer(); });
}

void Form4::showCentred()
{
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    show();
}
