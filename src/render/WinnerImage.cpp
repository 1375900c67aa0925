#include "render/WinnerImage.h"

#include "render/DefaultWinPicture.h"

#include <QPainter>
#include <QRect>

#include <cmath>

const QImage& TWinnerImage::Picture() const
{
    if (FBuiltIn && FPicture.isNull())
        FPicture = DefaultWinPicture();
    return FPicture;
}

void TWinnerImage::Draw(QPainter& painter, const QRect& cellArea, double ratio) const
{
    if (!FVisible || cellArea.isEmpty() || Picture().isNull())
        return;
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (FStretch) {
        painter.drawImage(cellArea, FPicture);
        painter.restore();
        return;
    }
    // The offset is negative when the picture is larger than the area; only
    // the part that falls inside the area is drawn.
    const QSize size(static_cast<int>(std::lround(FPicture.width() * ratio)),
                     static_cast<int>(std::lround(FPicture.height() * ratio)));
    const QPoint origin =
        cellArea.topLeft() + QPoint((cellArea.width() - size.width()) / 2, (cellArea.height() - size.height()) / 2);
    painter.setClipRect(cellArea);
    painter.drawImage(QRect(origin, size), FPicture);
    painter.restore();
}
