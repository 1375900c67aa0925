// What the four dialogs share: a fixed frame in the window font, the walk of
// the Tab key, and the buttons that close them.
#include "dialogs/uAbout.h"
#include "dialogs/uBackground.h"
#include "dialogs/uGetName.h"
#include "dialogs/uSize.h"

#include "DialogTestSupport.h"
#include "render/Fonts.h"

#include <QAccessible>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <functional>
#include <memory>

namespace {

struct TDialogCase {
    const char* Name;
    std::function<std::unique_ptr<QDialog>()> Make;
    const char* Caption;
    QSize Client;
    QStringList TabOrder;
    QStringList FieldNames; // what a screen reader calls the text fields on the walk
};

void PrintTo(const TDialogCase& c, std::ostream* os) { *os << c.Name; }

template <typename T>
std::unique_ptr<QDialog> Make()
{
    return std::make_unique<T>();
}

template <const char* Choice>
std::unique_ptr<QDialog> MakeBackground()
{
    auto d = std::make_unique<TfrmBackground>();
    d->SetBackgroundChoice(Choice);
    return d;
}

const TDialogCase kDialogs[] = {
    {"Size", Make<TfrmSize>, "Size", {175, 125},
     {"edtTall", "edtWide", "edtBomb", "btnOk", "btnCancel", "edtTall"}, {"Height", "Width", "Bombs", "Height"}},
    {"Background", MakeBackground<kBackgroundCustom>, "Background", {295, 176},
     {"radCustom", "edtImage", "btnGetFile", "chkStretch", "btnOk", "btnCancel", "radCustom"}, {"Image"}},
    {"About", Make<TfrmAbout>, "About", {440, 243}, {}, {}},
    {"GetName", Make<TfrmGetName>, "Best Time !", {173, 65},
     {"edtName", "btnOk", "btnCancel", "edtName"}, {"Name", "Name"}},
    // The radio group is one Tab stop, at the selected button.
    {"BackgroundDefault", MakeBackground<kBackgroundDefault>, "Background", {295, 176},
     {"radDefault", "chkStretch", "btnOk", "btnCancel", "radDefault"}, {}},
};

class DialogLayoutTest : public testing::TestWithParam<TDialogCase> {};

TEST_P(DialogLayoutTest, FixedFrameAndTabOrder)
{
    const auto& c = GetParam();
    const auto d = c.Make();
    ShowActive(*d);
    EXPECT_EQ(d->windowTitle(), c.Caption);
    EXPECT_EQ(d->size(), c.Client);
    EXPECT_EQ(d->minimumSize(), c.Client);
    EXPECT_EQ(d->maximumSize(), c.Client);
    EXPECT_EQ(d->font(), WindowFont());
    QStringList walked;
    QStringList named;
    for (qsizetype i = 0; i < c.TabOrder.size(); ++i) {
        QWidget* focus = QApplication::focusWidget();
        walked << focus->objectName();
        if (qobject_cast<QLineEdit*>(focus))
            named << QAccessible::queryAccessibleInterface(focus)->text(QAccessible::Name);
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    EXPECT_EQ(walked, c.TabOrder);
    EXPECT_EQ(named, c.FieldNames);
}

enum class TClose { Return, Escape, OkButton, CancelButton };

void PrintTo(TClose how, std::ostream* os)
{
    const char* names[] = {"Return", "Escape", "OK button", "Cancel button"};
    *os << names[static_cast<int>(how)];
}

class DialogCloseTest : public testing::TestWithParam<std::tuple<TDialogCase, TClose>> {};

TEST_P(DialogCloseTest, OkAcceptsAndCancelRejects)
{
    const auto& [c, how] = GetParam();
    const auto d = c.Make();
    ShowActive(*d);
    auto* ok = d->findChild<QPushButton*>("btnOk");
    auto* cancel = d->findChild<QPushButton*>("btnCancel");
    ASSERT_TRUE(ok && cancel);
    EXPECT_TRUE(ok->isDefault());
    switch (how) {
    case TClose::Return: QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); break;
    case TClose::Escape: QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape); break;
    case TClose::OkButton: QTest::mouseClick(ok, Qt::LeftButton); break;
    case TClose::CancelButton: QTest::mouseClick(cancel, Qt::LeftButton); break;
    }
    EXPECT_FALSE(d->isVisible());
    const bool accepted = how == TClose::Return || how == TClose::OkButton;
    EXPECT_EQ(d->result(), accepted ? QDialog::Accepted : QDialog::Rejected);
}

std::string CaseName(const testing::TestParamInfo<TDialogCase>& info) { return info.param.Name; }

INSTANTIATE_TEST_SUITE_P(All, DialogLayoutTest, testing::ValuesIn(kDialogs), CaseName);
INSTANTIATE_TEST_SUITE_P(WithButtons, DialogCloseTest,
                         testing::Combine(testing::Values(kDialogs[0], kDialogs[1], kDialogs[3]),
                                          testing::Values(TClose::Return, TClose::Escape, TClose::OkButton,
                                                          TClose::CancelButton)));

} // namespace
