// The win picture: the choice and its fallbacks, the dialog's writes, and the
// picture drawn behind the open cells after the short delay.
#include "window/WindowTestSupport.h"

#include "dialogs/uBackground.h"
#include "render/DefaultWinPicture.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

namespace {

struct BackgroundTest : WindowFixture {
    // A picture of one colour, written as a JPEG file in the working folder.
    QString Picture(const QString& name, QSize size, const QColor& colour)
    {
        QImage image(size, QImage::Format_RGB32);
        image.fill(colour);
        const QString path = folder.filePath(name);
        EXPECT_TRUE(image.save(path, "JPG", 100));
        return path;
    }
    static bool Near(const QColor& a, const QColor& b)
    {
        return std::abs(a.red() - b.red()) < 8 && std::abs(a.green() - b.green()) < 8 &&
               std::abs(a.blue() - b.blue()) < 8;
    }
    QColor CanvasAt(int x, int y) { return Panel().Canvas().pixelColor(x, y); }
    void WinAndWaitForThePicture()
    {
        Layout({"*.........", "..........", ".........."});
        Click(9, 2);
        ASSERT_TRUE(window->FField->PictureShown());
        QTRY_VERIFY(!window->timPaintDelayer.isActive());
    }
};

struct ChoiceCase {
    const char* Name;
    const char* File;   // created as a JPEG when set
    bool Decodable;
    const char* Choice; // what is in effect afterwards
};

class BackgroundChoiceTest : public BackgroundTest, public ::testing::WithParamInterface<ChoiceCase> {};

TEST_P(BackgroundChoiceTest, CustomFilesFallBackToTheDefaultSilently)
{
    const ChoiceCase& c = GetParam();
    QString path = folder.filePath(c.File);
    if (c.Decodable)
        Picture(c.File, QSize(20, 10), Qt::green);
    else if (QString(c.File) != "missing.jpg")
        WriteFile(c.File, "not a picture at all");
    WriteFile("Dravolt.ini", "[settings]\nbackground=backgroundCustom\nbackgroundFile=" + path.toStdString() + "\n");
    ASSERT_TRUE(Start());
    EXPECT_EQ(window->BackgroundChoice, c.Choice);
    EXPECT_TRUE(window->FField->ShowPictureOnWin());
    EXPECT_EQ(window->imgWinner.Picture().size(), QString(c.Choice) == "backgroundCustom" ? QSize(20, 10) : QSize(300, 150));
    EXPECT_TRUE(messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Files, BackgroundChoiceTest,
                         ::testing::Values(ChoiceCase{"Jpg", "beach.jpg", true, "backgroundCustom"},
                                           ChoiceCase{"NoDot", "photojpg", true, "backgroundCustom"},
                                           ChoiceCase{"Jpeg", "x.jpeg", true, "backgroundCustom"},
                                           ChoiceCase{"CapitalName", "PHOTO.JPG", true, "backgroundDefault"},
                                           ChoiceCase{"Missing", "missing.jpg", false, "backgroundDefault"},
                                           ChoiceCase{"NotAJpeg", "broken.jpg", false, "backgroundDefault"}),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(BackgroundTest, NoBackgroundMeansAnOrdinaryWin)
{
    WriteFile("Dravolt.ini", "[settings]\nbackground=backgroundNone\n");
    ASSERT_TRUE(Start());
    EXPECT_FALSE(window->FField->ShowPictureOnWin());
    Layout({"*.........", "..........", ".........."});
    Click(9, 2);
    EXPECT_FALSE(window->FField->PictureShown());
    EXPECT_FALSE(window->timPaintDelayer.isActive());
    EXPECT_EQ(CanvasAt(3 + 16 * 5 + 5, 3 + 16 + 5), QColor(192, 192, 192));
}

TEST_F(BackgroundTest, DefaultPictureIsCentredBehindTheOpenCells)
{
    ASSERT_TRUE(Start());
    WinAndWaitForThePicture();
    // 300 x 150 centred in the 160 x 48 cell area: the middle of the picture.
    const QImage expected = DefaultWinPicture();
    const QPoint inCell(3 + 16 * 5 + 6, 3 + 16 + 7);
    const QPoint inPicture(inCell.x() - 3 + (300 - 160) / 2, inCell.y() - 3 + (150 - 48) / 2);
    EXPECT_TRUE(Near(CanvasAt(inCell.x(), inCell.y()), expected.pixelColor(inPicture)));
    EXPECT_EQ(CanvasAt(3 + 16 * 5 + 15, 3 + 16 + 5), QColor(128, 128, 128)) << "grid lines over the picture";
    EXPECT_TRUE(window->imgWinner.Visible());
    // The next game hides it again.
    window->actNewGameExecute();
    EXPECT_FALSE(window->imgWinner.Visible());
    EXPECT_FALSE(window->FField->PictureShown());
    EXPECT_FALSE(Panel().Cell(5, 1).SeeThrough);
    EXPECT_EQ(CanvasAt(inCell.x(), inCell.y()), Panel().palette().color(QPalette::Button));
}

TEST_F(BackgroundTest, StretchedPictureFillsExactlyTheCellArea)
{
    const QString path = Picture("small.jpg", QSize(8, 8), QColor(0, 200, 0));
    WriteFile("Dravolt.ini", "[settings]\nbackground=backgroundCustom\nbackgroundStretch=1\nbackgroundFile=" +
                                 path.toStdString() + "\n");
    ASSERT_TRUE(Start());
    WinAndWaitForThePicture();
    const QColor green(0, 200, 0);
    EXPECT_TRUE(Near(CanvasAt(3 + 2, 3 + 2), green));
    EXPECT_TRUE(Near(CanvasAt(3 + 159 - 2, 3 + 47 - 2), green)) << "to the far corner";
    EXPECT_FALSE(Near(CanvasAt(1, 1), green)) << "the bevel is not the cell area";
}

TEST_F(BackgroundTest, BestTimePromptRedrawsTheCellsOverThePicture)
{
    ASSERT_TRUE(Start());
    dialogs.push_back([](QDialog&) { return int(QDialog::Accepted); });
    Layout({"*.........", "..........", ".........."});
    Click(9, 2);
    ASSERT_EQ(dialogTitles, std::vector<QString>{"Best Time !"});
    EXPECT_TRUE(window->timPaintDelayer.isActive()) << "started again when the prompt closed";
}

TEST_F(BackgroundTest, DialogOkStoresTheChoiceInEffect)
{
    ASSERT_TRUE(Start());
    dialogs.push_back([this](QDialog& dialog) {
        auto& background = dynamic_cast<TfrmBackground&>(dialog);
        background.radCustom->setChecked(true);
        background.UpdateEnabling();
        background.edtImage->setText(folder.filePath("nowhere.jpg"));
        background.chkStretch->setChecked(true);
        background.btnOkClick(); // falls back to the default picture
        return background.result();
    });
    window->actSetBackgroundExecute();
    EXPECT_EQ(window->FSettings.ReadString("settings", "background", "-1"), "backgroundDefault");
    EXPECT_EQ(window->FSettings.ReadString("settings", "backgroundFile", "-1"),
              folder.filePath("nowhere.jpg").toStdString());
    EXPECT_EQ(window->FSettings.ReadString("settings", "backgroundStretch", "-1"), "1");
    EXPECT_TRUE(window->imgWinner.Stretch());

    const QString path = Picture("real.jpg", QSize(30, 20), Qt::blue);
    dialogs.push_back([&](QDialog& dialog) {
        auto& background = dynamic_cast<TfrmBackground&>(dialog);
        EXPECT_TRUE(background.radDefault->isChecked()) << "the dialog opens on the choice in effect";
        background.radCustom->setChecked(true);
        background.edtImage->setText(path);
        background.chkStretch->setChecked(false);
        return int(QDialog::Accepted);
    });
    window->actSetBackgroundExecute();
    EXPECT_EQ(window->BackgroundChoice, "backgroundCustom");
    EXPECT_EQ(window->imgWinner.Picture().size(), QSize(30, 20));
    EXPECT_EQ(window->FSettings.ReadString("settings", "backgroundStretch", "-1"), "0");

    // Cancel changes nothing.
    window->actSetBackgroundExecute();
    EXPECT_EQ(window->BackgroundChoice, "backgroundCustom");
}

TEST_F(BackgroundTest, OnetimeSetupStoresTheFullPathBeforeTheWindowShows)
{
    Picture("pic.jpg", QSize(10, 10), Qt::red);
    WriteFile("Dravolt.ini", "[settings]\nbackgroundOnetimeSetup=1\nbackgroundFile=pic.jpg\n");
    window = std::make_unique<TfrmDravolt>(time);
    ASSERT_TRUE(window->FormCreate());
    const std::string saved = ReadFile("Dravolt.ini");
    EXPECT_NE(saved.find("backgroundFile=" + folder.filePath("pic.jpg").toStdString() + "\n"), std::string::npos)
        << saved;
    EXPECT_EQ(saved.find("backgroundOnetimeSetup"), std::string::npos);
    EXPECT_EQ(window->BackgroundChoice, "backgroundCustom");
    EXPECT_EQ(window->imgWinner.Picture().size(), QSize(10, 10));
}

TEST_F(BackgroundTest, PanelCreatedByTheSwitchShowsNoPictureUntilApplied)
{
    ASSERT_TRUE(Start());
    window->actAnimate->trigger();
    EXPECT_FALSE(window->FField->ShowPictureOnWin());
    dialogs.push_back([](QDialog&) { return int(QDialog::Accepted); });
    window->actSetBackgroundExecute();
    EXPECT_TRUE(window->FField->ShowPictureOnWin());
}

} // namespace
