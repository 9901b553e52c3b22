#include "MarkingTranslator.h"
#include "StartedTool.h"

#include <QAbstractButton>
#include <QApplication>
#include <QChildEvent>
#include <QGroupBox>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QToolBox>
#include <QTreeWidget>
#include <QtTest>

namespace {

struct FormRow {
    const char *name;
    const char *className;
    const char *parent; // "toolBox" means: a page of the tool box
};

// Every widget of the form in the order it must be created.
const FormRow formTable[] = {
    {"centralWidget", "QWidget", "MainWindow"},
    {"buttonRun", "QPushButton", "centralWidget"},
    {"toolBox", "QToolBox", "centralWidget"},
    {"pageMP", "QWidget", "toolBox"},
    {"listMP", "QTreeWidget", "pageMP"},
    {"pageSP", "QWidget", "toolBox"},
    {"listSP", "QTreeWidget", "pageSP"},
    {"pageGlobal", "QWidget", "toolBox"},
    {"listGlobal", "QTreeWidget", "pageGlobal"},
    {"pageSet", "QWidget", "toolBox"},
    {"listChooseSetting", "QListWidget", "pageSet"},
    {"buttonCreateSetting", "QPushButton", "pageSet"},
    {"buttonSaveSetting", "QPushButton", "pageSet"},
    {"buttonDeleteSetting", "QPushButton", "pageSet"},
    {"buttonLoadSetting", "QPushButton", "pageSet"},
    {"label_5", "QLabel", "pageSet"},
    {"pageConfig", "QWidget", "toolBox"},
    {"editVHConfig", "QPlainTextEdit", "pageConfig"},
    {"buttonVHConfigSave", "QPushButton", "pageConfig"},
    {"pageOther", "QWidget", "toolBox"},
    {"ChangePaths", "QPushButton", "pageOther"},
    {"groupBox", "QGroupBox", "centralWidget"},
    {"SelectedMods", "QPlainTextEdit", "groupBox"},
    {"CurrentCommandLine", "QLineEdit", "groupBox"},
    {"SelectedSetting", "QLineEdit", "groupBox"},
    {"label_2", "QLabel", "groupBox"},
    {"label_3", "QLabel", "groupBox"},
    {"label_4", "QLabel", "groupBox"},
    {"label", "QLabel", "centralWidget"},
    {"inputOtherCommands", "QLineEdit", "centralWidget"},
};

struct TextRow {
    const char *name; // "MainWindow" stands for the window title
    const char *text;
};

const TextRow textTable[] = {
    {"MainWindow", "Varnhold Mod Manager"},
    {"buttonRun", "Run Varnhold"},
    {"pageMP", "Multiplayer && Skimish Mods"},
    {"pageSP", "Campaign Mods"},
    {"pageGlobal", "Global Mods"},
    {"pageSet", ".set Files"},
    {"buttonCreateSetting", "Create New Setting File"},
    {"buttonSaveSetting", "Save Settings To Selected File"},
    {"buttonDeleteSetting", "Delete Selected Setting File"},
    {"buttonLoadSetting", "Load Selected Setting File"},
    {"label_5", "Choose Setting File"},
    {"pageConfig", "Varnhold Config File"},
    {"buttonVHConfigSave", "Save Changes"},
    {"pageOther", "Other Settings"},
    {"ChangePaths", "Change Varnhold Paths"},
    {"groupBox", "Displays"},
    {"label_2", "Selected Setting File"},
    {"label_3", "Current Command Line"},
    {"label_4", "Selected Mods"},
    {"label", "Other Command Line Options"},
};

const char *const tabChain[] = {"listMP",
                                "listSP",
                                "listGlobal",
                                "inputOtherCommands",
                                "buttonRun",
                                "listChooseSetting",
                                "buttonCreateSetting",
                                "buttonSaveSetting",
                                "buttonDeleteSetting",
                                "buttonLoadSetting",
                                "editVHConfig",
                                "buttonVHConfigSave",
                                "SelectedSetting",
                                "CurrentCommandLine",
                                "SelectedMods"};

QList<QWidget *> formWidgets(const MainWindowForm &form)
{
    return {form.centralWidget,
            form.buttonRun,
            form.toolBox,
            form.pageMP,
            form.listMP,
            form.pageSP,
            form.listSP,
            form.pageGlobal,
            form.listGlobal,
            form.pageSet,
            form.listChooseSetting,
            form.buttonCreateSetting,
            form.buttonSaveSetting,
            form.buttonDeleteSetting,
            form.buttonLoadSetting,
            form.label_5,
            form.pageConfig,
            form.editVHConfig,
            form.buttonVHConfigSave,
            form.pageOther,
            form.ChangePaths,
            form.groupBox,
            form.SelectedMods,
            form.CurrentCommandLine,
            form.SelectedSetting,
            form.label_2,
            form.label_3,
            form.label_4,
            form.label,
            form.inputOtherCommands};
}

QWidget *widgetNamed(MainWindow &window, const char *name)
{
    const QList<QWidget *> found = window.findChildren<QWidget *>(QString::fromLatin1(name));
    return found.size() == 1 ? found.first() : nullptr;
}

QString visibleText(MainWindow &window, const char *name)
{
    if (qstrcmp(name, "MainWindow") == 0)
        return window.windowTitle();
    QWidget *widget = widgetNamed(window, name);
    QToolBox *toolBox = window.form().toolBox;
    if (toolBox->indexOf(widget) >= 0)
        return toolBox->itemText(toolBox->indexOf(widget));
    if (auto *button = qobject_cast<QAbstractButton *>(widget))
        return button->text();
    if (auto *label = qobject_cast<QLabel *>(widget))
        return label->text();
    if (auto *group = qobject_cast<QGroupBox *>(widget))
        return group->title();
    return QStringLiteral("<no text>");
}

QString editorText(QWidget *widget)
{
    if (auto *line = qobject_cast<QLineEdit *>(widget))
        return line->text();
    return qobject_cast<QPlainTextEdit *>(widget)->toPlainText();
}

bool editorReadOnly(QWidget *widget)
{
    if (auto *line = qobject_cast<QLineEdit *>(widget))
        return line->isReadOnly();
    return qobject_cast<QPlainTextEdit *>(widget)->isReadOnly();
}

// Notes objects in the order they come into being, as far as parents learn of their
// children. Destroyed objects are forgotten, so a reused address cannot fake an early birth.
class CreationRecorder : public QObject {
public:
    CreationRecorder() { qApp->installEventFilter(this); }
    ~CreationRecorder() override { qApp->removeEventFilter(this); }

