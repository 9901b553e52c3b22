#pragma once

#include <QMainWindow>

class LiveLists;
class MainWindowForm;
class QListWidgetItem;
class QTreeWidgetItem;

// The tool's only window; its constructor runs the whole start-up sequence.
class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    MainWindowForm &form() { return *ui; }

    // False when start-up ended the process (only observable when a test stops the exit).
    bool startupCompleted() const { return completed; }

private slots:
    void on_buttonVHConfigSave_clicked();
    void on_listChooseSetting_currentItemChanged(QListWidgetItem *current,
                                                 QListWidgetItem *previous);
    void on_buttonLoadSetting_clicked();
    void on_buttonDeleteSetting_clicked();
    void on_buttonSaveSetting_clicked();
    void on_buttonCreateSetting_clicked();
    void on_ChangePaths_clicked();
    void on_inputOtherCommands_textChanged(const QString &text);
    void on_listGlobal_itemChanged(QTreeWidgetItem *item, int column);
    void on_listSP_itemChanged(QTreeWidgetItem *item, int column);
    void on_listMP_itemChanged(QTreeWidgetItem *item, int column);
    void on_buttonRun_clicked();

private:
    bool runStartup();

    MainWindowForm *ui;
    bool completed = false;
    // Follows the folders once start-up has read them.
    LiveLists *liveLists = nullptr;
};
