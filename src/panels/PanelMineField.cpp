#include "panels/PanelMineField.h"

#include "render/CanvasImage.h"
#include "render/Fonts.h"
#include "render/Theme.h"
#include "render/WinnerImage.h"
#include "settings/zorvUtil.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>

TPanelMineField::TPanelMineField(FieldHost& host, QWidget* parent, TimeSource& time)
    : QWidget(parent), TMineField(host, time), FColors(TDesktopColors::From(palette()))
{
    ClickTimer.setSingleShot(true);
    ClickTimer.setInterval(50);
    connect(&ClickTimer, &QTimer::timeout, this, &TPanelMineField::ClickTimerTimer);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFont(WindowFont());
}

void TPanelMineField::SetEnabled(bool value) { setEnabled(value); }

bool TPanelMineField::Enabled() const { return isEnabled(); }

QSize TPanelMineField::GridPixelSize() const
{
    return {GridAcross() * CellWidth() + 2 * BevelWidth(), GridDown() * CellHeight() + 2 * BevelWidth()};
}

QSize TPanelMineField::sizeHint() const { return GridPixelSize(); }

namespace {

// Whole device pixels that cover a non-negative length or coordinate; cheaper
// than the library's floor and ceil, and every redraw uses them.
int Down(double value) { return static_cast<int>(value); }
int Up(double value)
{
    const int down = static_cast<int>(value);
    return down < value ? down + 1 : down;
}

} // namespace

bool TPanelMineField::EnsureCanvas(double ratio)
{
    const QSize logical = GridPixelSize().expandedTo(QSize(1, 1));
    const QSize size(Up(logical.width() * ratio), Up(logical.height() * ratio));
    if (FCanvas.size() == size && FCanvasRatio == ratio)
        return false;
    // A new grid is always painted whole before anything else is drawn.
    FCanvas = NewCanvasImage(size);
    FCanvas.fill(FColors.Face);
    FCanvasRatio = ratio;
    return true;
}

TCellBox TPanelMineField::CellBox(int col, int row) const
{
    const TPoint origin = CellOrigin(col, row);
    const double ratio = FCanvasRatio;
    return {DeviceEdge(origin.X, ratio), DeviceEdge(origin.Y, ratio), DeviceEdge(origin.X + CellWidth(), ratio),
            DeviceEdge(origin.Y + CellHeight(), ratio), ratio * CellWidth() / kCellDesignSize};
}

QRect TPanelMineField::LogicalCover(const QRect& device) const
{
    const double ratio = FCanvasRatio;
    const int left = Down(device.left() / ratio);
    const int top = Down(device.top() / ratio);
    return {left, top, Up((device.right() + 1) / ratio) - left, Up((device.bottom() + 1) / ratio) - top};
}

void TPanelMineField::DrawCell(int col, int row) { DrawCellIn(col, row, CellBox(col, row)); }

void TPanelMineField::DrawCellIn(int col, int row, const TCellBox& box)
{
    const TSlot& slot = Cell(col, row);
    EnsureCanvas(FCanvasRatio);
    PaintCell(FCanvas, slot, box, PaintCleared ? slot.Cleared : slot.Shown, FColors);
}

void TPanelMineField::RedrawCell(int col, int row)
{
    if (FFlooding) {
        FFlooded.push_back(CellToIndex(col, row));
        return;
    }
    const TCellBox box = CellBox(col, row);
    DrawCellIn(col, row, box);
    // The vertical edges reach into the cell above.
    update(LogicalCover(PaintedRect(box)));
    if (FListener)
        FListener->CellsChanged();
}

void TPanelMineField::FloodFrom(int i)
{
    FFlooded.clear();
    FFlooding = true;
    TMineField::FloodFrom(i);
    FFlooding = false;
    // A flood that wins the game is followed by the win's full repaint, which
    // draws every cell anew: the opened cells are drawn once, there. Any other
    // flood draws them now, in the order it opened them.
    if (Won() && !ShowPictureOnWin() && PaintsOnBackground())
        return;
    for (const int cell : FFlooded)
        RedrawIndex(cell);
}

void TPanelMineField::Paint()
{
    PaintCanvas();
    update();
    if (FListener)
        FListener->CellsChanged();
}