    QList<QObject *> order;

protected:
    bool eventFilter(QObject *receiver, QEvent *event) override
    {
        if (event->type() == QEvent::ChildAdded) {
            note(receiver);
            note(static_cast<QChildEvent *>(event)->child());
        }
        return false;
    }

private:
    void note(QObject *object)
    {
        if (seen.contains(object))
            return;
        seen.insert(object);
        order.append(object);
        connect(object, &QObject::destroyed, this, [this, object] {
            seen.remove(object);
            order.removeAll(object);
        });
    }

    QSet<QObject *> seen;
};

} // namespace

class MainWindowFormTest : public QObject {
    Q_OBJECT

private slots:
    void widgetsHaveTheirNamesClassesAndParents();
    void widgetsAreCreatedInTableOrder();
    void toolBoxHoldsTheSixPagesInOrder();
    void textsAreTheSourceTexts_data();
    void textsAreTheSourceTexts();
    void textsGoThroughTheMainWindowContext();
    void modListsHaveAHiddenHeaderAndMultiSelection_data();
    void modListsHaveAHiddenHeaderAndMultiSelection();
    void fontsAreTwelvePointsWhereSet_data();
    void fontsAreTwelvePointsWhereSet();
    void displaysAreReadOnlyAndInputsEditable_data();
    void displaysAreReadOnlyAndInputsEditable();
    void tabChainFollowsTheFormOrder();
    void mainRegionsSitAtTheirRectangles_data();
    void mainRegionsSitAtTheirRectangles();
    void siblingsNeverOverlap();
    void enlargingTheWindowMovesNothing();
};

