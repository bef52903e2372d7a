// The help window: a page view and a "Cerrar" button.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include "help/form3.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <limits>
#include <optional>

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QPushButton>
#include <QUrl>

#include "app/files/reading.h"
#include "app/window_look.h"

namespace {

// The local path of a name the help may read: a plain relative name, inside the folder; nothing for any other (another
// scheme, an absolute path, a way up with "..", a query).
std::optional<std::string> localPath(const std::string& folder, const QUrl& name)
{
    const QString relative = name.path();
    if (!name.isRelative() || name.hasQuery() || relative.startsWith('/') || relative.split('/').contains(".."))
        return {};
    return folder + "/" + QFile::encodeName(relative).toStdString();
}

// A resource a page names: the program's own pictures from its resources, anything else from the folder through the
// safe reader; what lies elsewhere is not the help's to read (EACCES).
FileBytes readResource(const std::string& folder, int type, const QUrl& name)
{
    if (name.scheme() == "qrc" && type == QTextDocument::ImageResource) {
        QFile picture(":" + name.path());
        if (!picture.open(QIODevice::ReadOnly))
            return {{}, ENOENT};
        return {picture.readAll().toStdString(), 0};
    }
    const std::optional<std::string> path = localPath(folder, name);
    return path ? readDataFile(*path) : FileBytes{{}, EACCES};
}

// What a picture takes once decoded, from its header alone: at least 4 bytes a pixel, as it is shown; the most there is
// when its size cannot be known.
std::size_t decodedSize(QImageReader& picture)
{
    const QSize size = picture.size();
    const std::uint64_t pixels = static_cast<std::uint64_t>(size.width()) * static_cast<std::uint64_t>(size.height());
    const int bits = std::max<int>(32, QImage::toPixelFormat(picture.imageFormat()).bitsPerPixel());
    return size.isValid() && pixels <= HelpView::kPageBudget ? pixels * bits / 8
                                                             : std::numeric_limits<std::size_t>::max();
}

// The page shown instead of one that cannot be: why, after what was asked for.
QString unreadablePage(const QString& name, int error)
{
    return QString("<h2>No se puede mostrar la página</h2><p>%1: %2.</p>")
        .arg(name.toHtmlEscaped(), QString::fromStdString(fileErrorText(error)));
}

}  // namespace

void HelpView::showPage(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    folder_ = path.substr(0, slash);
    // A relative address: loadResource reads it, and the page's links, from folder_.
    setSource(QUrl::fromEncoded(QByteArray::fromStdString(path.substr(slash + 1)).toPercentEncoding()));
}

// A page elsewhere is never asked for: the view says why and stays in the folder, where the next link is read.
void HelpView::doSetSource(const QUrl& name, QTextDocument::ResourceType)
{
    if (localPath(folder_, name))
        QTextBrowser::doSetSource(name, QTextDocument::HtmlResource);
    else
        setHtml(unreadablePage(name.toString(), EACCES));
}

// Every resource is answered here, never left for Qt to open: a page that cannot be read says why; a picture or a
// stylesheet that cannot, or that would take the page past its budget, is left out (a transparent pixel, an empty
// stylesheet) and the page shows the rest.
QVariant HelpView::loadResource(int type, const QUrl& name)
{
    if (type == QTextDocument::HtmlResource)
        taken_ = 0;
    FileBytes file = readResource(folder_, type, name);
    QBuffer bytes;
    bytes.setData(QByteArray::fromStdString(file.bytes));
    QImageReader picture(&bytes);
    const std::size_t cost = type == QTextDocument::ImageResource ? decodedSize(picture) : file.bytes.size();
    if (!file.error && cost > kPageBudget - taken_)
        file.error = kTooLarge;
    if (!file.error)
        taken_ += cost;
    if (type == QTextDocument::ImageResource) {
        QImage image = file.error ? QImage() : picture.read();
        if (image.isNull()) {
            image = QImage(1, 1, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
        }
        return image;
    }
    if (!file.error)
        return bytes.data();
    if (type != QTextDocument::HtmlResource)
        return QString();
    const std::optional<std::string> path = localPath(folder_, name);
    return unreadablePage(path ? QFile::decodeName(path->c_str()) : name.toString(), file.error);
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
