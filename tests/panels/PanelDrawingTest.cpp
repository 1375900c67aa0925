// Every look of a cell, pixel by pixel on the panel's canvas.
#include "panels/PanelTestSupport.h"
#include "render/Fonts.h"
#include "render/WinnerImage.h"

#include <QFontMetrics>
#include <QScreen>
#include <QTest>

#include <set>

namespace {

using namespace PanelColours;
using DrawingTest = PanelFixture<TPanelMineField>;

// What a covered cell without marker shows at (dx, dy) after a full repaint.
QColor CoveredPixel(int dx, int dy, bool coveredBelow)
{
    if (dy == 15) {
        if (dx == 0)
            return coveredBelow ? Light : Face; // only the left edge of the cell below
        if (dx == 15)
            return coveredBelow ? Shadow : Face; // only the right edge of the cell below
        if (dx == 14)
            return Face; // painted by no cell: the panel background
        return Shadow;
    }
    if (dx == 15)
        return Shadow;
    if (dy == 0 || dx == 0)
        return Light;
    return Face;
}

TEST_F(DrawingTest, FreshFieldIsRaisedButtonsInALoweredBevel)
{
    Layout({"..........", "..........", ".........."});
    for (int col = 0; col < 10; ++col)
        for (int row = 0; row < 3; ++row)
            for (int dy = 0; dy < 16; ++dy)
                for (int dx = 0; dx < 16; ++dx)
                    ASSERT_EQ(Px(col, row, dx, dy), CoveredPixel(dx, dy, row < 2))
                        << "cell " << col << "," << row << " pixel " << dx << "," << dy;
    const QImage& canvas = panel->Canvas();
    ASSERT_EQ(canvas.size(), QSize(166, 54));
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(canvas.pixelColor(i, 20), Shadow) << "left bevel " << i;
        EXPECT_EQ(canvas.pixelColor(80, i), Shadow) << "top bevel " << i;
        EXPECT_EQ(canvas.pixelColor(165 - i, 20), Light) << "right bevel " << i;
        EXPECT_EQ(canvas.pixelColor(80, 53 - i), Light) << "bottom bevel " << i;
    }
}

TEST_F(DrawingTest, FlagPictureWithAndWithoutCursor)
{
    for (bool cursor : {false, true}) {
        Layout({"..........", "..........", ".........."});
        panel->Cell(4, 1).Marker = "flag"; // compared without letter case
        panel->Cell(4, 1).HasCursor = cursor;
        panel->Paint();
        const QColor base = cursor ? Navy : Shadow;
        const auto flag = FlagPixels();
        for (int dy = 1; dy <= 14; ++dy)
            for (int dx = 1; dx <= 14; ++dx) {
                const auto it = flag.find({dx, dy});
                const QColor expected = it == flag.end() ? Face
                                        : it->second == 'b' ? base
                                        : it->second == 't' ? Text
                                                            : Red;
                ASSERT_EQ(Px(4, 1, dx, dy), expected) << "cursor " << cursor << " pixel " << dx << "," << dy;
            }
        EXPECT_EQ(Px(4, 1, 0, 0), cursor ? Navy : Light);
        EXPECT_EQ(Px(4, 1, 15, 5), cursor ? Navy : Shadow);
        EXPECT_EQ(Px(4, 1, 5, 15), cursor ? Navy : Shadow);
    }
}

QRect TextBox(const QString& text, QPoint offset)
{
    const QFontMetrics metrics(CellFontFor("MS Sans Serif", 8, fsBold));
    return {offset, QSize(metrics.horizontalAdvance(text), metrics.height())};
}

