// The field on screens with a device pixel ratio: the canvas holds the
// screen's pixels, lines are whole device pixels without gaps between cells,
// text, the bomb and the flag are drawn at the ratio, and painting copies the
// canvas pixel for pixel. The Light and Dark themes keep their numbers and
// cursor readable and their edges antialiased at every ratio.
#include "panels/PanelTestSupport.h"
#include "render/CellPainter.h"
#include "render/Theme.h"
#include "support/TestScreens.h"

#include <cmath>
#include <set>
#include <vector>

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

// The contrast ratio of two colours for readers (WCAG 2.1): from 1 to 21.
double Contrast(const QColor& a, const QColor& b)
{
    const auto luminance = [](const QColor& c) {
        const auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
    };
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

struct ThemeTest : ScaleTest {
    // The pixels of a cell, its most common colour and its mean brightness.
    std::vector<QColor> Pixels(int col, int row) const
    {
        std::vector<QColor> pixels;
        const QRect cell = DeviceCell(col, row);
        for (int dy = 0; dy < cell.height(); ++dy)
            for (int dx = 0; dx < cell.width(); ++dx)
                pixels.push_back(Dpx(col, row, dx, dy));
        return pixels;
    }
    QColor Commonest(int col, int row) const
    {
        std::map<QRgb, int> counts;
        for (const QColor& c : Pixels(col, row))
            ++counts[c.rgb()];
        return QColor::fromRgb(std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) {
                                   return a.second < b.second;
                               })->first);
    }
    double Brightness(int col, int row) const
    {
        double sum = 0;
        const std::vector<QColor> pixels = Pixels(col, row);
        for (const QColor& c : pixels)
            sum += (c.red() + c.green() + c.blue()) / 3.0;
        return sum / pixels.size();
    }
};

// Every number, the cursor and the raised cells read well in both modern
// themes, at ratios 1 and 2, with antialiased edges.
TEST_F(ThemeTest, NumbersCursorAndCellsReadWellInTheModernThemes)
{
    for (const TTheme theme : {TTheme::Light, TTheme::Dark})
        for (const char* screen : {"Default", "Ratio2"}) {
            SCOPED_TRACE(std::string(ThemeKeyword(theme)) + " " + screen);
            OnScreen(screen);
            panel->SetTheme(theme);
            Layout({"..........", "..........", ".........."});
            for (int n = 0; n <= 8; ++n) {
                TSlot& cell = panel->Cell(n, 0);
                cell.FaceText = n ? std::to_string(n) : "";
                cell.Shown = true;
            }
            panel->Cell(9, 0).Shown = true;
            panel->Cell(9, 0).HasCursor = true;
            panel->Cell(9, 1).HasCursor = true;
            panel->Paint();

            const QColor open = Commonest(0, 0);
            const QColor covered = Commonest(0, 1);
            EXPECT_GE(std::abs(Brightness(0, 1) - Brightness(0, 0)), 20);
            std::set<QRgb> inks;
            for (int n = 1; n <= 8; ++n) {
                // The digit's ink: its pixel farthest from the open face.
                QColor ink = open;
                int shades = 0;
                for (const QColor& c : Pixels(n, 0)) {
                    if (Contrast(c, open) > Contrast(ink, open))
                        ink = c;
                }
                for (const QColor& c : Pixels(n, 0))
                    shades += c != open && c != ink && Contrast(c, open) < Contrast(ink, open) - 0.5;
                EXPECT_GE(Contrast(ink, open), 3.0) << n;
                EXPECT_GT(shades, 0) << n << ": antialiased";
                inks.insert(ink.rgb());
            }
            EXPECT_EQ(inks.size(), 8u) << "eight colours";
            // The cursor: the commonest colour that the cursor adds to a cell.
            for (const auto& [row, face] : {std::pair{0, open}, std::pair{1, covered}}) {
                std::map<QRgb, int> added;
                const std::vector<QColor> with = Pixels(9, row);
                const std::vector<QColor> without = Pixels(row ? 8 : 0, row);
                for (std::size_t i = 0; i < with.size(); ++i)
                    if (with[i] != without[i])
                        ++added[with[i].rgb()];
                ASSERT_FALSE(added.empty()) << row;
                const QColor cursor = QColor::fromRgb(
                    std::max_element(added.begin(), added.end(), [](auto& a, auto& b) { return a.second < b.second; })
                        ->first);
                EXPECT_GE(Contrast(cursor, open), 3.0) << row;
                EXPECT_GE(Contrast(cursor, covered), 3.0) << row;
            }
        }
}

