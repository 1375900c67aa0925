#include "field/FakeField.h"

#include <algorithm>

bool FakeHost::Called(const std::string& call) const
{
    return std::find(Calls.begin(), Calls.end(), call) != Calls.end();
}

void FakeField::Layout(const std::vector<std::string>& rows) { ApplyLayout(*this, rows); }

void ApplyLayout(TMineField& field, const std::vector<std::string>& rows)
{
    const int down = static_cast<int>(rows.size());
    const int across = static_cast<int>(rows.front().size());
    int bombs = 0;
    for (const auto& line : rows)
        bombs += static_cast<int>(std::count(line.begin(), line.end(), '*'));
    field.SetSlotsAcross(across);
    field.SetSlotsDown(down);
    field.SetBombTotal(bombs);
    field.NewGame(false);
    auto isBomb = [&](int c, int r) {
        return c >= 0 && c < across && r >= 0 && r < down && rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)] == '*';
    };
    for (int c = 0; c < across; ++c) {
        for (int r = 0; r < down; ++r) {
            TSlot& slot = field.Cell(c, r);
            slot.FaceFontName = slot.MarkerFontName;
            slot.FaceFontSize = slot.MarkerFontSize;
            slot.FaceFontStyle = slot.MarkerFontStyle;
            if (isBomb(c, r)) {
                slot.Content = "M";
                slot.FaceFontName = "Wingdings";
                slot.FaceFontSize += 2;
                slot.FaceFontStyle = 0;
            } else {
                int n = 0;
                for (int dc = -1; dc <= 1; ++dc)
                    for (int dr = -1; dr <= 1; ++dr)
                        n += (dc != 0 || dr != 0) && isBomb(c + dc, r + dr);
                slot.Content = n == 0 ? "" : std::to_string(n);
            }
            slot.FaceText = slot.Content;
            slot.BaseTextColor = slot.TextColor = NumberColor(slot.Content);
        }
    }
    field.SetSafeCellTotal(across * down - bombs);
}

std::vector<int> FakeField::BombIndices() const
{
    std::vector<int> result;
    for (int i = 0; i < CellCount(); ++i)
        if (IsBomb(CellAtIndex(i)))
            result.push_back(i);
    return result;
}

void FakeField::Click(int col, int row)
{
    ClickPoint = CellOrigin(col, row);
    LeftClick();
}

void FakeField::Flag(int col, int row)
{
    ClickPoint = CellOrigin(col, row);
    RightClick();
}

void FakeField::Dual(int col, int row)
{
    ClickPoint = CellOrigin(col, row);
    DualClick();
}
