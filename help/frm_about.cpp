// The About box window.
#include "help/frm_about.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include "app/qt_colours.h"

namespace {
constexpr int px(int twips) { return twips / 15; }
}  // namespace

FrmAboutWindow::FrmAboutWindow(WindowSystem& ws, QWidget* owner)
    : QWidget(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                         | Qt::WindowCloseButtonHint),
      logic_(ws)
{
    setObjectName("frmAbout");
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(px(5145), px(2595));
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, toQColor(0x00C0E0FF));
    setPalette(palette);

    const AboutTexts texts = FrmAbout::Form_Load();
    setWindowTitle(QString::fromStdString(texts.caption));

    auto* picIcon = new QLabel(this);
    picIcon->setObjectName("picIcon");
    picIcon->setPixmap(QPixmap(":/artwork/acerca.png"));
    picIcon->setGeometry(px(240), px(240), px(780), px(780));

    const auto label = [this](const char* name, const QString& text, int left, int top, int width, int height) {
        auto* l = new QLabel(text, this);
        l->setObjectName(name);
        l->setGeometry(px(left), px(top), px(width), px(height));
        return l;
    };
    lblTitle_ = label("lblTitle", QString::fromStdString(texts.lblTitle), 1050, 240, 3885, 240);
    QFont bold = lblTitle_->font();
    bold.setBold(true);
    lblTitle_->setFont(bold);
    lblVersion_ = label("lblVersion", QString::fromStdString(texts.lblVersion), 1050, 480, 3885, 225);
    label("Label1", "Un juego del equipo de Cuadrix", 1050, 720, 3885, 225);

    // The etched separator: a grey line with a white one just below it.
    auto* grey = new QFrame(this);
    grey->setGeometry(px(90), px(1125), px(5040 - 90), 1);
    grey->setStyleSheet("background: #808080;");
    auto* white = new QFrame(this);
    white->setGeometry(px(105), px(1140), px(5040 - 105), 2);
    white->setStyleSheet("background: #ffffff;");

    QLabel* description = label("lblDescription", "Sumergete en el universo Sudoku", 210, 1245, 2925, 1170);
    description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    description->setWordWrap(true);

    cmdOK_ = new QPushButton("Aceptar", this);
    cmdOK_->setObjectName("cmdOK");
    cmdOK_->setGeometry(px(3360), px(1320), px(1500), px(345));
    cmdOK_->setDefault(true);
    cmdOK_->setAutoDefault(true);
    connect(cmdOK_, &QPushButton::clicked, this, &QWidget::close);

    cmdSysInfo_ = new QPushButton("&Info. del sistema...", this);
    cmdSysInfo_->setObjectName("cmdSysInfo");
    cmdSysInfo_->setGeometry(px(3360), px(1920), px(1485), px(345));
    connect(cmdSysInfo_, &QPushButton::clicked, this, [this] { logic_.cmdSysInfo_Click(); });

    setTabOrder(cmdOK_, cmdSysInfo_);
    cmdOK_->setFocus();
}

// "Aceptar" is the default button (Enter) and the cancel button (Esc).
void FrmAboutWindow::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape
        || ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !cmdSysInfo_->hasFocus())) {
        cmdOK_->click();
        return;
    }
    QWidget::keyPressEvent(event);
}
