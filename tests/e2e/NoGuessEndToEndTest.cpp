// No Guessing in the real window: the board the frozen clock deals at the
// first click is worked out here with the game's own dealer, and the game is
// won by uncovering only the cells that the solver proves safe from what the
// screen would show.
#include "e2e/E2eSupport.h"

#include "field/NoGuessDealer.h"
#include "field/NoGuessSolver.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint32_t kNoon = 43'200'000; // 12:00:00.000 UTC
const QColor kSilver(192, 192, 192);

TEST(NoGuessEndToEnd, AFirstClickOpensAnAreaAndLogicAloneWins)
{
    constexpr int kAcross = 12;
    constexpr int kDown = 9;
    constexpr int kBombs = 22;
    constexpr int kStart = 6 + 4 * kAcross;
    TXServer x;
    ASSERT_TRUE(x.Running());
    TGame game(x, {.Settings = "[settings]\nslotsDown=9\nslotsAcross=12\nbombTotal=22\nnoGuess=1\n"
                               "background=backgroundNone\nautoSaveSessionStats=1\n",
                   .FakeTime = "2026-12-08 12:00:00"});
    ASSERT_TRUE(game.Started());

    TRandomGenerator random;
    random.Reseed(kNoon);
    const TNoGuessBoard board = TNoGuessDealer(random).Deal({kAcross, kDown, kBombs, kStart, false});
    ASSERT_TRUE(board.Solved);
    TKnownField field(kAcross, kDown, board.Bombs);
    const auto uncover = [&](int i) {
        const int col = i % kAcross;
        const int row = i / kAcross;
        game.Click(game.CellOnScreen(col, row, kDown) + QPoint(8, 8));
        field.Uncover(col, row);
        if (!field.Won()) {
            ASSERT_TRUE(game.WaitForPixel(game.CellOnScreen(col, row, kDown) + QPoint(2, 14), kSilver))
                << "cell " << i << " opens";
        }
    };

    uncover(kStart);
    int open = 0;
    for (int i = 0; i < kAcross * kDown; ++i)
        open += field.Open(i % kAcross, i / kAcross);
    EXPECT_GT(open, 9) << "the first cell and its neighbours hold no bomb";

    std::vector<bool> known(kAcross * kDown);
    while (!field.Won()) {
        TPlayerView view{kAcross, kDown, std::vector<int>(kAcross * kDown, TPlayerView::kCovered), kBombs};
        for (int i = 0; i < kAcross * kDown; ++i) {
            if (known[i]) {
                view.Cells[i] = TPlayerView::kKnownBomb;
                --view.BombsLeft;
            } else if (field.Open(i % kAcross, i / kAcross)) {
                view.Cells[i] = field.Number(i % kAcross, i / kAcross);
            }
        }
        const TDeduction deduction = Deduce(view);
        bool progress = false;
        for (int i = 0; i < kAcross * kDown && !field.Won(); ++i) {
            if (deduction.Facts[i] == TCellFact::Bomb && !known[i]) {
                known[i] = true;
                progress = true;
            } else if (deduction.Facts[i] == TCellFact::Safe && !field.Open(i % kAcross, i / kAcross)) {
                ASSERT_FALSE(field.Bomb(i % kAcross, i / kAcross)) << "the solver named a bomb safe";
                uncover(i);
                progress = true;
            }
        }
        ASSERT_TRUE(progress) << "logic got stuck";
    }

    ASSERT_TRUE(game.AnswerNamePrompt("Ann"));
    game.ExitThroughTheMenu();
    ASSERT_TRUE(game.WaitForExit());
    const QString settings = game.ReadFile("Dravolt.ini");
    EXPECT_TRUE(settings.contains("[noGuessSizes]\n[0]=9.12.22\n")) << settings.toStdString();
    EXPECT_TRUE(settings.contains("[noGuessNames]\n[0]=Ann\n")) << settings.toStdString();
    EXPECT_FALSE(settings.contains("[sizes]")) << "no classic record";
}

} // namespace
