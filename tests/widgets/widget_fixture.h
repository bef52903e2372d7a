// The real main window under the offscreen platform, with its boxes answered by the test.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <gtest/gtest.h>

#include <QtTest>
#include <QtWidgets>
#include <memory>

#include "app/files/files.h"
#include "app/form1.h"
#include "board/text_cell.h"

// A failing comparison, or a message, shows the text.
inline std::ostream& operator<<(std::ostream& out, const QString& text) { return out << text.toStdString(); }

class WidgetTest : public ::testing::Test {
protected:
    // In the first easy puzzle cell 1 holds a given 2, cells 3 and 12 (below it) are open.
    static constexpr int given = 1, open = 3, below = 12;
    std::unique_ptr<Form1> form;
    QStringList asked;           // the prompts of the boxes shown
    Answer answer = Answer::OK;  // to each of them

    void SetUp() override
    {
        form = std::make_unique<Form1>(executableFolder().value());
        form->game().random = [] { return 0.0; };
        form->setMessageBoxFunction([this](const QString& prompt, const QString&, Buttons) {
            asked << prompt;
            return answer;
        });
        form->start();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        ASSERT_TRUE(QTest::qWaitFor([this] { return form->game().celdaActual == 1; }));
    }

    // A key, or a mouse click on cell i, and the events they post (the window reports the focus once Qt has finished
    // moving it); each returns the cell that has the focus afterwards.
    int key(Qt::Key qtKey) { return QTest::keyClick(form->windowHandle(), qtKey), focusedCell(); }
    int click(int i) { return QTest::mouseClick(form->Text1(i), Qt::LeftButton), focusedCell(); }
    static int focusedCell()
    {
        QApplication::processEvents();
        QApplication::sendPostedEvents();
        auto* cell = qobject_cast<TextCell*>(QApplication::focusWidget());
        return cell ? cell->index() : 0;
    }
    QString text(int i) const { return form->Text1(i)->text(); }
};
