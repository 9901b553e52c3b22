#include "SetFileTestSupport.h"
#include "SystemReasons.h"

#include "app/state/AppState.h"
#include "setfiles/SetFileCreate.h"
#include "setfiles/SetName.h"

#include <QAction>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMetaMethod>
#include <QPushButton>
#include <QStringEncoder>
#include <QTreeWidget>
#include <QtTest>

using namespace setfiletest;

namespace {
// As a friend would paste it from a chat: Windows line ends, a name beyond ASCII, blanks.
const QString shared = QStringLiteral("[SettingMP]\r\nMod0=b.zip\r\nMod1=Élan.zip\r\nCount=2\r\n"
                                      "[SettingSP]\r\nCount=0\r\n[SettingGlobal]\r\nMod0=g.zip\r\n"
                                      "Count=1\r\n[General]\r\nOtherCommands=-x  \"two words\"");

struct SharingTool : StartedTool {
    SharingTool()
        : StartedTool([](TestAppFolder &folder) {
            folder.createReadyTool({"a.zip", "b.zip", "Élan.zip"}, {}, {"g.zip"});
            folder.createSetFile("evening.set", shared.toUtf8());
            folder.createSetFile("friend.set", "[General]\nOtherCommands=old\n");
        })
    {}
    void trigger(const char *action)
    {
        form().listChooseSetting->findChild<QAction *>(QLatin1String(action))->trigger();
    }
};

const QStringList mpMods{"a.zip", "b.zip"};
const QStringList globalMods{"g.zip"};

QStringList ownSlots(const QMetaObject *meta)
{
    QStringList signatures;
    for (int i = meta->methodOffset(); i < meta->methodCount(); ++i) {
        if (meta->method(i).methodType() == QMetaMethod::Slot)
            signatures << QString::fromLatin1(meta->method(i).methodSignature());
    }
    return signatures;
}

QStringList childNames(const QWidget *widget)
{
    QStringList names;
    for (const QObject *child : widget->children()) {
        if (child->isWidgetType())
            names << child->objectName();
    }
    return names;
}

// Runs the creation button with the dialogs answered by the given steps.
void createWith(StartedTool &tool, DialogDriver &driver)
{
    tool.form().buttonCreateSetting->click();
    QCOMPARE(driver.pendingSteps(), 0);
    QVERIFY2(driver.unexpectedDialogs.isEmpty(), qPrintable(driver.unexpectedDialogs.join(',')));
}

void tickSome(StartedTool &tool)
{
    itemNamed(tool.form().listMP, QStringLiteral("b.zip"))->setCheckState(0, Qt::Checked);
    itemNamed(tool.form().listGlobal, QStringLiteral("g.zip"))->setCheckState(0, Qt::Checked);
    tool.form().inputOtherCommands->setText(QStringLiteral("-x"));
}

QString setFile(const StartedTool &tool, const QString &name)
{
    return tool.folder.setFilesDir() + QLatin1Char('/') + name;
}
} // namespace

class SetFileCreationTest : public QObject {
    Q_OBJECT

private slots:
    void createDialogHasItsForm();
    void nameDialogHasItsForm();
    void dialogsDeclareTheirSlotsInOrder();
    void createDialogEndsWithChosenCode_data();
    void createDialogEndsWithChosenCode();
    void nameDialogKeepsAcceptedName_data();
    void nameDialogKeepsAcceptedName();
    void nameDialogEndsThroughTheStandardSlotsFirst_data();
    void nameDialogEndsThroughTheStandardSlotsFirst();
    void everyRunMakesANewDialog();

    void createsBlankFile_data();
    void createsBlankFile();
    void createsFileWithSelection();
    void cancellingChangesNothing_data();
    void cancellingChangesNothing();
    void existingNameIsReplacedAndListedOnce_data();
    void existingNameIsReplacedAndListedOnce();
    void refusesUnusableName_data();
    void refusesUnusableName();
    void createsMissingFolder();
    void writeFailureWarns_data();
    void writeFailureWarns();
    void copiedSetPastedUnderAnotherNameLoadsTheSame();
    void pasteTakesOnlyASetAndAsksFirst_data();
    void pasteTakesOnlyASetAndAsksFirst();
};

