#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace platform {

enum class MessageKind { Information, Warning, Question };

struct MessageRecord {
    MessageKind kind;
    QString title;
    QString text;
};

// Message boxes with a single OK button and no default button.
void showInformation(QWidget *parent, const QString &title, const QString &text);
void showWarning(QWidget *parent, const QString &title, const QString &text);
// A question with the buttons Yes and No, No being the default; true when the answer is Yes.
bool askQuestion(QWidget *parent, const QString &title, const QString &text);

// The handler's answer counts for questions only: true stands for Yes.
using MessageHandler = std::function<bool(QWidget *parent, const MessageRecord &message)>;

// Lets a test take the boxes instead of showing them; an empty handler restores real boxes.
void setMessageHandler(MessageHandler handler);

} // namespace platform
