#include "DialogDriver.h"
#include "PlatformProbe.h"
#include "TestAppFolder.h"

#include "app/MainWindow.h"
#include "app/form/MainWindowForm.h"
#include "app/state/AppState.h"
#include "locations/OptionsDialog.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

namespace {
QLineEdit *field(QDialog *dialog, const char *name)
{
    return dialog->findChild<QLineEdit *>(QLatin1String(name));
}

void setLocations(const QString &exe, const QString &modFolder, const QString &config)
{
    appState().exePath = exe;
    appState().modFolderPath = modFolder;
    appState().configFilePath = config;
}

QStringList locations()
{
    return {appState().exePath, appState().modFolderPath, appState().configFilePath};
}

// %1 the stand-in game, %2 its mod folder, %3 its configuration file, %4 its game folder.
QString fill(QString text, const TestAppFolder &folder)
{
    return text.replace(QLatin1String("%1"), folder.exePath())
        .replace(QLatin1String("%2"), folder.modFolder())
        .replace(QLatin1String("%3"), folder.configPath())
        .replace(QLatin1String("%4"), folder.gameDir());
}

const QString invalidPathText =
    QStringLiteral("One of the entered paths is invalid, please enter a valid path.");
} // namespace

class OptionsDialogTest : public QObject {
    Q_OBJECT

private slots:
    void formIsLaidOutAsDesigned();
    void slotsAreDeclaredInOrder();
    void opensWithCurrentLocations();

    void okChecksAllThreePaths_data();
    void okChecksAllThreePaths();
    void toolkitRejectionCancels_data();
    void toolkitRejectionCancels();
    void eachRunMakesAndDeletesItsOwnDialog();

    void browseOffersTheRightFiles_data();
    void browseOffersTheRightFiles();
    void browseAnsweredOrCancelled_data();
    void browseAnsweredOrCancelled();

    void changePathsSavesOnlyAfterZero_data();
    void changePathsSavesOnlyAfterZero();
    void changePathsWarnsWhenOptionsIniIsAFolder();
};

