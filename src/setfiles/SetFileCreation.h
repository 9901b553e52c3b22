#pragma once

class MainWindowForm;
class QWidget;

// Asks how the new set file is to be made and under which name, writes it into the
// set-file folder and lists the folder again.
void createSetFile(MainWindowForm &form, QWidget *window);
