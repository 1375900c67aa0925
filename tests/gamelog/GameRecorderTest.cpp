// The recorder on a field played by the rules: which games become rows, with
// what result and counts, and a replay of the moves that ends as the game did.
#include "field/FakeField.h"
#include "gamelog/GameRecorder.h"
#include "gamelog/Replay.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

// One bomb in a corner: a click anywhere else but next to it opens all the rest.
const std::vector<std::string> kLayout = {
    "..........",
    "..........",
    ".........*",
};

TEST(GameRecorderTest, RecordsEachGameThatEndedOnceWithItsResultAndCounts)
{
    struct Case {
        const char* name;
        std::function<void(FakeField&)> play;
        std::vector<std::string> results;
        int leftClicks; // of the last row
        int rightClicks;
        int bbbvDone;
    } cases[] = {
        {"won at the first click", [](FakeField& f) { f.Click(0, 0); }, {"won"}, 1, 0, 1},
        {"a flag, then won", [](FakeField& f) { f.Flag(9, 2); f.Click(0, 0); }, {"won"}, 1, 1, 1},
        {"lost: it stands at the next game",
         [](FakeField& f) { f.Click(9, 2); f.NewGame(false); }, {"lost"}, 1, 0, 0},
        {"a loss undone, then won",
         [](FakeField& f) { f.Click(9, 2); f.Undo(); f.Click(0, 0); }, {"won"}, 2, 0, 1},
        {"a number opened, then a new game",
         [](FakeField& f) { f.Click(8, 1); f.NewGame(false); }, {"abandoned"}, 1, 0, 0},
        {"flags only, then a new game: no game", [](FakeField& f) { f.Flag(9, 2); f.NewGame(false); }, {}, 0, 0, 0},
        {"closed while lost", [](FakeField& f) { f.Click(9, 2); }, {"lost"}, 1, 0, 0},
    };
    for (const Case& c : cases) {
        FakeHost host;
        FixedTime time;
        FakeField field(host, time);
        std::vector<TGameRow> rows;
        std::int64_t now = 0;
        TGameRecorder recorder([&](TGameRow&& row) { rows.push_back(std::move(row)); }, [&] { return now += 10; });
        field.SetObserver(&recorder);
        field.Layout(kLayout);
        c.play(field);
        recorder.Close(field);
        std::vector<std::string> results;
        for (const TGameRow& row : rows)
            results.push_back(row.Result);
        EXPECT_EQ(results, c.results) << c.name;
        if (rows.empty())
            continue;
        const TGameRow& row = rows.back();
        EXPECT_EQ(std::tie(row.LeftClicks, row.RightClicks, row.Chords), std::tuple(c.leftClicks, c.rightClicks, 0))
            << c.name;
        EXPECT_EQ(std::tie(row.Height, row.Width, row.Bombs, row.Mines, row.Mode),
                  std::tuple(3, 10, 1, std::string("29"), std::string("normal")))
            << c.name;
        EXPECT_EQ(std::tie(row.Bbbv, row.BbbvDone), std::tuple(1, c.bbbvDone)) << c.name;
        EXPECT_GE(row.Millis, 0) << c.name;
    }
}

TEST(GameRecorderTest, AReplayOfTheMovesEndsAsTheGameDid)
{
    FakeHost host;
    FixedTime time;
    FakeField field(host, time);
    std::vector<TGameRow> rows;
    TGameRecorder recorder([&](TGameRow&& row) { rows.push_back(std::move(row)); });
    field.SetObserver(&recorder);
    field.Layout({"..*.......", "....*.....", ".........*"});
    field.Click(3, 0); // a 2
    field.Flag(2, 0);
    field.Flag(4, 1);
    field.Dual(3, 0); // opens the rest around the 2, and floods on
    field.Click(2, 0); // refused: flagged
    field.Click(9, 2); // lost
    const std::vector<TSlot> played = [&] {
        std::vector<TSlot> cells;
        for (int i = 0; i < field.CellCount(); ++i)
            cells.push_back(field.CellAtIndex(i));
        return cells;
    }();
    recorder.Close(field);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(std::tie(rows[0].LeftClicks, rows[0].RightClicks, rows[0].Chords), std::tuple(3, 2, 1));

    FakeField replayed(host, time);
    const std::optional<TReplayGame> game = ReplayGameOf(rows[0]);
    ASSERT_TRUE(game);
    DealReplay(replayed, *game);
    for (const TMove& move : game->Moves)
        ApplyMove(replayed, move);
    for (int i = 0; i < field.CellCount(); ++i) {
        const TSlot& a = replayed.CellAtIndex(i);
        const TSlot& b = played[static_cast<std::size_t>(i)];
        EXPECT_EQ(std::tie(a.Cleared, a.Shown, a.Marker, a.BackColor), std::tie(b.Cleared, b.Shown, b.Marker, b.BackColor))
            << "cell " << i;
    }
}

} // namespace