void MainWindowFormTest::widgetsHaveTheirNamesClassesAndParents()
{
    StartedTool tool;
    const QList<QWidget *> pointers = formWidgets(tool.form());
    QCOMPARE(pointers.size(), int(std::size(formTable)));
    for (int i = 0; i < pointers.size(); ++i) {
        const FormRow &row = formTable[i];
        QWidget *widget = pointers.at(i);
        QVERIFY2(widget, row.name);
        QCOMPARE(widget->objectName(), QString::fromLatin1(row.name));
        QCOMPARE(widgetNamed(*tool.window, row.name), widget); // found, and the name is unique
        QCOMPARE(widget->metaObject()->className(), row.className);
        if (qstrcmp(row.parent, "toolBox") == 0) {
            QVERIFY2(tool.form().toolBox->indexOf(widget) >= 0, row.name);
        } else if (qstrcmp(row.parent, "MainWindow") == 0) {
            QCOMPARE(widget->parentWidget(), tool.window.get());
        } else {
            QCOMPARE(widget->parentWidget()->objectName(), QString::fromLatin1(row.parent));
        }
    }
    QCOMPARE(tool.window->centralWidget(), tool.form().centralWidget);
}

void MainWindowFormTest::widgetsAreCreatedInTableOrder()
{
    CreationRecorder recorder;
    StartedTool tool;
    const QList<QWidget *> expected = formWidgets(tool.form());
    QList<QWidget *> created;
    for (QObject *object : std::as_const(recorder.order)) {
        if (auto *widget = qobject_cast<QWidget *>(object); expected.contains(widget))
            created.append(widget);
    }
    QCOMPARE(created, expected);
}

void MainWindowFormTest::toolBoxHoldsTheSixPagesInOrder()
{
    StartedTool tool;
    MainWindowForm &form = tool.form();
    const QList<QWidget *> pages{form.pageMP,  form.pageSP,     form.pageGlobal,
                                 form.pageSet, form.pageConfig, form.pageOther};
    QCOMPARE(form.toolBox->count(), pages.size());
    for (int i = 0; i < pages.size(); ++i) {
        QCOMPARE(form.toolBox->widget(i), pages.at(i));
        QVERIFY(form.toolBox->itemIcon(i).isNull());
    }
    QCOMPARE(form.toolBox->frameShape(), QFrame::StyledPanel);
    QCOMPARE(form.toolBox->currentIndex(), 0);
}

void MainWindowFormTest::textsAreTheSourceTexts_data()
{
    QTest::addColumn<QString>("text");
    for (const TextRow &row : textTable)
        QTest::newRow(row.name) << QString::fromUtf8(row.text);
}

void MainWindowFormTest::textsAreTheSourceTexts()
{
    QFETCH(QString, text);
    StartedTool tool;
    QCOMPARE(visibleText(*tool.window, QTest::currentDataTag()), text);
}

void MainWindowFormTest::textsGoThroughTheMainWindowContext()
{
    MarkingTranslator translator;
    StartedTool tool;
    for (const TextRow &row : textTable) {
        const QString marked = QStringLiteral("[%1]").arg(QString::fromUtf8(row.text));
        QCOMPARE(visibleText(*tool.window, row.name), marked);
    }
    // The header text is never seen, so it is not offered for translation.
    QCOMPARE(tool.form().listMP->headerItem()->text(0), QStringLiteral("1"));
}

void MainWindowFormTest::modListsHaveAHiddenHeaderAndMultiSelection_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("multiplayer") << QStringLiteral("listMP");
    QTest::newRow("campaign") << QStringLiteral("listSP");
    QTest::newRow("global") << QStringLiteral("listGlobal");
}

void MainWindowFormTest::modListsHaveAHiddenHeaderAndMultiSelection()
{
    QFETCH(QString, name);
    StartedTool tool;
    auto *list = tool.window->findChild<QTreeWidget *>(name);
    QVERIFY(list);
    QCOMPARE(list->columnCount(), 1);
    QCOMPARE(list->headerItem()->text(0), QStringLiteral("1"));
    QVERIFY(list->isHeaderHidden());
    QVERIFY(list->header()->isHidden());
    QCOMPARE(list->selectionMode(), QAbstractItemView::MultiSelection);
    QCOMPARE(list->selectionBehavior(), QAbstractItemView::SelectItems);
    QVERIFY(!list->isSortingEnabled());
}

