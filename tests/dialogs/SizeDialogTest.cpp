#include "dialogs/uSize.h"

#include "DialogTestSupport.h"

#include <QPushButton>
#include <memory>

namespace {

// The dialog as the main window opens it: rows 1 to 60, columns 10 to 100,
// bombs 0 to 10000.
std::unique_ptr<TfrmSize> OpenSize(int tall, int wide, int bomb)
{
    auto dialog = std::make_unique<TfrmSize>();
    dialog->SetSlotsDownMin(1);
    dialog->SetSlotsDownMax(60);
    dialog->SetSlotsAcrossMin(10);
    dialog->SetSlotsAcrossMax(100);
    dialog->SetBombTotalMin(0);
    dialog->SetBombTotalMax(10000);
    dialog->SetSlotsDown(tall);
    dialog->SetSlotsAcross(wide);
    dialog->SetBombTotal(bomb);
    return dialog;
}

enum class TEdit { Tall, Wide, Bomb };

QLineEdit* EditOf(TfrmSize& d, TEdit which)
{
    return which == TEdit::Tall ? d.edtTall : which == TEdit::Wide ? d.edtWide : d.edtBomb;
}

struct TLeaveCase {
    TEdit Edit;
    const char* Typed;
    const char* Expected;  // with 5 rows, 10 columns and 7 bombs at opening
};

void PrintTo(const TLeaveCase& c, std::ostream* os)
{
    const char* names[] = {"height", "width", "bombs"};
    *os << names[static_cast<int>(c.Edit)] << " \"" << c.Typed << "\"";
}

class SizeDialogLeaveTest : public testing::TestWithParam<std::tuple<TLeaveCase, TLeave>> {};

TEST_P(SizeDialogLeaveTest, LeavingAnEditCorrectsIt)
{
    const auto& [c, how] = GetParam();
    auto d = OpenSize(5, 10, 7);
    ShowActive(*d);
    QLineEdit* edit = EditOf(*d, c.Edit);
    Retype(edit, c.Typed);
    ASSERT_EQ(edit->text(), c.Typed);
    Leave(edit, how, edit == d->edtTall ? d->edtWide : d->edtTall);
    EXPECT_EQ(edit->text(), c.Expected);
}

const TLeaveCase kLeaveCases[] = {
    {TEdit::Tall, "0", "1"},    {TEdit::Tall, "75", "60"},  {TEdit::Tall, "abc", "5"},
    {TEdit::Tall, "", "5"},     {TEdit::Tall, "-3", "5"},   {TEdit::Tall, "12.5", "12.5"},
    {TEdit::Tall, ".", "5"},    {TEdit::Wide, "5", "10"},   {TEdit::Wide, "abc", "10"},
    {TEdit::Wide, "", "10"},    {TEdit::Wide, "-3", "10"},  {TEdit::Wide, "100", "100"},
    {TEdit::Bomb, "80", "50"},  {TEdit::Bomb, "50", "50"},  {TEdit::Bomb, "abc", "7"},
    {TEdit::Bomb, "", "7"},     {TEdit::Bomb, "1.2.3", "7"},
};

INSTANTIATE_TEST_SUITE_P(Cases, SizeDialogLeaveTest,
                         testing::Combine(testing::ValuesIn(kLeaveCases), testing::Values(TLeave::Tab, TLeave::Mouse)));

TEST(SizeDialogTest, BombBoundIsTakenWhenTheBombEditIsLeft)
{
    auto d = OpenSize(10, 10, 7);
    ShowActive(*d);
    Retype(d->edtBomb, "80");
    Leave(d->edtBomb, TLeave::Tab, nullptr);
    EXPECT_EQ(d->edtBomb->text(), "80");
    Retype(d->edtTall, "5");
    Leave(d->edtTall, TLeave::Tab, nullptr);
    EXPECT_EQ(d->edtBomb->text(), "80");  // not re-checked before OK
    d->btnOk->click();
    EXPECT_EQ(d->edtBomb->text(), "50");
    EXPECT_EQ(d->result(), QDialog::Accepted);
}

TEST(SizeDialogTest, OkCorrectsHeightAndWidthBeforeBoundingTheBombs)
{
    auto d = OpenSize(5, 10, 7);
    ShowActive(*d);
    Retype(d->edtBomb, "9999");
    d->edtTall->setText("75");  // set without the focus passing through
    d->edtWide->setText("5");
    QTest::keyClick(d->edtBomb, Qt::Key_Return);
    EXPECT_EQ(d->edtTall->text(), "60");
    EXPECT_EQ(d->edtWide->text(), "10");
    EXPECT_EQ(d->edtBomb->text(), "600");  // 60 × 10, not 75 × 5
    EXPECT_EQ(d->result(), QDialog::Accepted);
    EXPECT_FALSE(d->isVisible());
}

TEST(SizeDialogTest, CallerGetsWholeNumbers)
{
    struct {
        const char* Tall;
        const char* Bomb;
        int SlotsDown;
        int BombTotal;
    } const cases[] = {
        {"12.5", "12.5", 12, 12}, {".", ".", 5, 7}, {"1.2.3", "", 5, 7}, {"60", "0", 60, 0}, {"4.", "30.9", 4, 30},
    };
    for (const auto& c : cases) {
        auto d = OpenSize(5, 10, 7);
        d->edtTall->setText(c.Tall);
        d->edtBomb->setText(c.Bomb);
        d->btnOk->click();
        EXPECT_EQ(d->SlotsDown(), c.SlotsDown) << c.Tall;
        EXPECT_EQ(d->SlotsAcross(), 10);
        EXPECT_EQ(d->BombTotal(), c.BombTotal) << c.Bomb;
    }
}

TEST(SizeDialogTest, AcceleratorsReachTheirEdits)
{
    auto d = OpenSize(5, 10, 7);
    ShowActive(*d);
    EXPECT_EQ(QApplication::focusWidget(), d->edtTall);
    d->edtTall->setText("0");
    QTest::keyClick(d.get(), Qt::Key_B, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), d->edtBomb);
    EXPECT_EQ(d->edtTall->text(), "1");  // leaving by accelerator corrects too
    QTest::keyClick(d.get(), Qt::Key_W, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), d->edtWide);
    QTest::keyClick(d.get(), Qt::Key_H, Qt::AltModifier);
    EXPECT_EQ(QApplication::focusWidget(), d->edtTall);
}

} // namespace
