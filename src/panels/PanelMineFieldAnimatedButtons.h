// The animated field panel: a covered cell looks pressed while the left button
// (or the S key) is held on it, the 3 x 3 block around it while both buttons
// (or the D key) are held; the action happens on the release, on the cell under
// the pointer at that moment. The right press cycles the marker at once.
#pragma once

#include "panels/PanelMineField.h"

class TPanelMineFieldAnimatedButtons : public TPanelMineField {
    Q_OBJECT

public:
    TPanelMineFieldAnimatedButtons(FieldHost& host, QWidget* parent, TimeSource& time = SystemTime());

    void SimulateLeftClick(int x, int y) override;
    bool HandleNavigationKey(int key, bool down) override;
    void LeftClickAt(int col, int row) override;
    void RightClickAt(int col, int row) override;
    void DualClickAt(int col, int row) override;

    // The gestures, with the state of the other button at that moment.
    void LeftDown(int x, int y, bool rightHeld);
    void RightDown(int x, int y, bool leftHeld);
    void LeftUp(int x, int y, bool rightHeld);
    void RightUp(int x, int y, bool leftHeld);
    void MoveWithLeftHeld(int x, int y, bool rightHeld);
    void PointerLeft();

    bool BlockPressed = false;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void PressNeighbours(int i);
    void RedrawNeighbours(int i);
    // The pointer crossed the panel's edge with a button held: it has left.
    void PointerWentOutside();
    bool FPointerOutside = false; // a drag is past the panel's edge
};