TEST_F(DrawingTest, MarkerReplacedWithoutUnmarkedRedrawKeepsOldPixels)
{
    Layout({"..........", ".........."});
    TSlot& slot = panel->Cell(2, 1);
    slot.Marker = "Flag";
    panel->RedrawCell(2, 1);
    slot.Marker = "?";
    panel->RedrawCell(2, 1);
    const QRect box = TextBox("?", QPoint(4, 2));
    int kept = 0;
    for (const auto& [pos, kind] : FlagPixels()) {
        if (box.contains(pos.first, pos.second))
            continue;
        EXPECT_EQ(Px(2, 1, pos.first, pos.second), kind == 'b' ? Shadow : kind == 't' ? Text : Red);
        ++kept;
    }
    EXPECT_GT(kept, 0) << "the test needs flag pixels outside the mark";
    bool textPixel = false;
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            textPixel |= Px(2, 1, x, y) == Text;
    EXPECT_TRUE(textPixel);
}

TEST_F(DrawingTest, RemarkFlagsLeavesNoPixelOfTheOldFlag)
{
    Layout({"*.........", ".........."});
    panel->SetPreferredMarker("Flag");
    panel->ToggleFlag(0, 0);
    panel->SetPreferredMarker("@");
    panel->RemarkFlags();
    const QRect box = TextBox("@", QPoint(1, 1));
    bool textPixel = false;
    for (int dy = 1; dy <= 14; ++dy)
        for (int dx = 1; dx <= 14; ++dx) {
            const QColor c = Px(0, 0, dx, dy);
            if (box.contains(dx, dy)) {
                EXPECT_TRUE(c == Face || c == Text) << dx << "," << dy;
                textPixel |= c == Text;
            } else {
                EXPECT_EQ(c, Face) << dx << "," << dy;
            }
        }
    EXPECT_TRUE(textPixel);
}

struct OpenCase {
    const char* Content;
    QColor Colour;
};

TEST_F(DrawingTest, OpenNumbersAreFlatSquaresWithColouredDigits)
{
    const OpenCase cases[] = {{"1", QColor(0, 0, 255)},   {"2", QColor(0, 128, 0)},  {"3", QColor(255, 0, 0)},
                              {"4", QColor(0, 0, 0)},     {"5", QColor(128, 0, 0)},  {"6", QColor(0, 128, 128)},
                              {"7", QColor(128, 0, 128)}, {"8", QColor(0, 0, 0)},    {"", QColor()}};
    Layout({"..........", ".........."});
    for (const OpenCase& c : cases) {
        TSlot& slot = panel->Cell(3, 0);
        slot.Content = slot.FaceText = c.Content;
        slot.TextColor = NumberColor(c.Content);
        slot.Shown = slot.Cleared = true;
        panel->RedrawCell(3, 0);
        const QRect box = TextBox(c.Content, QPoint(4, 1));
        int digit = 0;
        for (int dy = 0; dy <= 14; ++dy)
            for (int dx = 0; dx <= 14; ++dx) {
                const QColor pixel = Px(3, 0, dx, dy);
                if (c.Colour.isValid() && box.contains(dx, dy) && pixel == c.Colour) {
                    ++digit;
                    continue;
                }
                ASSERT_EQ(pixel, Silver) << '"' << c.Content << "\" " << dx << "," << dy;
            }
        EXPECT_EQ(digit > 0, c.Colour.isValid()) << '"' << c.Content << '"';
        for (int dy = 0; dy <= 14; ++dy)
            EXPECT_EQ(Px(3, 0, 15, dy), Grey);
        for (int dx = 0; dx <= 13; ++dx)
            EXPECT_EQ(Px(3, 0, dx, 15), Grey);
    }
}

TEST_F(DrawingTest, BoldTextHasStrokesTwoPixelsWide)
{
    // The numbers in their colours, the wrong flag's red "X", the "?" marker.
    for (const char* text : {"1", "2", "3", "4", "5", "6", "7", "8", "X", "?"}) {
        Layout({"..........", ".........."});
        TSlot& slot = panel->Cell(3, 0);
        const bool marker = std::string(text) == "?";
        if (marker) {
            slot.Marker = text;
        } else {
            slot.FaceText = text;
            slot.TextColor = std::string(text) == "X" ? clRed : NumberColor(text);
            slot.Shown = true;
        }
        panel->RedrawCell(3, 0);
        const QColor colour = marker ? Text : QColor(slot.TextColor.R, slot.TextColor.G, slot.TextColor.B);
        EXPECT_GE(StrokeWidth([this](int x, int y) { return Px(3, 0, x, y); }, colour), 2) << text;
    }
}

