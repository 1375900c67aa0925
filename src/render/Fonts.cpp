#include "render/Fonts.h"

#include "settings/zorvUtil.h"

#include <QStringList>

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

QFont CellFontFor(const std::string& name, int points, TFontStyles styles)
{
    QFont font = SameText(name, kWindowFace) ? QFont(QStringLiteral("DejaVu Sans")) : Named(name);
    font.setPixelSize(std::max(1, PointsToPixels(points)));
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
