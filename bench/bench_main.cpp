// Measures the tool at scale: ./run-bench [N] runs it over a generated game with N mods in
// each of the three mod subfolders and prints `name value` lines.

#include "BenchGame.h"
#include "WindowStarts.h"

#include "app/LiveLists.h"
#include "app/MainWindow.h"
#include "app/form/MainWindowForm.h"
#include "app/state/AppState.h"
#include "ini/IniFile.h"
#include "mods/ModCatalogue.h"
#include "platform/ApplicationFolder.h"
#include "platform/FormFont.h"
#include "platform/MessageBoxes.h"
#include "setfiles/SetFileFormat.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <optional>
#include <vector>

namespace {
double millisecondsOf(const std::function<void()> &work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

double medianMillisecondsOf(int rounds, const std::function<void(int)> &work)
{
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i)
        times.push_back(millisecondsOf([&] { work(i); }));
    std::sort(times.begin(), times.end());
    return times.at(times.size() / 2);
}

void print(const char *name, double value)
{
    std::printf("%s %.1f\n", name, value);
    std::fflush(stdout); // a figure printed stays printed when a later step fails
}

void settle()
{
    QApplication::processEvents();
}

double measureScan(const BenchGame &game)
{
    const double ms = medianMillisecondsOf(5, [&](int) {
        resetAppState();
        scanModSubfolders(game.modFolder());
    });
    resetAppState();
    return ms;
}

double measureIni(const BenchGame &game)
{
    const QString path = game.scratchFile(QStringLiteral("large.ini"));
    QByteArray content;
    for (int section = 0; section < 100; ++section) {
        content += "[Section" + QByteArray::number(section) + "]\n";
        for (int key = 0; key < 100; ++key)
            content += "Key" + QByteArray::number(key) + "=value " + QByteArray::number(key) + "\n";
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    file.write(content);
    file.close();
    int found = 0;
    const double ms = millisecondsOf([&] {
        IniFile ini(path);
        for (int section = 0; section < 100; ++section) {
            for (int key = 0; key < 100; ++key) {
                found += ini.value(QStringLiteral("Section%1").arg(section),
                                   QStringLiteral("Key%1").arg(key),
                                   QStringLiteral("ERROR")) != QLatin1String("ERROR");
            }
        }
    });
    if (found != 10000)
        qFatal("INI lookups found %d of 10000 keys", found);
    return ms;
}

// From the end of the settling wait after a mod file was added until the window shows it in
// its list: the listing, the patch of table and list, and the painting. Each round adds one more
// file among the others.
double measureRescan(MainWindow &window, const BenchGame &game, int modsPerFolder)
{
    auto *lists = window.findChild<LiveLists *>();
    const QString folder = game.modFolder() + QStringLiteral("/multiplay");
    QElapsedTimer timer;
    QObject::connect(lists, &LiveLists::relistStarted, [&](const QString &listed) {
        if (listed == folder)
            timer.start();
    });
    std::vector<double> times;
    for (int round = 0; round < 7; ++round) {
        QSignalSpy relisted(lists, &LiveLists::relisted);
        QFile file(folder + QStringLiteral("/%1 added.zip").arg(BenchGame::modName(round * 997)));
        if (!file.open(QIODevice::WriteOnly))
            qFatal("cannot write %s", qPrintable(file.fileName()));
        file.close();
        while (!relisted.contains(QVariantList{folder}))
            if (!relisted.wait(10000))
                qFatal("the new mod file was never listed");
        window.repaint();
        settle();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
        const int shown = window.form().listMP->topLevelItemCount();
        if (shown != modsPerFolder + round + 1)
            qFatal("the list holds %d mods", shown);
    }
    std::sort(times.begin(), times.end());
    return times.at(times.size() / 2);
}

// Without an X server (run-bench provides one) the two figures are left out.
void printWindowStarts(const BenchGame &game)
{
    const std::optional<WindowStartTimes> times = measureWindowStarts(game, 7);
    if (!times) {
        std::fprintf(stderr, "no X server: window_ms and empty_window_ms left out\n");
        return;
    }
    print("window_ms", times->toolMs);
    print("empty_window_ms", times->emptyWindowMs);
    std::printf("window_ratio %.2f\n", times->toolMs / times->emptyWindowMs);
}

QAction *actionNamed(QWidget *widget, const char *name)
{
    for (QAction *action : widget->actions()) {
        if (action->objectName() == QLatin1String(name))
            return action;
    }
    qFatal("no action %s", name);
}

// One key at a time into the find field of the first list: narrowing, widening, hiding
// every mod and, by emptying the field, which closes it, showing every mod again.
void printFindFigures(MainWindow &window)
{
    MainWindowForm &form = window.form();
    actionNamed(&window, "actionFindMods")->trigger();
    auto *field = window.findChild<QLineEdit *>(QStringLiteral("findMods"));
    if (!field || !field->isVisible())
        qFatal("Ctrl+F made no find field");
    const std::vector<Qt::Key> keys{
        Qt::Key_1,         Qt::Key_2,         Qt::Key_3, Qt::Key_4,         Qt::Key_Backspace,
        Qt::Key_Backspace, Qt::Key_Backspace, Qt::Key_X, Qt::Key_Backspace, Qt::Key_Backspace};
    std::vector<double> times;
    for (const Qt::Key key : keys) {
        times.push_back(millisecondsOf([&] {
            QTest::keyClick(field, key);
            settle();
        }));
    }
    std::sort(times.begin(), times.end());
    print("filter_ms", times.at(times.size() / 2));
    print("filter_slowest_ms", times.back());

    if (field->isVisible())
        qFatal("emptying the find field left it open");
    // A tick while most of the list is hidden.
    actionNamed(&window, "actionFindMods")->trigger();
    QTest::keyClicks(field, QStringLiteral("12"));
    settle();
    // Preferably one far down the list; with a hundred mods the only match is near its top.
    const int rows = form.listMP->topLevelItemCount();
    QTreeWidgetItem *shown = nullptr;
    for (int step = 0; !shown && step < rows; ++step) {
        QTreeWidgetItem *item = form.listMP->topLevelItem((rows / 2 + step) % rows);
        if (!item->isHidden())
            shown = item;
    }
    if (shown) {
        print("filtered_tick_ms", medianMillisecondsOf(50, [&](int round) {
                  shown->setCheckState(0, round % 2 ? Qt::Checked : Qt::Unchecked);
                  settle();
              }));
    }
    QTest::keyClick(field, Qt::Key_Escape);
    settle();
    const QTreeWidgetItem *first = form.listMP->topLevelItem(0);
    if ((first && first->isHidden()) || field->isVisible())
        qFatal("Escape left the find field open");
}

// "Untick All Mods" with every mod of the first list ticked.
double measureUntickAll(MainWindow &window)
{
    MainWindowForm &form = window.form();
    const int modsPerFolder = form.listMP->topLevelItemCount();
    if (appState().modsMP.tickedCount() != modsPerFolder)
        qFatal("%d mods are ticked before unticking", appState().modsMP.tickedCount());
    const double ms = millisecondsOf([&] {
        actionNamed(form.listMP, "actionUntickAllMods")->trigger();
        settle();
    });
    if (appState().modsMP.tickedCount() != 0 || !form.SelectedMods->toPlainText().isEmpty())
        qFatal("unticking all left mods ticked");
    return ms;
}

double peakResidentMegabytes()
{
    struct rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}
} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int modsPerFolder = argc > 1 ? std::max(0, atoi(argv[1])) : 10000;