TEST_F(DrawingTest, ExplodedBombRevealedBombAndWrongFlag)
{
    Layout({"*.*.......", "..........", ".........."});
    panel->ToggleFlag(5, 2); // a wrong flag
    panel->ClickPoint = panel->CellOrigin(0, 0);
    panel->LeftClick();
    // The clicked bomb on red, the other bomb on silver, each glyph all in
    // button text: no pixel of another colour.
    for (const auto& [col, back] : {std::pair{0, Red}, std::pair{2, Silver}}) {
        int glyph = 0;
        for (int dy = 0; dy <= 14; ++dy)
            for (int dx = 0; dx <= 14; ++dx) {
                const QColor c = Px(col, 0, dx, dy);
                EXPECT_TRUE(c == back || c == Text) << col << ": " << dx << "," << dy;
                glyph += c == Text;
            }
        EXPECT_GT(glyph, 40) << col;
        EXPECT_EQ(Px(col, 0, 0, 14), back);
        EXPECT_EQ(Px(col, 0, 1 + 6, 0 + 7), Text) << "the body's centre";
    }
    EXPECT_EQ(Px(2, 0, 15, 3), Grey);
    // The wrong flag: a red X on silver.
    int red = 0;
    for (int dy = 0; dy <= 14; ++dy)
        for (int dx = 0; dx <= 14; ++dx) {
            const QColor c = Px(5, 2, dx, dy);
            EXPECT_TRUE(c == Silver || c == Red) << dx << "," << dy;
            red += c == Red;
        }
    EXPECT_GT(red, 4);
    // The covered safe cells stay covered.
    EXPECT_EQ(Px(9, 2, 0, 0), Light);
}

TEST_F(DrawingTest, CursorIsANavyFrameOnBothFaces)
{
    // In the last row, so that no cell below paints over the bottom corners.
    Layout({"..........", "..........", ".........."});
    panel->Cell(2, 2).HasCursor = true;
    panel->Cell(6, 2).HasCursor = true;
    panel->Cell(6, 2).Shown = true;
    panel->Paint();
    for (int col : {2, 6}) {
        for (int d = 0; d <= 14; ++d) {
            EXPECT_EQ(Px(col, 2, d, 0), Navy) << col << " top " << d;
            EXPECT_EQ(Px(col, 2, 0, d), Navy) << col << " left " << d;
            EXPECT_EQ(Px(col, 2, 15, d), Navy) << col << " right " << d;
        }
        for (int d = 1; d <= 13; ++d)
            EXPECT_EQ(Px(col, 2, d, 15), Navy) << col << " bottom " << d;
        EXPECT_EQ(Px(col, 2, 0, -1), Navy) << "the left edge reaches into the cell above";
    }
    EXPECT_EQ(Px(2, 2, 15, -1), Navy) << "so does a covered cell's right edge";
    EXPECT_EQ(Px(6, 2, 15, -1), Face) << "an open cell's right edge does not";
    EXPECT_EQ(Px(6, 2, 0, 15), Navy); // the open face's bottom edge starts at column 0
    EXPECT_EQ(Px(6, 2, 5, 5), Silver);
}

// A full repaint draws the covered cell below last, so the ends of its edges
// show in the open cell's bottom corners; a flood that does not win draws
// each cell it opens alone, over what the canvas held, at once.
TEST_F(DrawingTest, OpenCellAboveACoveredOneKeepsTheCornersDrawnLast)
{
    const struct {
        bool Flood;
        QColor Left;
    } cases[] = {{false, Light}, {true, Grey}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Flood ? "flood" : "full repaint");
        Layout({"..........", "..........", "......*.*."}); // (7, 2) stays covered
        if (c.Flood) {
            panel->ClickPoint = panel->CellOrigin(0, 0);
            panel->LeftClick();
            ASSERT_TRUE(panel->Enabled()) << "the flood won";
        } else {
            panel->Cell(6, 1).Shown = true;
            panel->Paint();
        }
        EXPECT_EQ(Px(6, 1, 0, 15), c.Left); // left edge of the covered cell below, or the open face's bottom edge
        EXPECT_EQ(Px(6, 1, 15, 15), Shadow); // the right edge of the covered cell below
        EXPECT_EQ(Px(6, 1, 14, 15), Face);   // painted by no cell
        EXPECT_EQ(Px(6, 1, 5, 15), Grey);    // the open face's own bottom edge
    }
}