void SetFileCreationTest::createDialogHasItsForm()
{
    SetFileCreate dialog;
    QCOMPARE(dialog.objectName(), QStringLiteral("SetFileCreate"));
    QCOMPARE(dialog.size(), QSize(195, 110));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Create Set File"));
    QCOMPARE(childNames(&dialog), (QStringList{"CreateBlank", "CreateWithSelected", "Cancel"}));
    const QList<QPair<QString, QString>> buttons{
        {"CreateBlank", "Create Blank File"},
        {"CreateWithSelected", "Create With Selected Mods"},
        {"Cancel", "Cancel"}};
    for (int i = 0; i < buttons.size(); ++i) {
        auto *button = dialog.findChild<QPushButton *>(buttons.at(i).first);
        QVERIFY(button);
        QCOMPARE(button->text(), buttons.at(i).second);
        QCOMPARE(button->geometry(), QRect(5, 5 + 35 * i, 186, 31));
    }
}

void SetFileCreationTest::nameDialogHasItsForm()
{
    SetName dialog;
    QCOMPARE(dialog.objectName(), QStringLiteral("SetName"));
    QCOMPARE(dialog.size(), QSize(219, 81));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Create Set File"));
    QCOMPARE(childNames(&dialog), (QStringList{"buttonBox", "Name", "label"}));
    auto *box = dialog.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
    QCOMPARE(box->geometry(), QRect(45, 45, 161, 32));
    QCOMPARE(box->orientation(), Qt::Horizontal);
    QCOMPARE(box->standardButtons(), QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    auto *name = dialog.findChild<QLineEdit *>(QStringLiteral("Name"));
    QCOMPARE(name->geometry(), QRect(5, 20, 201, 20));
    QVERIFY(name->text().isEmpty());
    auto *label = dialog.findChild<QLabel *>(QStringLiteral("label"));
    QCOMPARE(label->geometry(), QRect(5, 5, 211, 16));
    QCOMPARE(label->text(), QStringLiteral("Enter name for new .set file, no extension."));
}

void SetFileCreationTest::dialogsDeclareTheirSlotsInOrder()
{
    QCOMPARE(ownSlots(&SetFileCreate::staticMetaObject),
             (QStringList{"on_Cancel_clicked()", "on_CreateWithSelected_clicked()",
                          "on_CreateBlank_clicked()"}));
    QCOMPARE(ownSlots(&SetName::staticMetaObject),
             (QStringList{"on_buttonBox_rejected()", "on_buttonBox_accepted()"}));
}

void SetFileCreationTest::createDialogEndsWithChosenCode_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("code");
    QTest::newRow("blank") << "CreateBlank" << 2;
    QTest::newRow("with selected mods") << "CreateWithSelected" << 1;
    QTest::newRow("cancel") << "Cancel" << 0;
    QTest::newRow("title bar") << "close" << 0;
    QTest::newRow("escape") << "escape" << 0;
}

void SetFileCreationTest::createDialogEndsWithChosenCode()
{
    QFETCH(QString, how);
    QFETCH(int, code);
    PlatformProbe probe;
    QWidget parent;
    DialogDriver driver;
    driver.expect(QStringLiteral("SetFileCreate"),
                  how == QLatin1String("close")    ? DialogDriver::closeFromTitleBar()
                  : how == QLatin1String("escape") ? DialogDriver::pressEscape()
                                                   : DialogDriver::clickButton(how));
    QCOMPARE(runSetFileCreateDialog(&parent), code);
    QCOMPARE(driver.pendingSteps(), 0);
}

void SetFileCreationTest::nameDialogKeepsAcceptedName_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("newSetName");
    QTest::newRow("ok") << "ok" << 1 << " typed  as is ";
    QTest::newRow("cancel") << "cancel" << 0 << "earlier";
    QTest::newRow("title bar") << "close" << 0 << "earlier";
    QTest::newRow("escape") << "escape" << 0 << "earlier";
}

