#include "ReliabilitySupport.h"

#include "ModNames.h"
#include "PlatformProbe.h"
#include "TestAppFolder.h"
#include "TreeItems.h"

#include "app/MainWindow.h"
#include "app/form/MainWindowForm.h"
#include "app/state/AppState.h"
#include "mods/ModCatalogue.h"
#include "mods/ModSelectionText.h"
#include "platform/FolderWatch.h"
#include "setfiles/SetFileNames.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTreeWidget>
#include <QtTest>

#include <random>

class FolderChurnTest : public QObject {
    Q_OBJECT

private slots:
    void churnedFoldersEndListedExactly();
};

// For seconds on end, files are made, renamed and removed in the followed folders in bursts of
// every size, the mod folder itself replaced by a new one, while the player ticks mods and
// picks sets. Nothing may crash, and once all is quiet the lists show exactly what the folders
// hold, with the views in step.
void FolderChurnTest::churnedFoldersEndListedExactly()
{
    PlatformProbe probe;
    TestAppFolder folder;
    folder.createReadyTool({"start.zip"});
    MainWindow window;
    MainWindowForm &form = window.form();
    const QString mods = folder.modFolder() + QStringLiteral("/multiplay");
    const QString sets = folder.setFilesDir();
    std::mt19937 random(23);
    const auto below = [&random](int bound) { return int(random() % unsigned(qMax(1, bound))); };
    QElapsedTimer clock;
    clock.start();
    int made = 0;
    while (clock.elapsed() < 4000) {
        const int burst = below(4) == 0 ? 200 : below(12);
        for (int step = 0; step < burst; ++step) {
            const bool inMods = below(3) > 0;
            const QString place = inMods ? mods : sets;
            const QString pattern = inMods ? QStringLiteral("m%1.zip") : QStringLiteral("s%1.set");
            const QStringList present = QDir(place).entryList(QDir::Files);
            const QString some = present.value(below(int(present.size())));
            switch (present.isEmpty() ? 0 : below(3)) {
            case 0:
                TestAppFolder::writeFile(place + '/' + pattern.arg(made++), "x");
                break;
            case 1:
                QFile::rename(place + '/' + some, place + '/' + pattern.arg(made++));
                break;
            default:
                QFile::remove(place + '/' + some);
            }
        }
        if (!runsUnderWine() && below(6) == 0) {
            // A new folder in the old one's place, holding its files.
            const QString away = mods + QStringLiteral(" away");
            QDir().rename(mods, away);
            QDir().mkdir(mods);
            for (const QString &name : QDir(away).entryList(QDir::Files))
                QFile::rename(away + '/' + name, mods + '/' + name);
            QDir().rmdir(away);
        }
        if (QTreeWidgetItem *item =
                form.listMP->topLevelItem(below(form.listMP->topLevelItemCount())))
            item->setCheckState(0,
                                item->checkState(0) == Qt::Checked ? Qt::Unchecked : Qt::Checked);
        form.listChooseSetting->setCurrentRow(below(form.listChooseSetting->count()));
        QTest::qWait(below(250));
    }

    // The last changes come after all before them were taken in.
    QTest::qWait(3 * platform::FolderWatch::settleMs);
    for (int step = 0; step < 20; ++step)
        TestAppFolder::writeFile(mods + QStringLiteral("/last%1.zip").arg(step), "x");

    QTRY_COMPARE_WITH_TIMEOUT(itemTexts(form.listMP), listModFileNames(mods), 20000);
    refreshSetFileNames();
    const QStringList setFiles = appState().setFileNames;
    QTRY_VERIFY_WITH_TIMEOUT(form.listChooseSetting->count() == setFiles.size(), 20000);
    QCOMPARE(namesOf(appState().modsMP), itemTexts(form.listMP));
    QCOMPARE(checkedItems(form.listMP), tickedNames(appState().modsMP));
    QCOMPARE(itemTexts(form.listChooseSetting), setFiles);
    QCOMPARE(form.SelectedMods->toPlainText(), composeSelectedMods());
    QCOMPARE(form.CurrentCommandLine->text(), composeCommandLine());
    const QListWidgetItem *current = form.listChooseSetting->currentItem();
    QCOMPARE(appState().selectedSetFile, current ? current->text() : QString());
    QVERIFY(probe.exits.isEmpty());
    QVERIFY(probe.messages.isEmpty());
}

QTEST_MAIN(FolderChurnTest)
#include "tst_folderchurn.moc"
