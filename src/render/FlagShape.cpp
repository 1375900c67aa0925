#include "render/FlagShape.h"

#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

void PaintFlagShape(QPainter& painter, double scale, QRgb base, QRgb pole, QRgb cloth)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const auto at = [scale](double x, double y) { return QPointF(x * scale, y * scale); };
    const auto shape = [&](std::initializer_list<QPointF> points, QRgb colour) {
        painter.setBrush(QColor::fromRgb(colour));
        painter.drawPolygon(QPolygonF(points));
    };
    // The base: rows 11 and 12 of the design, the lower one wider.
    shape({at(6, 11), at(11, 11), at(12, 13), at(5, 13)}, base);
    // The pole, as wide as the cell's lines: whole device pixels.
    const double poleWidth = std::max(1.0, std::round(scale));
    painter.setBrush(QColor::fromRgb(pole));
    painter.drawRect(QRectF(8 * scale, 3 * scale, poleWidth, 9 * scale));
    // The cloth, a pennant to the left of the pole, and its dark lower edge.
    shape({at(4, 3), at(7, 3), at(7, 5), at(4, 7)}, cloth);
    shape({at(7, 5), at(8, 5), at(8, 7), at(5.5, 7)}, pole);
    painter.restore();
}