// A theme switch draws the same board anew; Classic comes back to the pixel.
TEST_F(ThemeTest, RepaintAfterAThemeSwitchKeepsTheBoard)
{
    for (const char* screen : {"Default", "Ratio2"}) {
        SCOPED_TRACE(screen);
        OnScreen(screen);
        Layout({"*.........", "..........", "........*."});
        panel->ClickPoint = panel->CellOrigin(4, 1);
        panel->LeftClick();
        panel->CycleMarker(0, 0);
        panel->Paint();
        const QImage classic = panel->Canvas();
        std::vector<TSlot> board;
        for (int i = 0; i < panel->CellCount(); ++i)
            board.push_back(panel->CellAtIndex(i));
        QImage previous = classic;
        for (const TTheme theme : {TTheme::Light, TTheme::Dark, TTheme::Classic}) {
            panel->SetTheme(theme);
            panel->Paint();
            EXPECT_EQ(panel->Canvas() == classic, theme == TTheme::Classic) << ThemeKeyword(theme);
            EXPECT_NE(panel->Canvas(), previous) << ThemeKeyword(theme);
            previous = panel->Canvas();
            for (int i = 0; i < panel->CellCount(); ++i)
                ASSERT_EQ(panel->CellAtIndex(i), board[i]) << "cell " << i;
        }
    }
}

} // namespace

// A full repaint writes the panel's background only where a cell's look leaves
// it: whatever the canvas showed before, every pixel comes out as on a new one,
// and as drawing each cell in turn over it draws. A marker wider than its cell
// is drawn cell by cell, not from a copy of its look.
TEST_F(ScaleTest, FullRepaintOverAnyPixelsDrawsWhatANewCanvasShows)
{
    QPalette other;
    for (const QPalette::ColorRole role : {QPalette::Button, QPalette::Light, QPalette::Dark, QPalette::ButtonText})
        other.setColor(role, QColor(1, 2, 3 + role));
    const struct {
        const char* Screen;
        int Cell;
        const char* Marker;
    } cases[] = {{"Default", 16, "@"},  {"Ratio1.5", 16, "@"}, {"Ratio2", 16, "@"},
                 {"Default", 48, "@"},  {"Ratio1.5", 24, "@"}, {"Default", 16, "WWW"},
                 {"Ratio1.5", 24, "WWW"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.Screen) + " " + std::to_string(c.Cell) + " " + c.Marker);
        panel = std::make_unique<TPanelMineField>(host, nullptr, time);
        panel->setPalette(TestPalette());
        OnScreen(c.Screen);
        panel->SetCellWidth(c.Cell);
        panel->SetCellHeight(c.Cell);
        Layout({"*.*.....*.", "..*...*...", "....*....."});
        panel->Cell(0, 0).Marker = "Flag";
        panel->Cell(2, 0).Marker = "?";
        panel->Cell(8, 0).Marker = c.Marker;
        panel->Cell(3, 1).HasCursor = true;
        for (int col = 3; col < 10; ++col)
            panel->Cell(col, 2).Shown = true; // numbers, an empty cell and a bomb above covered ones
        panel->Cell(5, 1).Shown = true;
        panel->Cell(5, 1).HasCursor = true;
        panel->Paint();
        const QImage fresh = panel->Canvas().copy();
        // Covered cells with a marker have the background filled under all of
        // them: the canvas in between has the other colours everywhere.
        std::vector<TSlot> looks;
        for (int i = 0; i < panel->CellCount(); ++i) {
            TSlot& slot = panel->CellAtIndex(i);
            looks.push_back(slot);
            slot.Shown = false;
            slot.Marker = "?";
        }
        panel->setPalette(other);
        panel->Paint();
        for (int i = 0; i < panel->CellCount(); ++i)
            panel->CellAtIndex(i) = looks[static_cast<std::size_t>(i)];
        panel->setPalette(TestPalette());
        panel->Paint();
        EXPECT_EQ(panel->Canvas(), fresh);
        // The flag is laid over what its cell shows: drawn twice, its
        // antialiased pixels would darken.
        for (int row = 0; row < panel->GridDown(); ++row)
            for (int col = 0; col < panel->GridAcross(); ++col)
                if (panel->Cell(col, row).Marker != "Flag")
                    panel->RedrawCell(col, row);
        EXPECT_EQ(panel->Canvas(), fresh) << "drawn cell by cell";
    }
}
