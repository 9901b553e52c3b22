#pragma once

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QMainWindow;
class QPlainTextEdit;
class QPushButton;
class QToolBox;
class QTreeWidget;
class QWidget;

// The main window's fixed widget tree. Widgets sit at fixed pixel rectangles; the window's
// slots are wired to them by object name, so the names must not change.
class MainWindowForm {
public:
    QWidget *centralWidget = nullptr;
    QPushButton *buttonRun = nullptr;
    QToolBox *toolBox = nullptr;
    QWidget *pageMP = nullptr;
    QTreeWidget *listMP = nullptr;
    QWidget *pageSP = nullptr;
    QTreeWidget *listSP = nullptr;
    QWidget *pageGlobal = nullptr;
    QTreeWidget *listGlobal = nullptr;
    QWidget *pageSet = nullptr;
    QListWidget *listChooseSetting = nullptr;
    QPushButton *buttonCreateSetting = nullptr;
    QPushButton *buttonSaveSetting = nullptr;
    QPushButton *buttonDeleteSetting = nullptr;
    QPushButton *buttonLoadSetting = nullptr;
    QLabel *label_5 = nullptr;
    QWidget *pageConfig = nullptr;
    QPlainTextEdit *editVHConfig = nullptr;
    QPushButton *buttonVHConfigSave = nullptr;
    QWidget *pageOther = nullptr;
    QPushButton *ChangePaths = nullptr;
    QGroupBox *groupBox = nullptr;
    QPlainTextEdit *SelectedMods = nullptr;
    QLineEdit *CurrentCommandLine = nullptr;
    QLineEdit *SelectedSetting = nullptr;
    QLabel *label_2 = nullptr;
    QLabel *label_3 = nullptr;
    QLabel *label_4 = nullptr;
    QLabel *label = nullptr;
    QLineEdit *inputOtherCommands = nullptr;

    void setupForm(QMainWindow *window);
    void translateForm(QMainWindow *window);

private:
    QTreeWidget *createModList(QWidget *page, const char *objectName);
    QWidget *createPage(const char *objectName);
    void setTabChain();
    void nameControlsAfterTheirCaptions();
};
