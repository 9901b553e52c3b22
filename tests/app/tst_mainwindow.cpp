#include "StartedTool.h"

#include "app/state/AppState.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QLineEdit>
#include <QListWidget>
#include <QMap>
#include <QMenuBar>
#include <QMetaMethod>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolBox>
#include <QTreeWidget>
#include <QtTest>

namespace {

bool isEmpty(const AppState &state)
{
    return state.exePath.isEmpty() && state.modFolderPath.isEmpty() &&
           state.configFilePath.isEmpty() && state.otherCommands.isEmpty() &&
           state.modsMP.isEmpty() && state.modsSP.isEmpty() && state.modsGlobal.isEmpty() &&
           state.selectedSetFile.isEmpty() && state.setFileNames.isEmpty() &&
           state.loadedMP.isEmpty() && state.loadedSP.isEmpty() && state.loadedGlobal.isEmpty() &&
           state.loadedOtherCommands.isEmpty() && state.newSetName.isEmpty();
}

void fill(AppState &state)
{
    const QString text = QStringLiteral("x");
    state.exePath = state.modFolderPath = state.configFilePath = state.otherCommands = text;
    state.selectedSetFile = state.loadedOtherCommands = state.newSetName = text;
    state.setFileNames = QStringList{text};
    for (ModTable *table : {&state.modsMP, &state.modsSP, &state.modsGlobal}) {
        table->append(QStringLiteral("a.zip"));
        table->setTicked(0, true);
    }
    for (QVector<ModEntry> *loaded : {&state.loadedMP, &state.loadedSP, &state.loadedGlobal})
        loaded->append(ModEntry{QStringLiteral("a.zip"), true});
}

// Every file and folder below `root`, each file with its bytes.
QMap<QString, QByteArray> snapshot(const QString &root)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(path, it.fileInfo().isDir() ? QByteArray("<folder>")
                                                 : TestAppFolder::readFile(path));
    }
    return files;
}

struct SlotRow {
    const char *signature;
    const char *sender;
    const char *signal;
    QList<QByteArray> parameterNames; // empty where the names are free
};

// The window's own methods, in this order and nothing else.
const SlotRow slotTable[] = {
    {"on_buttonVHConfigSave_clicked()", "buttonVHConfigSave", "clicked()", {}},
    {"on_listChooseSetting_currentItemChanged(QListWidgetItem*,QListWidgetItem*)",
     "listChooseSetting",
     "currentItemChanged(QListWidgetItem*,QListWidgetItem*)",
     {"current", "previous"}},
    {"on_buttonLoadSetting_clicked()", "buttonLoadSetting", "clicked()", {}},
    {"on_buttonDeleteSetting_clicked()", "buttonDeleteSetting", "clicked()", {}},
    {"on_buttonSaveSetting_clicked()", "buttonSaveSetting", "clicked()", {}},
    {"on_buttonCreateSetting_clicked()", "buttonCreateSetting", "clicked()", {}},
    {"on_ChangePaths_clicked()", "ChangePaths", "clicked()", {}},
    {"on_inputOtherCommands_textChanged(QString)",
     "inputOtherCommands",
     "textChanged(QString)",
     {}},
    {"on_listGlobal_itemChanged(QTreeWidgetItem*,int)",
     "listGlobal",
     "itemChanged(QTreeWidgetItem*,int)",
     {"item", "column"}},
    {"on_listSP_itemChanged(QTreeWidgetItem*,int)",
     "listSP",
     "itemChanged(QTreeWidgetItem*,int)",
     {"item", "column"}},
    {"on_listMP_itemChanged(QTreeWidgetItem*,int)",
     "listMP",
     "itemChanged(QTreeWidgetItem*,int)",
     {"item", "column"}},
    {"on_buttonRun_clicked()", "buttonRun", "clicked()", {}},
};

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void opensAsAPlainFixedSizeWindow();
    void opensOnTheFirstPage();
    void slotsAreTheOwnMethodsInTableOrder();
    void slotsAreConnectedByName();
    void processWideVariablesStartEmptyAndReset();
    void closingReturnsZeroAndWritesNothing();

private:
    bool stateEmptyAtProcessStart = false;
};

void MainWindowTest::initTestCase()
{
    stateEmptyAtProcessStart = isEmpty(appState());
}

