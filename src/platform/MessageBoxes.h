#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace platform {

enum class MessageKind { Information, Warning };

struct MessageRecord {
    MessageKind kind;
    QString title;
    QString text;
};

// Message boxes with a single OK button and no default button.
void showInformation(QWidget *parent, const QString &title, const QString &text);
void showWarning(QWidget *parent, const QString &title, const QString &text);

using MessageHandler = std::function<void(QWidget *parent, const MessageRecord &message)>;

// Lets a test take the boxes instead of showing them; an empty handler restores real boxes.
void setMessageHandler(MessageHandler handler);

} // namespace platform
