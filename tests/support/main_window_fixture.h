#pragma once

#include <string_view>

#include <QString>

class QWidget;
class LayoutWindow;

// Loads MainWindow afresh with the program-wide state as at start, the way
// the program starts; the created handler runs as usual.
void LoadFreshMainWindow();
void UnloadMainWindow();

LayoutWindow *MainWindowWidget();
// The widget of one of MainWindow's controls, for real input with QTest.
QWidget *Main(std::string_view control);

// What a child sees and does on MainWindow.
QString CaptionShown(const char *control);  // a label's or a button's caption
long long AnswerShown();                    // the answer to the question on show
void Click(const char *control);
void TypeInto(const char *box, const QString &text);  // clicks the box first, for the focus

// Drags text from another program over a widget and drops it at its right
// end, the way the toolkit delivers it (enter, move, drop), whatever the
// widget answers on the way; true if the widget took any of the three.
bool DropText(QWidget *target, const QString &text);

// Types on the keyboard into whatever has the focus, as a child does who does
// not reach for the mouse; fails the test when the focus is not in `box`.
void TypeAtFocus(const char *box, const QString &text);

// One tick of one of MainWindow's timers, sent through the timer's own
// timeout signal as its event would: no real time passes.
void FireTimer(const char *timer);
