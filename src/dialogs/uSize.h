// The "Size" dialog: the player sets the field's rows, columns and bombs. Every
// edit is corrected into its bounds as soon as the focus leaves it, and all three
// again on OK, so the caller only ever reads usable whole numbers.
#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;

class TfrmSize : public QDialog {
    Q_OBJECT

public:
    explicit TfrmSize(QWidget* parent = nullptr);

    // Bounds (defaults: rows 1 to 100, columns 1 to 100, bombs 0 to 10000).
    void SetSlotsDownMin(int value) { FTallMin = value; }
    void SetSlotsDownMax(int value) { FTallMax = value; }
    void SetSlotsAcrossMin(int value) { FWideMin = value; }
    void SetSlotsAcrossMax(int value) { FWideMax = value; }
    void SetBombTotalMin(int value) { FBombMin = value; }
    void SetBombTotalMax(int value) { FBombMax = value; }

    // The values at opening: they replace unusable entries, and setting one also
    // puts it into its edit as decimal text.
    void SetSlotsDown(int value);
    void SetSlotsAcross(int value);
    void SetBombTotal(int value);

    // The edits' values as whole numbers: the whole part of a number text
    // ("12.5" gives 12), the value at opening for anything else.
    int SlotsDown() const;
    int SlotsAcross() const;
    int BombTotal() const;

    // Corrections run when the focus leaves an edit; OK runs all three in order
    // and closes with Accepted.
    void edtTallExit();
    void edtWideExit();
    void edtBombExit();
    void btnOkClick();

    QLabel* Label1;
    QLineEdit* edtTall;
    QLabel* lblWidth;
    QLineEdit* edtWide;
    QLabel* lblBomb;
    QLineEdit* edtBomb;
    QPushButton* btnOk;
    QPushButton* btnCancel;

private:
    int FTallMin = 1;
    int FTallMax = 100;
    int FWideMin = 1;
    int FWideMax = 100;
    int FBombMin = 0;
    int FBombMax = 10000;
    int FTall = 0;
    int FWide = 0;
    int FBomb = 0;
};
