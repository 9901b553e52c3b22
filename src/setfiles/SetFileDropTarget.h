#pragma once

#include "mods/FileDropTarget.h"

class MainWindowForm;

// Takes .set files dropped from a file manager onto the set-file list and copies them into the
// set-file folder, which it makes when it is missing; the live listing then shows them. A set
// of that name brings a question before it is replaced; folders and files that are not sets
// are refused, all in one message.
class SetFileDropTarget : public FileDropTarget {
    Q_OBJECT

public:
    SetFileDropTarget(MainWindowForm &form, QWidget *window);

protected:
    void takeDropped(const QList<QUrl> &urls) override;
};

// The question before a set of this file name is replaced, by a drop or a paste.
QString setReplacementQuestion(const QString &setFileName);
