#include "field/MineField.h"

#include "field/NoGuessDealer.h"
#include "settings/zorvUtil.h"

#include <algorithm>
#include <utility>

namespace {

const std::string kFlag = "Flag";
const std::string kUndecided = "?";
// Kept once: a deal sets them for every bomb.
const TCellText kBomb("M");
const TCellText kBombFont("Wingdings");
const std::string kCornerToCorner = "cornerToCorner";

} // namespace

TColor NumberColor(const std::string& content)
{
    if (content.size() == 1) {
        switch (content[0]) {
        case '1': return clBlue;
        case '2': return clGreen;
        case '3': return clRed;
        case '4': return clBlack;
        case '5': return clMaroon;
        case '6': return clTeal;
        case '7': return clPurple;
        case '8': return clBlack;
        default: break;
        }
    }
    return clBtnText;
}

TMineField::TMineField(FieldHost& host, TimeSource& time) : Host(host), FTime(time) {}

// --- Grid -------------------------------------------------------------------

void TMineField::AllocateGrid()
{
    FGridAcross = std::max(FSlotsAcross, 0);
    FGridDown = std::max(FSlotsDown, 0);
    FCells.assign(static_cast<std::size_t>(FGridAcross) * static_cast<std::size_t>(FGridDown), TSlot{});
}

int TMineField::LeftOf(int i) const { return i % FGridAcross > 0 ? i - 1 : -1; }
int TMineField::RightOf(int i) const { return i % FGridAcross < FGridAcross - 1 ? i + 1 : -1; }
int TMineField::UpOf(int i) const { return i - FGridAcross >= 0 ? i - FGridAcross : -1; }
int TMineField::DownOf(int i) const { return i + FGridAcross < CellCount() ? i + FGridAcross : -1; }

int TMineField::UpLeftOf(int i) const
{
    return UpOf(i) != -1 && LeftOf(i) != -1 ? i - FGridAcross - 1 : -1;
}

int TMineField::UpRightOf(int i) const
{
    return UpOf(i) != -1 && RightOf(i) != -1 ? i - FGridAcross + 1 : -1;
}

int TMineField::DownLeftOf(int i) const
{
    return DownOf(i) != -1 && LeftOf(i) != -1 ? i + FGridAcross - 1 : -1;
}

int TMineField::DownRightOf(int i) const
{
    return DownOf(i) != -1 && RightOf(i) != -1 ? i + FGridAcross + 1 : -1;
}

int TMineField::Neighbour(int i, int k) const
{
    switch (k) {
    case 0: return UpLeftOf(i);
    case 1: return UpOf(i);
    case 2: return UpRightOf(i);
    case 3: return LeftOf(i);
    case 4: return RightOf(i);
    case 5: return DownLeftOf(i);
    case 6: return DownOf(i);
    case 7: return DownRightOf(i);
    default: return -1;
    }
}

TPoint TMineField::CellOrigin(int col, int row) const
{
    return {FBevelWidth + col * FCellWidth, FBevelWidth + row * FCellHeight};
}

bool TMineField::CellAt(int x, int y, TCellPos& cell) const
{
    if (FCellWidth <= 0 || FCellHeight <= 0)
        return false;
    cell.Col = (x - FBevelWidth) / FCellWidth; // truncates toward zero
    cell.Row = (y - FBevelWidth) / FCellHeight;
    return cell.Col >= 0 && cell.Col < FGridAcross && cell.Row >= 0 && cell.Row < FGridDown;
}

void TMineField::IncBombsLeft()
{
    ++FBombsLeft;
    Host.SetCounterText(std::to_string(FBombsLeft));
}

void TMineField::DecBombsLeft()
{
    --FBombsLeft;
    Host.SetCounterText(std::to_string(FBombsLeft));
}

void TMineField::PlaceCursorAt(int i)
{
    if (ValidIndex(CursorIndex) && CursorIndex != i)
        CellAtIndex(CursorIndex).HasCursor = false;
    CellAtIndex(i).HasCursor = true;
    CursorIndex = i;
}

