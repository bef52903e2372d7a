// The help window: a page view and a "Cerrar" button.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
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
    // The page at a local path (bytes); one that cannot be read shows why instead.
    void showPage(const std::string& path);
    QVariant loadResource(int type, const QUrl& name) override;

private:
    std::string folder_;      // of the page shown; the pages' relative links are read from there
    std::size_t budget_ = 0;  // what the page shown may still read, in bytes
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

// Where the help window goes (the top-left corner of its frame, given the size of the frame): level with the
// main window (its frame), just right of it or else just left of it, where the screen has room; else where
// it covers the least of the board, then of the main window. It stays on the screen; the main window never moves.
QPoint placeHelpWindow(QSize help, const QRect& mainWindow, const QRect& board, const QRect& screen);