void OptionsDialogTest::formIsLaidOutAsDesigned()
{
    PlatformProbe probe;
    OptionsDialog dialog;
    QCOMPARE(dialog.objectName(), QStringLiteral("OptionsDialog"));
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Options"));
    QCOMPARE(dialog.size(), QSize(386, 135));
    QCOMPARE(dialog.sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
    QCOMPARE(dialog.sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
    QCOMPARE(dialog.minimumSize(), QSize(0, 0));
    QCOMPARE(dialog.maximumSize(), QSize(800, 800));

    struct Expected {
        const char *name;
        const char *className;
        QRect geometry;
        const char *text;
    };
    const Expected expected[] = {
        {"browseExecutable", "QPushButton", {320, 5, 61, 20}, "Browse..."},
        {"browseModDir", "QPushButton", {320, 30, 61, 20}, "Browse..."},
        {"executablePathLabel", "QLabel", {5, 5, 80, 20}, "Executable Path"},
        {"modFolderLabel", "QLabel", {5, 30, 80, 20}, "Mod Folder"},
        {"modFolder", "QLineEdit", {90, 30, 225, 20}, nullptr},
        {"executablePath", "QLineEdit", {90, 5, 225, 20}, nullptr},
        {"modPathExample", "QLabel", {20, 85, 309, 13}, nullptr},
        {"browseConfig", "QPushButton", {320, 55, 61, 20}, "Browse..."},
        {"modFolderLabel_2", "QLabel", {5, 55, 80, 20}, "Config File"},
        {"ConfigFile", "QLineEdit", {90, 55, 225, 20}, nullptr},
        {"buttonBox", "QDialogButtonBox", {210, 105, 156, 23}, nullptr},
    };
    QList<QWidget *> created;
    for (QObject *child : dialog.children()) {
        if (child->isWidgetType())
            created << static_cast<QWidget *>(child);
    }
    QCOMPARE(created.size(), int(std::size(expected)));
    for (int i = 0; i < created.size(); ++i) {
        const Expected &row = expected[i];
        QWidget *widget = created.at(i);
        QCOMPARE(widget->objectName(), QLatin1String(row.name));
        QCOMPARE(widget->metaObject()->className(), row.className);
        QCOMPARE(widget->geometry(), row.geometry);
        if (row.text)
            QCOMPARE(widget->property("text").toString(), QLatin1String(row.text));
    }
    // Creation order is the keyboard focus order.
    for (int i = 0; i + 1 < created.size(); ++i)
        QCOMPARE(created.at(i)->nextInFocusChain(), created.at(i + 1));
    auto *buttons = dialog.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
    QCOMPARE(buttons->standardButtons(), QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QCOMPARE(buttons->orientation(), Qt::Horizontal);
    QVERIFY(!field(&dialog, "executablePath")->isReadOnly());
}

void OptionsDialogTest::slotsAreDeclaredInOrder()
{
    const QMetaObject &meta = OptionsDialog::staticMetaObject;
    QStringList declared;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
        QCOMPARE(meta.method(i).access(), QMetaMethod::Private);
        declared << QString::fromLatin1(meta.method(i).methodSignature());
    }
    QCOMPARE(declared, QStringList({"on_browseConfig_clicked()", "on_buttonBox_rejected()",
                                    "on_buttonBox_accepted()", "on_browseModDir_clicked()",
                                    "on_browseExecutable_clicked()"}));
}

void OptionsDialogTest::opensWithCurrentLocations()
{
    PlatformProbe probe;
    setLocations(QStringLiteral("C:/Games/v.exe"), QStringLiteral("C:/Games/mods"),
                 QStringLiteral("C:/cfg"));
    OptionsDialog dialog;
    QCOMPARE(field(&dialog, "executablePath")->text(), QStringLiteral("C:/Games/v.exe"));
    QCOMPARE(field(&dialog, "modFolder")->text(), QStringLiteral("C:/Games/mods"));
    QCOMPARE(field(&dialog, "ConfigFile")->text(), QStringLiteral("C:/cfg"));
    QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("modPathExample"))->text(),
             QStringLiteral("Example: C:/Program Files/Varnhold/mods"));
}

void OptionsDialogTest::okChecksAllThreePaths_data()
{
    QTest::addColumn<QString>("exe");
    QTest::addColumn<QString>("modFolder");
    QTest::addColumn<QString>("config");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("all exist") << "%1"
                               << "%2"
                               << "%3" << true;
    QTest::newRow("empty mod folder is the working folder") << "%1" << QString() << "%3" << true;
    QTest::newRow("executable and config may be folders") << "%4"
                                                          << "%2"
                                                          << "%4" << true;
    QTest::newRow("executable missing") << "%1.gone"
                                        << "%2"
                                        << "%3" << false;
    QTest::newRow("mod folder missing") << "%1"
                                        << "%2/gone"
                                        << "%3" << false;
    QTest::newRow("mod folder names a file") << "%1"
                                             << "%3"
                                             << "%3" << false;
    QTest::newRow("config missing") << "%1"
                                    << "%2"
                                    << "%3.gone" << false;
    QTest::newRow("empty config") << "%1"
                                  << "%2" << QString() << false;
    QTest::newRow("blanks are not trimmed") << " %1"
                                            << "%2"
                                            << "%3" << false;
}

