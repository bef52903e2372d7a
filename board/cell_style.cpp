// The cells' style: the application's own, with each look of a cell's panel drawn once and then copied.
// SPDX-FileCopyrightText: 2026 Equipo de Cuadrix
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/cell_style.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOptionFrame>
#include <algorithm>

// The style the application uses, whichever the desktop or the player chose.
CellStyle::CellStyle(QObject* owner) : QProxyStyle(QApplication::style()->name()) { setParent(owner); }

bool CellStyle::Look::operator==(const Look& other) const
{
    return state == other.state && width == other.width && height == other.height && direction == other.direction
        && lineWidth == other.lineWidth && midLineWidth == other.midLineWidth && features == other.features
        && ratio == other.ratio && colours == other.colours;
}

CellStyle::Look CellStyle::lookOf(const QStyleOptionFrame& panel, qreal ratio)
{
    Look look{int(panel.state),
              panel.rect.width(),
              panel.rect.height(),
              int(panel.direction),
              panel.lineWidth,
              panel.midLineWidth,
              int(panel.features),
              ratio,
              {}};
    for (int role = 0; role < QPalette::NColorRoles; ++role)
        look.colours[role] = panel.palette.color(QPalette::ColorRole(role)).rgba();
    return look;
}

// The panel as the style draws it, at the top left of a transparent picture of its size; without the widget, so that
// nothing but the look decides it.
QPixmap CellStyle::drawn(const QStyleOptionFrame& panel, qreal ratio) const
{
    QPixmap picture(panel.rect.size() * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(Qt::transparent);
    QStyleOptionFrame atOrigin = panel;
    atOrigin.rect.moveTo(0, 0);
    QPainter painter(&picture);
    QProxyStyle::drawPrimitive(PE_PanelLineEdit, &atOrigin, &painter, nullptr);
    return picture;
}

void CellStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const
{
    const auto* panel = qstyleoption_cast<const QStyleOptionFrame*>(option);
    if (element != PE_PanelLineEdit || !panel || panel->rect.isEmpty())
        return QProxyStyle::drawPrimitive(element, option, painter, widget);
    const qreal ratio = painter->device()->devicePixelRatioF();
    const Look look = lookOf(*panel, ratio);
    auto known = std::find_if(looks_.begin(), looks_.end(), [&look](const auto& entry) { return entry.first == look; });
    if (known == looks_.end()) {
        if (looks_.size() == maxLooks)
            looks_.clear();
        known = looks_.insert(looks_.end(), {look, drawn(*panel, ratio)});
    }
    painter->drawPixmap(panel->rect.topLeft(), known->second);
}