// --- Dealing ----------------------------------------------------------------

void TMineField::BuildField()
{
    PrepareGrid();
    const int n = CellCount();
    const bool corner = CornerToCorner();
    FCandidates.Reset(n);
    int count = std::min(n, FBombTotal);
    FRandom.Reseed(FTime.MillisecondsSinceMidnightUtc());
    while (count > 0) {
        const auto k = static_cast<int>(FRandom.Random(static_cast<std::uint32_t>(FCandidates.Size())));
        const int v = FCandidates.At(k);
        if (corner && (v == 0 || v == n - 1))
            continue; // the corners stay free: draw again
        MakeBomb(v);
        FCandidates.Remove(v);
        --count;
    }
    CountNeighbours();
}

// The grid of a new game before any bomb: every cell covered and plain, the
// kept cursor, and the totals.
void TMineField::PrepareGrid()
{
    // The board plays by the mode it is dealt with, whatever the mode is
    // switched to before the next deal.
    FGamePlayMode = FPlayMode;
    AllocateGrid();
    const int keptCursor = CursorIndex;
    CursorIndex = -1;

    const int n = CellCount();
    const bool corner = CornerToCorner();
    if (corner && FBombTotal > n - 2)
        FBombTotal = n - 2;
    FSafeCellTotal = n - FBombTotal;

    const TCellText fontName(PanelFontName);
    for (TSlot& slot : FCells) {
        slot.MarkerFontName = fontName;
        slot.FaceFontName = fontName;
        slot.MarkerFontSize = PanelFontSize;
        slot.FaceFontSize = PanelFontSize;
        slot.MarkerFontStyle = PanelFontStyle | fsBold;
        slot.FaceFontStyle = PanelFontStyle | fsBold;
        slot.BaseColor = slot.BackColor = clSilver;
        slot.EdgeColor = clGray;
        slot.BaseTextColor = slot.TextColor = clBlack;
    }

    if (keptCursor != -1 && keptCursor < n && !Host.FreeClickChecked()) {
        CellAtIndex(keptCursor).HasCursor = true;
        CursorIndex = keptCursor;
    }
}

void TMineField::MakeBomb(int i)
{
    TSlot& bomb = CellAtIndex(i);
    bomb.Content = bomb.FaceText = kBomb;
    bomb.FaceFontName = kBombFont;
    bomb.FaceFontSize += 2;
    bomb.FaceFontStyle &= static_cast<TFontStyles>(~fsBold);
}

// The numbers and their colours, once the bombs are placed.
void TMineField::CountNeighbours()
{
    // Count neighbours by column and row offsets rather than linear indices:
    // the same cells in the same order, without a division per neighbour.
    static constexpr int kOffsets[kNeighbourCount][2] = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0},
                                                         {1, 0},   {-1, 1}, {0, 1}, {1, 1}};
    for (int col = 0; col < FGridAcross; ++col) {
        for (int row = 0; row < FGridDown; ++row) {
            if (!IsBomb(Cell(col, row)))
                continue;
            for (const auto& [dc, dr] : kOffsets) {
                const int c = col + dc;
                const int r = row + dr;
                if (c < 0 || c >= FGridAcross || r < 0 || r >= FGridDown)
                    continue;
                TSlot& next = Cell(c, r);
                if (IsBomb(next))
                    continue;
                // At most eight neighbours: one digit.
                const char digit = next.Content.empty() ? '1' : static_cast<char>(next.Content[0] + 1);
                next.Content = std::string_view(&digit, 1);
                next.FaceText = next.Content;
            }
        }
    }

    for (TSlot& slot : FCells)
        slot.BaseTextColor = slot.TextColor = NumberColor(slot.Content);
}

