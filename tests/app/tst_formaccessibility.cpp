#include "PlatformProbe.h"
#include "TestAppFolder.h"

#include "app/MainWindow.h"
#include "locations/OptionsDialog.h"
#include "platform/FormFont.h"
#include "setfiles/SetFileCreate.h"
#include "setfiles/SetName.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOption>
#include <QToolBox>
#include <QtTest>

#include <memory>
#include <optional>

namespace {

// One form as a person meets it: built as the tool builds it, shown, and laid out.
struct ShownForm {
    explicit ShownForm(const QString &className)
    {
        if (className == QLatin1String("MainWindow")) {
            folder.createReadyTool();
            window = std::make_unique<MainWindow>();
        } else if (className == QLatin1String("OptionsDialog")) {
            window = std::make_unique<OptionsDialog>();
        } else if (className == QLatin1String("SetFileCreate")) {
            window = std::make_unique<SetFileCreate>();
        } else {
            window = std::make_unique<SetName>();
        }
        window->show();
        QCoreApplication::processEvents();
    }

    PlatformProbe probe;
    TestAppFolder folder;
    std::unique_ptr<QWidget> window;
};

// A text, the rectangle its widget draws it in (in the widget's own coordinates) and how it
// is aligned there.
struct Room {
    QString text;
    QRect rect;
    Qt::Alignment alignment;
};

Room labelRoom(const QLabel *label)
{
    const int margin = label->margin();
    return {label->text(), label->contentsRect().adjusted(margin, margin, -margin, -margin),
            label->alignment()};
}

Room pushButtonRoom(const QPushButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    if (button->autoDefault())
        option.features |= QStyleOptionButton::AutoDefaultButton;
    if (button->isDefault())
        option.features |= QStyleOptionButton::DefaultButton;
    QRect contents =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    if (!button->icon().isNull()) {
        const int iconSpacing = 4; // what the common style leaves between icon and text
        contents.setWidth(contents.width() - button->iconSize().width() - iconSpacing);
    }
    return {button->text(), contents, Qt::AlignCenter};
}

// The titles of tool-box pages are buttons of a private class; without an icon the common
// style keeps 4 pixels free before the title and 8 after it, and elides what does not fit.
Room toolBoxTitleRoom(const QAbstractButton *title)
{
    QStyleOptionToolBox option;
    option.initFrom(title);
    option.text = title->text();
    const QRect contents =
        title->style()->subElementRect(QStyle::SE_ToolBoxTabContents, &option, title);
    return {title->text(), contents.adjusted(4, 0, -8, 0), Qt::AlignLeft | Qt::AlignVCenter};
}

Room groupTitleRoom(const QGroupBox *group)
{
    QStyleOptionGroupBox option;
    option.initFrom(group);
    option.text = group->title();
    option.textAlignment = group->alignment();
    option.lineWidth = 1;
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    const QRect label = group->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                       QStyle::SC_GroupBoxLabel, group);
    return {group->title(), label, Qt::AlignLeft | Qt::AlignVCenter};
}

// Where the widget draws its caption; nothing for widgets without a caption of their own.
std::optional<Room> roomOf(const QWidget *widget)
{
    if (auto *label = qobject_cast<const QLabel *>(widget))
        return labelRoom(label);
    if (auto *button = qobject_cast<const QPushButton *>(widget))
        return pushButtonRoom(button);
    if (auto *button = qobject_cast<const QAbstractButton *>(widget);
        button && qobject_cast<const QToolBox *>(widget->parentWidget()))
        return toolBoxTitleRoom(button);
    if (auto *group = qobject_cast<const QGroupBox *>(widget))
        return groupTitleRoom(group);
    return std::nullopt;
}

// Across, a text takes its advance; down, only its glyphs count, since the line's ascent and
// descent leave room above and below them that the forms' low labels do not have.
QSize textSize(const QWidget *widget, const QString &text)
{
    const QFontMetrics metrics(widget->font());
    return {metrics.size(Qt::TextShowMnemonic, text).width(),
            metrics.tightBoundingRect(text).height()};
}

// The part of a rectangle of a widget that the widget and its parents leave visible, in the
// coordinates of the window.
QRect visiblePart(const QWidget *widget, QRect rect, const QWidget *window)
{
    rect &= widget->rect();
    for (; widget != window; widget = widget->parentWidget()) {
        rect.translate(widget->pos());
        rect &= widget->parentWidget()->rect();
    }
    return rect;
}

