#include "locations/OptionsDialogForm.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>
#include <QPushButton>
#include <QSizePolicy>

namespace {
template <typename Widget>
Widget *create(QWidget *parent, const char *objectName, int x, int y, int width, int height)
{
    auto *widget = new Widget(parent);
    widget->setObjectName(QString::fromLatin1(objectName));
    widget->setGeometry(x, y, width, height);
    return widget;
}

QString tr(const char *text)
{
    return QCoreApplication::translate("OptionsDialog", text);
}
} // namespace

void OptionsDialogForm::setupForm(QDialog *dialog)
{
    if (dialog->objectName().isEmpty())
        dialog->setObjectName(QStringLiteral("OptionsDialog"));
    dialog->resize(386, 135);
    setFixedSizing(dialog);

    browseExecutable = create<QPushButton>(dialog, "browseExecutable", 320, 5, 61, 20);
    browseModDir = create<QPushButton>(dialog, "browseModDir", 320, 30, 61, 20);
    executablePathLabel = create<QLabel>(dialog, "executablePathLabel", 5, 5, 80, 20);
    modFolderLabel = create<QLabel>(dialog, "modFolderLabel", 5, 30, 80, 20);
    modFolder = create<QLineEdit>(dialog, "modFolder", 90, 30, 225, 20);
    executablePath = create<QLineEdit>(dialog, "executablePath", 90, 5, 225, 20);
    modPathExample = create<QLabel>(dialog, "modPathExample", 20, 85, 309, 13);
    browseConfig = create<QPushButton>(dialog, "browseConfig", 320, 55, 61, 20);
    modFolderLabel_2 = create<QLabel>(dialog, "modFolderLabel_2", 5, 55, 80, 20);
    ConfigFile = create<QLineEdit>(dialog, "ConfigFile", 90, 55, 225, 20);
    buttonBox = create<QDialogButtonBox>(dialog, "buttonBox", 210, 105, 156, 23);
    buttonBox->setOrientation(Qt::Horizontal);
    buttonBox->setStandardButtons(QDialogButtonBox::Cancel | QDialogButtonBox::Ok);

    translateForm(dialog);
    QMetaObject::connectSlotsByName(dialog);
}

void OptionsDialogForm::setFixedSizing(QDialog *dialog)
{
    QSizePolicy policy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    policy.setHorizontalStretch(0);
    policy.setVerticalStretch(0);
    policy.setHeightForWidth(dialog->sizePolicy().hasHeightForWidth());
    dialog->setSizePolicy(policy);
    dialog->setMinimumSize(QSize(0, 0));
    dialog->setMaximumSize(QSize(800, 800));
}

void OptionsDialogForm::translateForm(QDialog *dialog)
{
    dialog->setWindowTitle(tr("Options"));
    browseExecutable->setText(tr("Browse..."));
    browseModDir->setText(tr("Browse..."));
    executablePathLabel->setText(tr("Executable Path"));
    modFolderLabel->setText(tr("Mod Folder"));
    executablePath->setText(tr(""));
    modPathExample->setText(tr(""));
    browseConfig->setText(tr("Browse..."));
    modFolderLabel_2->setText(tr("Config File"));
    // Screen readers announce each field by the caption beside it.
    executablePath->setAccessibleName(executablePathLabel->text());
    modFolder->setAccessibleName(modFolderLabel->text());
    ConfigFile->setAccessibleName(modFolderLabel_2->text());
}