void SetFileCreationTest::nameDialogKeepsAcceptedName()
{
    QFETCH(QString, how);
    QFETCH(int, code);
    QFETCH(QString, newSetName);
    PlatformProbe probe;
    appState().newSetName = QStringLiteral("earlier");
    QWidget parent;
    DialogDriver driver;
    driver.expect(QStringLiteral("SetName"), [how](QDialog *dialog) {
        dialog->findChild<QLineEdit *>(QStringLiteral("Name"))
            ->setText(QStringLiteral(" typed  as is "));
        if (how == QLatin1String("ok"))
            DialogDriver::clickStandardButton(QDialogButtonBox::Ok)(dialog);
        else if (how == QLatin1String("cancel"))
            DialogDriver::clickStandardButton(QDialogButtonBox::Cancel)(dialog);
        else if (how == QLatin1String("close"))
            DialogDriver::closeFromTitleBar()(dialog);
        else
            DialogDriver::pressEscape()(dialog);
    });
    QCOMPARE(runSetNameDialog(&parent), code);
    QCOMPARE(appState().newSetName, newSetName);
}

void SetFileCreationTest::nameDialogEndsThroughTheStandardSlotsFirst_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QStringList>("namesWhenEnded");
    QTest::newRow("ok") << int(QDialogButtonBox::Ok) << QStringList{"earlier", "typed"};
    QTest::newRow("cancel") << int(QDialogButtonBox::Cancel) << QStringList{"earlier", "earlier"};
}

// The button box reaches accept() and reject() before the dialog's own slots: the dialog has
// ended once, with the earlier name still kept, when its own slot ends it again.
void SetFileCreationTest::nameDialogEndsThroughTheStandardSlotsFirst()
{
    QFETCH(int, button);
    QFETCH(QStringList, namesWhenEnded);
    PlatformProbe probe;
    appState().newSetName = QStringLiteral("earlier");
    SetName dialog;
    dialog.findChild<QLineEdit *>(QStringLiteral("Name"))->setText(QStringLiteral("typed"));
    QStringList names;
    connect(&dialog, &QDialog::finished, this, [&names] { names << appState().newSetName; });
    dialog.show();
    dialog.findChild<QDialogButtonBox *>()
        ->button(QDialogButtonBox::StandardButton(button))
        ->click();
    QCOMPARE(names, namesWhenEnded);
}

void SetFileCreationTest::everyRunMakesANewDialog()
{
    PlatformProbe probe;
    QWidget parent;
    DialogDriver driver;
    driver.expect(QStringLiteral("SetName"),
                  DialogDriver::typeNameAndAccept(QStringLiteral("one")));
    driver.expect(QStringLiteral("SetName"), [](QDialog *dialog) {
        QVERIFY(dialog->findChild<QLineEdit *>(QStringLiteral("Name"))->text().isEmpty());
        DialogDriver::clickStandardButton(QDialogButtonBox::Ok)(dialog);
    });
    QCOMPARE(runSetNameDialog(&parent), 1);
    QVERIFY(parent.findChildren<SetName *>().isEmpty());
    QCOMPARE(runSetNameDialog(&parent), 1);
    QCOMPARE(appState().newSetName, QString());
    QVERIFY(parent.findChildren<QDialog *>().isEmpty());
}

void SetFileCreationTest::createsBlankFile_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("fileName");
    QTest::newRow("plain name") << "alpha"
                                << "alpha.set";
    // The name is used as typed: ".set" is always appended, and nothing is trimmed.
    QTest::newRow("name with its extension") << "alpha.set"
                                             << "alpha.set.set";
    QTest::newRow("blanks around the name") << " alpha "
                                            << " alpha .set";
}

void SetFileCreationTest::createsBlankFile()
{
    QFETCH(QString, typed);
    QFETCH(QString, fileName);
    StartedTool tool(mpMods, {}, globalMods, {"beta.set", "Zed.set"});
    tickSome(tool);
    tool.choose(QStringLiteral("Zed.set"));
    DialogDriver driver;
    driver.answerSetFileCreation(QStringLiteral("CreateBlank"), typed);

    createWith(tool, driver);

    QVERIFY(QFileInfo(setFile(tool, fileName)).isFile());
    QCOMPARE(QFileInfo(setFile(tool, fileName)).size(), 0);
    QCOMPARE(itemTexts(tool.form().listChooseSetting),
             (QStringList{fileName, "beta.set", "Zed.set"}));
    QCOMPARE(tool.form().listChooseSetting->currentRow(), -1);
    QVERIFY(appState().selectedSetFile.isEmpty());
    QVERIFY(tool.probe.messages.isEmpty());
}