bool TPanelMineField::PaintsOnBackground() const { return !PictureShown() && GridAcross() > 0 && GridDown() > 0; }

TGridEdges TPanelMineField::GridEdges() const
{
    // The far side of the last column or row is where one more would begin.
    TGridEdges edges;
    for (int col = 0; col <= GridAcross(); ++col)
        edges.Columns.push_back(DeviceEdge(CellOrigin(col, 0).X, FCanvasRatio));
    for (int row = 0; row <= GridDown(); ++row)
        edges.Rows.push_back(DeviceEdge(CellOrigin(0, row).Y, FCanvasRatio));
    edges.Scale = FCanvasRatio * CellWidth() / kCellDesignSize;
    return edges;
}

void TPanelMineField::PaintCanvas()
{
    const bool fresh = EnsureCanvas(devicePixelRatioF());
    const bool onBackground = PaintsOnBackground();
    if (onBackground) {
        const TGridEdges edges = GridEdges();
        PaintPanelFrame(FCanvas, GridPixelSize(), BevelWidth(), FCanvasRatio, FColors,
                        QRect(QPoint(edges.Columns.front(), edges.Rows.front()),
                              QPoint(edges.Columns.back() - 1, edges.Rows.back() - 1)));
        const auto lookAt = [this](int col, int row) {
            const TSlot& slot = Cell(col, row);
            return TDrawnCell{&slot, PaintCleared ? slot.Cleared : slot.Shown};
        };
        if (FTiles.Paint(FCanvas, edges, lookAt, FColors))
            return;
    } else if (!PictureShown() || fresh) {
        PaintPanelFrame(FCanvas, GridPixelSize(), BevelWidth(), FCanvasRatio, FColors);
    }
    // A new canvas while the picture shows gets the picture back first.
    if (PictureShown() && fresh)
        DrawPicture();
    // Over the win picture, or with a look that draws beyond its cell: cell by
    // cell, row by row, so that a cell below is drawn after the one its edges
    // reach into.
    for (int row = 0; row < GridDown(); ++row)
        for (int col = 0; col < GridAcross(); ++col) {
            const TCellBox box = CellBox(col, row);
            if (onBackground) {
                const TSlot& slot = Cell(col, row);
                FillCellBackground(FCanvas, slot, box, PaintCleared ? slot.Cleared : slot.Shown, FColors);
            }
            DrawCellIn(col, row, box);
        }
}

void TPanelMineField::DrawWinnerImage()
{
    if (!FWinnerImage)
        return;
    EnsureCanvas(FCanvasRatio);
    DrawPicture();
    update();
}

void TPanelMineField::DrawPicture()
{
    if (!FWinnerImage)
        return;
    const double ratio = FCanvasRatio;
    const int bevel = BevelWidth();
    const QPoint topLeft(DeviceEdge(bevel, ratio), DeviceEdge(bevel, ratio));
    const QPoint bottomRight(DeviceEdge(bevel + GridAcross() * CellWidth(), ratio) - 1,
                             DeviceEdge(bevel + GridDown() * CellHeight(), ratio) - 1);
    QPainter painter(&FCanvas);
    FWinnerImage->Draw(painter, QRect(topLeft, bottomRight), ratio);
}

bool TPanelMineField::DrawPressed(int col, int row, const std::string& text)
{
    TSlot& slot = Cell(col, row);
    if (slot.Shown || !(slot.Marker.empty() || Host.UndecidedChecked()))
        return false;
    const std::string faceText = slot.FaceText;
    const bool shown = slot.Shown;
    slot.FaceText = text;
    slot.Shown = true;
    RedrawCell(col, row);
    slot.FaceText = faceText;
    slot.Shown = shown;
    return true;
}

void TPanelMineField::PressIndex(int i)
{
    if (i == -1)
        return;
    const TCellPos cell = IndexToCell(i);
    DrawPressed(cell.Col, cell.Row, std::string());
}

void TPanelMineField::RedrawIndex(int i)
{
    if (i == -1)
        return;
    const TCellPos cell = IndexToCell(i);
    RedrawCell(cell.Col, cell.Row);
}

