#include "setfiles/SetNameForm.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>

void SetNameForm::setupForm(QDialog *dialog)
{
    if (dialog->objectName().isEmpty())
        dialog->setObjectName(QStringLiteral("SetName"));
    dialog->resize(219, 81);

    buttonBox = new QDialogButtonBox(dialog);
    buttonBox->setObjectName(QStringLiteral("buttonBox"));
    buttonBox->setGeometry(45, 45, 161, 32);
    buttonBox->setOrientation(Qt::Horizontal);
    buttonBox->setStandardButtons(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);

    Name = new QLineEdit(dialog);
    Name->setObjectName(QStringLiteral("Name"));
    Name->setGeometry(5, 20, 201, 20);

    label = new QLabel(dialog);
    label->setObjectName(QStringLiteral("label"));
    label->setGeometry(5, 5, 211, 16);

    translateForm(dialog);
    // The standard slots come first, so for one click they run before the dialog's own.
    QObject::connect(buttonBox, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttonBox, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    QMetaObject::connectSlotsByName(dialog);
}

void SetNameForm::translateForm(QDialog *dialog)
{
    const auto tr = [](const char *text) { return QCoreApplication::translate("SetName", text); };
    dialog->setWindowTitle(tr("Create Set File"));
    label->setText(tr("Enter name for new .set file, no extension."));
    Name->setAccessibleName(label->text()); // what a screen reader announces for the field
}
