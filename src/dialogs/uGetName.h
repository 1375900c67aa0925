// The "Best Time !" prompt: asks the holder of a new best time for a name.
#pragma once

#include <QDialog>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class QShowEvent;

class TfrmGetName : public QDialog {
    Q_OBJECT

public:
    explicit TfrmGetName(QWidget* parent = nullptr);

    // The name offered when the prompt opens, and the name exactly as typed.
    void SetPlayerName(const QString& name);
    QString PlayerName() const;

    QLabel* lblName;
    QLineEdit* edtName;
    QPushButton* btnOk;
    QPushButton* btnCancel;

protected:
    // The name edit opens focused with its whole text selected, ready to be typed over.
    void showEvent(QShowEvent* event) override;
};