void TPanelMineField::paintEvent(QPaintEvent* event)
{
    // On a screen of another ratio the canvas is drawn anew for it.
    if (!FCanvas.isNull() && devicePixelRatioF() != FCanvasRatio)
        PaintCanvas();
    // The canvas holds device pixels: they are copied one to one, never
    // resampled, so the painter works in device pixels here.
    QPainter screen(this);
    const double ratio = FCanvasRatio;
    screen.setWorldTransform(QTransform::fromScale(1 / ratio, 1 / ratio));
    const QRect dirty = event->rect();
    const QPoint from(Down(dirty.left() * ratio), Down(dirty.top() * ratio));
    const QPoint to(Up((dirty.right() + 1) * ratio) - 1, Up((dirty.bottom() + 1) * ratio) - 1);
    screen.drawImage(from, FCanvas, QRect(from, to));
}

void TPanelMineField::SetTheme(TTheme theme)
{
    FTheme = theme;
    FColors = CellColours(theme, palette());
}

void TPanelMineField::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange)
        FColors = CellColours(FTheme, palette());
    QWidget::changeEvent(event);
}

// --- Plain panel mouse ------------------------------------------------------

void TPanelMineField::mousePressEvent(QMouseEvent* event)
{
    const QPoint p = event->position().toPoint();
    if (event->button() == Qt::LeftButton)
        LeftButtonDown(p.x(), p.y());
    else if (event->button() == Qt::RightButton)
        RightButtonDown(p.x(), p.y());
}

void TPanelMineField::mouseDoubleClickEvent(QMouseEvent*)
{
    // The second press of a double click does nothing.
}

void TPanelMineField::LeftButtonDown(int x, int y)
{
    LeftArmed = true;
    if (!RightArmed)
        ClickPoint = {x, y};
    if (!ClickTimer.isActive())
        ClickTimer.start();
}

void TPanelMineField::RightButtonDown(int x, int y)
{
    RightArmed = true;
    if (!LeftArmed)
        ClickPoint = {x, y};
    if (!ClickTimer.isActive())
        ClickTimer.start();
}

void TPanelMineField::LeftClickAt(int col, int row)
{
    ClickPoint = CellOrigin(col, row);
    LeftClick();
}

void TPanelMineField::RightClickAt(int col, int row)
{
    ClickPoint = CellOrigin(col, row);
    RightClick();
}

void TPanelMineField::DualClickAt(int col, int row)
{
    ClickPoint = CellOrigin(col, row);
    DualClick();
}

void TPanelMineField::ClickTimerTimer()
{
    ClickTimer.stop();
    if (LeftArmed && RightArmed) {
        LeftArmed = RightArmed = false;
        DualClick();
    } else if (LeftArmed) {
        LeftArmed = false;
        LeftClick();
    } else if (RightArmed) {
        RightArmed = false;
        RightClick();
    }
}

// --- Keyboard ---------------------------------------------------------------

int TPanelMineField::ArrowTarget(const TMineField& field, int key, int from)
{
    switch (key) {
    case Qt::Key_Left: return field.LeftOf(from);
    case Qt::Key_Up: return field.UpOf(from);
    case Qt::Key_Right: return field.RightOf(from);
    case Qt::Key_Down: return field.DownOf(from);
    default: return -1;
    }
}

bool TPanelMineField::MoveCursorByArrow(int key)
{
    const int target = ArrowTarget(*this, key, CursorIndex);
    if (target == -1)
        return true; // the edge of the grid: consumed, nothing moves
    TakeCursorOff();
    CellAtIndex(target).HasCursor = true;
    CursorIndex = target;
    RedrawIndex(target);
    return true;
}

bool TPanelMineField::HandleNavigationKey(int key, bool)
{
    if (!ValidIndex(CursorIndex))
        return false;
    const TCellPos cursor = IndexToCell(CursorIndex);
    ClickPoint = CellOrigin(cursor.Col, cursor.Row);
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
        return MoveCursorByArrow(key);
    case Qt::Key_S:
        LeftClick();
        return false;
    case Qt::Key_D:
        DualClick();
        return false;
    case Qt::Key_F:
        RightClick();
        return false;
    default:
        return false;
    }
}
