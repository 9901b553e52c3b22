#pragma once

#include <QPoint>
#include <QSize>
#include <QString>

// Where a person clicks, in the coordinates of the window concerned. The forms place their
// widgets at fixed rectangles, so most spots follow from them. The tool box is the exception:
// it stacks the titles of its closed pages below the open one, each about 28 pixels high in
// the default style, so its spots are measured, and the page-title spot aims at the middle
// of the title to allow for a few pixels either way.
namespace spots {
inline const QString mainWindowTitle = QStringLiteral("Varnhold Mod Manager");
inline constexpr QSize mainWindowSize{536, 424};

// An empty stretch of the first mod list (5, 0, 255, 245 in the first page), below the few
// mods of a test: a click there gives the list the keyboard without ticking anything.
inline constexpr QPoint firstListEmptyArea{130, 250};
// Page titles while one of the first three pages is open. The titles of the pages after the
// open one are stacked at the bottom of the tool box (5, 5, 270, 416): ".set Files" is third
// from the bottom then. "Global Mods" sits just above it while the first page is open.
inline constexpr QPoint setFilesPageTitle{60, 352};
inline constexpr QPoint globalPageTitleBelowFirstPage{60, 324};
// inputOtherCommands: 280, 355, 251, 20.
inline constexpr QPoint otherOptionsField{405, 365};
// buttonRun: 280, 385, 251, 31.
inline constexpr QPoint runButton{405, 400};

// Both set-file dialogs carry this title; their sizes tell them apart.
inline const QString setFileDialogTitle = QStringLiteral("Create Set File");
inline constexpr QSize setFileCreateSize{195, 110};
// CreateWithSelected: 5, 40, 186, 31.
inline constexpr QPoint createWithSelectedButton{98, 55};
inline constexpr QSize setNameSize{219, 81};
// Name: 5, 20, 201, 20.
inline constexpr QPoint setNameField{105, 30};
} // namespace spots
