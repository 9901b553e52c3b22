#pragma once

#include "platform/TestSeam.h"

#include <QString>

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

// Lets a test take the boxes instead of showing them; its answer, for questions, true for Yes.
inline TestSeam<bool(QWidget *parent, const MessageRecord &message)> messageBoxSeam;

} // namespace platform
