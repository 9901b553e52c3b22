#include "EndToEndTest.h"
#include "ScreenReader.h"

#include <QtTest>

// A player who follows the window through a screen reader ticks two mods, finds mods with
// Ctrl+F and a few letters, closes the find field with Escape and unticks every mod through
// the list's context menu. The test reads the window only as a screen reader does, through the
// accessibility bus: the list's rows, the texts of the displays and what is announced.
class FindModsEndToEnd : public EndToEndTest {
    Q_OBJECT

private slots:
    void findingAndUntickingAsAScreenReaderHearsIt();

private:
    void initTestCaseWithDisplay() override;

    std::unique_ptr<ScreenReader> reader;
};

namespace {
const QStringList multiplay{QStringLiteral("alpha.zip"), QStringLiteral("alpine.pak"),
                            QStringLiteral("bravo.zip"), QStringLiteral("calm.zip"),
                            QStringLiteral("delta.zip")};
const QString listName = QStringLiteral("Multiplayer & Skimish Mods");

// Waits until the reader's view, which follows the program's events, reads as expected.
template <typename Reading>
bool readsAs(const Reading &reading, const decltype(reading()) &expected, QDeadlineTimer deadline)
{
    while (reading() != expected) {
        if (deadline.hasExpired())
            return false;
        QTest::qWait(50);
    }
    return true;
}
} // namespace

void FindModsEndToEnd::initTestCaseWithDisplay()
{
    // As with a screen reader running: the toolkit serves the accessibility bus.
    qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    reader = std::make_unique<ScreenReader>();
    if (!reader->unavailableReason().isEmpty())
        QFAIL(qPrintable(reader->unavailableReason()));
}