// The first uncovering of a no-guess game: the bombs go where logic alone
// clears the field from this cell.
void TMineField::DealNoGuess(int start)
{
    FDealPending = false;
    TNoGuessDealer dealer(FRandom);
    dealer.OnSlow = [this] { Host.NoGuessDealSlow(); };
    const TNoGuessBoard board =
        dealer.Deal({FGridAcross, FGridDown, FPendingBombs, start, CornerToCorner()});
    for (int i : board.Bombs)
        MakeBomb(i);
    CountNeighbours();
    Host.NoGuessDealt({board.Solved, board.TooFull, board.Milliseconds});
}

void TMineField::NewGame(bool startClick)
{
    if (FObserver)
        FObserver->BoardReplaced(*this);
    FPictureShown = false;
    FGameNoGuess = Host.NoGuessChecked();
    FDealPending = FGameNoGuess;
    if (FDealPending) {
        // The bombs wait for the first uncovering; the generator is seeded now,
        // as for any game.
        PrepareGrid();
        FRandom.Reseed(FTime.MillisecondsSinceMidnightUtc());
        FPendingBombs = std::min(CellCount(), FBombTotal);
    } else {
        BuildField();
    }
    ResetPlay();

    const int n = CellCount();
    if (CornerToCorner()) {
        if (Host.KeyboardNavigationChecked() && n > 0)
            PlaceCursorAt(0);
        ClickPoint = {0, 0};
        if (startClick) {
            StartClick = true;
            FStartingGame = true;
            SimulateLeftClick(0, 0);
            FStartingGame = false;
            StartClick = false;
        }
        return;
    }

    if (startClick && Host.FreeClickChecked() && FBombTotal < n) {
        FreeClickStep = FreeClickStep == 8 ? 1 : FreeClickStep + 1;
        // The quotient first, then the product, in extended precision: 81 cells
        // with step 7 start at 62, where a plain double would give 63.
        const long double fraction = static_cast<long double>(FreeClickStep) / 9.0L;
        const int start = static_cast<int>(static_cast<long double>(n) * fraction);
        FStartingGame = true;
        if (!FreeClickFrom(start))
            FreeClickFrom(0);
        FStartingGame = false;
        return;
    }
    if (Host.KeyboardNavigationChecked() && CursorIndex == -1 && n > 0)
        PlaceCursorAt(0);
}

void TMineField::ResetPlay()
{
    ClearedCount = 0;
    PressedCell = {-1, -1};
    LeftArmed = false;
    RightArmed = false;
    FBombsLeft = FBombTotal;
    Host.SetCounterText(std::to_string(FBombsLeft));
}

void TMineField::NewBoard(int across, int down, const std::vector<int>& bombs, const std::string& mode, int start)
{
    if (FObserver)
        FObserver->BoardReplaced(*this);
    FPictureShown = false;
    FGameNoGuess = false;
    FDealPending = false;
    FSlotsAcross = across;
    FSlotsDown = down;
    FBombTotal = static_cast<int>(bombs.size());
    // The board plays by the given mode; the next random deal by the chosen one.
    const std::string chosen = std::exchange(FPlayMode, mode);
    PrepareGrid();
    FPlayMode = chosen;
    for (int i : bombs)
        if (ValidIndex(i))
            MakeBomb(i);
    CountNeighbours();
    ResetPlay();
    if (Host.KeyboardNavigationChecked() && CursorIndex == -1 && CellCount() > 0)
        PlaceCursorAt(0);
    if (!ValidIndex(start))
        return;
    const TCellPos cell = IndexToCell(start);
    MoveCursorTo(cell.Col, cell.Row);
    FStartingGame = true;
    TellAction(TFieldAction::Auto, cell.Col, cell.Row);
    UncoverCell(cell.Col, cell.Row);
    FStartingGame = false;
}

void TMineField::TellAction(TFieldAction action, int col, int row)
{
    if (FObserver)
        FObserver->ActionTaken(*this, FStartingGame ? TFieldAction::Auto : action, CellToIndex(col, row));
}

