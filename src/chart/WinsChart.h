// The history window's chart of winning times and 3BV/s. It is built into a
// module of its own, loaded when the first history window opens, so that Qt
// Charts stays out of the game's start-up. The module links Qt alone: this
// header is all that it and the game share, and the window hands it every
// text, translated, and the number format.
#pragma once

#include <QList>
#include <QLocale>
#include <QPointF>
#include <QString>

#include <optional>

class QWidget;

struct TWinsChartSetup {
    QString Time;  // the time series and its axis
    QString Speed; // the 3BV/s series and its axis
    QString Win;   // the axis along the wins
    // The axes' numbers in this language; none keeps the axes' own format,
    // as English does.
    std::optional<QLocale> Numbers;
};

// The wins of one size and mode: a point per win, or per run of wins, at the
// number of the win it ends with.
struct TWinsChartPoints {
    QString Title;
    QList<QPointF> Times;  // seconds
    QList<QPointF> Speeds; // 3BV/s
    int Wins = 0;          // none: the axes and the legend are hidden
};

class IWinsChart {
public:
    virtual ~IWinsChart() = default;
    // The chart's widget; its parent owns it, and this with it.
    virtual QWidget* Widget() = 0;
    virtual void Show(const TWinsChartPoints& points) = 0;
};

// The module's entry point, exported under the name kNewWinsChart.
using TNewWinsChart = IWinsChart* (*)(const TWinsChartSetup& setup, QWidget* parent);
inline constexpr const char* kNewWinsChart = "DravoltNewWinsChart";
