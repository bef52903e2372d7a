// The help window: a page view and a "Cerrar" button.
#include "help/form3.h"

#include <sys/stat.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <utility>

#include <QFile>
#include <QPushButton>
#include <QUrl>

#include "app/window_look.h"

void HelpView::showPage(const std::string& path)
{
    struct stat st;
    if (::stat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) {
        setHtml(QString("<h2>No se encuentra la página</h2><p>%1</p>").arg(QFile::decodeName(path.c_str()).toHtmlEscaped()));
        return;
    }
    const std::size_t slash = path.rfind('/');
    folder_ = path.substr(0, slash);
    // A relative address: loadResource reads it, and the page's links, from folder_.
    setSource(QUrl::fromEncoded(QByteArray::fromStdString(path.substr(slash + 1)).toPercentEncoding()));
}

QVariant HelpView::loadResource(int type, const QUrl& name)
{
    if (!name.isRelative())
        return QTextBrowser::loadResource(type, name);
    std::ifstream in(folder_ + "/" + QFile::encodeName(name.path()).toStdString(), std::ios::binary);
    const std::string bytes(std::istreambuf_iterator<char>(in), {});
    return in ? QVariant(QByteArray::fromStdString(bytes)) : QVariant();
}

Form3::Form3()
    : QWidget(nullptr, closableWindow)
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

HelpPlacement placeHelpWindow(QSize help, const QRect& mainWindow, const QRect& board, const QRect& screen)
{
    const auto onScreen = [&](int x, int y) {
        return QRect(std::clamp(x, screen.left(), std::max(screen.left(), screen.right() + 1 - help.width())),
                     std::clamp(y, screen.top(), std::max(screen.top(), screen.bottom() + 1 - help.height())),
                     help.width(), help.height());
    };
    const int roomRight = screen.right() - mainWindow.right(), roomLeft = mainWindow.left() - screen.left();
    if (roomRight + roomLeft >= help.width() && help.height() <= screen.height()) {
        // On the side with more room; the main window moves over only when that side is too narrow.
        const bool right = roomRight >= help.width() || (roomLeft < help.width() && roomRight >= roomLeft);
        const int shift = right ? std::min(0, roomRight - help.width()) : std::max(0, help.width() - roomLeft);
        const QRect main = mainWindow.translated(shift, 0);
        return {onScreen(right ? main.right() + 1 : main.left() - help.width(), main.top()).topLeft(), main.topLeft()};
    }
    const auto area = [](const QRect& r) { return static_cast<qint64>(r.width()) * r.height(); };
    // No room beside it: try the sides, above and below the main window and the screen's edges;
    // the first place that covers least wins.
    const int xs[] = {mainWindow.right() + 1, mainWindow.left() - help.width(), screen.right() + 1 - help.width(),
                      screen.left()};
    const int ys[] = {mainWindow.top(), mainWindow.bottom() + 1, mainWindow.top() - help.height(), screen.top(),
                      screen.bottom() + 1 - help.height()};
    QRect best;
    std::pair<qint64, qint64> leastCovered(-1, -1);
    for (int x : xs) {
        for (int y : ys) {
            const QRect place = onScreen(x, y);
            const std::pair<qint64, qint64> covered(area(place & board), area(place & mainWindow));
            if (leastCovered.first < 0 || covered < leastCovered) {
                leastCovered = covered;
                best = place;
            }
        }
    }
    return {best.topLeft(), mainWindow.topLeft()};
}