bool TMineField::FreeClickFrom(int start)
{
    for (int i = std::max(start, 0); i < CellCount(); ++i) {
        if (IsBomb(CellAtIndex(i)))
            continue;
        const TCellPos cell = IndexToCell(i);
        MoveCursorTo(cell.Col, cell.Row);
        ClickPoint = CellOrigin(cell.Col, cell.Row);
        SimulateLeftClick(ClickPoint.X, ClickPoint.Y);
        return true;
    }
    return false;
}

// --- Rules ------------------------------------------------------------------

bool TMineField::IsBomb(const TSlot& slot)
{
    // SameText(Content, "M"), spelled out: dealing asks this for every neighbour.
    return slot.Content.size() == 1 && (slot.Content[0] == 'M' || slot.Content[0] == 'm');
}

bool TMineField::IsFlagged(const TSlot& slot) const
{
    return !slot.Marker.empty() && SameText(slot.Marker, FPreferredMarker);
}

bool TMineField::CornerToCorner() const { return SameText(FGamePlayMode, kCornerToCorner); }

bool TMineField::ClickRefused(int col, int row) const
{
    const TSlot& slot = Cell(col, row);
    if (IsFlagged(slot) || slot.Cleared)
        return true;
    return CornerToCorner() && !StartClick && !TouchesCleared(CellToIndex(col, row));
}

void TMineField::ClickCell(int col, int row)
{
    if (!ClickRefused(col, row))
        UncoverCell(col, row);
}

void TMineField::UncoverCell(int col, int row)
{
    if (FDealPending)
        DealNoGuess(CellToIndex(col, row));
    if (FObserver && ClearedCount == 0)
        FObserver->FirstUncovering(*this, CellToIndex(col, row));
    TSlot& slot = Cell(col, row);
    const bool bomb = IsBomb(slot);
    OpenCell(col, row, !bomb);
    if (bomb) {
        slot.BackColor = clRed;
        LoseGame();
        Host.FocusNewGameButton();
        return;
    }
    RedrawCell(col, row);
    ++ClearedCount;
    if (slot.Content.empty()) {
        SetEnabled(false);
        FloodFrom(CellToIndex(col, row));
        SetEnabled(true);
    }
    if (CheckWin())
        return;
    if (!Host.ClockRunning())
        Host.StartClock();
}

void TMineField::OpenCell(int col, int row, bool clear)
{
    TSlot& slot = Cell(col, row);
    if (slot.Cleared)
        return;
    slot.Shown = true;
    if (clear)
        slot.Cleared = true;
}

void TMineField::FloodFrom(int i)
{
    // Depth first in the standard neighbour order, as a recursion would go, but
    // on an explicit stack: a 100 x 60 field can chain 6,000 cells.
    FFloodStack.clear();
    FFloodStack.emplace_back(i, 0);
    while (!FFloodStack.empty()) {
        auto& [cell, next] = FFloodStack.back();
        if (next == kNeighbourCount) {
            FFloodStack.pop_back();
            continue;
        }
        const int n = Neighbour(cell, next++);
        if (FloodCell(n))
            FFloodStack.emplace_back(n, 0);
    }
}

bool TMineField::FloodCell(int n)
{
    if (n == -1)
        return false;
    const TCellPos pos = IndexToCell(n);
    TSlot& slot = Cell(pos.Col, pos.Row);
    if (slot.Cleared || IsFlagged(slot))
        return false;
    OpenCell(pos.Col, pos.Row, true);
    RedrawCell(pos.Col, pos.Row);
    ++ClearedCount;
    return slot.Content.empty();
}

void TMineField::Chord(int i)
{
    int bombs = 0;
    int flags = 0;
    int flaggedBombs = 0;
    for (int k = 0; k < kNeighbourCount; ++k) {
        const int j = Neighbour(i, k);
        if (j == -1)
            continue;
        const TSlot& slot = CellAtIndex(j);
        const bool bomb = IsBomb(slot);
        const bool flag = IsFlagged(slot);
        bombs += bomb;
        flags += flag;
        flaggedBombs += bomb && flag;
    }
    if (flags != bombs)
        return;
    if (flaggedBombs == bombs) {
        SetEnabled(false);
        FloodFrom(i);
        if (!CheckWin())
            SetEnabled(true);
        return;
    }
    for (int k = 0; k < kNeighbourCount; ++k) {
        const int j = Neighbour(i, k);
        if (j != -1 && IsBomb(CellAtIndex(j)) && CellAtIndex(j).Marker.empty())
            CellAtIndex(j).BackColor = clRed;
    }
    LoseGame();
}

