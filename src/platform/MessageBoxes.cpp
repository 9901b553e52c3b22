#include "platform/MessageBoxes.h"

#include <QMessageBox>

namespace platform {
namespace {
MessageHandler &handler()
{
    static MessageHandler current;
    return current;
}

void show(QWidget *parent, const MessageRecord &message)
{
    if (handler()) {
        handler()(parent, message);
        return;
    }
    if (message.kind == MessageKind::Information)
        QMessageBox::information(parent, message.title, message.text, QMessageBox::Ok,
                                 QMessageBox::NoButton);
    else
        QMessageBox::warning(parent, message.title, message.text, QMessageBox::Ok,
                             QMessageBox::NoButton);
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

void setMessageHandler(MessageHandler newHandler)
{
    handler() = std::move(newHandler);
}

} // namespace platform