    BenchGame game(modsPerFolder);
    platform::setApplicationDirPathOverride(game.appDir());
    platform::messageBoxSeam.replace([](QWidget *, const platform::MessageRecord &message) {
        qFatal("unexpected message box: %s", qPrintable(message.text));
        return false;
    });

    print("scan_ms", measureScan(game));
    printWindowStarts(game);

    MainWindow *window = nullptr;
    print("startup_ms", millisecondsOf([&] {
              platform::useFormFont(); // as the tool's start does before its window
              window = new MainWindow;
              window->show();
              if (!QTest::qWaitForWindowExposed(window))
                  qFatal("the window was never shown");
              window->repaint();
              settle();
          }));
    MainWindowForm &form = window->form();
    if (form.listMP->topLevelItemCount() != modsPerFolder)
        qFatal("the list holds %d mods", form.listMP->topLevelItemCount());

    form.listChooseSetting->setCurrentRow(0);
    print("set_load_ms", millisecondsOf([&] {
              form.buttonLoadSetting->click();
              settle();
          }));
    if (appState().modsMP.tickedCount() != modsPerFolder)
        qFatal("the set ticked %d mods", appState().modsMP.tickedCount());

    if (QTreeWidgetItem *middle = form.listMP->topLevelItem(modsPerFolder / 2)) {
        print("tick_ms", medianMillisecondsOf(50, [&](int round) {
                  middle->setCheckState(0, round % 2 ? Qt::Checked : Qt::Unchecked);
                  settle();
              }));
    }

    print("keystroke_ms", medianMillisecondsOf(50, [&](int) {
              QTest::keyClick(form.inputOtherCommands, Qt::Key_A);
              settle();
          }));

    const QString setPath = game.scratchFile(QStringLiteral("written.set"));
    print("set_write_ms", millisecondsOf([&] {
              if (!writeSetFile(setPath).ok())
                  qFatal("writing the set file failed");
          }));
    print("set_read_ms", millisecondsOf([&] {
              if (!readSetFile(setPath).ok())
                  qFatal("reading the set file failed");
          }));
    if (appState().loadedMP.size() != modsPerFolder)
        qFatal("the set file held %d names", int(appState().loadedMP.size()));

    printFindFigures(*window);
    print("untick_all_ms", measureUntickAll(*window));
    // Last, since it adds mods.
    print("rescan_ms", measureRescan(*window, game, modsPerFolder));

    print("ini_ms", measureIni(game));
    print("peak_rss_mb", peakResidentMegabytes());
    delete window;
    return 0;
}