void TMineField::ToggleFlag(int col, int row)
{
    TSlot& slot = Cell(col, row);
    if (slot.Cleared)
        return;
    if (IsFlagged(slot)) {
        slot.Marker.clear();
        IncBombsLeft();
    } else {
        slot.Marker = FPreferredMarker;
        DecBombsLeft();
    }
    RedrawCell(col, row);
}

void TMineField::CycleMarker(int col, int row)
{
    TSlot& slot = Cell(col, row);
    if (slot.Cleared)
        return;
    if (IsFlagged(slot)) {
        slot.Marker = Host.UndecidedChecked() ? kUndecided : std::string();
        IncBombsLeft();
    } else if (slot.Marker.empty()) {
        slot.Marker = FPreferredMarker;
        DecBombsLeft();
    } else if (slot.Marker == kUndecided) {
        slot.Marker.clear();
    }
    MoveCursorTo(col, row);
    RedrawCell(col, row);
}

void TMineField::MoveCursorTo(int col, int row)
{
    if (!Host.KeyboardNavigationChecked())
        return;
    const int i = CellToIndex(col, row);
    if (i == CursorIndex)
        return;
    TakeCursorOff();
    Cell(col, row).HasCursor = true;
    CursorIndex = i;
}

bool TMineField::IsCleared(int i) const { return i != -1 && CellAtIndex(i).Cleared; }

bool TMineField::TouchesCleared(int i) const
{
    for (int k = 0; k < kNeighbourCount; ++k)
        if (IsCleared(Neighbour(i, k)))
            return true;
    return false;
}

bool TMineField::Won() const
{
    const int n = CellCount();
    return ClearedCount >= FSafeCellTotal || (CornerToCorner() && n > 0 && CellAtIndex(n - 1).Cleared);
}

bool TMineField::CheckWin()
{
    if (!Won())
        return false;

    SetEnabled(false);
    Host.StopClock();

    auto flagUnmarkedBombs = [this] {
        const TCellText marker(FPreferredMarker);
        for (TSlot& slot : FCells)
            if (IsBomb(slot) && slot.Marker.empty())
                slot.Marker = marker;
        FBombsLeft = 0;
        Host.SetCounterText("0");
    };
    if (FShowPictureOnWin) {
        Host.ShowWinnerImage();
        for (TSlot& slot : FCells)
            if (!IsBomb(slot))
                slot.SeeThrough = true;
        flagUnmarkedBombs();
    } else if (FBombsLeft > 0) {
        flagUnmarkedBombs();
    }

    if (FShowPictureOnWin) {
        FPictureShown = true;
        Host.StartPaintDelayer();
    } else {
        Paint();
    }
    if (FObserver)
        FObserver->GameEnded(*this, true);
    Host.RecordGameStat();
    Host.CheckBestTime();
    return true;
}

void TMineField::LoseGame()
{
    SetEnabled(false);
    Host.StopClock();
    if (FObserver)
        FObserver->GameEnded(*this, false);
    if (!(FOptimizeStatsStart && FBombsLeft == FBombTotal && Host.CurrentSessionGameCount() == 0))
        Host.SetLossPending();

    const bool showAll = Host.AccentClearedChecked();
    int wrongFlags = 0;
    for (int col = 0; col < FGridAcross; ++col) {
        for (int row = 0; row < FGridDown; ++row) {
            TSlot& slot = Cell(col, row);
            const bool bomb = IsBomb(slot);
            if (IsFlagged(slot)) {
                if (!bomb) {
                    OpenCell(col, row, false);
                    slot.TextColor = clRed;
                    slot.FaceText = "X";
                    ++wrongFlags;
                }
            } else if (showAll || bomb) {
                OpenCell(col, row, false);
            }
        }
    }
    if (wrongFlags > 0)
        Host.SetCounterText(std::to_string(FBombsLeft + wrongFlags));
    Host.EnableUndo();
    Paint();
}

