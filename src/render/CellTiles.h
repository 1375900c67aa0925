// The full repaint of a field on the panel's background, written scanline by
// scanline. Every look a cell can have (covered, flagged, open with each
// number, the bomb, ...) is drawn once by the cell painter into a tile; the
// repaint then copies each canvas row from the tiles of the cells it crosses,
// left to right, so that the canvas is written once, in the order it lies in
// memory (on a large canvas nearly all the time is spent writing memory, and
// a cell drawn line by line touches a page of memory per line).
//
// The result is the canvas that FillCellBackground and PaintCell give when
// they draw the cells one after the other, row by row: a tile holds what its
// look leaves in its box, and the lines a cell draws above its box (the ends
// of its vertical edges) are laid over the cell above, as its later drawing
// does there. A look that draws beyond that, or over what it finds, is not
// made a tile, and the repaint is left to the cell painter.
#pragma once

#include "field/Slot.h"
#include "render/CellPainter.h"

#include <QImage>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

// Where a grid's cells lie on the canvas: the device edges between its
// columns and between its rows, from the near side of the first to the far
// side of the last (one more than there are columns or rows), and the scale
// of the cells' design.
struct TGridEdges {
    std::vector<int> Columns;
    std::vector<int> Rows;
    double Scale = 1;
};

// A cell as a full repaint draws it: its record, and whether it is drawn open.
struct TDrawnCell {
    const TSlot* Slot = nullptr;
    bool Open = false;
};

class TCellTiles {
public:
    TCellTiles();
    ~TCellTiles();
    TCellTiles(const TCellTiles&) = delete;
    TCellTiles& operator=(const TCellTiles&) = delete;

    // Draws every cell of the grid; the canvas around the grid is left as it
    // is. False, with nothing drawn, when a look cannot be copied as a tile or
    // the grid does not lie inside the canvas.
    bool Paint(QImage& canvas, const TGridEdges& edges, const std::function<TDrawnCell(int col, int row)>& lookAt,
               const TDesktopColors& colours);

private:
    struct TTile;
    // The place of the look's tile in FTiles.
    std::uint16_t TileFor(const TDrawnCell& look, QSize size);

    std::vector<std::unique_ptr<TTile>> FTiles;
    std::size_t FLast = 0; // neighbouring cells often look alike
    TDesktopColors FColours;
    double FScale = 0;
    // The tile of each cell, row by row, as its place in FTiles: a field has
    // at most 6,000 cells, and the grid stays a quarter of pointers' size.
    std::vector<std::uint16_t> FGrid;
};
