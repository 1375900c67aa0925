#include "dialogs/uBackground.h"

#include "dialogs/DialogTools.h"
#include "dialogs/MessageBox.h"
#include "dialogs/OpenFileDialog.h"
#include "settings/zorvUtil.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

// A directory is no picture file.
bool FileExists(const QString& path) { return QFileInfo(path).isFile(); }

// The file dialog starts with the patterns in its name box. The filter is
// shown as it reads; the patterns in brackets do the filtering.
const char* const kJpegFileName = "*.jpg;*.jpeg";
const char* const kJpegFilter = "*.jpg;*.jpeg (*.jpg *.jpeg)";

template <typename T>
T* Make(QWidget* parent, const char* name, const QString& text, int x, int y, int width, int height)
{
    auto* widget = new T(text, parent);
    widget->setObjectName(name);
    widget->setGeometry(x, y, width, height);
    return widget;
}

} // namespace

bool IsJpegFileName(const QString& path)
{
    return FileExists(path) && (path.endsWith("jpg", Qt::CaseSensitive) || path.endsWith("jpeg", Qt::CaseSensitive));
}

bool CheckPathField(const QString& path, const QString& labelText, QWidget* parent)
{
    if (FileExists(path))
        return true;
    QString field = labelText;
    // The label's colon, the full-width one of Chinese included, and the
    // space that French puts before it.
    if (field.endsWith(':') || field.endsWith(QChar(0xFF1A)))
        field = field.chopped(1).trimmed();
    ShowMessageBox(parent, TMsgIcon::None, TMsgButtons::Ok,
                   QCoreApplication::translate("TfrmBackground", "Either the path or the file name entered in the %1 field is incorrect.")
                       .arg(field));
    return false;
}

TfrmBackground::TfrmBackground(QWidget* parent)
    : QDialog(parent)
{
    setObjectName("frmBackground");
    SetUpFixedDialog(this, tr("Background"), 295, 176);

    grpMain = Make<QGroupBox>(this, "grpMain", QString(), 0, 0, 295, 136);
    radNone = Make<QRadioButton>(grpMain, "radNone", tr("No Background"), 10, 15, 280, 17);
    radDefault = Make<QRadioButton>(grpMain, "radDefault", tr("Show Default Background On Win"), 10, 35, 280, 17);
    radCustom = Make<QRadioButton>(grpMain, "radCustom", tr("Show Custom Background On Win"), 10, 55, 280, 17);
    lblImage = Make<QLabel>(grpMain, "lblImage", tr("Image:"), 10, 80, 41, 21);
    lblImage->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    edtImage = Make<QLineEdit>(grpMain, "edtImage", QString(), 50, 80, 211, 21);
    lblImage->setBuddy(edtImage);
    edtImage->setAccessibleName(tr("Image")); // the label's text without its colon
    btnGetFile = Make<QPushButton>(grpMain, "btnGetFile", "...", 267, 80, 21, 21);
    chkStretch = Make<QCheckBox>(grpMain, "chkStretch", tr("Stretch Background To Fit Window"), 10, 110, 280, 17);

    pnlBottom = new QWidget(this);
    pnlBottom->setObjectName("pnlBottom");
    pnlBottom->setGeometry(0, 136, 295, 40);
    btnOk = Make<QPushButton>(pnlBottom, "btnOk", tr("OK"), 124, 12, 80, 20);
    btnCancel = Make<QPushButton>(pnlBottom, "btnCancel", tr("Cancel"), 209, 12, 80, 20);

    FitTexts(this);

    setTabOrder(radNone, radDefault);
    setTabOrder(radDefault, radCustom);
    setTabOrder(radCustom, edtImage);
    setTabOrder(edtImage, btnGetFile);
    setTabOrder(btnGetFile, chkStretch);
    setTabOrder(chkStretch, btnOk);
    setTabOrder(btnOk, btnCancel);

    UpdateEnabling();
    for (auto* radio : {radNone, radDefault, radCustom}) {
        connect(radio, &QRadioButton::toggled, this, [this] {
            UpdateEnabling();
            UpdateTabStops();
        });
    }
    WatchEnterExit(edtImage, [this] { edtImageEnter(); }, [this] { edtImageExit(); });
    connect(btnGetFile, &QPushButton::clicked, this, &TfrmBackground::btnGetFileClick);

    btnOk->setDefault(true);
    connect(btnOk, &QPushButton::clicked, this, &TfrmBackground::btnOkClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmBackground::SetBackgroundChoice(const QString& choice)
{
    const std::string text = choice.toStdString();
    if (SameText(text, kBackgroundDefault))
        radDefault->setChecked(true);
    else if (SameText(text, kBackgroundCustom))
        radCustom->setChecked(true);
    else
        radNone->setChecked(true);
}

QString TfrmBackground::BackgroundChoice() const
{
    if (radDefault->isChecked())
        return kBackgroundDefault;
    if (radCustom->isChecked())
        return kBackgroundCustom;
    return kBackgroundNone;
}

void TfrmBackground::SetBackgroundFile(const QString& path) { edtImage->setText(path); }
QString TfrmBackground::BackgroundFile() const { return edtImage->text(); }
void TfrmBackground::SetStretchBackground(bool stretch) { chkStretch->setChecked(stretch); }
bool TfrmBackground::StretchBackground() const { return chkStretch->isChecked(); }

void TfrmBackground::UpdateEnabling()
{
    const bool custom = radCustom->isChecked();
    lblImage->setEnabled(custom);
    edtImage->setEnabled(custom);
    btnGetFile->setEnabled(custom);
    chkStretch->setEnabled(custom || radDefault->isChecked());
}

void TfrmBackground::UpdateTabStops()
{
    // The group is one stop for Tab, at the selected button; the arrow keys move
    // the selection within it.
    const bool noneChecked = !(radNone->isChecked() || radDefault->isChecked() || radCustom->isChecked());
    for (auto* radio : {radNone, radDefault, radCustom})
        radio->setFocusPolicy(noneChecked || radio->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

void TfrmBackground::edtImageEnter() { FImageTextOnEntry = edtImage->text(); }

void TfrmBackground::edtImageExit()
{
    const QString text = edtImage->text();
    if (text != FImageTextOnEntry && !text.isEmpty())
        CheckPathField(text, lblImage->text(), this);
}

void TfrmBackground::btnGetFileClick()
{
    const QString chosen = ChooseOpenFile(this, QDir::currentPath(), kJpegFileName, kJpegFilter);
    if (chosen.isEmpty())
        return;
    edtImage->setText(QFileInfo(chosen).absoluteFilePath());
    edtImageExit();
}

void TfrmBackground::btnOkClick()
{
    if (radCustom->isChecked() && !FileExists(edtImage->text()))
        radDefault->setChecked(true);
    accept();
}