void SetFileCreationTest::createsFileWithSelection()
{
    StartedTool tool(mpMods, {}, globalMods);
    tickSome(tool);
    DialogDriver driver;
    driver.answerSetFileCreation(QStringLiteral("CreateWithSelected"), QStringLiteral("beta"));

    createWith(tool, driver);

    QCOMPARE(TestAppFolder::readFile(setFile(tool, "beta.set")),
             setFileBytes({"b.zip"}, {}, {"g.zip"}, "-x"));
    QCOMPARE(itemTexts(tool.form().listChooseSetting), QStringList{"beta.set"});
    QCOMPARE(appState().setFileNames, QStringList{"beta.set"});
}

void SetFileCreationTest::cancellingChangesNothing_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("nameStep");
    QTest::newRow("cancel first") << "Cancel"
                                  << "";
    QTest::newRow("title bar first") << "close"
                                     << "";
    QTest::newRow("cancel name of blank") << "CreateBlank"
                                          << "cancel";
    QTest::newRow("cancel name with selection") << "CreateWithSelected"
                                                << "cancel";
    QTest::newRow("title bar of name") << "CreateBlank"
                                       << "close";
    QTest::newRow("escape in name") << "CreateWithSelected"
                                    << "escape";
}

void SetFileCreationTest::cancellingChangesNothing()
{
    QFETCH(QString, kind);
    QFETCH(QString, nameStep);
    StartedTool tool(mpMods, {}, globalMods, {"A.set"});
    tool.choose(QStringLiteral("A.set"));
    QListWidgetItem *chosen = tool.form().listChooseSetting->currentItem();
    QFile::remove(setFile(tool, "A.set")); // a refill would drop its row
    const QStringList files = treeSnapshot(tool.folder.root());
    DialogDriver driver;
    driver.expect(QStringLiteral("SetFileCreate"), kind == QLatin1String("close")
                                                       ? DialogDriver::closeFromTitleBar()
                                                       : DialogDriver::clickButton(kind));
    if (!nameStep.isEmpty()) {
        driver.expect(QStringLiteral("SetName"), [nameStep](QDialog *dialog) {
            dialog->findChild<QLineEdit *>(QStringLiteral("Name"))->setText(QStringLiteral("n"));
            if (nameStep == QLatin1String("cancel"))
                DialogDriver::clickStandardButton(QDialogButtonBox::Cancel)(dialog);
            else if (nameStep == QLatin1String("close"))
                DialogDriver::closeFromTitleBar()(dialog);
            else
                DialogDriver::pressEscape()(dialog);
        });
    }

    createWith(tool, driver);

    QCOMPARE(treeSnapshot(tool.folder.root()), files);
    QCOMPARE(tool.form().listChooseSetting->currentItem(), chosen);
    QCOMPARE(itemTexts(tool.form().listChooseSetting), QStringList{"A.set"});
    QVERIFY(tool.probe.messages.isEmpty());
}

void SetFileCreationTest::existingNameIsReplacedAndListedOnce_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("blank") << "CreateBlank" << QByteArray();
    QTest::newRow("with selection")
        << "CreateWithSelected" << setFileBytes({"b.zip"}, {}, {"g.zip"}, "-x");
}

void SetFileCreationTest::existingNameIsReplacedAndListedOnce()
{
    QFETCH(QString, kind);
    QFETCH(QByteArray, content);
    StartedTool tool(mpMods, {}, globalMods, {"beta.set", "gamma.set"});
    TestAppFolder::writeFile(setFile(tool, "beta.set"), "[SettingMP]\nMod0=old.zip\n");
    tickSome(tool);
    DialogDriver driver;
    driver.answerSetFileCreation(kind, QStringLiteral("beta"));

    createWith(tool, driver);

    QCOMPARE(TestAppFolder::readFile(setFile(tool, "beta.set")), content);
    QCOMPARE(itemTexts(tool.form().listChooseSetting), (QStringList{"beta.set", "gamma.set"}));
}

void SetFileCreationTest::refusesUnusableName_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << "CreateBlank"
                           << "";
#ifndef Q_OS_WIN // where a leading dot hides the file
    QTest::newRow("dot dot") << "CreateWithSelected"
                             << "..";
#endif
    QTest::newRow("parent folder") << "CreateWithSelected"
                                   << "../x";
    QTest::newRow("parent folder, blank") << "CreateBlank"
                                          << "../../x";
    QTest::newRow("subfolder") << "CreateBlank"
                               << "a/b";
    QTest::newRow("placeholder and slash") << "CreateBlank"
                                           << "%1/%2";
}

