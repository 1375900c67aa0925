// The field on screens with a device pixel ratio: the canvas holds the
// screen's pixels, lines are whole device pixels without gaps between cells,
// text, the bomb and the flag are drawn at the ratio, and painting copies the
// canvas pixel for pixel.
#include "panels/PanelTestSupport.h"
#include "render/CellPainter.h"
#include "support/TestScreens.h"

#include <cmath>

namespace {

using namespace PanelColours;

struct ScaleTest : PanelFixture<TPanelMineField> {
    double ratio = 1;

    void OnScreen(const char* name)
    {
        QScreen* screen = TestScreen(name);
        ASSERT_NE(screen, nullptr) << name << " (tests/support/screens.json)";
        panel->setScreen(screen);
        panel->move(screen->geometry().topLeft() + QPoint(10, 10));
        ratio = panel->devicePixelRatioF();
    }
    // The device pixel rectangle of a cell on the canvas.
    QRect DeviceCell(int col, int row) const
    {
        const TPoint o = panel->CellOrigin(col, row);
        return QRect(QPoint(DeviceEdge(o.X, ratio), DeviceEdge(o.Y, ratio)),
                     QPoint(DeviceEdge(o.X + 16, ratio) - 1, DeviceEdge(o.Y + 16, ratio) - 1));
    }
    // A device pixel of a cell, at an offset from its top-left device pixel.
    QColor Dpx(int col, int row, int dx, int dy) const
    {
        return panel->Canvas().pixelColor(DeviceCell(col, row).topLeft() + QPoint(dx, dy));
    }
};

TEST_F(ScaleTest, CanvasHasTheScreensPixelsAndLinesAreWholeDevicePixels)
{
    const struct {
        const char* Screen;
        double Ratio;
        int Line;
    } cases[] = {{"Default", 1, 1}, {"Ratio2", 2, 2}, {"Ratio1.5", 1.5, 2}};
    for (const auto& c : cases) {
        OnScreen(c.Screen);
        ASSERT_EQ(ratio, c.Ratio);
        Layout({"..........", "..........", ".........."});
        SCOPED_TRACE(c.Screen);
        EXPECT_EQ(panel->Canvas().size(), QSize(std::ceil(166 * ratio), std::ceil(54 * ratio)));
        const QRect cell = DeviceCell(4, 1);
        const int mid = cell.width() / 2;
        for (int d = 0; d < c.Line; ++d) {
            EXPECT_EQ(Dpx(4, 1, d, mid), Light) << "left edge " << d;
            EXPECT_EQ(Dpx(4, 1, mid, d), Light) << "top edge " << d;
            EXPECT_EQ(Dpx(4, 1, cell.width() - 1 - d, mid), Shadow) << "right edge " << d;
            EXPECT_EQ(Dpx(4, 1, mid, cell.height() - 1 - d), Shadow) << "bottom edge " << d;
        }
        EXPECT_EQ(Dpx(4, 1, c.Line, mid), Face);
        EXPECT_EQ(Dpx(4, 1, cell.width() - 1 - c.Line, mid), Face);
        EXPECT_EQ(Dpx(4, 1, mid, c.Line), Face);
        EXPECT_EQ(Dpx(4, 1, mid, cell.height() - 1 - c.Line), Face);
        // The panel's 3-pixel bevel ends where the first cell begins.
        const int bevel = DeviceEdge(3, ratio);
        EXPECT_EQ(panel->Canvas().pixelColor(bevel - 1, 30), Shadow);
        EXPECT_EQ(panel->Canvas().pixelColor(bevel, 30), Light);
    }
}

TEST_F(ScaleTest, AtARatioWithAFractionNeighbouringCellsLeaveNoGap)
{
    OnScreen("Ratio1.5");
    Layout({"..........", "..........", ".........."});
    for (int i = 0; i < panel->CellCount(); ++i)
        panel->CellAtIndex(i).Shown = true; // flat silver faces, grey right and bottom edges
    panel->Paint();
    // Across the middle of the second row, and down the middle of the fifth
    // column: silver broken only by each cell's own grey edge, two device
    // pixels wide, and never a pixel of the background between them.
    const QImage& canvas = panel->Canvas();
    const auto runs = [&](int count, const std::function<QColor(int)>& pixel, int first, int last) {
        std::vector<int> grey;
        for (int p = first; p <= last; ++p) {
            const QColor c = pixel(p);
            ASSERT_TRUE(c == Silver || c == Grey) << "at " << p;
            if (c != Grey)
                continue;
            if (p == first || pixel(p - 1) != Grey)
                grey.push_back(0);
            ++grey.back();
        }
        EXPECT_EQ(grey, std::vector<int>(count, 2));
    };
    const int y = DeviceCell(0, 1).center().y();
    runs(10, [&](int x) { return canvas.pixelColor(x, y); }, DeviceCell(0, 1).left(), DeviceCell(9, 1).right());
    const int x = DeviceCell(4, 0).center().x();
    runs(3, [&](int y) { return canvas.pixelColor(x, y); }, DeviceCell(4, 0).top(), DeviceCell(4, 2).bottom());
}

TEST_F(ScaleTest, TextAndBombAreDrawnAtTheRatioNotEnlarged)
{
    OnScreen("Ratio2");
    Layout({"*.*.......", "..........", ".........."});
    TSlot& number = panel->Cell(1, 0);
    number.FaceText = number.Content;
    ASSERT_EQ(number.FaceText, "2");
    number.Shown = true;
    panel->RedrawCell(1, 0);
    const QColor green(0, 128, 0);
    const auto pixel = [this](int x, int y) { return Dpx(1, 0, x, y); };
    EXPECT_GE(StrokeWidth(pixel, green, 30), 2);
    // An enlarged 16-pixel digit would be made of whole 2 x 2 blocks.
    int mixed = 0;
    for (int y = 0; y < 32; y += 2)
        for (int x = 0; x < 32; x += 2) {
            const int inks = (pixel(x, y) == green) + (pixel(x + 1, y) == green) + (pixel(x, y + 1) == green) +
                             (pixel(x + 1, y + 1) == green);
            mixed += inks != 0 && inks != 4;
        }
    EXPECT_GT(mixed, 0);

    panel->ClickPoint = panel->CellOrigin(0, 0);
    panel->LeftClick(); // the loss reveals the other bomb on silver
    int glyph = 0;
    for (int dy = 0; dy < 30; ++dy)
        for (int dx = 0; dx < 30; ++dx) {
            const QColor c = Dpx(2, 0, dx, dy);
            ASSERT_TRUE(c == Silver || c == Text) << dx << "," << dy;
            glyph += c == Text;
        }
    EXPECT_GT(glyph, 4 * 40);
}

TEST_F(ScaleTest, FlagIsDrawnAtTheRatioNotEnlarged)
{
    for (const char* screen : {"Ratio2", "Ratio1.5"}) {
        OnScreen(screen);
        Layout({"..........", ".........."});
        panel->Cell(4, 1).Marker = "Flag";
        panel->Paint();
        SCOPED_TRACE(screen);
        // The pole: two whole device pixels of button text at design column 8.
        const int pole = static_cast<int>(8 * ratio);
        const int y = static_cast<int>(8 * ratio);
        EXPECT_EQ(Dpx(4, 1, pole - 1, y), Face);
        EXPECT_EQ(Dpx(4, 1, pole, y), Text);
        EXPECT_EQ(Dpx(4, 1, pole + 1, y), Text);
        EXPECT_EQ(Dpx(4, 1, pole + 2, y), Face);
        // The cloth's slanted edge is drawn at the size, antialiased: an
        // enlarged 16-pixel picture would make every 2 x 2 block one colour.
        const int side = static_cast<int>(16 * ratio);
        int red = 0;
        int shaded = 0;
        int mixed = 0;
        for (int dy = 2; dy + 1 < side - 2; dy += 2)
            for (int dx = 2; dx + 1 < side - 2; dx += 2) {
                const QColor c = Dpx(4, 1, dx, dy);
                red += c == Red;
                shaded += c != Face && c != Shadow && c != Text && c != Red;
                mixed += c != Dpx(4, 1, dx + 1, dy) || c != Dpx(4, 1, dx, dy + 1) || c != Dpx(4, 1, dx + 1, dy + 1);
            }
        EXPECT_GT(red, 2);
        EXPECT_GT(shaded, 0);
        EXPECT_GT(mixed, 0);
    }
}

TEST_F(ScaleTest, PaintingCopiesTheCanvasPixelForPixel)
{
    for (const char* screen : {"Ratio2", "Ratio1.5"}) {
        OnScreen(screen);
        Layout({"*.........", "..........", ".........."});
        panel->resize(panel->sizeHint());
        panel->ClickPoint = panel->CellOrigin(4, 1);
        panel->LeftClick();
        // The widget painted into an image of the screen's ratio.
        const QImage painted = panel->grab().toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_EQ(painted.devicePixelRatio(), ratio) << screen;
        EXPECT_EQ(painted.copy(panel->Canvas().rect()), panel->Canvas()) << screen;
    }
}

} // namespace