// After a failed OK the dialog stays open and the variables keep what they held, so Cancel
// then ends with 1 and leaves no rejected path behind.
void OptionsDialogTest::okChecksAllThreePaths()
{
    QFETCH(QString, exe);
    QFETCH(QString, modFolder);
    QFETCH(QString, config);
    QFETCH(bool, accepted);
    PlatformProbe probe;
    TestAppFolder folder;
    folder.createGame();
    setLocations(QStringLiteral("old exe"), QStringLiteral("old mods"), QStringLiteral("old cfg"));
    bool openAfterOk = false;
    DialogDriver driver;
    driver.whenShown<OptionsDialog>([&](OptionsDialog *dialog) {
        DialogDriver::enterLocations(fill(exe, folder), fill(modFolder, folder),
                                     fill(config, folder))(dialog);
        DialogDriver::clickStandardButton(QDialogButtonBox::Ok)(dialog);
        openAfterOk = dialog->isVisible();
        if (openAfterOk)
            DialogDriver::clickStandardButton(QDialogButtonBox::Cancel)(dialog);
    });
    QWidget parent;

    const int result = runOptionsDialog(&parent);

    QCOMPARE(driver.shownCount, 1);
    QVERIFY(!driver.leftOpen);
    QCOMPARE(openAfterOk, !accepted);
    QCOMPARE(result, accepted ? 0 : 1);
    const QStringList entered{fill(exe, folder), fill(modFolder, folder), fill(config, folder)};
    QCOMPARE(locations(), accepted ? entered : QStringList({"old exe", "old mods", "old cfg"}));
    if (accepted) {
        QVERIFY(probe.messages.isEmpty());
    } else {
        QCOMPARE(probe.messages.size(), 1);
        QCOMPARE(probe.messages.at(0).kind, platform::MessageKind::Information);
        QCOMPARE(probe.messages.at(0).title, QStringLiteral("Varnhold locations"));
        QCOMPARE(probe.messages.at(0).text, invalidPathText);
    }
}

void OptionsDialogTest::toolkitRejectionCancels_data()
{
    QTest::addColumn<bool>("escape");
    QTest::newRow("Escape key") << true;
    QTest::newRow("title-bar close") << false;
}

// Callers take 0 for stored locations, so the toolkit's own rejection must give Cancel's 1.
void OptionsDialogTest::toolkitRejectionCancels()
{
    QFETCH(bool, escape);
    PlatformProbe probe;
    setLocations(QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"));
    DialogDriver driver;
    driver.whenShown<OptionsDialog>([escape](OptionsDialog *dialog) {
        DialogDriver::enterLocations(QStringLiteral("x"), QStringLiteral("y"),
                                     QStringLiteral("z"))(dialog);
        if (escape)
            QTest::keyClick(dialog, Qt::Key_Escape);
        else
            dialog->close();
    });
    QWidget parent;

    QCOMPARE(runOptionsDialog(&parent), 1);
    QVERIFY(!driver.leftOpen);
    // Only OK takes the texts.
    QCOMPARE(locations(), QStringList({"a", "b", "c"}));
    QVERIFY(probe.messages.isEmpty());
}

void OptionsDialogTest::eachRunMakesAndDeletesItsOwnDialog()
{
    PlatformProbe probe;
    QList<QPointer<OptionsDialog>> dialogs;
    QPointer<QFileDialog> fileDialog;
    probe.onFileDialog = [&fileDialog](QFileDialog *dialog) { fileDialog = dialog; };
    DialogDriver driver;
    const auto recordAndCancel = [&dialogs](OptionsDialog *dialog) {
        dialogs << dialog;
        dialog->findChild<QPushButton *>(QStringLiteral("browseConfig"))->click();
        DialogDriver::clickStandardButton(QDialogButtonBox::Cancel)(dialog);
    };
    QWidget parent;

    driver.whenShown<OptionsDialog>(recordAndCancel);
    QCOMPARE(runOptionsDialog(&parent), 1);
    driver.whenShown<OptionsDialog>(recordAndCancel);
    QCOMPARE(runOptionsDialog(&parent), 1);

    QCOMPARE(dialogs.size(), 2);
    QVERIFY(dialogs.at(0).isNull());
    QVERIFY(dialogs.at(1).isNull());
    QVERIFY(fileDialog.isNull());
    QVERIFY(parent.findChildren<QDialog *>().isEmpty());
}

void OptionsDialogTest::browseOffersTheRightFiles_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<int>("fileMode");
    QTest::addColumn<QStringList>("nameFilters");
    QTest::addColumn<bool>("dirsOnly");
    QTest::newRow("executable") << "browseExecutable"
                                << "executablePath" << int(QFileDialog::AnyFile)
                                << QStringList({"EXE Files (*.exe)", "Any files (*)"}) << false;
    QTest::newRow("mod folder") << "browseModDir"
                                << "modFolder" << int(QFileDialog::Directory) << QStringList()
                                << true;
    QTest::newRow("config") << "browseConfig"
                            << "ConfigFile" << int(QFileDialog::AnyFile)
                            << QStringList({"Any files (*)"}) << false;
}

