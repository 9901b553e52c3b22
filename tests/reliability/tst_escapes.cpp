// Names that try to get out of where they belong: set-file names that would leave the
// "Set Files" folder, and mod or option texts with line breaks that would add lines of their
// own to a set file. Nothing is written outside the folder and no set file is corrupted.

#include "DialogDriver.h"
#include "PlatformProbe.h"
#include "ReliabilitySupport.h"
#include "TestAppFolder.h"
#include "TreeItems.h"

#include "app/MainWindow.h"
#include "app/form/MainWindowForm.h"
#include "app/state/AppState.h"
#include "setfiles/SetFileFormat.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QtTest>

using namespace reliability;

namespace {
const QByteArray existingSet =
    "[SettingMP]\nMod0=good.zip\nCount=1\n[General]\nOtherCommands=-keep\n";

// A row name that shows control characters.
QString visible(QString name)
{
    if (name.isEmpty())
        return QStringLiteral("(empty)");
    name.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    name.replace(QLatin1Char('\r'), QLatin1String("\\r"));
    name.replace(QChar(0), QLatin1String("\\0"));
    return name;
}
} // namespace

class EscapesTest : public QObject {
    Q_OBJECT

private slots:
    void setFileNamesCannotLeaveTheFolder_data();
    void setFileNamesCannotLeaveTheFolder();
    void modNamesWithLineBreaksAreNotListed();
    void optionsWithLineBreaksStayOnOneLine();
};

void EscapesTest::setFileNamesCannotLeaveTheFolder_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("button");
    QStringList names{QStringLiteral("../escaped"),        QStringLiteral("../../escaped"),
                      QStringLiteral("sub/../../escaped"), QStringLiteral("/tmp/escaped"),
                      QStringLiteral("..\\escaped"),       QStringLiteral("C:escaped"),
                      QStringLiteral("line\nbreak"),       QStringLiteral("carriage\rreturn"),
                      QStringLiteral("nul\0byte"),         QString()};
#ifndef Q_OS_WIN
    // Elsewhere the system hides the files "..set" and "...set"; Windows lists them as sets.
    names << QStringLiteral("..") << QStringLiteral(".");
#endif
    for (const QString &name : names) {
        QTest::addRow("%s blank", qPrintable(visible(name)))
            << name << QStringLiteral("CreateBlank");
        QTest::addRow("%s with mods", qPrintable(visible(name)))
            << name << QStringLiteral("CreateWithSelected");
    }
}

void EscapesTest::setFileNamesCannotLeaveTheFolder()
{
    QFETCH(QString, name);
    QFETCH(QString, button);
    PlatformProbe probe;
    TestAppFolder folder;
    folder.createReadyTool({QStringLiteral("good.zip")});
    folder.createSetFile(QStringLiteral("mine.set"), existingSet);
    MainWindow window;
    window.form().listMP->topLevelItem(0)->setCheckState(0, Qt::Checked);
    const QStringList before = treeSnapshot(folder.root());

    DialogDriver dialogs;
    dialogs.answerSetFileCreation(button, name);
    window.form().buttonCreateSetting->click();
    QCOMPARE(probe.messages.size(), 1);
    QCOMPARE(probe.messages.first().title, QStringLiteral("Create Set File"));
    QCOMPARE(probe.messages.first().text,
             QStringLiteral("\"%1\" cannot be used as a set file name.").arg(name));
    QCOMPARE(treeSnapshot(folder.root()), before);
    QCOMPARE(window.form().listChooseSetting->count(), 1);
}

// A set file keeps one name per line, so such a name could never be stored or read back: it
// is left out, and the rest of the folder is listed and saved as usual.
void EscapesTest::modNamesWithLineBreaksAreNotListed()
{
#ifdef Q_OS_WIN
    QSKIP("Windows allows no line break in a file name");
#endif
    PlatformProbe probe;
    TestAppFolder folder;
    folder.createReadyTool({QStringLiteral("good.zip"),
                            QStringLiteral("evil\n[General]\nOtherCommands=-injected.zip"),
                            QStringLiteral("cr\rname.zip"), QStringLiteral("lf\nname.zip")});
    folder.createSetFile(QStringLiteral("mine.set"), existingSet);
    MainWindow window;
    QCOMPARE(window.form().listMP->topLevelItemCount(), 1);
    QCOMPARE(window.form().listMP->topLevelItem(0)->text(0), QStringLiteral("good.zip"));

    window.form().listMP->topLevelItem(0)->setCheckState(0, Qt::Checked);
    window.form().inputOtherCommands->setText(QStringLiteral("-mine"));
    window.form().listChooseSetting->setCurrentRow(0);
    window.form().buttonSaveSetting->click();
    QVERIFY(probe.messages.isEmpty());
    const QByteArray written =
        TestAppFolder::readFile(folder.setFilesDir() + QStringLiteral("/mine.set"));
    QCOMPARE(written, QByteArray("[SettingMP]\nMod0=good.zip\nCount=1\n[SettingSP]\nCount=0\n"
                                 "[SettingGlobal]\nCount=0\n[General]\nOtherCommands=-mine\n"));
}

// Other options typed or pasted with line breaks are written on their one line; reading them
// back gives blanks in their place and no extra entries.
void EscapesTest::optionsWithLineBreaksStayOnOneLine()
{
    PlatformProbe probe;
    TestAppFolder folder;
    folder.createReadyTool({QStringLiteral("good.zip"), QStringLiteral("injected.zip")});
    folder.createSetFile(QStringLiteral("mine.set"), existingSet);
    MainWindow window;
    appState().otherCommands = QStringLiteral("-a\n[SettingMP]\r\nMod0=injected.zip\rMod1=x");
    window.form().listChooseSetting->setCurrentRow(0);
    window.form().buttonSaveSetting->click();
    QVERIFY(probe.messages.isEmpty());
    const QByteArray written =
        TestAppFolder::readFile(folder.setFilesDir() + QStringLiteral("/mine.set"));
    QCOMPARE(written.count('\n'), 8);
    QCOMPARE(written.count('['), 5);

    QVERIFY(readSetFile(folder.setFilesDir() + QStringLiteral("/mine.set")).ok());
    QVERIFY(appState().loadedMP.isEmpty());
    QCOMPARE(appState().loadedOtherCommands,
             QStringLiteral("-a [SettingMP] Mod0=injected.zip Mod1=x"));
    window.form().buttonLoadSetting->click();
    QVERIFY(checkedItems(window.form().listMP).isEmpty());
}

QTEST_MAIN(EscapesTest)
#include "tst_escapes.moc"
