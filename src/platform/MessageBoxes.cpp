#include "platform/MessageBoxes.h"

#include <QMessageBox>

namespace platform {
namespace {
bool showBox(QWidget *parent, const MessageRecord &message)
{
    switch (message.kind) {
    case MessageKind::Information:
        QMessageBox::information(parent, message.title, message.text, QMessageBox::Ok,
                                 QMessageBox::NoButton);
        return false;
    case MessageKind::Warning:
        QMessageBox::warning(parent, message.title, message.text, QMessageBox::Ok,
                             QMessageBox::NoButton);
        return false;
    case MessageKind::Question:
        break;
    }
    return QMessageBox::question(parent, message.title, message.text,
                                 QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

bool show(QWidget *parent, const MessageRecord &message)
{
    return messageBoxSeam.call(showBox, parent, message);
}
} // namespace

void showInformation(QWidget *parent, const QString &title, const QString &text)
{
    show(parent, {MessageKind::Information, title, text});
}

void showWarning(QWidget *parent, const QString &title, const QString &text)
{
    show(parent, {MessageKind::Warning, title, text});
}

bool askQuestion(QWidget *parent, const QString &title, const QString &text)
{
    return show(parent, {MessageKind::Question, title, text});
}

} // namespace platform
