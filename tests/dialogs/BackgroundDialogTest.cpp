#include "dialogs/uBackground.h"

#include "DialogTestSupport.h"
#include "dialogs/MessageBox.h"
#include "dialogs/OpenFileDialog.h"

#include <QCheckBox>
#include <QDir>
#include <QFileDialog>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

namespace {

const QString kImageMessage = "Either the path or the file name entered in the Image field is incorrect.";

class BackgroundDialogTest : public testing::Test {
protected:
    QString Touch(const QString& name)
    {
        const QString path = FDir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        return path;
    }
    QString Missing() const { return FDir.filePath("missing.jpg"); }

    QTemporaryDir FDir;
    QStringList FMessages;
    TScopedMessageBoxAnswerer FAnswerer{[this](const TMessageBoxRequest& request) {
        FMessages << request.Text;
        return TMsgResult::Ok;
    }};
};

TEST_F(BackgroundDialogTest, JpegNameTestIsExactAndNeedsAnExistingFile)
{
    ASSERT_TRUE(QDir(FDir.path()).mkdir("folder.jpg"));
    const struct {
        const char* Name;
        bool Create;
        bool Expected;
    } cases[] = {
        {"PHOTO.JPG", true, false}, {"photojpg", true, true},  {"photo.jpg", true, true},
        {"photo.jpeg", true, true}, {"photo.Jpeg", true, false}, {"photo.jpg.png", true, false},
        {"gone.jpg", false, false}, {"folder.jpg", false, false},
    };
    for (const auto& c : cases) {
        const QString path = c.Create ? Touch(c.Name) : FDir.filePath(c.Name);
        EXPECT_EQ(IsJpegFileName(path), c.Expected) << c.Name;
    }
}

TEST_F(BackgroundDialogTest, CheckPathFieldNamesTheFieldOfAMissingFile)
{
    const QString existing = Touch("pic.jpg");
    const struct {
        QString Path;
        QString Label;
        bool Expected;
        QStringList Messages;
    } cases[] = {
        {existing, "Image:", true, {}},
        {Missing(), "Image:", false, {kImageMessage}},
        {"", "Image:", false, {kImageMessage}},
        {Missing(), "Path", false, {"Either the path or the file name entered in the Path field is incorrect."}},
    };
    for (const auto& c : cases) {
        FMessages.clear();
        EXPECT_EQ(CheckPathField(c.Path, c.Label), c.Expected) << c.Path.toStdString();
        EXPECT_EQ(FMessages, c.Messages) << c.Path.toStdString();
    }
}

TEST_F(BackgroundDialogTest, LeavingTheImageEditChecksAChangedPath)
{
    const QString existing = Touch("pic.jpg");
    const struct {
        QString AtOpening;
        QString Typed;  // null: left unchanged
        TLeave How;
        int Messages;
    } cases[] = {
        {existing, Missing(), TLeave::Tab, 1}, {existing, Missing(), TLeave::Mouse, 1},
        {Missing(), {}, TLeave::Tab, 0},       {existing, "", TLeave::Tab, 0},
        {Missing(), existing, TLeave::Mouse, 0},
    };
    for (const auto& c : cases) {
        FMessages.clear();
        TfrmBackground d;
        d.SetBackgroundChoice(kBackgroundCustom);
        d.SetBackgroundFile(c.AtOpening);
        ShowActive(d);
        if (c.Typed.isNull())
            QTest::mouseClick(d.edtImage, Qt::LeftButton);
        else
            Retype(d.edtImage, c.Typed);
        Leave(d.edtImage, c.How, d.chkStretch);
        EXPECT_EQ(FMessages.size(), c.Messages) << c.Typed.toStdString();
        if (c.Messages > 0) {
            EXPECT_EQ(FMessages.front(), kImageMessage);
        }
        EXPECT_EQ(d.edtImage->text(), c.Typed.isNull() ? c.AtOpening : c.Typed);
    }
}

TEST_F(BackgroundDialogTest, EnablingFollowsTheSelectedRadio)
{
    struct TCase {
        const char* Choice;
        QRadioButton* TfrmBackground::*Radio;
        bool Image;
        bool Stretch;
    };
    const TCase cases[] = {
        {kBackgroundNone, &TfrmBackground::radNone, false, false},
        {kBackgroundDefault, &TfrmBackground::radDefault, false, true},
        {kBackgroundCustom, &TfrmBackground::radCustom, true, true},
    };
    const auto expectFor = [](const TfrmBackground& d, const TCase& c) {
        EXPECT_TRUE((d.*c.Radio)->isChecked()) << c.Choice;
        EXPECT_EQ(d.BackgroundChoice(), c.Choice);
        EXPECT_EQ(d.lblImage->isEnabled(), c.Image) << c.Choice;
        EXPECT_EQ(d.edtImage->isEnabled(), c.Image) << c.Choice;
        EXPECT_EQ(d.btnGetFile->isEnabled(), c.Image) << c.Choice;
        EXPECT_EQ(d.chkStretch->isEnabled(), c.Stretch) << c.Choice;
    };
    for (const auto& filled : cases) {
        TfrmBackground d;
        EXPECT_FALSE(d.lblImage->isEnabled() || d.edtImage->isEnabled() || d.btnGetFile->isEnabled()
                     || d.chkStretch->isEnabled());  // nothing selected yet
        d.SetBackgroundChoice(filled.Choice);
        expectFor(d, filled);
        ShowActive(d);
        for (const auto& clicked : cases) {
            QTest::mouseClick(d.*clicked.Radio, Qt::LeftButton, {}, QPoint(6, 8));
            expectFor(d, clicked);
        }
    }
}

TEST_F(BackgroundDialogTest, ChoiceIsReadWithoutRegardToCase)
{
    const std::pair<const char*, const char*> cases[] = {
        {"BACKGROUNDCUSTOM", kBackgroundCustom}, {"backgrounddefault", kBackgroundDefault},
        {"backgroundNone", kBackgroundNone},     {"something", kBackgroundNone},
        {"", kBackgroundNone},
    };
    for (const auto& [given, read] : cases) {
        TfrmBackground d;
        d.SetBackgroundChoice(kBackgroundDefault);
        d.SetBackgroundChoice(given);
        EXPECT_EQ(d.BackgroundChoice(), read) << given;
    }
}

TEST_F(BackgroundDialogTest, OkFallsBackToTheDefaultPictureSilently)
{
    const QString existing = Touch("pic.jpg");
    const struct {
        const char* Choice;
        QString File;
        const char* AfterOk;
    } cases[] = {
        {kBackgroundCustom, existing, kBackgroundCustom},   {kBackgroundCustom, Missing(), kBackgroundDefault},
        {kBackgroundCustom, FDir.path(), kBackgroundDefault}, {kBackgroundCustom, "", kBackgroundDefault},
        {kBackgroundNone, Missing(), kBackgroundNone},      {kBackgroundDefault, Missing(), kBackgroundDefault},
    };
    for (const auto& c : cases) {
        TfrmBackground d;
        d.SetBackgroundChoice(c.Choice);
        d.SetBackgroundFile(c.File);
        d.SetStretchBackground(true);
        d.btnOk->click();
        EXPECT_EQ(d.result(), QDialog::Accepted);
        EXPECT_EQ(d.BackgroundChoice(), c.AfterOk) << c.File.toStdString();
        EXPECT_EQ(d.BackgroundFile(), c.File);
        EXPECT_TRUE(d.StretchBackground());
    }
    EXPECT_TRUE(FMessages.isEmpty());
}

// Enter in the edit presses OK; the switch to the default picture disables
// the edit, which is no leaving of it, so no message comes first.
TEST_F(BackgroundDialogTest, EnterInTheImageEditIsOkWithoutAMessage)
{
    const QString existing = Touch("pic.jpg");
    const std::pair<QString, const char*> cases[] = {{Missing(), kBackgroundDefault}, {existing, kBackgroundCustom}};
    for (const auto& [typed, afterOk] : cases) {
        FMessages.clear();
        TfrmBackground d;
        d.SetBackgroundChoice(kBackgroundCustom);
        d.SetBackgroundFile(existing);
        ShowActive(d);
        Retype(d.edtImage, typed);
        QTest::keyClick(d.edtImage, Qt::Key_Return);
        EXPECT_FALSE(d.isVisible());
        EXPECT_EQ(d.result(), QDialog::Accepted);
        EXPECT_EQ(d.BackgroundChoice(), afterOk);
        EXPECT_EQ(d.BackgroundFile(), typed);
        EXPECT_TRUE(FMessages.isEmpty()) << typed.toStdString();
    }
}

TEST_F(BackgroundDialogTest, ChosenFileGoesIntoTheEditAndIsCheckedAtOnce)
{
    const QString existing = Touch("pic.jpg");
    const struct {
        QString Chosen;
        QString Expected;
        int Messages;
    } cases[] = {
        {existing, existing, 0},
        {"no-such-picture.jpg", QDir::current().absoluteFilePath("no-such-picture.jpg"), 1},
        {"", "before", 0},  // the file dialog was cancelled
    };
    for (const auto& c : cases) {
        FMessages.clear();
        QList<TOpenFileRequest> requests;
        TScopedOpenFileChooser chooser([&](const TOpenFileRequest& request) {
            requests << request;
            return c.Chosen;
        });
        TfrmBackground d;
        d.SetBackgroundChoice(kBackgroundCustom);
        d.SetBackgroundFile("before");
        ShowActive(d);
        QTest::mouseClick(d.btnGetFile, Qt::LeftButton);
        ASSERT_EQ(requests.size(), 1);
        EXPECT_EQ(requests.front().Directory, QDir::currentPath());
        EXPECT_EQ(requests.front().FileName, "*.jpg;*.jpeg");
        EXPECT_TRUE(requests.front().Filter.contains("*.jpg") && requests.front().Filter.contains("*.jpeg"));
        EXPECT_EQ(d.BackgroundFile(), c.Expected);
        EXPECT_EQ(FMessages.size(), c.Messages) << c.Chosen.toStdString();
    }
}

// The real file dialog, as the player sees it: in the given folder, with the
// patterns in its name box.
TEST_F(BackgroundDialogTest, FileDialogStartsWithThePatternsInItsNameBox)
{
    QString shownFolder;
    QString shownName;
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        shownFolder = dialog->directory().absolutePath();
        if (auto* name = dialog->findChild<QLineEdit*>("fileNameEdit"))
            shownName = name->text();
        dialog->reject();
    });
    EXPECT_EQ(ChooseOpenFile(nullptr, FDir.path(), "*.jpg;*.jpeg", "*.jpg;*.jpeg (*.jpg *.jpeg)"), QString());
    EXPECT_EQ(shownFolder, QDir(FDir.path()).absolutePath());
    EXPECT_EQ(shownName, "*.jpg;*.jpeg");
}

} // namespace
