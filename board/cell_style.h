// The cells' style: the application's own, with each look of a cell's panel drawn once and then copied.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QProxyStyle>
#include <array>
#include <vector>

class QStyleOptionFrame;

// A line edit's panel (its background and frame, with rounded, smoothed corners) is the costliest part of drawing a
// cell, and the board shows the same few looks 81 times. Each look is drawn by the application's style into a picture
// the first time, and copied after.
class CellStyle : public QProxyStyle {
public:
    explicit CellStyle(QObject* owner);
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    std::size_t looksKept() const { return looks_.size(); }

private:
    // Everything the style may draw a panel from.
    struct Look {
        int state, width, height, direction, lineWidth, midLineWidth, features;
        qreal ratio;
        std::array<QRgb, QPalette::NColorRoles> colours;
        bool operator==(const Look& other) const;
    };
    static Look lookOf(const QStyleOptionFrame& panel, qreal ratio);
    QPixmap drawn(const QStyleOptionFrame& panel, qreal ratio) const;

    // A board shows a handful of looks (a few backgrounds, with and without the focus); a window dragged across
    // screens of other pixel ratios adds a few more. Kept to a bound all the same.
    static constexpr std::size_t maxLooks = 64;
    mutable std::vector<std::pair<Look, QPixmap>> looks_;
};
