#include "render/WinnerImage.h"

#include <QPainter>
#include <QRect>

void TWinnerImage::Draw(QPainter& painter, const QRect& cellArea) const
{
    if (!FVisible || FPicture.isNull() || cellArea.isEmpty())
        return;
    if (FStretch) {
        painter.save();
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(cellArea, FPicture);
        painter.restore();
        return;
    }
    // The offset is negative when the picture is larger than the area; only
    // the part that falls inside the area is copied.
    const QPoint origin = cellArea.topLeft()
        + QPoint((cellArea.width() - FPicture.width()) / 2, (cellArea.height() - FPicture.height()) / 2);
    const QRect target = QRect(origin, FPicture.size()).intersected(cellArea);
    painter.drawImage(target, FPicture, target.translated(-origin));
}
