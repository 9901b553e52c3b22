#include "app/MainWindowForm.h"

#include <QCoreApplication>
#include <QFont>
#include <QGroupBox>
#include <QHeaderView>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QMetaObject>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolBox>
#include <QTreeWidget>

#include <iterator>

namespace {
// A caption as it reads: the doubled ampersand of a page title shows as one.
QString readableCaption(const QString &caption)
{
    return QString(caption).replace(QLatin1String("&&"), QLatin1String("&"));
}

QFont twelvePointFont()
{
    QFont font;
    font.setPointSize(12);
    return font;
}

template <typename Widget>
Widget *create(QWidget *parent, const char *objectName, int x, int y, int width, int height)
{
    auto *widget = new Widget(parent);
    widget->setObjectName(QString::fromLatin1(objectName));
    widget->setGeometry(x, y, width, height);
    return widget;
}
} // namespace

QWidget *MainWindowForm::createPage(const char *objectName)
{
    auto *page = new QWidget();
    page->setObjectName(QString::fromLatin1(objectName));
    page->setGeometry(0, 0, 270, 260);
    return page;
}

QTreeWidget *MainWindowForm::createModList(QWidget *page, const char *objectName)
{
    auto *list = create<QTreeWidget>(page, objectName, 5, 0, 255, 245);
    auto *header = new QTreeWidgetItem();
    header->setText(0, QStringLiteral("1"));
    list->setHeaderItem(header);
    list->setHeaderHidden(true);
    list->setFont(twelvePointFont());
    list->setSelectionMode(QAbstractItemView::MultiSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectItems);
    return list;
}

void MainWindowForm::setupForm(QMainWindow *window)
{
    if (window->objectName().isEmpty())
        window->setObjectName(QStringLiteral("MainWindow"));
    window->resize(536, 424);

    centralWidget = new QWidget(window);
    centralWidget->setObjectName(QStringLiteral("centralWidget"));
    buttonRun = create<QPushButton>(centralWidget, "buttonRun", 280, 385, 251, 31);
    toolBox = create<QToolBox>(centralWidget, "toolBox", 5, 5, 270, 416);
    toolBox->setFrameShape(QFrame::StyledPanel);

    pageMP = createPage("pageMP");
    listMP = createModList(pageMP, "listMP");
    toolBox->addItem(pageMP, QIcon(), QString());
    pageSP = createPage("pageSP");
    listSP = createModList(pageSP, "listSP");
    toolBox->addItem(pageSP, QIcon(), QString());
    pageGlobal = createPage("pageGlobal");
    listGlobal = createModList(pageGlobal, "listGlobal");
    toolBox->addItem(pageGlobal, QIcon(), QString());

    pageSet = createPage("pageSet");
    listChooseSetting = create<QListWidget>(pageSet, "listChooseSetting", 5, 115, 256, 131);
    listChooseSetting->setFont(twelvePointFont());
    buttonCreateSetting = create<QPushButton>(pageSet, "buttonCreateSetting", 5, 0, 256, 23);
    buttonSaveSetting = create<QPushButton>(pageSet, "buttonSaveSetting", 5, 25, 256, 23);
    buttonDeleteSetting = create<QPushButton>(pageSet, "buttonDeleteSetting", 5, 50, 256, 23);
    buttonLoadSetting = create<QPushButton>(pageSet, "buttonLoadSetting", 5, 75, 256, 23);
    label_5 = create<QLabel>(pageSet, "label_5", 5, 100, 256, 15);
    toolBox->addItem(pageSet, QIcon(), QString());

    pageConfig = createPage("pageConfig");
    editVHConfig = create<QPlainTextEdit>(pageConfig, "editVHConfig", 5, 0, 255, 216);
    buttonVHConfigSave = create<QPushButton>(pageConfig, "buttonVHConfigSave", 5, 222, 256, 26);
    toolBox->addItem(pageConfig, QIcon(), QString());

    pageOther = createPage("pageOther");
    ChangePaths = create<QPushButton>(pageOther, "ChangePaths", 5, 0, 256, 23);
    toolBox->addItem(pageOther, QIcon(), QString());

    groupBox = create<QGroupBox>(centralWidget, "groupBox", 280, 5, 251, 326);
    SelectedMods = create<QPlainTextEdit>(groupBox, "SelectedMods", 5, 105, 241, 216);
    SelectedMods->setFont(twelvePointFont());
    SelectedMods->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    SelectedMods->setReadOnly(true);
    CurrentCommandLine = create<QLineEdit>(groupBox, "CurrentCommandLine", 5, 60, 241, 20);
    CurrentCommandLine->setReadOnly(true);
    SelectedSetting = create<QLineEdit>(groupBox, "SelectedSetting", 110, 15, 136, 20);
    SelectedSetting->setReadOnly(true);
    label_2 = create<QLabel>(groupBox, "label_2", 10, 15, 100, 20);
    label_3 = create<QLabel>(groupBox, "label_3", 10, 40, 231, 16);
    label_4 = create<QLabel>(groupBox, "label_4", 10, 85, 231, 16);

    label = create<QLabel>(centralWidget, "label", 280, 335, 251, 16);
    inputOtherCommands = create<QLineEdit>(centralWidget, "inputOtherCommands", 280, 355, 251, 20);

    window->setCentralWidget(centralWidget);
    setTabChain();
    translateForm(window);
    QMetaObject::connectSlotsByName(window);
}

