#pragma once

#include <deque>
#include <string_view>

#include <QWidget>

#include "services/window_layer.h"

class QAbstractButton;
class QMenuBar;
class QTimer;

// One control of a loaded window: its layout row and what the toolkit made
// of it. Timers have no widget.
struct Control {
    const ControlLayout *layout = nullptr;
    QWidget *widget = nullptr;
    QTimer *timer = nullptr;
    int period = 0;
};

// A top-level window built from its layout. Its outer size, frame included,
// is the layout's size once the window manager has told us the frame.
class LayoutWindow : public QWidget
{
    Q_OBJECT

public:
    explicit LayoutWindow(const WindowLayout &layout);

    const WindowLayout &layout() const { return m_layout; }
    Control *find(std::string_view name);
    Control *controlOf(const QObject *widget);
    int outerWidth() const;
    void centreOnScreen();

signals:
    void closed();

protected:
    bool event(QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildMenu();
    void buildControls();
    QWidget *createWidget(const ControlLayout &row, QWidget *parent);
    QWidget *withClicked(QAbstractButton *button, const ControlLayout &row);
    QWidget *containerOf(const ControlLayout &row);
    void orderTabStops();
    void adoptFrame();

    const WindowLayout &m_layout;
    QMenuBar *m_menuBar = nullptr;
    QWidget *m_client = nullptr;
    std::deque<Control> m_controls;  // stable addresses for the handlers' lookups
    QSize m_frameExtra;              // frame size beyond the client size, once known
    bool m_placed = false;
};

// The top-left corner of a window's frame of the given outer size on a
// screen's available area: centred, but never left of or above the area, so
// a window larger than the screen keeps its title bar and menu bar on it.
QPoint CentredTopLeft(const QRect &available, const QSize &outer);

// Builds a window and its controls from the layout, registers it as loaded
// and raises its created event; the window is not shown yet.
LayoutWindow *BuildWindow(const WindowLayout &layout);

// The loaded window for a layout and the widget of one of its controls, or
// nullptr; for tests and for tools that look at the windows from outside.
LayoutWindow *LoadedWindow(const WindowLayout &layout);
QWidget *ControlWidget(const WindowLayout &layout, std::string_view control);
