#include "setfiles/SetFileCreateForm.h"

#include <QCoreApplication>
#include <QDialog>
#include <QMetaObject>
#include <QPushButton>

namespace {
QPushButton *createButton(QDialog *dialog, const char *objectName, int y)
{
    auto *button = new QPushButton(dialog);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setGeometry(5, y, 186, 31);
    return button;
}
} // namespace

void SetFileCreateForm::setupForm(QDialog *dialog)
{
    if (dialog->objectName().isEmpty())
        dialog->setObjectName(QStringLiteral("SetFileCreate"));
    dialog->resize(195, 110);
    CreateBlank = createButton(dialog, "CreateBlank", 5);
    CreateWithSelected = createButton(dialog, "CreateWithSelected", 40);
    Cancel = createButton(dialog, "Cancel", 75);
    translateForm(dialog);
    QMetaObject::connectSlotsByName(dialog);
}

void SetFileCreateForm::translateForm(QDialog *dialog)
{
    const auto tr = [](const char *text) {
        return QCoreApplication::translate("SetFileCreate", text);
    };
    dialog->setWindowTitle(tr("Create Set File"));
    CreateBlank->setText(tr("Create Blank File"));
    CreateWithSelected->setText(tr("Create With Selected Mods"));
    Cancel->setText(tr("Cancel"));
}