void MainWindowFormTest::fontsAreTwelvePointsWhereSet_data()
{
    const int standard = QApplication::font().pointSize();
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("pointSize");
    QTest::newRow("listMP") << QStringLiteral("listMP") << 12;
    QTest::newRow("listSP") << QStringLiteral("listSP") << 12;
    QTest::newRow("listGlobal") << QStringLiteral("listGlobal") << 12;
    QTest::newRow("listChooseSetting") << QStringLiteral("listChooseSetting") << 12;
    QTest::newRow("SelectedMods") << QStringLiteral("SelectedMods") << 12;
    QTest::newRow("editVHConfig") << QStringLiteral("editVHConfig") << standard;
    QTest::newRow("CurrentCommandLine") << QStringLiteral("CurrentCommandLine") << standard;
    QTest::newRow("inputOtherCommands") << QStringLiteral("inputOtherCommands") << standard;
    QTest::newRow("buttonRun") << QStringLiteral("buttonRun") << standard;
}

void MainWindowFormTest::fontsAreTwelvePointsWhereSet()
{
    QFETCH(QString, name);
    QFETCH(int, pointSize);
    QVERIFY(QApplication::font().pointSize() != 12); // otherwise the rows prove nothing
    StartedTool tool;
    auto *widget = tool.window->findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(widget->font().pointSize(), pointSize);
    // Only the size differs from the default font.
    QCOMPARE(widget->font().family(), QApplication::font().family());
    QCOMPARE(widget->font().weight(), QApplication::font().weight());
    QCOMPARE(widget->font().italic(), QApplication::font().italic());
}

void MainWindowFormTest::displaysAreReadOnlyAndInputsEditable_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("editable");
    QTest::newRow("SelectedSetting") << QStringLiteral("SelectedSetting") << false;
    QTest::newRow("CurrentCommandLine") << QStringLiteral("CurrentCommandLine") << false;
    QTest::newRow("SelectedMods") << QStringLiteral("SelectedMods") << false;
    QTest::newRow("inputOtherCommands") << QStringLiteral("inputOtherCommands") << true;
    QTest::newRow("editVHConfig") << QStringLiteral("editVHConfig") << true;
}

void MainWindowFormTest::displaysAreReadOnlyAndInputsEditable()
{
    QFETCH(QString, name);
    QFETCH(bool, editable);
    StartedTool tool;
    tool.window->show();
    auto *widget = tool.window->findChild<QWidget *>(name);
    QVERIFY(widget);
    QCOMPARE(editorReadOnly(widget), !editable);

    const QString before = editorText(widget);
    QTest::keyClicks(widget, QStringLiteral("xyz"));
    if (editable)
        QVERIFY2(editorText(widget).contains(QStringLiteral("xyz")),
                 qPrintable(editorText(widget)));
    else
        QCOMPARE(editorText(widget), before);
}

void MainWindowFormTest::tabChainFollowsTheFormOrder()
{
    StartedTool tool;
    QHash<QWidget *, QString> inChain;
    QStringList expected;
    for (const char *name : tabChain) {
        QWidget *widget = widgetNamed(*tool.window, name);
        QVERIFY2(widget, name);
        inChain.insert(widget, QString::fromLatin1(name));
        expected.append(QString::fromLatin1(name));
    }

    QWidget *const start = tool.form().listMP;
    QStringList walked{inChain.value(start)};
    const int everyWidget = tool.window->findChildren<QWidget *>().size() + 1;
    QWidget *widget = start->nextInFocusChain();
    for (int step = 0; widget != start && step < everyWidget; ++step) {
        if (inChain.contains(widget))
            walked.append(inChain.value(widget));
        widget = widget->nextInFocusChain();
    }
    QCOMPARE(widget, start); // the chain closes
    QCOMPARE(walked, expected);
}

