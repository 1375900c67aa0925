// The "Background" dialog: the picture shown behind a won field (none, the
// built-in one or a JPEG file of the player's choosing) and whether it is
// stretched; with the file checks that the dialog and the main window share.
#pragma once

#include <QDialog>
#include <QString>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

// The three background choices as the settings file keeps them.
inline constexpr char kBackgroundNone[] = "backgroundNone";
inline constexpr char kBackgroundDefault[] = "backgroundDefault";
inline constexpr char kBackgroundCustom[] = "backgroundCustom";

// True when the file exists and the path's last three characters are exactly
// "jpg" or its last four exactly "jpeg" (case-sensitive, no dot required).
bool IsJpegFileName(const QString& path);

// True when path names an existing file. Otherwise tells the player that the
// field labelled labelText (a final ":" dropped) holds a wrong path, and gives false.
bool CheckPathField(const QString& path, const QString& labelText, QWidget* parent = nullptr);

class TfrmBackground : public QDialog {
    Q_OBJECT

public:
    explicit TfrmBackground(QWidget* parent = nullptr);

    // kBackgroundNone, kBackgroundDefault or kBackgroundCustom, compared without
    // regard to case; any other value selects radNone.
    void SetBackgroundChoice(const QString& choice);
    QString BackgroundChoice() const;
    void SetBackgroundFile(const QString& path);
    QString BackgroundFile() const;
    void SetStretchBackground(bool stretch);
    bool StretchBackground() const;

    // The image controls follow radCustom, the stretch box any picture choice.
    void UpdateEnabling();
    void edtImageEnter();
    void edtImageExit();
    // Lets the player pick a file; its full path goes into edtImage and is checked at once.
    void btnGetFileClick();
    // A custom choice whose file does not exist falls back to the default
    // picture, silently; then the dialog closes with Accepted.
    void btnOkClick();

    QGroupBox* grpMain;
    QRadioButton* radNone;
    QRadioButton* radDefault;
    QRadioButton* radCustom;
    QLabel* lblImage;
    QLineEdit* edtImage;
    QPushButton* btnGetFile;
    QCheckBox* chkStretch;
    QWidget* pnlBottom;
    QPushButton* btnOk;
    QPushButton* btnCancel;

private:
    void UpdateTabStops();

    QString FImageTextOnEntry;
};
