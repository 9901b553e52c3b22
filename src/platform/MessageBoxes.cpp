#include "platform/MessageBoxes.h"

#include <QMessageBox>

namespace platform {
namespace {
MessageHandler &handler()
{
    static MessageHandler current;
    return current;
}

bool show(QWidget *parent, const MessageRecord &message)
{
    if (handler())
        return handler()(parent, message);
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

void setMessageHandler(MessageHandler newHandler)
{
    handler() = std::move(newHandler);
}

} // namespace platform
