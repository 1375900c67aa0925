#include "dialogs/uGetName.h"

#include "dialogs/DialogTools.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <limits>

TfrmGetName::TfrmGetName(QWidget* parent)
    : QDialog(parent)
{
    setObjectName("frmGetName");
    SetUpFixedDialog(this, tr("Best Time !"), 173, 65);

    lblName = new QLabel(tr("Name:"), this);
    lblName->setObjectName("lblName");
    lblName->setGeometry(5, 5, 41, 21);
    lblName->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    edtName = new QLineEdit(this);
    edtName->setObjectName("edtName");
    edtName->setGeometry(50, 5, 120, 21);
    edtName->setMaxLength(std::numeric_limits<int>::max());
    lblName->setBuddy(edtName);
    edtName->setAccessibleName(tr("Name")); // the label's text without its colon

    btnOk = new QPushButton(tr("OK"), this);
    btnOk->setObjectName("btnOk");
    btnOk->setGeometry(5, 40, 80, 20);
    btnOk->setDefault(true);
    connect(btnOk, &QPushButton::clicked, this, &QDialog::accept);

    btnCancel = new QPushButton(tr("Cancel"), this);
    btnCancel->setObjectName("btnCancel");
    btnCancel->setGeometry(90, 40, 80, 20);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);

    FitTexts(this);

    setTabOrder(edtName, btnOk);
    setTabOrder(btnOk, btnCancel);
}

void TfrmGetName::SetPlayerName(const QString& name) { edtName->setText(name); }
QString TfrmGetName::PlayerName() const { return edtName->text(); }

void TfrmGetName::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    edtName->setFocus(Qt::OtherFocusReason);
    edtName->selectAll();
}