void FindModsEndToEnd::findingAndUntickingAsAScreenReaderHearsIt()
{
    TestAppFolder folder(gameFolderName());
    QVERIFY(installTool(folder, multiplay, {QStringLiteral("campaign.zip")},
                        {QStringLiteral("global.zip")}));
    ToolProcess tool(toolPath(folder), folder.root() + QStringLiteral("/tool-output.log"));
    const XDisplay::WindowId window = startTool(tool);
    QVERIFY(!window.isEmpty());
    const ScreenReader::Node application =
        reader->application(QStringLiteral("varnhold-mod-manager"), deadlines::step());
    QVERIFY2(application, "the tool never showed up on the accessibility bus");
    const ScreenReader::Node list = reader->find(application, QStringLiteral("tree"), listName);
    QVERIFY2(list, "no list is read as the multiplayer mods");
    const ScreenReader::Node commandLine =
        reader->find(application, QStringLiteral("text"), QStringLiteral("Current Command Line"));
    const ScreenReader::Node selectedMods =
        reader->find(application, QStringLiteral("text"), QStringLiteral("Selected Mods"));
    QVERIFY(commandLine && selectedMods);
    const auto rows = [&] { return reader->childNames(list, QStringLiteral("table cell")); };
    const auto ticked = [&] {
        return reader->checkedChildNames(list, QStringLiteral("table cell"));
    };
    const auto commandLineText = [&] { return reader->text(commandLine); };
    QCOMPARE(rows(), multiplay);

    // alpha.zip and bravo.zip ticked with the keyboard.
    QVERIFY2(display.clickToFocus(window, spots::firstListEmptyArea, deadlines::step()),
             "the main window never took the keyboard focus");
    display.pressKeys({QStringLiteral("Home"), QStringLiteral("space"), QStringLiteral("Down"),
                       QStringLiteral("Down"), QStringLiteral("space")});
    const QString bothTicked =
        QStringLiteral("%BinaryPath% --mod_mp=alpha.zip --mod_mp=bravo.zip ");
    QVERIFY2(readsAs(commandLineText, bothTicked, deadlines::step()),
             qPrintable(commandLineText()));
    QCOMPARE(ticked(), QStringList({"alpha.zip", "bravo.zip"}));

    // Ctrl+F and two letters, in capitals: only the mods holding "al" are left to read, and the
    // count is announced.
    display.pressKeys({QStringLiteral("ctrl+f")});
    const auto findField = [&] {
        return reader->find(application, QStringLiteral("text"), QStringLiteral("Find Mods"));
    };
    QVERIFY2(readsAs([&] { return reader->isFocused(findField()); }, true, deadlines::step()),
             "Ctrl+F gave no field called \"Find Mods\" the keyboard");
    display.typeText(QStringLiteral("AL"));
    const QStringList matches{QStringLiteral("alpha.zip"), QStringLiteral("alpine.pak"),
                              QStringLiteral("calm.zip")};
    QVERIFY2(readsAs(rows, matches, deadlines::step()), qPrintable(rows().join(u", ")));
    display.screenshot(QStringLiteral("found-al"));
    const QString heard = QStringLiteral("3 mods match");
    const auto lastHeard = [&] {
        return reader->notificationsHeard().value(reader->notificationsHeard().size() - 1);
    };
    QVERIFY2(readsAs(lastHeard, heard, deadlines::step()),
             qPrintable(reader->notificationsHeard().join(u" | ")));
    QCOMPARE(reader->description(findField()), heard);
    // The reader's focus stayed in the field all along.
    QCOMPARE(reader->lastFocusHeard(), QStringLiteral("text: Find Mods"));
    // One letter more, and each count was heard as it came.
    display.typeText(QStringLiteral("P"));
    QVERIFY2(readsAs(lastHeard, QStringLiteral("2 mods match"), deadlines::step()),
             qPrintable(reader->notificationsHeard().join(u" | ")));
    QCOMPARE(reader->notificationsHeard(),
             QStringList({"5 mods match", "3 mods match", "2 mods match"}));
    QCOMPARE(rows(), QStringList({"alpha.zip", "alpine.pak"}));
    // bravo.zip is hidden, and still ticked: in the command line and in Selected Mods.
    QCOMPARE(commandLineText(), bothTicked);
    QCOMPARE(reader->text(selectedMods), QStringLiteral("alpha.zip\nbravo.zip\n"));

    // Escape: every mod again, the field gone from sight.
    display.pressKeys({QStringLiteral("Escape")});
    QVERIFY2(readsAs(rows, multiplay, deadlines::step()), qPrintable(rows().join(u", ")));
    QVERIFY(!reader->isShowing(findField()));
    QCOMPARE(ticked(), QStringList({"alpha.zip", "bravo.zip"}));
    display.screenshot(QStringLiteral("find-closed"));

    // The list has the keyboard again; its context menu offers "Untick All Mods" second.
    display.pressKeys({QStringLiteral("shift+F10"), QStringLiteral("Down")});
    const auto lastFocus = [&] { return reader->lastFocusHeard(); };
    QVERIFY2(
        readsAs(lastFocus, QStringLiteral("menu item: Untick All in This List"), deadlines::step()),
        qPrintable(reader->focusHeard().join(u" | ")));
    display.pressKeys({QStringLiteral("Down")});
    QVERIFY2(readsAs(lastFocus, QStringLiteral("menu item: Untick All Mods"), deadlines::step()),
             qPrintable(reader->focusHeard().join(u" | ")));
    display.screenshot(QStringLiteral("context-menu"));
    display.pressKeys({QStringLiteral("Return")});
    QVERIFY2(readsAs(commandLineText, QStringLiteral("%BinaryPath% "), deadlines::step()),
             qPrintable(commandLineText()));
    QCOMPARE(reader->text(selectedMods), QString());
    QCOMPARE(ticked(), QStringList());
    display.screenshot(QStringLiteral("all-unticked"));
}

QTEST_GUILESS_MAIN(FindModsEndToEnd)
#include "tst_e2e_findmods.moc"
