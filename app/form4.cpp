// The splash window shown while the game starts.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/form4.h"

#include <QEvent>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <utility>

#include "app/window_look.h"
#include "app/splash.h"

Form4::Form4(Form4Timer& ticks, QWidget* owner)
    : QWidget(owner, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName("Form4");
    setWindowTitle("Cuadrix!");
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFixedSize(px(5985), px(4530));

    Timer1_ = new QTimer(this);
    Timer1_->setInterval(1000);
    connect(Timer1_, &QTimer::timeout, this, [&ticks] { ticks.Timer1_Timer(); });
}

namespace {

// A picture for a label of the given size: the @2x file on a screen with more pixels than one a
// point, made as sharp as the screen shows it. It is read as an image, so that no cache of Qt's
// keeps it once the splash lets it go.
QPixmap picture(const char* name, QSize size, qreal ratio)
{
    QImage image(QString(ratio > 1 ? ":/artwork/%1@2x.png" : ":/artwork/%1.png").arg(name));
    const QSize pixels = (QSizeF(size) * ratio).toSize();
    if (image.size() != pixels)
        image = image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image.setDevicePixelRatio(ratio);
    return QPixmap::fromImage(std::move(image));
}

}  // namespace

// The pictures are PNG files, which Qt reads without loading an image plugin. The title picture
// (607 x 518 at -1080, -1800 twips, overhanging the window on every side) is stored as the part
// of it the window shows.
void Form4::buildContents()
{
    const qreal ratio = screen()->devicePixelRatio();
    auto* Image1 = placed(new QLabel(this), "Image1", 0, 0, 5985, 4530);
    Image1->setPixmap(picture("splash_fondo", Image1->size(), ratio));
    auto* Image2 = placed(new QLabel(this), "Image2", 1200, 1080, 3480, 2280);
    Image2->setPixmap(picture("splash_tablero", Image2->size(), ratio));

    auto* Label1 = placed(new QLabel("CUADRIX!", this), "Label1", 60, 3240, 5895, 1215);
    QFont font("Times New Roman", 48, QFont::Bold, true);
    font.setStyleHint(QFont::Serif);
    Label1->setFont(font);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setStyleSheet("color: #8b1a1a;");
}

void Form4::showCentred()
{
    showPending_ = true;
    parentWidget()->installEventFilter(this);
}

// A hide before the splash was shown cancels the show. Once hidden, the splash gives back what it
// showed: its pictures and labels (made again if it is ever shown again) and its window with the
// picture of it, a megabyte in all.
void Form4::setVisible(bool visible)
{
    if (!visible)
        showPending_ = false;
    const bool shown = isVisible();
    QWidget::setVisible(visible);
    if (shown && !visible) {
        qDeleteAll(findChildren<QLabel*>(Qt::FindDirectChildrenOnly));
        destroy();
    }
}

// The owner's next paint (at start-up its first): the splash is shown once that paint is over.
bool Form4::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget() && event->type() == QEvent::Paint) {
        parentWidget()->removeEventFilter(this);
        QMetaObject::invokeMethod(this, &Form4::showNow, Qt::QueuedConnection);
    }
    return false;
}

void Form4::showNow()
{
    if (!showPending_)
        return;
    if (!findChild<QLabel*>("Label1"))
        buildContents();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    show();
}

// Some platforms activate every window they show: the splash hands the activation straight back.
bool Form4::event(QEvent* event)
{
    if (event->type() == QEvent::WindowActivate && parentWidget() && parentWidget()->isVisible())
        parentWidget()->activateWindow();
    return QWidget::event(event);
}
