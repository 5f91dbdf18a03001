#pragma once

#include <string_view>

class QWidget;
class Window;

// Loads MainWindow afresh with the program-wide state as at start, the way
// the program starts; the created handler runs as usual.
void LoadFreshMainWindow();
void UnloadMainWindow();

Window *MainWindowWidget();
// The widget of one of MainWindow's controls, for real input with QTest.
QWidget *Main(std::string_view control);