void MainWindowForm::setTabChain()
{
    QWidget *const order[] = {listMP,
                              listSP,
                              listGlobal,
                              inputOtherCommands,
                              buttonRun,
                              listChooseSetting,
                              buttonCreateSetting,
                              buttonSaveSetting,
                              buttonDeleteSetting,
                              buttonLoadSetting,
                              editVHConfig,
                              buttonVHConfigSave,
                              SelectedSetting,
                              CurrentCommandLine,
                              SelectedMods};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        QWidget::setTabOrder(order[i], order[i + 1]);
}

void MainWindowForm::translateForm(QMainWindow *window)
{
    window->setWindowTitle(QCoreApplication::translate("MainWindow", "Varnhold Mod Manager"));
    buttonRun->setText(QCoreApplication::translate("MainWindow", "Run Varnhold"));
    toolBox->setItemText(toolBox->indexOf(pageMP),
                         QCoreApplication::translate("MainWindow", "Multiplayer && Skimish Mods"));
    toolBox->setItemText(toolBox->indexOf(pageSP),
                         QCoreApplication::translate("MainWindow", "Campaign Mods"));
    toolBox->setItemText(toolBox->indexOf(pageGlobal),
                         QCoreApplication::translate("MainWindow", "Global Mods"));
    buttonCreateSetting->setText(
        QCoreApplication::translate("MainWindow", "Create New Setting File"));
    buttonSaveSetting->setText(
        QCoreApplication::translate("MainWindow", "Save Settings To Selected File"));
    buttonDeleteSetting->setText(
        QCoreApplication::translate("MainWindow", "Delete Selected Setting File"));
    buttonLoadSetting->setText(
        QCoreApplication::translate("MainWindow", "Load Selected Setting File"));
    label_5->setText(QCoreApplication::translate("MainWindow", "Choose Setting File"));
    toolBox->setItemText(toolBox->indexOf(pageSet),
                         QCoreApplication::translate("MainWindow", ".set Files"));
    buttonVHConfigSave->setText(QCoreApplication::translate("MainWindow", "Save Changes"));
    toolBox->setItemText(toolBox->indexOf(pageConfig),
                         QCoreApplication::translate("MainWindow", "Varnhold Config File"));
    ChangePaths->setText(QCoreApplication::translate("MainWindow", "Change Varnhold Paths"));
    toolBox->setItemText(toolBox->indexOf(pageOther),
                         QCoreApplication::translate("MainWindow", "Other Settings"));
    groupBox->setTitle(QCoreApplication::translate("MainWindow", "Displays"));
    label_2->setText(QCoreApplication::translate("MainWindow", "Selected Setting File"));
    label_3->setText(QCoreApplication::translate("MainWindow", "Current Command Line"));
    label_4->setText(QCoreApplication::translate("MainWindow", "Selected Mods"));
    label->setText(QCoreApplication::translate("MainWindow", "Other Command Line Options"));
    nameControlsAfterTheirCaptions();
}

// Screen readers announce each control by the caption a sighted user reads for it: the page
// title for a list that fills its page, otherwise the label beside or above it.
void MainWindowForm::nameControlsAfterTheirCaptions()
{
    const auto pageTitle = [this](QWidget *page) {
        return readableCaption(toolBox->itemText(toolBox->indexOf(page)));
    };
    listMP->setAccessibleName(pageTitle(pageMP));
    listSP->setAccessibleName(pageTitle(pageSP));
    listGlobal->setAccessibleName(pageTitle(pageGlobal));
    listChooseSetting->setAccessibleName(label_5->text());
    editVHConfig->setAccessibleName(pageTitle(pageConfig));
    SelectedSetting->setAccessibleName(label_2->text());
    CurrentCommandLine->setAccessibleName(label_3->text());
    SelectedMods->setAccessibleName(label_4->text());
    inputOtherCommands->setAccessibleName(label->text());
}
