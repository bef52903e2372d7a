// The help window: a page view and a "Cerrar" button.
#include "help/form3.h"

#include <QDir>
#include <QFileInfo>
#include <QPushButton>
#include <QTextBrowser>
#include <QUrl>

#include "app/qt_colours.h"

namespace {
constexpr int px(int twips) { return twips / 15; }
}  // namespace

QString helpAddressToLocalPath(const QString& address)
{
    QString path = address;
    if (path.startsWith("file://"))
        path.remove(0, 7);
    path.replace('\\', '/');
    return QDir::cleanPath(path);
}

Form3::Form3(QWidget* owner)
    : QWidget(owner, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                         | Qt::WindowCloseButtonHint)
{
    setObjectName("Form3");
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle("Cuadrix!");
    setFixedSize(px(10950), px(7665));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, toQColor(0x00C0E0FF));
    setPalette(palette);

    Command1_ = new QPushButton("Cerrar", this);
    Command1_->setObjectName("Command1");
    Command1_->setGeometry(px(120), px(7200), px(10695), px(375));
    connect(Command1_, &QPushButton::clicked, this, &QWidget::hide);

    WebBrowser1_ = new QTextBrowser(this);
    WebBrowser1_->setObjectName("WebBrowser1");
    WebBrowser1_->setGeometry(px(120), px(120), px(10695), px(6975));
    WebBrowser1_->setOpenLinks(true);
    setTabOrder(Command1_, WebBrowser1_);
}

void Form3::navigate(const QString& address)
{
    const QString path = helpAddressToLocalPath(address);
    if (!QFileInfo(path).isFile()) {
        WebBrowser1_->setHtml(QString("<h2>No se encuentra la página</h2><p>%1</p>").arg(path.toHtmlEscaped()));
        return;
    }
    WebBrowser1_->setSource(QUrl::fromLocalFile(path));
}
