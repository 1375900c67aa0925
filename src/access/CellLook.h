// What a sighted player sees of a cell, as one small code that can be kept
// for every cell and compared, and as the words a screen reader speaks.
#pragma once

#include <QCoreApplication>
#include <QString>

#include <cstdint>

class TMineField;
struct TSlot;

enum class TCellLook : std::uint8_t {
    Covered,
    Flagged,
    Undecided,
    Empty,
    One, // One to Eight follow each other
    Eight = One + 7,
    Bomb,
    WrongFlag,
};

TCellLook LookOf(const TMineField& field, const TSlot& slot);

struct TCellWords {
    Q_DECLARE_TR_FUNCTIONS(TCellWords)

public:
    static QString Name(TCellLook look);
    // "row R, column C", counting from 1.
    static QString Place(int col, int row);
};
