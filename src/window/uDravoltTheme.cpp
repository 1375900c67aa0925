// The Theme menu and what a theme changes in the window: the field's cells,
// the counters, "Go", and for Light and Dark the whole application's style
// and palette (menus, dialogs, views). Classic keeps, or gives back, the
// desktop's.
#include "window/uDravolt.h"

#include "panels/PanelMineField.h"
#include "panels/PanelMineFieldAnimatedButtons.h"
#include "render/Theme.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QStyle>

namespace {

// The radio items, in the order of TTheme.
const std::array<const char*, 3> kThemeCaptions{QT_TRANSLATE_NOOP("TfrmDravolt", "&Classic"),
                                                 QT_TRANSLATE_NOOP("TfrmDravolt", "&Light"),
                                                 QT_TRANSLATE_NOOP("TfrmDravolt", "&Dark")};

// The desktop's style and palette, as the application had them before a
// modern theme replaced them.
struct TDesktopLook {
    QString Style;
    QPalette Palette;
};
std::optional<TDesktopLook> gDesktopLook;

void SetColours(QWidget* widget, QPalette::ColorRole back, QRgb backColour, QPalette::ColorRole text,
                QRgb textColour)
{
    QPalette palette = widget->palette();
    palette.setColor(back, QColor::fromRgb(backColour));
    palette.setColor(text, QColor::fromRgb(textColour));
    widget->setPalette(palette);
}

} // namespace

void TfrmDravolt::CreateThemeMenu(QMenu* options)
{
    miThemeGroup = options->addMenu(tr("&Theme"));
    miThemeGroup->setObjectName("miThemeGroup");
    auto* themes = new QActionGroup(miThemeGroup);
    for (std::size_t i = 0; i < miTheme.size(); ++i) {
        QAction* item = miThemeGroup->addAction(tr(kThemeCaptions[i]));
        item->setObjectName(QString("miTheme") + QString::fromLatin1(kThemeKeywords[i]));
        item->setCheckable(true);
        item->setData(static_cast<int>(i));
        themes->addAction(item);
        connect(item, &QAction::triggered, this, [this, item] { miThemeClick(item); });
        miTheme[i] = item;
    }
    miTheme[0]->setChecked(true);
}

void TfrmDravolt::miThemeClick(QAction* item)
{
    const auto theme = static_cast<TTheme>(item->data().toInt());
    if (theme == FTheme)
        return;
    FTheme = theme;
    FSettings.WriteSetting(SettingsKeys::Section, SettingsKeys::Theme, ThemeKeyword(theme));
    // The game goes on: only its drawing changes.
    ApplyTheme();
    FField->Paint();
}

void TfrmDravolt::ApplyTheme()
{
    miTheme[static_cast<std::size_t>(FTheme)]->setChecked(true);
    for (TPanelMineField* panel : {FPlainField, static_cast<TPanelMineField*>(FAnimatedField)})
        if (panel)
            panel->SetTheme(FTheme);
    const TModernTheme* modern = ModernTheme(FTheme);
    if (!modern && !FClassicColours)
        return; // the classic look, as the window was built
    if (!FClassicColours)
        FClassicColours = TClassicColours{palette(), lblCounter->palette(), btnNewGame->palette()};
    if (!gDesktopLook)
        gDesktopLook = TDesktopLook{QApplication::style()->name(), QApplication::palette()};
    if (!modern) {
        QApplication::setStyle(gDesktopLook->Style);
        QApplication::setPalette(gDesktopLook->Palette);
        setPalette(FClassicColours->Window);
        for (QLabel* counter : {lblCounter, lblTimer})
            counter->setPalette(FClassicColours->Counter);
        btnNewGame->setPalette(FClassicColours->Go);
        return;
    }
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setPalette(modern->Window);
    setPalette(modern->Window);
    for (QLabel* counter : {lblCounter, lblTimer})
        SetColours(counter, QPalette::Window, modern->CounterBack, QPalette::WindowText, modern->CounterText);
    SetColours(btnNewGame, QPalette::Button, modern->GoFace, QPalette::ButtonText, modern->GoText);
}