void OptionsDialogTest::browseOffersTheRightFiles()
{
    QFETCH(QString, button);
    QFETCH(QString, fieldName);
    QFETCH(int, fileMode);
    QFETCH(QStringList, nameFilters);
    QFETCH(bool, dirsOnly);
    PlatformProbe probe;
    TestAppFolder folder;
    folder.createGame();
    OptionsDialog dialog;
    dialog.findChild<QLineEdit *>(fieldName)->setText(folder.modFolder());
    QFileDialog *seen = nullptr;
    int seenMode = -1;
    QStringList seenFilters;
    bool seenDirsOnly = false;
    QString seenFolder;
    probe.onFileDialog = [&](QFileDialog *fileDialog) {
        seen = fileDialog;
        seenMode = fileDialog->fileMode();
        seenFilters = fileDialog->nameFilters();
        seenDirsOnly = fileDialog->testOption(QFileDialog::ShowDirsOnly);
        seenFolder = fileDialog->directory().absolutePath();
    };

    dialog.findChild<QPushButton *>(button)->click();

    QVERIFY(seen);
    QCOMPARE(seen->parent(), &dialog);
    QVERIFY(seen->windowFlags().testFlag(Qt::Dialog));
    QCOMPARE(seenMode, fileMode);
    if (!nameFilters.isEmpty())
        QCOMPARE(seenFilters, nameFilters);
    QCOMPARE(seenDirsOnly, dirsOnly);
    QCOMPARE(seenFolder, folder.modFolder());
}

void OptionsDialogTest::browseAnsweredOrCancelled_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("fieldName");
    QTest::newRow("executable") << "browseExecutable"
                                << "executablePath";
    QTest::newRow("mod folder") << "browseModDir"
                                << "modFolder";
    QTest::newRow("config") << "browseConfig"
                            << "ConfigFile";
}

void OptionsDialogTest::browseAnsweredOrCancelled()
{
    QFETCH(QString, button);
    QFETCH(QString, fieldName);
    PlatformProbe probe;
    OptionsDialog dialog;
    QLineEdit *edit = dialog.findChild<QLineEdit *>(fieldName);
    edit->setText(QStringLiteral("before"));
    probe.fileDialogAnswers << platform::FileDialogAnswer{false, {}}
                            << platform::FileDialogAnswer{true, {}}
                            << platform::FileDialogAnswer{true, {"/picked/first", "/second"}};
    auto *browse = dialog.findChild<QPushButton *>(button);

    browse->click();
    QCOMPARE(edit->text(), QStringLiteral("before"));
    browse->click();
    QCOMPARE(edit->text(), QStringLiteral("before"));
    browse->click();
    QCOMPARE(edit->text(), QStringLiteral("/picked/first"));
    QVERIFY(probe.fileDialogAnswers.isEmpty());
    // Browsing alone stores nothing.
    QVERIFY(appState().exePath.isEmpty());
    QVERIFY(appState().modFolderPath.isEmpty());
    QVERIFY(appState().configFilePath.isEmpty());
}

void OptionsDialogTest::changePathsSavesOnlyAfterZero_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("saved");
    QTest::newRow("OK with valid paths") << "ok" << true;
    QTest::newRow("Cancel") << "cancel" << false;
    QTest::newRow("Cancel after a failed OK") << "bad ok, cancel" << false;
    QTest::newRow("Escape") << "escape" << false;
}

