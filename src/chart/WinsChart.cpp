// The chart module: the chart, its two series and three axes are made once,
// and each size and mode shown only refills them.
#include "chart/WinsChart.h"

#include <QChart>
#include <QChartView>
#include <QLegend>
#include <QLineSeries>
#include <QValueAxis>

#include <algorithm>

namespace {

// Goes with its view, whose parent owns it.
class TWinsChart : public QObject, public IWinsChart {
public:
    TWinsChart(const TWinsChartSetup& setup, QWidget* parent)
    {
        auto* chart = new QChart;
        if (setup.Numbers) {
            chart->setLocale(*setup.Numbers);
            chart->setLocalizeNumbers(true);
        }
        FTimeSeries = new QLineSeries(chart);
        FTimeSeries->setName(setup.Time);
        FSpeedSeries = new QLineSeries(chart);
        FSpeedSeries->setName(setup.Speed);
        chart->addSeries(FTimeSeries);
        chart->addSeries(FSpeedSeries);
        FWinsAxis = new QValueAxis(chart);
        FWinsAxis->setTitleText(setup.Win);
        // Localized labels take a format only with a precision.
        FWinsAxis->setLabelFormat(chart->localizeNumbers() ? "%.0f" : "%d");
        FSecondsAxis = new QValueAxis(chart);
        FSecondsAxis->setTitleText(setup.Time);
        FSpeedAxis = new QValueAxis(chart);
        FSpeedAxis->setTitleText(setup.Speed);
        chart->addAxis(FWinsAxis, Qt::AlignBottom);
        chart->addAxis(FSecondsAxis, Qt::AlignLeft);
        chart->addAxis(FSpeedAxis, Qt::AlignRight);
        FTimeSeries->attachAxis(FWinsAxis);
        FTimeSeries->attachAxis(FSecondsAxis);
        FSpeedSeries->attachAxis(FWinsAxis);
        FSpeedSeries->attachAxis(FSpeedAxis);
        FView = new QChartView(chart, parent);
        FView->setRenderHint(QPainter::Antialiasing);
        setParent(FView);
    }

    QWidget* Widget() override { return FView; }

    void Show(const TWinsChartPoints& points) override
    {
        FView->chart()->setTitle(points.Title);
        FTimeSeries->replace(points.Times);
        FSpeedSeries->replace(points.Speeds);
        double maxTime = 1;
        double maxSpeed = 1;
        for (const QPointF& p : points.Times)
            maxTime = std::max(maxTime, p.y());
        for (const QPointF& p : points.Speeds)
            maxSpeed = std::max(maxSpeed, p.y());
        // Up to five wins each has a tick of its own; five ticks over 1 to 2
        // would all read "1".
        FWinsAxis->setTickCount(std::clamp(points.Wins, 2, 5));
        FWinsAxis->setRange(1, std::max(2, points.Wins));
        FSecondsAxis->setRange(0, maxTime * 1.05);
        FSpeedAxis->setRange(0, maxSpeed * 1.05);
        // Without wins the axes would only show ticks of a made-up range.
        const bool any = points.Wins > 0;
        for (QValueAxis* axis : {FWinsAxis, FSecondsAxis, FSpeedAxis})
            axis->setVisible(any);
        FView->chart()->legend()->setVisible(any);
    }

private:
    QChartView* FView = nullptr;
    QLineSeries* FTimeSeries = nullptr;
    QLineSeries* FSpeedSeries = nullptr;
    QValueAxis* FWinsAxis = nullptr;
    QValueAxis* FSecondsAxis = nullptr;
    QValueAxis* FSpeedAxis = nullptr;
};

} // namespace

extern "C" Q_DECL_EXPORT IWinsChart* DravoltNewWinsChart(const TWinsChartSetup& setup, QWidget* parent)
{
    return new TWinsChart(setup, parent);
}