void TMineField::Undo()
{
    for (TSlot& slot : FCells) {
        slot.Shown = slot.Cleared;
        slot.FaceText = slot.Content;
        slot.BackColor = slot.BaseColor;
        slot.TextColor = slot.BaseTextColor;
    }
    PaintCleared = true;
    Paint();
    PaintCleared = false;
}

void TMineField::SetPreferredMarker(const std::string& text)
{
    if (SameText(text, kFlag))
        FPreferredMarker = text;
    else if (!text.empty())
        FPreferredMarker = Utf8First(text);
    else
        FPreferredMarker = std::string(1, '@'); // a literal here trips a false -Wrestrict of GCC 12
}

void TMineField::RemarkFlags()
{
    // "?" marks are no flags: re-marking them would add flags that the counter
    // never subtracted.
    for (int col = 0; col < FGridAcross; ++col) {
        for (int row = 0; row < FGridDown; ++row) {
            TSlot& slot = Cell(col, row);
            if (slot.Marker.empty() || slot.Marker == FPreferredMarker || slot.Marker == kUndecided)
                continue;
            slot.Marker.clear();
            RedrawCell(col, row);
            slot.Marker = FPreferredMarker;
            RedrawCell(col, row);
        }
    }
}

void TMineField::TakeCursorOff()
{
    if (!ValidIndex(CursorIndex))
        return;
    CellAtIndex(CursorIndex).HasCursor = false;
    const TCellPos cell = IndexToCell(CursorIndex);
    RedrawCell(cell.Col, cell.Row);
}

void TMineField::SetKeyboardCursor(bool on)
{
    const bool built = FGridAcross >= 2 && !FCells.empty();
    if (!built)
        return;
    if (on) {
        if (CursorIndex != 0)
            TakeCursorOff();
        PlaceCursorAt(0);
        RedrawCell(0, 0);
    } else if (CursorIndex != -1) {
        TakeCursorOff();
        CursorIndex = -1;
    }
}

// --- Gestures ---------------------------------------------------------------

bool TMineField::CellAtClickPoint(TCellPos& cell)
{
    if (!CellAt(ClickPoint.X, ClickPoint.Y, cell))
        return false;
    MoveCursorTo(cell.Col, cell.Row);
    return true;
}

void TMineField::RedrawForCursor(int col, int row)
{
    if (Host.KeyboardNavigationChecked())
        RedrawCell(col, row);
}

void TMineField::LeftClick()
{
    TCellPos cell;
    if (!CellAtClickPoint(cell))
        return;
    TellAction(TFieldAction::Left, cell.Col, cell.Row);
    if (ClickRefused(cell.Col, cell.Row))
        RedrawForCursor(cell.Col, cell.Row);
    else
        UncoverCell(cell.Col, cell.Row);
}

void TMineField::RightClick()
{
    TCellPos cell;
    if (!CellAtClickPoint(cell))
        return;
    TellAction(TFieldAction::Right, cell.Col, cell.Row);
    if (Cell(cell.Col, cell.Row).Cleared)
        RedrawForCursor(cell.Col, cell.Row);
    else
        ToggleFlag(cell.Col, cell.Row);
}

void TMineField::DualClick()
{
    TCellPos cell;
    if (!CellAtClickPoint(cell))
        return;
    TellAction(TFieldAction::Chord, cell.Col, cell.Row);
    RedrawCell(cell.Col, cell.Row);
    const TSlot& slot = Cell(cell.Col, cell.Row);
    if (slot.Cleared && !slot.Content.empty())
        Chord(CellToIndex(cell.Col, cell.Row));
}

void TMineField::SimulateLeftClick(int, int) { LeftClick(); }
