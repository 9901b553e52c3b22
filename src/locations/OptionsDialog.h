#pragma once

#include <QDialog>

class OptionsDialogForm;
class QFileDialog;
class QLineEdit;

// Lets the user change the three game locations; OK stores them, ending with 0, only when all
// three exist.
class OptionsDialog : public QDialog {
    Q_OBJECT

public:
    enum Result { Stored = 0, Cancelled = 1 };

    explicit OptionsDialog(QWidget *parent = nullptr);
    ~OptionsDialog() override;

    // The toolkit's own rejection would end with 0, which callers take for stored locations.
    void reject() override;

private slots:
    void on_browseConfig_clicked();
    void on_buttonBox_rejected();
    void on_buttonBox_accepted();
    void on_browseModDir_clicked();
    void on_browseExecutable_clicked();

private:
    // Runs a prepared file dialog and, when the user picked something, puts it into `field`.
    void browseInto(QFileDialog *fileDialog, QLineEdit *field);
    QFileDialog *newFileDialog(const QString &startFolder);

    OptionsDialogForm *ui;
};

// Shows a fresh locations dialog modally over `parent` and returns its result.
int runOptionsDialog(QWidget *parent);
