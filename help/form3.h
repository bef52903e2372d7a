// The help window: a page view and a "Cerrar" button.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QTextBrowser>
#include <QWidget>
#include <string>

class QPushButton;

// A page view that reads only the help's own files: its pages, pictures and stylesheets, by the bytes of their paths
// (a program folder whose name is not valid UTF-8 shows its pages too), through the safe reader, within a budget.
class HelpView : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;
    // What a page and all it shows may take: its bytes, its stylesheets' and its pictures' once decoded (4 bytes a
    // pixel). The largest of the four pages takes 31 KB with its stylesheet and pictures; 16 MB leaves room for a
    // picture of 2000 x 2000 and keeps what any page can cost the game small.
    static constexpr std::size_t kPageBudget = std::size_t(16) << 20;
    // The page at a local path (bytes); one that cannot be read shows why instead.
    void showPage(const std::string& path);
    QVariant loadResource(int type, const QUrl& name) override;
    // What the page shown has taken so far of its budget, in bytes.
    std::size_t taken() const { return taken_; }

protected:
    void doSetSource(const QUrl& name, QTextDocument::ResourceType type) override;

private:
    std::string folder_;     // of the page shown; the pages' relative links are read from there
    std::size_t taken_ = 0;  // by the page shown, in bytes
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
