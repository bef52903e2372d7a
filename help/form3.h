// The help window: a page view and a "Cerrar" button.
#pragma once

#include <QTextBrowser>
#include <QWidget>
#include <string>

class QPushButton;

// A page view that reads its pages, pictures and stylesheets by the bytes of their paths, so a
// program folder whose name is not valid UTF-8 shows its pages too.
class HelpView : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;
    // The page at a local path (bytes); a missing page shows a short note instead.
    void showPage(const std::string& path);
    QVariant loadResource(int type, const QUrl& name) override;

private:
    std::string folder_;  // of the page shown; the pages' relative links are read from there
};

// A window of its own, with no owner: the board stays usable and in sight beside it.
class Form3 : public QWidget {
    Q_OBJECT
public:
    Form3();
    // Shows the page at a "file://" address: "file://" followed by the page's local path.
    void navigate(const std::string& address);
    QTextBrowser* WebBrowser1() const { return WebBrowser1_; }
    QPushButton* Command1() const { return Command1_; }

private:
    HelpView* WebBrowser1_;
    QPushButton* Command1_;
};


// Where the help window (the size of its frame) and the main window (its frame) go: beside each
// other when the screen has room for both, the main window moving along only as far as that
// needs; else the help window where it covers the least of the board, then of the main window.
struct HelpPlacement {
    QPoint help;
    QPoint mainWindow;
};
HelpPlacement placeHelpWindow(QSize help, const QRect& mainWindow, const QRect& board, const QRect& screen);
