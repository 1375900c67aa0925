// Who watches the play of a field: the game history. A field without an
// observer plays exactly as before.
#pragma once

class TMineField;

enum class TFieldAction {
    Left,  // a left click or its key
    Right, // a right click or its key
    Chord, // a dual click or its key
    Mark,  // a right click that steps through flag, "?" and nothing
    Auto,  // an uncovering the program makes for the player
};

class FieldObserver {
public:
    // A new board is about to replace the one on the field, which still
    // shows how its game stands.
    virtual void BoardReplaced(const TMineField& field) = 0;
    // An action on a cell (a linear index), told before it takes effect.
    virtual void ActionTaken(const TMineField& field, TFieldAction action, int cell) = 0;
    // The first cell of the game is being uncovered; the bombs are placed.
    virtual void FirstUncovering(const TMineField& field, int cell) = 0;
    // Won, or lost (an undo may still take the loss back).
    virtual void GameEnded(const TMineField& field, bool won) = 0;

protected:
    ~FieldObserver() = default;
};
