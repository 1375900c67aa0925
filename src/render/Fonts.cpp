#include "render/Fonts.h"

#include <QStringList>

#include <cmath>

namespace {

// "MS Sans Serif" is narrow; the closest installed widths are Arial's, which
// Liberation Sans shares. Without it the captions of narrow controls clip.
QFont Named(const std::string& name)
{
    static const bool substituted = [] {
        QFont::insertSubstitutions("MS Sans Serif", QStringList{"Liberation Sans", "Arial", "DejaVu Sans"});
        return true;
    }();
    (void)substituted;
    return QFont(QString::fromStdString(name));
}

} // namespace

int PointsToPixels(int points)
{
    return static_cast<int>(std::lround(points * 96.0 / 72.0));
}

QFont FontFor(const std::string& name, int points, TFontStyles styles)
{
    QFont font = Named(name);
    font.setPixelSize(std::max(1, PointsToPixels(points)));
    font.setBold((styles & fsBold) != 0);
    font.setItalic((styles & fsItalic) != 0);
    font.setUnderline((styles & fsUnderline) != 0);
    font.setStrikeOut((styles & fsStrikeOut) != 0);
    // Sharp, reproducible glyphs in 16-pixel cells.
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

QFont WindowFont()
{
    QFont font = Named("MS Sans Serif");
    font.setPixelSize(PointsToPixels(8));
    return font;
}
