// The help window: a page view and a "Cerrar" button.
#pragma once

#include <QWidget>

class QTextBrowser;
class QPushButton;

// A window of its own, with no owner: the board stays usable and in sight beside it.
class Form3 : public QWidget {
    Q_OBJECT
public:
    Form3();
    // Shows the page at a "file://" address built from the program folder.
    void navigate(const QString& address);
    QTextBrowser* WebBrowser1() const { return WebBrowser1_; }
    QPushButton* Command1() const { return Command1_; }

private:
    QTextBrowser* WebBrowser1_;
    QPushButton* Command1_;
};

// The local file a help address names: "file://" dropped, '\' turned into '/', cleaned.
QString helpAddressToLocalPath(const QString& address);

// Where the help window (the size of its frame) and the main window (its frame) go: beside each
// other when the screen has room for both, the main window moving along only as far as that
// needs; else the help window where it covers the least of the board, then of the main window.
struct HelpPlacement {
    QPoint help;
    QPoint mainWindow;
};
HelpPlacement placeHelpWindow(QSize help, const QRect& mainWindow, const QRect& board, const QRect& screen);