// Empty when the widget's caption shows in full, otherwise what is wrong with it.
QString clipping(const QWidget *widget, const Room &room, const QWidget *window)
{
    const QSize needed = textSize(widget, room.text);
    const QRect text =
        QStyle::alignedRect(widget->layoutDirection(), room.alignment, needed, room.rect);
    QString fault;
    if (needed.width() > room.rect.width() || needed.height() > room.rect.height())
        fault = QStringLiteral("needs %1x%2 in %3x%4")
                    .arg(needed.width())
                    .arg(needed.height())
                    .arg(room.rect.width())
                    .arg(room.rect.height());
    else if (visiblePart(widget, text, window) !=
             text.translated(widget->mapTo(window, QPoint(0, 0))))
        fault = QStringLiteral("is partly hidden by its parents");
    else
        return {};
    const QString name = widget->objectName().isEmpty() ? widget->parentWidget()->objectName()
                                                        : widget->objectName();
    return QStringLiteral("%1 \"%2\" %3").arg(name, room.text, fault);
}

// Measures the captions a person sees now, each widget's once.
void measureShownTexts(QWidget *window, QSet<QWidget *> &measured, QStringList &clipped)
{
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(window) || measured.contains(widget))
            continue;
        const std::optional<Room> room = roomOf(widget);
        if (!room || room->text.isEmpty())
            continue;
        measured.insert(widget);
        if (const QString fault = clipping(widget, *room, window); !fault.isEmpty())
            clipped << fault;
    }
}

} // namespace

class FormAccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void everyTextFitsItsRoom_data();
    void everyTextFitsItsRoom();
    void controlsCarryTheNamesOfTheirCaptions_data();
    void controlsCarryTheNamesOfTheirCaptions();
};

void FormAccessibilityTest::initTestCase()
{
    platform::useFormFont(); // what the tool's start does before it builds a window
    qInfo("Form font: %s, %d points, under the style %s",
          qPrintable(QFontInfo(QApplication::font()).family()), QApplication::font().pointSize(),
          qPrintable(QApplication::style()->name()));
}

void FormAccessibilityTest::everyTextFitsItsRoom_data()
{
    QTest::addColumn<int>("texts"); // how many, so that no text escapes the measuring
    QTest::newRow("MainWindow") << 19;
    QTest::newRow("OptionsDialog") << 9;
    QTest::newRow("SetFileCreate") << 3;
    QTest::newRow("SetName") << 3;
}

void FormAccessibilityTest::everyTextFitsItsRoom()
{
    QFETCH(int, texts);
    ShownForm form(QString::fromLatin1(QTest::currentDataTag()));
    QSet<QWidget *> measured;
    QStringList clipped;
    measureShownTexts(form.window.get(), measured, clipped);
    // Only the open page of the tool box is shown; open each in turn.
    for (QToolBox *toolBox : form.window->findChildren<QToolBox *>()) {
        for (int page = 0; page < toolBox->count(); ++page) {
            toolBox->setCurrentIndex(page);
            QCoreApplication::processEvents();
            measureShownTexts(form.window.get(), measured, clipped);
        }
    }
    QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QStringLiteral("; "))));
    QCOMPARE(measured.size(), texts);
}

void FormAccessibilityTest::controlsCarryTheNamesOfTheirCaptions_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    const auto row = [](const char *form, const char *control, const char *name) {
        QTest::newRow(control) << QString::fromLatin1(form) << QString::fromLatin1(control)
                               << QString::fromLatin1(name);
    };
    row("MainWindow", "listMP", "Multiplayer & Skimish Mods");
    row("MainWindow", "listSP", "Campaign Mods");
    row("MainWindow", "listGlobal", "Global Mods");
    row("MainWindow", "listChooseSetting", "Choose Setting File");
    row("MainWindow", "editVHConfig", "Varnhold Config File");
    row("MainWindow", "SelectedSetting", "Selected Setting File");
    row("MainWindow", "CurrentCommandLine", "Current Command Line");
    row("MainWindow", "SelectedMods", "Selected Mods");
    row("MainWindow", "inputOtherCommands", "Other Command Line Options");
    row("OptionsDialog", "executablePath", "Executable Path");
    row("OptionsDialog", "modFolder", "Mod Folder");
    row("OptionsDialog", "ConfigFile", "Config File");
    row("SetName", "Name", "Enter name for new .set file, no extension.");
}

void FormAccessibilityTest::controlsCarryTheNamesOfTheirCaptions()
{
    QFETCH(QString, form);
    QFETCH(QString, control);
    QFETCH(QString, name);
    ShownForm shown(form);
    auto *widget = shown.window->findChild<QWidget *>(control);
    QVERIFY(widget);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(accessible);
    QCOMPARE(accessible->text(QAccessible::Name), name);
}

int main(int argc, char *argv[])
{
#ifdef Q_OS_WIN
    // Windows' offscreen platform has no fonts of its own, so the captions are measured in the
    // fonts Windows itself draws them with.
    qputenv("QT_QPA_PLATFORM", "windows");
#endif
    QApplication application(argc, argv);
    application.setAttribute(Qt::AA_Use96Dpi, true);
    FormAccessibilityTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_formaccessibility.moc"
