#include "render/WinnerImage.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

const QRgb kBackground = qRgb(255, 0, 255);

QImage Canvas()
{
    QImage canvas(120, 90, QImage::Format_RGB32);
    canvas.fill(kBackground);
    return canvas;
}

// Every pixel differs from its neighbours and from the background.
QImage Pattern(QSize size)
{
    QImage picture(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            picture.setPixel(x, y, qRgb(x, y, 77));
    return picture;
}

QImage DrawnOnCanvas(const TWinnerImage& winner, const QRect& area)
{
    QImage canvas = Canvas();
    QPainter painter(&canvas);
    winner.Draw(painter, area);
    painter.end();
    return canvas;
}

TWinnerImage Shown(const QImage& picture, bool stretch)
{
    TWinnerImage winner;
    winner.SetPicture(picture);
    winner.SetStretch(stretch);
    winner.SetVisible(true);
    return winner;
}

struct TCentredCase {
    const char* Name;
    QSize Picture;
    QRect Area;
    QPoint TopLeft; // where the picture's (0, 0) lands on the canvas
    friend void PrintTo(const TCentredCase& c, std::ostream* out) { *out << c.Name; }
};

class WinnerCentred : public testing::TestWithParam<TCentredCase> {};

TEST_P(WinnerCentred, KeepsItsSizeCentredAndClippedToTheArea)
{
    const TCentredCase& c = GetParam();
    const QImage picture = Pattern(c.Picture);
    const QImage canvas = DrawnOnCanvas(Shown(picture, false), c.Area);
    const QRect placed(c.TopLeft, c.Picture);
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x) {
            const QPoint p(x, y);
            const QRgb expected = c.Area.contains(p) && placed.contains(p) ? picture.pixel(p - c.TopLeft) : kBackground;
            ASSERT_EQ(canvas.pixel(p), expected) << "at " << x << ", " << y;
        }
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, WinnerCentred,
    testing::Values(TCentredCase{"Smaller", {20, 10}, {3, 3, 64, 48}, {25, 22}},
                    TCentredCase{"SmallerOddMargins", {21, 11}, {3, 3, 64, 48}, {24, 21}},
                    TCentredCase{"SameSize", {64, 48}, {3, 3, 64, 48}, {3, 3}},
                    TCentredCase{"Larger", {100, 80}, {5, 4, 40, 30}, {-25, -21}},
                    TCentredCase{"WiderOnly", {100, 10}, {5, 4, 40, 30}, {-25, 14}}),
    [](const auto& info) { return std::string(info.param.Name); });

TEST(WinnerImage, OnAScreenWithARatioTheCentredPictureKeepsItsSizeThere)
{
    // A 20 x 10 picture at ratio 2 covers 40 x 20 device pixels in the middle
    // of the area.
    QImage canvas = Canvas();
    QPainter painter(&canvas);
    Shown(Pattern({20, 10}), false).Draw(painter, QRect(3, 3, 64, 48), 2.0);
    painter.end();
    const QRect placed(3 + 12, 3 + 14, 40, 20);
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x)
            ASSERT_EQ(canvas.pixel(x, y) != kBackground, placed.contains(x, y)) << "at " << x << ", " << y;
    EXPECT_EQ(canvas.pixel(placed.topLeft()), Pattern({20, 10}).pixel(0, 0));
}

// Four flat quadrants: scaled smoothly, their corners keep their colours.
QImage Quadrants(QSize size)
{
    const QRgb colors[4] = {qRgb(200, 0, 0), qRgb(0, 160, 0), qRgb(0, 0, 220), qRgb(250, 250, 0)};
    QImage picture(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            picture.setPixel(x, y, colors[(2 * y / size.height()) * 2 + 2 * x / size.width()]);
    return picture;
}

struct TStretchCase {
    const char* Name;
    QSize Picture;
    QRect Area;
    friend void PrintTo(const TStretchCase& c, std::ostream* out) { *out << c.Name; }
};

class WinnerStretched : public testing::TestWithParam<TStretchCase> {};

TEST_P(WinnerStretched, FillsExactlyTheArea)
{
    const TStretchCase& c = GetParam();
    const QImage picture = Quadrants(c.Picture);
    const QImage canvas = DrawnOnCanvas(Shown(picture, true), c.Area);
    for (int y = 0; y < canvas.height(); ++y)
        for (int x = 0; x < canvas.width(); ++x) {
            if (c.Area.contains(x, y))
                ASSERT_NE(canvas.pixel(x, y), kBackground) << "at " << x << ", " << y;
            else
                ASSERT_EQ(canvas.pixel(x, y), kBackground) << "at " << x << ", " << y;
        }
    const QRect& a = c.Area;
    const QRect& p = picture.rect();
    EXPECT_EQ(canvas.pixel(a.topLeft()), picture.pixel(p.topLeft()));
    EXPECT_EQ(canvas.pixel(a.topRight()), picture.pixel(p.topRight()));
    EXPECT_EQ(canvas.pixel(a.bottomLeft()), picture.pixel(p.bottomLeft()));
    EXPECT_EQ(canvas.pixel(a.bottomRight()), picture.pixel(p.bottomRight()));
}

INSTANTIATE_TEST_SUITE_P(Sizes, WinnerStretched,
                         testing::Values(TStretchCase{"Enlarged", {10, 5}, {3, 3, 64, 48}},
                                         TStretchCase{"Reduced", {200, 100}, {5, 4, 40, 30}}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(WinnerImage, DrawsNothingWhenHiddenClearedOrWithoutArea)
{
    const QRect area(3, 3, 64, 48);
    TWinnerImage hidden = Shown(Pattern({20, 10}), false);
    hidden.SetVisible(false);
    TWinnerImage cleared = Shown(Pattern({20, 10}), true);
    cleared.Clear();

    EXPECT_EQ(DrawnOnCanvas(hidden, area), Canvas());
    EXPECT_EQ(DrawnOnCanvas(cleared, area), Canvas());
    EXPECT_EQ(DrawnOnCanvas(Shown(Pattern({20, 10}), true), QRect(3, 3, 0, 48)), Canvas());
    EXPECT_TRUE(cleared.Picture().isNull());
}

} // namespace
