// A recorded game played back in a field of its own: at 1x, 2x or 4x, paused,
// a move at a time, or from any move on the slider. The clock shows the
// replay's time.
#pragma once

#include "field/FieldHost.h"
#include "gamelog/Replay.h"
#include "i18n/Translations.h"

#include <QDialog>
#include <QElapsedTimer>
#include <QLocale>
#include <QTimer>

class QComboBox;
class QLabel;
class QPushButton;
class QSlider;
class TPanelMineField;

class TReplayWindow : public QDialog, public FieldHost {
    Q_OBJECT

public:
    TReplayWindow(TReplayGame game, QWidget* parent = nullptr);
    ~TReplayWindow() override;

    // Shows the game after its first count moves.
    void SeekTo(int count);
    // Does the next move, if any.
    void Step();
    int MovesDone() const { return FDone; }
    qint64 ReplayMillis() const { return FMillis; }
    void SetPlaying(bool on);

    TPanelMineField* pnlField = nullptr;
    QLabel* lblClock = nullptr;
    QLabel* lblCounter = nullptr;
    QComboBox* cboSpeed = nullptr;
    QPushButton* btnPlay = nullptr;
    QPushButton* btnStep = nullptr;
    QSlider* sldMoves = nullptr;

    // --- FieldHost: the replay's field plays with every option off
    bool FreeClickChecked() const override { return false; }
    bool KeyboardNavigationChecked() const override { return false; }
    bool AccentClearedChecked() const override { return false; }
    bool UndecidedChecked() const override { return true; }
    bool NoGuessChecked() const override { return false; }
    void SetCounterText(const std::string& text) override;
    void StartClock() override {}
    void StopClock() override {}
    bool ClockRunning() const override { return true; }
    void ShowWinnerImage() override {}
    void StartPaintDelayer() override {}
    void EnableUndo() override {}
    void FocusNewGameButton() override {}
    void SetLossPending() override { FLost = true; }
    void NoGuessDealSlow() override {}
    void NoGuessDealt(const TNoGuessOutcome&) override {}
    void RecordGameStat() override {}
    void CheckBestTime() override {}
    int CurrentSessionGameCount() const override { return 1; }

private:
    void Tick();
    void ApplyNext();
    void ShowTime();

    TReplayGame FGame;
    int FDone = 0;
    qint64 FMillis = 0; // replay time shown
    bool FLost = false;
    QTimer FTimer;
    QElapsedTimer FSinceTick;
    const QLocale FNumbers = CurrentNumberLocale(); // of the player's language
};
