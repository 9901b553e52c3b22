#pragma once

class MainWindowForm;
class QWidget;

void createSetFile(MainWindowForm &form, QWidget *window);