TEST_F(DrawingTest, SeeThroughCellsDrawOnlyEdgesAndTextOverThePicture)
{
    Layout({"..........", ".........."});
    QImage magenta(8, 8, QImage::Format_RGB32);
    magenta.fill(QColor(255, 0, 255));
    TWinnerImage picture;
    picture.SetPicture(magenta);
    picture.SetStretch(true);
    picture.SetVisible(true);
    panel->SetWinnerImage(&picture);
    panel->DrawWinnerImage();
    TSlot& empty = panel->Cell(1, 0);
    empty.Shown = empty.Cleared = empty.SeeThrough = true;
    TSlot& number = panel->Cell(2, 0);
    number.Content = number.FaceText = "3";
    number.TextColor = NumberColor("3");
    number.Shown = number.Cleared = number.SeeThrough = true;
    panel->RedrawCell(1, 0);
    panel->RedrawCell(2, 0);
    const QColor pink(255, 0, 255);
    for (int dy = 0; dy <= 14; ++dy)
        for (int dx = 0; dx <= 14; ++dx)
            ASSERT_EQ(Px(1, 0, dx, dy), pink) << dx << "," << dy;
    EXPECT_EQ(Px(1, 0, 15, 4), Grey);
    EXPECT_EQ(Px(1, 0, 4, 15), Grey);
    int red = 0;
    for (int dy = 0; dy <= 14; ++dy)
        for (int dx = 0; dx <= 14; ++dx) {
            const QColor c = Px(2, 0, dx, dy);
            EXPECT_TRUE(c == pink || c == Red) << dx << "," << dy;
            red += c == Red;
        }
    EXPECT_GT(red, 4);
    // A full repaint while the picture shows keeps it and the bevel untouched.
    panel->SetPictureShown(true);
    panel->Paint();
    EXPECT_EQ(Px(1, 0, 3, 3), pink);
}

TEST_F(DrawingTest, UndoRepaintUsesTheClearedState)
{
    Layout({"*.........", "..........", ".........."});
    panel->Cell(5, 2).Shown = true; // shown but not cleared: revealed by a loss
    panel->PaintCleared = true;
    panel->Paint();
    panel->PaintCleared = false;
    EXPECT_EQ(Px(5, 2, 0, 0), Light);
}

TEST_F(DrawingTest, ShownWidgetShowsWhatTheRulesDrew)
{
    Layout({"*.........", "..........", ".........."});
    panel->resize(panel->sizeHint());
    panel->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(panel.get()));
    QTest::mousePress(panel.get(), Qt::LeftButton, {}, Centre(1, 0));
    QTRY_VERIFY(panel->Cell(1, 0).Shown);
    QTest::mouseRelease(panel.get(), Qt::LeftButton, {}, Centre(1, 0));
    QImage screen;
    for (int attempt = 0; attempt < 50; ++attempt) {
        QTest::qWait(20);
        screen = panel->screen()->grabWindow(panel->winId()).toImage();
        const TPoint o = panel->CellOrigin(1, 0);
        if (screen.pixelColor(o.X + 2, o.Y + 2) == Silver)
            break;
    }
    const TPoint open = panel->CellOrigin(1, 0);
    const TPoint covered = panel->CellOrigin(5, 1);
    EXPECT_EQ(screen.pixelColor(open.X + 2, open.Y + 2), Silver);
    EXPECT_EQ(screen.pixelColor(open.X + 15, open.Y + 5), Grey);
    EXPECT_EQ(screen.pixelColor(covered.X, covered.Y + 5), Light);
    EXPECT_EQ(screen.pixelColor(covered.X + 5, covered.Y + 5), Face);
}

} // namespace
