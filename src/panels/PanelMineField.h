// The plain field panel: the field core shown as a Qt widget. Every redraw
// lands on the panel's canvas image at once; paintEvent only copies the canvas
// to the screen. The canvas holds the screen's device pixels (the panel's
// logical size times its device pixel ratio), so the cells are drawn sharp at
// any scale; the geometry of the rules (cell origins, CellAt) stays in logical
// pixels, and a cell is CellWidth x CellHeight of them, 16 at a zoom of 100 %.
// A left or right press acts after 50 ms, so that pressing both buttons within
// that time makes one dual click.
#pragma once

#include "field/MineField.h"
#include "render/CellPainter.h"
#include "render/CellTiles.h"
#include "settings/SettingsReader.h"

#include <QImage>
#include <QTimer>
#include <QWidget>

class TWinnerImage;

// Told whenever cells may have looked different: a cell redrawn or the whole
// field painted. The accessibility of the field listens while an assistive
// technology reads it; otherwise nobody does.
class TFieldListener {
public:
    virtual void CellsChanged() = 0;

protected:
    ~TFieldListener() = default;
};

class TPanelMineField : public QWidget, public TMineField {
    Q_OBJECT

public:
    TPanelMineField(FieldHost& host, QWidget* parent, TimeSource& time = SystemTime());

    // --- IzorvMineField
    void SetEnabled(bool value) override;
    bool Enabled() const override;
    void Paint() override;
    bool HandleNavigationKey(int key, bool down) override;

    // --- Drawing
    void RedrawCell(int col, int row) override;
    void FloodFrom(int i) override;
    void DrawCell(int col, int row);
    // Draws the cell flat, as if pressed, with text on its face; false (and
    // nothing drawn) for an open cell, or a marked one unless "?" is offered.
    bool DrawPressed(int col, int row, const std::string& text);
    void PressIndex(int i);
    void RedrawIndex(int i);

    // The look of the cells; the next Paint() draws them in it.
    void SetTheme(TTheme theme);

    // The win picture drawn into the cell area while it shows.
    void SetWinnerImage(const TWinnerImage* image) { FWinnerImage = image; }
    void DrawWinnerImage();

    // The canvas with every drawing done so far, in device pixels.
    const QImage& Canvas() const { return FCanvas; }
    // Device pixels per logical pixel of the canvas.
    double CanvasRatio() const { return FCanvasRatio; }
    QSize sizeHint() const override;

    void SetListener(TFieldListener* listener) { FListener = listener; }

    // A whole click on a cell, pressed and released as this panel's mouse
    // makes it: the accessibility's actions play through these.
    virtual void LeftClickAt(int col, int row);
    virtual void RightClickAt(int col, int row);
    virtual void DualClickAt(int col, int row);

    // --- Plain panel mouse gestures (points in panel coordinates)
    void LeftButtonDown(int x, int y);
    void RightButtonDown(int x, int y);
    void ClickTimerTimer();
    QTimer ClickTimer;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

    bool MoveCursorByArrow(int key);
    static int ArrowTarget(const TMineField& field, int key, int from);

private:
    QSize GridPixelSize() const;
    // A canvas of the panel's size at the given ratio; true when it is a new
    // one, which holds nothing drawn yet. Only a full repaint asks the screen
    // for its ratio; single cells are drawn at the canvas's.
    bool EnsureCanvas(double ratio);
    // The full repaint into the canvas, without asking for a screen update.
    void PaintCanvas();
    // Without the win picture a full repaint draws the cells on the panel's
    // background, whatever the canvas held before.
    bool PaintsOnBackground() const;
    TGridEdges GridEdges() const;
    void DrawPicture();
    TCellBox CellBox(int col, int row) const;
    void DrawCellIn(int col, int row, const TCellBox& box);
    // The canvas's device pixel rectangle as logical pixels that cover it.
    QRect LogicalCover(const QRect& device) const;

    QImage FCanvas;
    double FCanvasRatio = 1;
    TTheme FTheme = TTheme::Classic;
    TDesktopColors FColors;
    const TWinnerImage* FWinnerImage = nullptr;
    TFieldListener* FListener = nullptr;
    TCellTiles FTiles;
    // The cells a running flood opened, in the order they were redrawn.
    bool FFlooding = false;
    std::vector<int> FFlooded;
};
