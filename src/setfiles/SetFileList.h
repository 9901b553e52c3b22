#pragma once

class MainWindowForm;
class QListWidgetItem;
class QWidget;

void populateSetFileList(MainWindowForm &form);
void showChosenSetFile(MainWindowForm &form, QListWidgetItem *current);
void loadChosenSetFile(MainWindowForm &form, QWidget *window);
void deleteChosenSetFile(MainWindowForm &form, QWidget *window);
void saveChosenSetFile(MainWindowForm &form, QWidget *window);
