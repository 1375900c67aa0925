#include "render/Fonts.h"

#include "settings/zorvUtil.h"

#include <QStringList>

#include <algorithm>
#include <cmath>

namespace {

constexpr const char* kWindowFace = "MS Sans Serif";

// "MS Sans Serif" is narrow; the closest installed widths are Arial's, which
// Liberation Sans shares. Without it the captions of narrow controls clip.
QFont Named(const std::string& name)
{
    static const bool substituted = [] {
        QFont::insertSubstitutions(kWindowFace, QStringList{"Liberation Sans", "Arial", "DejaVu Sans"});
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

int CellPixelSize(int points, double scale)
{
    return std::max(1, static_cast<int>(std::lround(PointsToPixels(points) * scale)));
}

QFont CellFontFor(const std::string& name, int points, TFontStyles styles, double scale)
{
    QFont font = SameText(name, kWindowFace) ? QFont(QStringLiteral("DejaVu Sans")) : Named(name);
    font.setPixelSize(CellPixelSize(points, scale));
    font.setBold((styles & fsBold) != 0);
    font.setItalic((styles & fsItalic) != 0);
    font.setUnderline((styles & fsUnderline) != 0);
    font.setStrikeOut((styles & fsStrikeOut) != 0);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

QFont WindowFont()
{
    QFont font = Named(kWindowFace);
    font.setPixelSize(PointsToPixels(8));
    return font;
}
