#pragma once

class QWidget;

void launchGame(QWidget *window);
