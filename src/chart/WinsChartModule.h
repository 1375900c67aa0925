// Finds the chart module at run time: beside the program, as in the build
// tree, then in the folder it is installed to.
#pragma once

#include "chart/WinsChart.h"

#include <QStringList>

QStringList WinsChartFolders();

// The module's entry point from the first of the folders that has it; null
// when none has it or it cannot be loaded. A module once loaded stays loaded.
TNewWinsChart LoadWinsChart(const QStringList& folders = WinsChartFolders());