void MainWindowFormTest::mainRegionsSitAtTheirRectangles_data()
{
    // -1 where the layout leaves a measure to the implementation.
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    auto row = [](const char *name, int x, int y, int width, int height) {
        QTest::newRow(name) << QString::fromLatin1(name) << x << y << width << height;
    };
    row("toolBox", 5, 5, 270, 416);
    row("listMP", 5, 0, 255, 245);
    row("listSP", 5, 0, 255, 245);
    row("listGlobal", 5, 0, 255, 245);
    row("buttonCreateSetting", 5, 0, 256, 23);
    row("buttonSaveSetting", 5, 25, 256, 23);
    row("buttonDeleteSetting", 5, 50, 256, 23);
    row("buttonLoadSetting", 5, 75, 256, 23);
    row("label_5", -1, 100, -1, -1);
    row("listChooseSetting", 5, 115, 256, 131);
    row("editVHConfig", 5, 0, 255, 216);
    row("buttonVHConfigSave", 5, 222, 256, 26);
    row("ChangePaths", 5, 0, 256, 23);
    row("groupBox", 280, 5, 251, 326);
    row("label", 280, 335, -1, -1);
    row("inputOtherCommands", 280, 355, 251, 20);
    row("buttonRun", 280, 385, 251, 31);
    row("label_2", 10, 15, -1, -1);
    row("SelectedSetting", 110, 15, 136, 20);
    row("label_3", 10, 40, -1, -1);
    row("CurrentCommandLine", 5, 60, 241, 20);
    row("label_4", 10, 85, -1, -1);
    row("SelectedMods", 5, 105, 241, 216);
}

void MainWindowFormTest::mainRegionsSitAtTheirRectangles()
{
    QFETCH(QString, name);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, width);
    QFETCH(int, height);
    StartedTool tool;
    tool.window->show();
    auto *widget = tool.window->findChild<QWidget *>(name);
    QVERIFY(widget);
    const QRect rect = widget->geometry();
    if (x >= 0)
        QCOMPARE(rect.x(), x);
    QCOMPARE(rect.y(), y);
    if (width >= 0)
        QCOMPARE(rect.width(), width);
    if (height >= 0)
        QCOMPARE(rect.height(), height);
    QVERIFY(rect.width() > 0 && rect.height() > 0);
}

// Captions must not cover the field they label, and nothing may lie outside the fixed boxes.
void MainWindowFormTest::siblingsNeverOverlap()
{
    StartedTool tool;
    const QList<QWidget *> widgets = formWidgets(tool.form());
    for (QWidget *a : widgets) {
        for (QWidget *b : widgets) {
            if (a == b || a->parentWidget() != b->parentWidget() || a == tool.form().centralWidget)
                continue;
            if (tool.form().toolBox->indexOf(a) >= 0)
                continue; // pages are placed by the tool box itself
            QVERIFY2(!a->geometry().intersects(b->geometry()),
                     qPrintable(a->objectName() + QStringLiteral(" overlaps ") + b->objectName()));
        }
    }
    const QRect groupBox(QPoint(0, 0), tool.form().groupBox->size());
    for (QObject *child : tool.form().groupBox->children()) {
        if (auto *widget = qobject_cast<QWidget *>(child))
            QVERIFY2(groupBox.contains(widget->geometry()), qPrintable(widget->objectName()));
    }
    const QRect window(QPoint(0, 0), QSize(536, 424));
    for (QObject *child : tool.form().centralWidget->children()) {
        if (auto *widget = qobject_cast<QWidget *>(child))
            QVERIFY2(window.contains(widget->geometry()), qPrintable(widget->objectName()));
    }
}

void MainWindowFormTest::enlargingTheWindowMovesNothing()
{
    StartedTool tool;
    tool.window->show();
    QVERIFY(QTest::qWaitForWindowExposed(tool.window.get()));
    QList<QWidget *> placed = formWidgets(tool.form());
    placed.removeOne(tool.form().centralWidget); // the window's layout sizes it on purpose
    QList<QRect> before;
    for (QWidget *widget : std::as_const(placed))
        before.append(widget->geometry());

    tool.window->resize(900, 700);
    QTRY_COMPARE(tool.form().centralWidget->size(), QSize(900, 700));
    QCoreApplication::processEvents();
    for (int i = 0; i < placed.size(); ++i)
        QVERIFY2(placed.at(i)->geometry() == before.at(i), qPrintable(placed.at(i)->objectName()));
}

QTEST_MAIN(MainWindowFormTest)
#include "tst_mainwindowform.moc"
