#pragma once

class MainWindowForm;
class QWidget;

void loadGameConfig(MainWindowForm &form, QWidget *window);
void saveGameConfig(MainWindowForm &form, QWidget *window);
