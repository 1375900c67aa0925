// The game as assistive technologies read it. The window installs it once;
// nothing of it is built before an assistive technology asks.
#pragma once

#include <QString>

class QLabel;

// Installs the accessibility of the field panels, and names the bomb counter
// and the clock, whose numbers become their values.
void InstallAccessibility(QLabel* counter, QLabel* clock);
// Shows a number in the counter or the clock, and tells a listening
// assistive technology that the value changed.
void SetDisplayedNumber(QLabel* display, const QString& text);
// The seconds the clock shows (0 without a clock).
int ShownSeconds();
