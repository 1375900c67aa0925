// The screens of the widget tests' offscreen platform (screens.json beside
// this file): "Default", 800 x 600 as the platform has by itself and where
// every widget starts; "Large", 5000 x 3200, where any window fits; "Ratio2"
// and "Ratio1.5", with those device pixel ratios.
#pragma once

#include <QGuiApplication>
#include <QScreen>

inline QScreen* TestScreen(const QString& name)
{
    for (QScreen* screen : QGuiApplication::screens())
        if (screen->name() == name)
            return screen;
    return nullptr;
}