void OptionsDialogTest::changePathsSavesOnlyAfterZero()
{
    QFETCH(QString, action);
    QFETCH(bool, saved);
    PlatformProbe probe;
    TestAppFolder folder;
    folder.createReadyTool();
    MainWindow window;
    QVERIFY(window.startupCompleted());
    // A saved file would come back whitespace-simplified, so any save shows.
    const QByteArray before = TestAppFolder::readFile(folder.optionsIniPath()) + "[Keep]\nA =  1\n";
    TestAppFolder::writeFile(folder.optionsIniPath(), before);
    // Another complete game beside the first one.
    const QString other = folder.root() + QStringLiteral("/other");
    for (const char *subfolder : {"/mods/multiplay", "/mods/campaign", "/mods/global"})
        QVERIFY(QDir().mkpath(other + QLatin1String(subfolder)));
    TestAppFolder::writeFile(other + QStringLiteral("/game.exe"), "x");
    TestAppFolder::writeFile(other + QStringLiteral("/config"), "x");
    QStringList entered{other + QStringLiteral("/game.exe"), other + QStringLiteral("/mods"),
                        other + QStringLiteral("/config")};
    if (action.startsWith(QLatin1String("bad")))
        entered[1] += QStringLiteral("/gone");
    const QStringList settled = locations();
    DialogDriver driver;
    driver.whenShown<OptionsDialog>([&](OptionsDialog *dialog) {
        DialogDriver::enterLocations(entered.at(0), entered.at(1), entered.at(2))(dialog);
        if (action == QLatin1String("escape")) {
            QTest::keyClick(dialog, Qt::Key_Escape);
            return;
        }
        if (action != QLatin1String("cancel"))
            DialogDriver::clickStandardButton(QDialogButtonBox::Ok)(dialog);
        if (dialog->isVisible())
            DialogDriver::clickStandardButton(QDialogButtonBox::Cancel)(dialog);
    });

    window.form().ChangePaths->click();

    QCOMPARE(driver.shownCount, 1);
    QVERIFY(!driver.leftOpen);
    QVERIFY(probe.exits.isEmpty());
    const QStringList held = saved ? entered : settled;
    QCOMPARE(locations(), held);
    const QByteArray after = TestAppFolder::readFile(folder.optionsIniPath());
    if (!saved) {
        QCOMPARE(after, before);
        return;
    }
    QCOMPARE(after,
             TestAppFolder::asSaved(QStringLiteral("[Paths]\nExecutablePath=%1\nModFolderPath=%2\n"
                                                   "ConfigFilePath=%3\n[Keep]\nA = 1\n")
                                        .arg(held.at(0), held.at(1), held.at(2))
                                        .toUtf8()));
    QVERIFY(probe.messages.isEmpty());
}

void OptionsDialogTest::changePathsWarnsWhenOptionsIniIsAFolder()
{
    PlatformProbe probe;
    TestAppFolder folder;
    folder.createReadyTool();
    MainWindow window;
    QVERIFY(probe.messages.isEmpty());
    QVERIFY(QFile::remove(folder.optionsIniPath()));
    QVERIFY(QDir().mkpath(folder.optionsIniPath()));
    DialogDriver driver;
    const auto pressOk = [](OptionsDialog *dialog) {
        DialogDriver::clickStandardButton(QDialogButtonBox::Ok)(dialog);
    };

    driver.whenShown<OptionsDialog>(pressOk);
    window.form().ChangePaths->click();
    driver.whenShown<OptionsDialog>(pressOk);
    window.form().ChangePaths->click();

    QCOMPARE(driver.shownCount, 2);
    QCOMPARE(probe.messages.size(), 2); // one per failed save
    for (const platform::MessageRecord &warning : std::as_const(probe.messages)) {
        QCOMPARE(warning.kind, platform::MessageKind::Warning);
        QCOMPARE(warning.title, QStringLiteral("Varnhold locations"));
        // A folder cannot be read as the file, so it is not replaced either.
        QVERIFY2(warning.text.startsWith(
                     QStringLiteral("Cannot read file %1:\n").arg(folder.optionsIniPath())),
                 qPrintable(warning.text));
    }
    QVERIFY(QFileInfo(folder.optionsIniPath()).isDir());
    QCOMPARE(locations(), QStringList({folder.exePath(), folder.modFolder(), folder.configPath()}));
}

QTEST_MAIN(OptionsDialogTest)
#include "tst_optionsdialog.moc"