void MainWindowTest::opensAsAPlainFixedSizeWindow()
{
    StartedTool tool;
    MainWindow &window = *tool.window;
    QVERIFY(tool.window->startupCompleted());
    QVERIFY(tool.probe.messages.isEmpty());
    QVERIFY(tool.probe.exits.isEmpty());
    QCOMPARE(window.objectName(), QStringLiteral("MainWindow"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Varnhold Mod Manager"));
    QCOMPARE(window.size(), QSize(536, 424));
    QVERIFY(!window.parentWidget());
    QVERIFY(window.findChildren<QMenuBar *>().isEmpty());
    QVERIFY(window.findChildren<QToolBar *>().isEmpty());
    QVERIFY(window.findChildren<QStatusBar *>().isEmpty());
    QVERIFY(!window.testAttribute(Qt::WA_SetWindowIcon));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.size(), QSize(536, 424));
}

void MainWindowTest::opensOnTheFirstPage()
{
    StartedTool tool;
    tool.window->show();
    QToolBox *toolBox = tool.form().toolBox;
    QCOMPARE(toolBox->currentIndex(), 0);
    QCOMPARE(toolBox->currentWidget(), tool.form().pageMP);
    QCOMPARE(toolBox->itemText(0), QStringLiteral("Multiplayer && Skimish Mods"));
    QVERIFY(tool.form().listMP->isVisible());
    QVERIFY(!tool.form().listChooseSetting->isVisible());
}

void MainWindowTest::slotsAreTheOwnMethodsInTableOrder()
{
    StartedTool tool;
    const QMetaObject *meta = tool.window->metaObject();
    QCOMPARE(meta, &MainWindow::staticMetaObject);
    QCOMPARE(meta->methodCount() - meta->methodOffset(), int(std::size(slotTable)));
    QCOMPARE(meta->propertyCount(), meta->propertyOffset());
    for (int index = 0; index < int(std::size(slotTable)); ++index) {
        const SlotRow &row = slotTable[index];
        const QMetaMethod method = meta->method(meta->methodOffset() + index);
        QCOMPARE(method.methodSignature(), QByteArray(row.signature));
        QCOMPARE(method.methodType(), QMetaMethod::Slot);
        QCOMPARE(method.access(), QMetaMethod::Private);
        QCOMPARE(method.returnType(), int(QMetaType::Void));
        if (!row.parameterNames.isEmpty())
            QCOMPARE(method.parameterNames(), row.parameterNames);
    }
}

// A connection exists exactly when it can be taken away again.
void MainWindowTest::slotsAreConnectedByName()
{
    StartedTool tool;
    for (const SlotRow &row : slotTable) {
        QWidget *sender = tool.window->findChild<QWidget *>(QString::fromLatin1(row.sender));
        QVERIFY2(sender, row.sender);
        const QByteArray signal = QByteArray("2") + row.signal;
        const QByteArray slot = QByteArray("1") + row.signature;
        QVERIFY2(
            QObject::disconnect(sender, signal.constData(), tool.window.get(), slot.constData()),
            row.signature);
    }
}

void MainWindowTest::processWideVariablesStartEmptyAndReset()
{
    QVERIFY(stateEmptyAtProcessStart);
    StartedTool tool;
    QCOMPARE(&appState(), &appState());
    fill(appState());
    QVERIFY(!isEmpty(appState()));
    resetAppState();
    QVERIFY(isEmpty(appState()));
    // The name index goes with the entries; a stale one would find mods that are gone.
    QCOMPARE(appState().modsMP.indexOf(QStringLiteral("a.zip")), -1);
    QCOMPARE(appState().modsMP.tickedCount(), 0);
}

void MainWindowTest::closingReturnsZeroAndWritesNothing()
{
    StartedTool tool({QStringLiteral("Alpha.zip"), QStringLiteral("with space.pk3")},
                     {QStringLiteral("campaign.zip")}, {QStringLiteral("global.zip")});
    QVERIFY(tool.window->startupCompleted());
    const QMap<QString, QByteArray> before = snapshot(tool.folder.root());
    QVERIFY(before.contains(tool.folder.optionsIniPath()));

    // Changes made in the window are discarded, not saved on the way out.
    MainWindowForm &form = tool.form();
    for (QTreeWidget *list : {form.listMP, form.listSP, form.listGlobal}) {
        for (int i = 0; i < list->topLevelItemCount(); ++i)
            list->topLevelItem(i)->setCheckState(0, Qt::Checked);
    }
    form.inputOtherCommands->setText(QStringLiteral("-windowed"));
    form.editVHConfig->setPlainText(QStringLiteral("edited but not saved"));

    tool.window->show();
    QTimer::singleShot(0, tool.window.get(), &QWidget::close);
    QTimer watchdog; // only keeps a broken close from hanging the run
    watchdog.setSingleShot(true);
    connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(-1); });
    watchdog.start(60000);
    const int status = QApplication::exec();
    watchdog.stop();

    QCOMPARE(status, 0);
    QVERIFY(!tool.window->isVisible());
    QCOMPARE(snapshot(tool.folder.root()), before);
    QVERIFY(tool.probe.exits.isEmpty());
    QVERIFY(tool.probe.starts.isEmpty());
    QVERIFY(tool.probe.messages.isEmpty());
}

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
