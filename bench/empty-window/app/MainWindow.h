#pragma once

#include <QMainWindow>

// Stands in for the tool's window when the tool's own main.cpp is built into the empty-window
// program: the same start-up up to the window, then only a bare window of the same size and
// title. The benchmark compares the two to tell the tool's cost from Qt's.
class MainWindow : public QMainWindow {
public:
    explicit MainWindow(QWidget *parent = nullptr)
        : QMainWindow(parent)
    {
        resize(536, 424);
        setWindowTitle(QStringLiteral("Varnhold Mod Manager"));
    }
};
