#include "panels/PanelMineField.h"

#include "render/Fonts.h"
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

void TPanelMineField::EnsureCanvas()
{
    const QSize size = GridPixelSize().expandedTo(QSize(1, 1));
    if (FCanvas.size() == size)
        return;
    // A new grid is always painted whole before anything else is drawn.
    FCanvas = QImage(size, QImage::Format_RGB32);
    FCanvas.fill(FColors.Face);
}

void TPanelMineField::DrawCell(int col, int row)
{
    const TSlot& slot = Cell(col, row);
    const TPoint origin = CellOrigin(col, row);
    EnsureCanvas();
    PaintCell(FCanvas, slot, QPoint(origin.X, origin.Y), CellWidth(), CellHeight(),
              PaintCleared ? slot.Cleared : slot.Shown, FColors);
}

void TPanelMineField::RedrawCell(int col, int row)
{
    DrawCell(col, row);
    // The vertical edges reach one pixel into the cell above.
    const TPoint origin = CellOrigin(col, row);
    update(origin.X, origin.Y - 1, CellWidth(), CellHeight() + 1);
}

void TPanelMineField::Paint()
{
    EnsureCanvas();
    if (!PictureShown())
        PaintPanelFrame(FCanvas, BevelWidth(), FColors);
    for (int col = 0; col < GridAcross(); ++col)
        for (int row = 0; row < GridDown(); ++row)
            DrawCell(col, row);
    update();
}

void TPanelMineField::DrawWinnerImage()
{
    if (!FWinnerImage)
        return;
    const QRect cellArea(BevelWidth(), BevelWidth(), GridAcross() * CellWidth(), GridDown() * CellHeight());
    EnsureCanvas();
    QPainter painter(&FCanvas);
    FWinnerImage->Draw(painter, cellArea);
    update();
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
    QPainter screen(this);
    screen.drawImage(event->rect(), FCanvas, event->rect());
}

void TPanelMineField::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::PaletteChange)
        FColors = TDesktopColors::From(palette());
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