void SetFileCreationTest::refusesUnusableName()
{
    QFETCH(QString, kind);
    QFETCH(QString, name);
    StartedTool tool(mpMods, {}, globalMods, {"A.set"});
    QDir(tool.folder.setFilesDir()).mkdir(QStringLiteral("a"));
    tickSome(tool);
    tool.choose(QStringLiteral("A.set"));
    QListWidgetItem *chosen = tool.form().listChooseSetting->currentItem();
    const QStringList files = treeSnapshot(tool.folder.root());
    DialogDriver driver;
    driver.answerSetFileCreation(kind, name);

    createWith(tool, driver);

    QCOMPARE(tool.probe.messages.size(), 1);
    QCOMPARE(tool.probe.messages.first().kind, platform::MessageKind::Warning);
    QCOMPARE(tool.probe.messages.first().title, QStringLiteral("Create Set File"));
    QCOMPARE(tool.probe.messages.first().text,
             QStringLiteral("\"") + name + QStringLiteral("\" cannot be used as a set file name."));
    QCOMPARE(treeSnapshot(tool.folder.root()), files);
    QCOMPARE(tool.form().listChooseSetting->currentItem(), chosen);
    QCOMPARE(itemTexts(tool.form().listChooseSetting), QStringList{"A.set"});
}

void SetFileCreationTest::createsMissingFolder()
{
    PlatformProbe probe;
    TestAppFolder folder;
    folder.createGame(mpMods, {}, globalMods);
    folder.writeOptionsIni();
    MainWindow window;
    QVERIFY(!QFileInfo::exists(folder.setFilesDir()));
    DialogDriver driver;
    driver.answerSetFileCreation(QStringLiteral("CreateWithSelected"), QStringLiteral("first"));

    window.form().buttonCreateSetting->click();

    QCOMPARE(driver.pendingSteps(), 0);
    QCOMPARE(TestAppFolder::readFile(folder.setFilesDir() + QStringLiteral("/first.set")),
             setFileBytes({}, {}, {}, ""));
    QCOMPARE(itemTexts(window.form().listChooseSetting), QStringList{"first.set"});
    QVERIFY(probe.messages.isEmpty());
}

void SetFileCreationTest::writeFailureWarns_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reason");
    QTest::addColumn<bool>("folderIsAFile");
    QTest::newRow("folder of that name, blank") << "CreateBlank"
                                                << "taken"
                                                << "Filename refers to a directory" << false;
    QTest::newRow("folder of that name, with selection")
        << "CreateWithSelected"
        << "50%2"
        << "Filename refers to a directory" << false;
    QTest::newRow("a file in place of the folder")
        << "CreateBlank"
        << "alpha" << reasons::inMessage(reasons::belowRegularFile()) << true;
}

void SetFileCreationTest::writeFailureWarns()
{
    QFETCH(QString, kind);
    QFETCH(QString, name);
    QFETCH(QString, reason);
    QFETCH(bool, folderIsAFile);
    StartedTool tool(mpMods, {}, globalMods, folderIsAFile ? QStringList() : QStringList{"A.set"});
    if (folderIsAFile) {
        // On Windows a folder the tool watches goes only once the watch lets go of it, so the
        // tool starts anew on the file in its place.
        tool.window.reset();
        QVERIFY(QDir(tool.folder.setFilesDir()).removeRecursively());
        TestAppFolder::writeFile(tool.folder.setFilesDir(), "not a folder");
        resetAppState();
        tool.window = std::make_unique<MainWindow>();
    } else {
        QDir(tool.folder.setFilesDir()).mkdir(name + QStringLiteral(".set"));
        tool.choose(QStringLiteral("A.set"));
    }
    QListWidgetItem *chosen = tool.form().listChooseSetting->currentItem();
    const QStringList files = treeSnapshot(tool.folder.root());
    DialogDriver driver;
    driver.answerSetFileCreation(kind, name);

    createWith(tool, driver);

    QCOMPARE(tool.probe.messages.size(), 1);
    QCOMPARE(tool.probe.messages.first().title, QStringLiteral("Halvane v5"));
    QCOMPARE(tool.probe.messages.first().text,
             QStringLiteral("Cannot write file ") + setFile(tool, name + QStringLiteral(".set")) +
                 QStringLiteral(":\n") + reason + QStringLiteral("."));
    QCOMPARE(treeSnapshot(tool.folder.root()), files);
    QCOMPARE(tool.form().listChooseSetting->currentItem(), chosen);
}

