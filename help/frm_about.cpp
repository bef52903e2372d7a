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

// A plain window with no owner: a dialog, even one without a parent, gets a transient-for hint on
// X11, and the window manager would then keep it above the board.
FrmAboutWindow::FrmAboutWindow(WindowSystem& ws)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                         | Qt::WindowCloseButtonHint),
      logic_(ws)
{
    setObjectName("frmAbout");
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(px(5145), px(2595));
    useWindowColours(this);
    // The box is laid out for a narrow 8-point dialog font: the desktop's wider one cuts the
    // button texts short.
    QFont dialogFont("Arial");
    dialogFont.setStyleHint(QFont::SansSerif);
    dialogFont.setPointSize(8);
    setFont(dialogFont);

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

// Enter presses the button with the focus, or "Aceptar" when no button has it; Esc presses "Aceptar".
void FrmAboutWindow::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter || event->key() == Qt::Key_Escape) {
        auto* focused = qobject_cast<QPushButton*>(focusWidget());
        (enter && focused ? focused : cmdOK_)->click();
        return;
    }
    QWidget::keyPressEvent(event);
}
