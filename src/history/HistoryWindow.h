// Game > History: for each size and mode the figures, the list of games, a
// chart of the winning times and 3BV/s, and from the selected game a replay
// or the same board once more; the list can be saved as CSV.
#pragma once

#include "gamelog/BoardCode.h"
#include "gamelog/GameRow.h"
#include "gamelog/HistoryFigures.h"

#include <QDialog>

#include <functional>
#include <vector>

class IWinsChart;
class QComboBox;
class QLabel;
class QPushButton;
class QTableView;
class THistoryRoom;
class THistoryTable;

class THistoryWindow : public QDialog {
    Q_OBJECT

public:
    // playBoard deals a board again in the main window.
    THistoryWindow(THistoryRoom& room, std::function<void(const TBoard&)> playBoard, QWidget* parent = nullptr);

    // Shows the games of one kind (an index into the size and mode list).
    void ShowKind(int index);
    QComboBox* cboKind = nullptr;
    QTableView* grdGames = nullptr;
    // The chart, or a label in its place when its module cannot be loaded.
    QWidget* chtProgress = nullptr;
    QPushButton* btnReplay = nullptr;
    QPushButton* btnPlayAgain = nullptr;
    QPushButton* btnExport = nullptr;
    // The figures, in the order of the form: games, wins, win rate, best
    // time, best 3BV/s, average winning time, current and longest streak.
    std::vector<QLabel*> lblFigures;

    static QString KindText(const TGameKind& kind);

private:
    const TGameRow* SelectedGame() const;
    void UpdateChart(const std::vector<const TGameRow*>& games);
    void ReplaySelected();
    void PlaySelectedAgain();
    void ExportCsv();

    THistoryRoom& FRoom;
    std::function<void(const TBoard&)> FPlayBoard;
    std::vector<TGameRow> FGames;
    std::vector<TGameKind> FKinds;
    std::vector<const TGameRow*> FShown; // of the kind shown, oldest first
    THistoryTable* FTable = nullptr;
    IWinsChart* FChart = nullptr; // null without the chart's module
};
