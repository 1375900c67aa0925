// The field read by an assistive technology: the first click on an empty
// 100 x 60 field floods every cell, and what changed is told once the click
// is over, as a screen reader would receive it.
#include "QuietHost.h"
#include "access/Accessibility.h"
#include "panels/PanelMineField.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QLabel>
#include <benchmark/benchmark.h>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace {

int gTold = 0;
void Count(QAccessibleEvent*) { ++gTold; }

void BM_FloodTold(benchmark::State& state)
{
    QLabel counter;
    QLabel clock;
    InstallAccessibility(&counter, &clock);
    QPlatformAccessibility* platform = QGuiApplicationPrivate::platformIntegration()->accessibility();
    platform->setActive(true);
    QAccessible::installUpdateHandler(Count);

    QuietHost host;
    TPanelMineField panel{host, nullptr};
    panel.SetSlotsAcross(100);
    panel.SetSlotsDown(60);
    panel.SetBombTotal(0);
    panel.NewGame(false);
    panel.Paint();
    QAccessible::queryAccessibleInterface(&panel); // the screen reader finds the field
    for (auto _ : state) {
        state.PauseTiming();
        panel.NewGame(false);
        panel.Paint();
        panel.SetEnabled(true);
        QCoreApplication::processEvents();
        gTold = 0;
        state.ResumeTiming();
        panel.LeftClickAt(50, 30);
        QCoreApplication::processEvents();
    }
    if (gTold == 0)
        state.SkipWithError("nothing was told");
    QAccessible::installUpdateHandler(nullptr);
    platform->setActive(false);
}
BENCHMARK(BM_FloodTold)->Unit(benchmark::kMillisecond);

} // namespace
