#include "dialogs/uSize.h"

#include "dialogs/DialogTools.h"
#include "settings/zorvUtil.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <limits>

namespace {

// The whole part of a number text, or fallback when the text is no number or
// does not fit an int.
int WholeNumberOr(const QString& text, int fallback)
{
    const auto value = WholePartOf(text.toStdString());
    if (!value || *value > std::numeric_limits<int>::max())
        return fallback;
    return static_cast<int>(*value);
}

void Clamp(QLineEdit* edit, int min, int max, int def)
{
    edit->setText(QString::fromStdString(ClampNumberText(edit->text().toStdString(), min, max, def)));
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, QLineEdit* buddy, int y)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setGeometry(5, y, 61, 21);
    label->setBuddy(buddy);
    return label;
}

QLineEdit* MakeEdit(QWidget* parent, const char* name, int y)
{
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(name);
    edit->setGeometry(75, y, 95, 21);
    return edit;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text, int x)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->setGeometry(x, 100, 80, 20);
    return button;
}

} // namespace

TfrmSize::TfrmSize(QWidget* parent)
    : QDialog(parent)
{
    setObjectName("frmSize");
    SetUpFixedDialog(this, tr("Size"), 175, 125);

    edtTall = MakeEdit(this, "edtTall", 5);
    edtWide = MakeEdit(this, "edtWide", 35);
    edtBomb = MakeEdit(this, "edtBomb", 65);
    btnOk = MakeButton(this, "btnOk", tr("OK"), 5);
    btnCancel = MakeButton(this, "btnCancel", tr("Cancel"), 90);
    // As the form was drawn, only the height label centres its text vertically.
    Label1 = MakeLabel(this, "Label1", tr("&Height:"), edtTall, 5);
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lblWidth = MakeLabel(this, "lblWidth", tr("&Width:"), edtWide, 35);
    lblWidth->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblBomb = MakeLabel(this, "lblBomb", tr("&Bombs:"), edtBomb, 65);
    lblBomb->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // A screen reader names each field after its label, without the colon.
    edtTall->setAccessibleName(tr("Height"));
    edtWide->setAccessibleName(tr("Width"));
    edtBomb->setAccessibleName(tr("Bombs"));

    setTabOrder(edtTall, edtWide);
    setTabOrder(edtWide, edtBomb);
    setTabOrder(edtBomb, btnOk);
    setTabOrder(btnOk, btnCancel);
    edtTall->setFocus();

    btnOk->setDefault(true);
    connect(btnOk, &QPushButton::clicked, this, &TfrmSize::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

    FitTexts(this);

    WatchEnterExit(edtTall, nullptr, [this] { edtTallExit(); });
    WatchEnterExit(edtWide, nullptr, [this] { edtWideExit(); });
    WatchEnterExit(edtBomb, nullptr, [this] { edtBombExit(); });
}

void TfrmSize::SetSlotsDown(int value)
{
    FTall = value;
    edtTall->setText(QString::number(value));
}

void TfrmSize::SetSlotsAcross(int value)
{
    FWide = value;
    edtWide->setText(QString::number(value));
}

void TfrmSize::SetBombTotal(int value)
{
    FBomb = value;
    edtBomb->setText(QString::number(value));
}

int TfrmSize::SlotsDown() const { return WholeNumberOr(edtTall->text(), FTall); }
int TfrmSize::SlotsAcross() const { return WholeNumberOr(edtWide->text(), FWide); }
int TfrmSize::BombTotal() const { return WholeNumberOr(edtBomb->text(), FBomb); }

void TfrmSize::edtTallExit() { Clamp(edtTall, FTallMin, FTallMax, FTall); }

void TfrmSize::edtWideExit() { Clamp(edtWide, FWideMin, FWideMax, FWide); }

void TfrmSize::edtBombExit()
{
    // The bound comes from the height and width texts as they stand now; a text
    // that is no whole number counts as the value it would be corrected to.
    long long upper = FBombMax;
    if (IsNumberText(edtBomb->text().toStdString(), true)) {
        const long long cells = static_cast<long long>(WholeNumberOr(edtTall->text(), FTall))
                                * WholeNumberOr(edtWide->text(), FWide);
        upper = std::min(upper, cells);
    }
    Clamp(edtBomb, FBombMin, static_cast<int>(upper), FBomb);
}

void TfrmSize::btnOkClick()
{
    edtTallExit();
    edtWideExit();
    edtBombExit();
    accept();
}
