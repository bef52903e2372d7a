// The help window: a page view and a "Cerrar" button.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/form3.h"

#include <algorithm>
#include <limits>

#include <QFile>
#include <QPushButton>
#include <QUrl>

#include "app/files/reading.h"
#include "app/window_look.h"

void HelpView::showPage(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    folder_ = path.substr(0, slash);
    // A relative address: loadResource reads it, and the page's links, from folder_.
    setSource(QUrl::fromEncoded(QByteArray::fromStdString(path.substr(slash + 1)).toPercentEncoding()));
}

// Pages, pictures and stylesheets are read from the help's own folder, by plain relative names, as the game reads
// its files: a regular file only, without waiting, 16 MB at most for a page and all it shows. A page that cannot be
// read says why; a picture or stylesheet that cannot is left out. The program's own pictures come from its resources;
// nothing is read from anywhere else.
QVariant HelpView::loadResource(int type, const QUrl& name)
{
    if (name.scheme() == "qrc")
        return QTextBrowser::loadResource(type, name);
    const QString relative = name.path();
    if (!name.isRelative() || name.hasQuery() || relative.startsWith('/') || relative.split('/').contains(".."))
        return {};
    if (type == QTextDocument::HtmlResource)
        budget_ = kMaxLine;
    const std::string path = folder_ + "/" + QFile::encodeName(relative).toStdString();
    FileBytes file = readDataFile(path);
    if (!file.error && file.bytes.size() > budget_)
        file.error = kTooLarge;
    budget_ -= std::min(budget_, file.bytes.size());
    if (!file.error)
        return QByteArray::fromStdString(file.bytes);
    if (type != QTextDocument::HtmlResource)
        return {};
    return QString("<h2>No se puede mostrar la página</h2><p>%1: %2.</p>")
        .arg(QFile::decodeName(path.c_str()).toHtmlEscaped(), QString::fromStdString(fileErrorText(file.error)));
}

Form3::Form3() : QWidget(nullptr, closableWindow)
{
    useWindowLook(this, "Form3", 10950, 7665);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("Cuadrix!");

    Command1_ = placed(new QPushButton("Cerrar", this), "Command1", 120, 7200, 10695, 375);
    connect(Command1_, &QPushButton::clicked, this, &QWidget::hide);

    WebBrowser1_ = placed(new HelpView(this), "WebBrowser1", 120, 120, 10695, 6975);
    WebBrowser1_->setOpenLinks(true);
    setTabOrder(Command1_, WebBrowser1_);
}

void Form3::navigate(const std::string& address)
{
    const std::string scheme = "file://";
    WebBrowser1_->showPage(address.compare(0, scheme.size(), scheme) == 0 ? address.substr(scheme.size()) : address);
}

QPoint placeHelpWindow(QSize help, const QRect& mainWindow, const QRect& board, const QRect& screen)
{
    const auto area = [](const QRect& r) { return static_cast<qint64>(r.width()) * r.height(); };
    // Level with the main window first, then below and above it, then below and above the board; on each of
    // these lines just right of the main window, just left of it, then beside the board. Each place is kept
    // on the screen; the first that covers least of the board, then of the main window, wins.
    const int ys[] = {mainWindow.top(), mainWindow.bottom() + 1, mainWindow.top() - help.height(), board.bottom() + 1,
                      board.top() - help.height()};
    const int xs[] = {mainWindow.right() + 1, mainWindow.left() - help.width(), board.right() + 1,
                      board.left() - help.width()};
    QPoint best;
    std::pair<qint64, qint64> leastCovered(std::numeric_limits<qint64>::max(), 0);
    for (int y : ys) {
        for (int x : xs) {
            const QPoint corner(
                std::clamp(x, screen.left(), std::max(screen.left(), screen.right() + 1 - help.width())),
                std::clamp(y, screen.top(), std::max(screen.top(), screen.bottom() + 1 - help.height())));
            const QRect place(corner, help);
            const std::pair<qint64, qint64> covered(area(place & board), area(place & mainWindow));
            if (covered < leastCovered) {
                leastCovered = covered;
                best = corner;
            }
        }
    }
    return best;
}
