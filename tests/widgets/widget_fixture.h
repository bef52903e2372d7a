// The real main window under the offscreen platform, with its boxes answered by the test.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QTest>
#include <memory>

#include "app/files/files.h"
#include "app/form1.h"
#include "board/text_cell.h"

// A failing comparison shows the text.
inline void PrintTo(const QString& text, std::ostream* out) { *out << text.toStdString(); }

class WidgetTest : public ::testing::Test {
protected:
    std::unique_ptr<Form1> form;
    QStringList asked;      // the boxes shown: "title|buttons|prompt"
    QList<Answer> answers;  // for the next boxes; OK when none is left

    void SetUp() override
    {
        form = std::make_unique<Form1>(executableFolder().value());
        form->game().random = [] { return 0.0; };  // the first puzzle of the easy library
        form->setMessageBoxFunction([this](const QString& prompt, const QString& title, Buttons buttons) {
            asked << title + "|" + QStringList{"OK", "Sí/No", "Sí/No/Cancelar"}[static_cast<int>(buttons)] + "|"
                    + prompt;
            return answers.isEmpty() ? Answer::OK : answers.takeFirst();
        });
        form->start();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        ASSERT_TRUE(QTest::qWaitFor([this] { return form->game().celdaActual == 1; }));
    }

    // A key, or a mouse click on cell i (the window reports the focus once Qt has finished moving
    // it); each returns the cell that has the focus afterwards.
    int key(Qt::Key qtKey) { return QTest::keyClick(form->windowHandle(), qtKey), settle(); }
    int click(int i) { return QTest::mouseClick(form->Text1(i), Qt::LeftButton), settle(); }
    // Runs the events a step posted, and the focus report they may post in turn.
    static int settle()
    {
        QApplication::processEvents();
        QApplication::sendPostedEvents();
        return focusedCell();
    }
    static int focusedCell()
    {
        auto* cell = qobject_cast<TextCell*>(QApplication::focusWidget());
        return cell ? cell->index() : 0;
    }
    // The first open and the first given cell of the puzzle on the board.
    int openCell() const { return firstCell(false); }
    int givenCell() const { return firstCell(true); }
    int firstCell(bool locked, int i = 1) const
    {
        return form->Text1(i)->isLocked() == locked ? i : firstCell(locked, i + 1);
    }
};
