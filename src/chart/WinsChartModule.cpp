#include "chart/WinsChartModule.h"

#include <QCoreApplication>
#include <QLibrary>

QStringList WinsChartFolders()
{
    return {QCoreApplication::applicationDirPath(), QStringLiteral(DRAVOLT_MODULE_DIR)};
}

TNewWinsChart LoadWinsChart(const QStringList& folders)
{
    for (const QString& folder : folders) {
        QLibrary module(folder + QStringLiteral("/" DRAVOLT_CHART_MODULE));
        if (auto* newChart = reinterpret_cast<TNewWinsChart>(module.resolve(kNewWinsChart)))
            return newChart;
    }
    return nullptr;
}
