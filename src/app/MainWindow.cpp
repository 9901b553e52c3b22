#include "app/MainWindow.h"

#include "app/LiveLists.h"
#include "app/OpenFolderActions.h"
#include "app/form/MainWindowForm.h"
#include "app/state/AppState.h"
#include "config/ConfigRestore.h"
#include "config/GameConfigEditor.h"
#include "locations/LocationStartup.h"
#include "mods/GameLaunch.h"
#include "mods/ModDropTarget.h"
#include "mods/ModFindField.h"
#include "mods/ModLists.h"
#include "mods/ModUntick.h"
#include "setfiles/MissingModsNotice.h"
#include "setfiles/SetFileCreation.h"
#include "setfiles/SetFileList.h"
#include "setfiles/SetFileNames.h"
#include "setfiles/SetSharing.h"
#include "setfiles/SetShortcut.h"

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new MainWindowForm)
{
    ui->setupUi(this);
    addSetShortcutAction(*ui, this);
    addUntickActions(*ui);
    new ModFindField(*ui, this);
    addOpenFolderActions(*ui, this);
    ModDropTarget::addToModLists(*ui, this);
    addSetSharing(*ui, this);
    addRestoreEarlierVersion(*ui, this);
    completed = runStartup();
    if (completed)
        liveLists = new LiveLists(*ui, this);
}

MainWindow::~MainWindow()
{
    delete liveLists;
    delete ui;
}

// Each step relies on what the earlier ones settled; a step that ends the process stops here.
bool MainWindow::runStartup()
{
    refreshSetFileNames();
    if (!settleLocations(this))
        return false;
    if (!scanModFolders(this))
        return false;
    populateModLists(*ui);
    populateSetFileList(*ui);
    loadGameConfig(*ui, this);
    return true;
}

void MainWindow::on_buttonVHConfigSave_clicked()
{
    saveGameConfig(*ui, this);
}

void MainWindow::on_listChooseSetting_currentItemChanged(QListWidgetItem *current,
                                                         QListWidgetItem *previous)
{
    Q_UNUSED(previous);
    showChosenSetFile(*ui, current);
}

void MainWindow::on_buttonLoadSetting_clicked()
{
    if (loadChosenSetFile(*ui, this))
        nameMissingMods(this, appState().selectedSetFile);
}

void MainWindow::on_buttonDeleteSetting_clicked()
{
    deleteChosenSetFile(*ui, this);
}

void MainWindow::on_buttonSaveSetting_clicked()
{
    saveChosenSetFile(*ui, this);
}

void MainWindow::on_buttonCreateSetting_clicked()
{
    createSetFile(*ui, this);
}

void MainWindow::on_ChangePaths_clicked()
{
    changeLocations(this);
    if (liveLists)
        liveLists->followModFolder();
}

void MainWindow::on_inputOtherCommands_textChanged(const QString &text)
{
    otherCommandsChanged(*ui, text);
}

void MainWindow::on_listGlobal_itemChanged(QTreeWidgetItem *item, int column)
{
    modItemChanged(*ui, appState().modsGlobal, item, column);
}

void MainWindow::on_listSP_itemChanged(QTreeWidgetItem *item, int column)
{
    modItemChanged(*ui, appState().modsSP, item, column);
}

void MainWindow::on_listMP_itemChanged(QTreeWidgetItem *item, int column)
{
    modItemChanged(*ui, appState().modsMP, item, column);
}

void MainWindow::on_buttonRun_clicked()
{
    launchGame(this);
}
