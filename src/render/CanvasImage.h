// The memory of the field's canvas: one large RGB32 image, made whenever the
// field's size, zoom or screen changes.
#pragma once

#include <QImage>
#include <QSize>

// A blank RGB32 image of the given size whose pixels the kernel may back with
// huge pages. A canvas of 100 x 60 cells holds 6 MiB (25 MiB on a screen
// scaled twice); touched in pages of 4 KiB its first fill costs a page fault
// per page, in 2 MiB pieces a few hundred times fewer. Contents undefined.
QImage NewCanvasImage(QSize size);
