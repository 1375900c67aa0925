// The picture shown behind the cells of a won field (the window's imgWinner).
// The field panel keeps one and, while the picture shows, draws it into its
// canvas over the cell area before it draws the see-through cells on top.
#pragma once

#include <QImage>

class QPainter;
class QRect;

class TWinnerImage {
public:
    const QImage& Picture() const;
    void SetPicture(const QImage& picture)
    {
        FPicture = picture;
        FBuiltIn = false;
    }
    // The program's own picture, decoded when it is first needed: most runs
    // never show it.
    void SetBuiltInPicture()
    {
        FPicture = QImage();
        FBuiltIn = true;
    }
    void Clear() { SetPicture(QImage()); }

    bool Stretch() const { return FStretch; }
    void SetStretch(bool stretch) { FStretch = stretch; }

    bool Visible() const { return FVisible; }
    void SetVisible(bool visible) { FVisible = visible; }

    // Draws nothing while hidden or without a picture. cellArea is in the
    // device pixels of a screen with the given ratio. Centred, the picture
    // keeps its own size on that screen (ratio device pixels to each of its
    // pixels, smoothly enlarged), centred in cellArea and clipped to it;
    // stretched, it is scaled to exactly cellArea without keeping its
    // proportions. Pixels outside cellArea are never touched.
    void Draw(QPainter& painter, const QRect& cellArea, double ratio = 1.0) const;

private:
    mutable QImage FPicture;
    bool FBuiltIn = false;
    bool FStretch = false;
    bool FVisible = false;
};
