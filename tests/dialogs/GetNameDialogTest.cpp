#include "dialogs/uGetName.h"

#include "DialogTestSupport.h"

#include <QPushButton>

namespace {

TEST(GetNameDialogTest, OpensWithTheWholeNameSelectedAndReturnsTheTypedOne)
{
    const struct {
        const char* Initial;
        const char* Typed;
    } cases[] = {
        {"me", "Ann"}, {"Bo Lind", "a=b]c[d"}, {"", "[names]"}, {"x", "  padded  "}, {"keep=me]", nullptr},
    };
    for (const auto& c : cases) {
        TfrmGetName d;
        d.SetPlayerName(c.Initial);
        ShowActive(d);
        EXPECT_EQ(QApplication::focusWidget(), d.edtName);
        EXPECT_EQ(d.edtName->selectedText(), c.Initial);
        const QString expected = c.Typed ? c.Typed : c.Initial;
        if (c.Typed)
            QTest::keyClicks(d.edtName, c.Typed);  // replaces the selection
        QTest::keyClick(d.edtName, Qt::Key_Return);
        EXPECT_EQ(d.result(), QDialog::Accepted);
        EXPECT_EQ(d.PlayerName(), expected);
    }
}

TEST(GetNameDialogTest, NameLengthIsNotLimited)
{
    TfrmGetName d;
    const QString longName(40000, QChar('n'));
    d.edtName->insert(longName);
    EXPECT_EQ(d.PlayerName(), longName);
}

} // namespace