void SetFileCreationTest::copiedSetPastedUnderAnotherNameLoadsTheSame()
{
    SharingTool tool;
    tool.choose("evening.set");
    tool.trigger("actionCopySetAsText");
    const QString lines = QString(shared).remove(QLatin1Char('\r'));
    QCOMPARE(QGuiApplication::clipboard()->text(), lines);
    DialogDriver driver;
    driver.expect("SetName", DialogDriver::typeNameAndAccept("shared"));

    tool.trigger("actionPasteSet");

    QCOMPARE(TestAppFolder::readFile(tool.setFilePath("shared.set")),
             TestAppFolder::asSaved(QStringEncoder(QStringConverter::System)(lines + '\n')));
    tool.form().buttonLoadSetting->click(); // the pasted set is the current one
    QCOMPARE(tickedNames(appState().modsMP), (QStringList{"b.zip", "Élan.zip"}));
    QCOMPARE(tickedNames(appState().modsGlobal), QStringList{"g.zip"});
    QCOMPARE(appState().otherCommands, QStringLiteral("-x \"two words\""));
}

void SetFileCreationTest::pasteTakesOnlyASetAndAsksFirst_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("name"); // none: no name is asked for
    QTest::addColumn<QList<bool>>("answers");
    QTest::addColumn<QString>("message"); // %1 the set-file folder
    QTest::addColumn<bool>("written");
    const auto row = [](const char *tag, const QString &text, const QString &name,
                        const QList<bool> &answers, const QString &message, bool written) {
        QTest::newRow(tag) << text << name << answers << message << written;
    };
    const QString noSet = QStringLiteral("Halvane v5: The clipboard holds no set.");
    const QString header = QStringLiteral("[General]\n");
    const int mebibyte = 1 << 20;
    row("empty", QString(), QString(), {}, noSet, false);
    row("binary", QString::fromLatin1("[SettingMP]\n\0\x01\xFF", 15), QString(), {}, noSet, false);
    row("other headers", "[Paths]\nExecutablePath=x\n", QString(), {}, noSet, false);
    row("1 MiB of two-byte letters", header + QString(mebibyte / 2, u'é'), QString(), {}, noSet,
        false);
    row("1 MiB exactly", header + QString(mebibyte - 10, 'x'), "big", {}, QString(), true);
    row("mark, blanks around a header", "\uFEFF  [SettingGlobal] \r\nCount=0", "marked", {},
        QString(), true);
    const QString question("Halvane v5: There is a set friend.set in %1 already.\nReplace it?");
    row("replaced", shared, "friend", {true}, question, true);
    row("kept", shared, "friend", {false}, question, false);
    row("name creation refuses", shared, "../friend", {true},
        "Create Set File: \"../friend\" cannot be used as a set file name.", false);
}

void SetFileCreationTest::pasteTakesOnlyASetAndAsksFirst()
{
    QFETCH(QString, text);
    QFETCH(QString, name);
    QFETCH(QList<bool>, answers);
    QFETCH(QString, message);
    QFETCH(bool, written);
    SharingTool tool;
    const QStringList before = treeSnapshot(tool.folder.root());
    QGuiApplication::clipboard()->setText(text);
    tool.probe.questionAnswers = answers;
    DialogDriver driver;
    if (!name.isNull())
        driver.expect("SetName", DialogDriver::typeNameAndAccept(name));

    tool.trigger("actionPasteSet");

    QStringList texts;
    for (const platform::MessageRecord &shown : std::as_const(tool.probe.messages))
        texts << shown.title + ": " + shown.text;
    QCOMPARE(texts, message.isEmpty()
                        ? QStringList()
                        : QStringList{message.replace("%1", tool.folder.setFilesDir())});
    QCOMPARE(treeSnapshot(tool.folder.root()) != before, written);
    if (written)
        QCOMPARE(tool.form().listChooseSetting->currentItem()->text(), name + ".set");
}

QTEST_MAIN(SetFileCreationTest)
#include "tst_setfilecreation.moc"
