#include "services/window_layer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEventLoop>
#include <QLabel>
#include <QPointer>
#include <QSlider>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <vector>

#include "services/widgets/edit_box.h"
#include "services/fatal.h"
#include "services/gbk.h"
#include "services/widgets/layout_window.h"

namespace {

// The windows loaded now, in load order.
std::vector<LayoutWindow *> &loadedWindows()
{
    static std::vector<LayoutWindow *> windows;
    return windows;
}

LayoutWindow *loaded(const WindowLayout &layout)
{
    for (LayoutWindow *window : loadedWindows())
        if (&window->layout() == &layout)
            return window;
    return nullptr;
}

LayoutWindow &windowOrStop(const WindowLayout &layout)
{
    if (LayoutWindow *window = loaded(layout))
        return *window;
    StopWithRuntimeError(Gbk("未载入欲访问窗口组件所在的窗口"));
}

// Left, width, visible and disabled belong to every control; the other
// properties need the control to exist.
Control *controlFor(LayoutWindow &window, std::string_view name, Property property)
{
    Control *control = window.find(name);
    const bool general = property == Property::Left || property == Property::Width || property == Property::Visible
                         || property == Property::Disabled;
    if (!control && !general)
        StopWithRuntimeError(Gbk("指定窗口尚未载入"));
    return control;
}

// The program's own texts replace an edit box's content and raise its
// text-changed event exactly once, also when the content stays the same
// (the toolkit alone would stay silent then).
void writeEditText(EditBox *edit, const QString &text, const ControlLayout &row)
{
    if (edit->text() == text) {
        if (row.textChanged)
            row.textChanged();
        return;
    }
    edit->setText(text);
}

// A new period restarts the timer, its first tick one whole period later;
// the same period leaves a running timer and its phase alone.
void writePeriod(Control &control, std::int32_t period)
{
    period = std::max(period, 0);
    if (period == control.period)
        return;
    control.timer->stop();
    control.period = period;
    if (period > 0)
        control.timer->start(period);
}

void writeChecked(QAbstractButton *button, bool checked)
{
    // A checked radio button of a group can only be cleared with the group's
    // exclusivity off for a moment; the other buttons stay as they are.
    const bool exclusive = button->autoExclusive();
    button->setAutoExclusive(false);
    button->setChecked(checked);
    button->setAutoExclusive(exclusive);
}

void registerWindow(LayoutWindow *window)
{
    loadedWindows().push_back(window);
    QObject::connect(window, &LayoutWindow::closed, window, [window] {
        auto &windows = loadedWindows();
        windows.erase(std::remove(windows.begin(), windows.end(), window), windows.end());
    });
}

}  // namespace

LayoutWindow *BuildWindow(const WindowLayout &layout)
{
    auto *window = new LayoutWindow(layout);
    registerWindow(window);
    if (layout.created)
        layout.created();
    return window;
}

LayoutWindow *LoadedWindow(const WindowLayout &layout)
{
    return loaded(layout);
}

QWidget *ControlWidget(const WindowLayout &layout, std::string_view name)
{
    LayoutWindow *window = loaded(layout);
    Control *control = window ? window->find(name) : nullptr;
    return control ? control->widget : nullptr;
}

bool IsWindowLoaded(const WindowLayout &window)
{
    return loaded(window) != nullptr;
}

std::int32_t ReadInteger(const WindowLayout &layout, std::string_view name, Property property)
{
    LayoutWindow &window = windowOrStop(layout);
    if (name == layout.name) {
        return property == Property::Width ? window.outerWidth() : 0;
    }
    Control *control = controlFor(window, name, property);
    if (!control || !control->widget)
        return property == Property::Period && control ? control->period : 0;
    switch (property) {
    case Property::Left:
        return control->widget->x();
    case Property::Width:
        return control->widget->width();
    case Property::Position:
        if (auto *slider = qobject_cast<QSlider *>(control->widget))
            return slider->value();
        return 0;
    default:
        return 0;
    }
}

bool ReadBoolean(const WindowLayout &layout, std::string_view name, Property property)
{
    LayoutWindow &window = windowOrStop(layout);
    Control *control = controlFor(window, name, property);
    if (!control || !control->widget)
        return false;
    switch (property) {
    case Property::Checked:
        if (auto *button = qobject_cast<QAbstractButton *>(control->widget))
            return button->isChecked();
        return false;
    case Property::Visible:
        return !control->widget->isHidden();
    case Property::Disabled:
        return !control->widget->isEnabledTo(control->widget->parentWidget());
    default:
        return false;
    }
}

Text ReadText(const WindowLayout &layout, std::string_view name, Property property)
{
    LayoutWindow &window = windowOrStop(layout);
    Control *control = controlFor(window, name, property);
    if (!control || !control->widget)
        return {};
    if (auto *edit = qobject_cast<QLineEdit *>(control->widget))
        return FromQString(edit->text());
    if (auto *label = qobject_cast<QLabel *>(control->widget))
        return FromQString(label->text());
    if (auto *button = qobject_cast<QAbstractButton *>(control->widget))
        return FromQString(button->text());
    return {};
}

void WriteProperty(const WindowLayout &layout, std::string_view name, Property property, std::int32_t value)
{
    LayoutWindow &window = windowOrStop(layout);
    Control *control = controlFor(window, name, property);
    if (!control)
        return;
    if (property == Property::Period) {
        if (control->timer)
            writePeriod(*control, value);
        return;
    }
    QWidget *widget = control->widget;
    if (!widget)
        return;
    switch (property) {
    case Property::Left:
        widget->move(std::clamp(value, -32627, 32627), widget->y());
        break;
    case Property::Visible:
        widget->setVisible(value != 0);
        break;
    case Property::Disabled:
        widget->setEnabled(value == 0);
        break;
    case Property::Checked:
        if (auto *button = qobject_cast<QAbstractButton *>(widget))
            writeChecked(button, value != 0);
        break;
    default:
        break;
    }
}

void WriteProperty(const WindowLayout &layout, std::string_view name, Property property, const Text &value)
{
    LayoutWindow &window = windowOrStop(layout);
    Control *control = controlFor(window, name, property);
    if (!control || !control->widget)
        return;
    const QString text = ToQString(value);
    if (property == Property::Text) {
        if (auto *edit = qobject_cast<EditBox *>(control->widget))
            writeEditText(edit, text, *control->layout);
    } else if (property == Property::Caption) {
        if (auto *label = qobject_cast<QLabel *>(control->widget))
            label->setText(text);
        else if (auto *button = qobject_cast<QAbstractButton *>(control->widget))
            button->setText(text);
    } else if (property == Property::Description) {
        control->widget->setAccessibleDescription(text);
    }
}

void SetInputFocus(const WindowLayout &layout, std::string_view name)
{
    LayoutWindow *window = loaded(layout);
    Control *control = window ? window->find(name) : nullptr;
    if (!control || !control->widget)
        StopWithRuntimeError(Gbk("指定窗口或窗口组件不存在或尚未载入"));
    control->widget->setFocus(Qt::OtherFocusReason);
}

bool LoadWindow(const WindowLayout &layout, const WindowLayout &owner, bool /*modal*/)
{
    LayoutWindow *window = BuildWindow(layout);
    if (LayoutWindow *ownerWindow = loaded(owner)) {
        // Window managers keep a window above its owner and centre it there.
        window->winId();
        ownerWindow->winId();
        window->windowHandle()->setTransientParent(ownerWindow->windowHandle());
    }
    window->centreOnScreen();
    // Modal: input to every other window is blocked until this one closes;
    // timers keep ticking meanwhile, since events are still delivered.
    window->setWindowModality(Qt::ApplicationModal);
    QPointer<LayoutWindow> guard(window);
    QEventLoop loop;
    QObject::connect(window, &LayoutWindow::closed, &loop, &QEventLoop::quit);
    window->show();
    loop.exec();
    delete guard.data();
    return true;
}

void UnloadWindow(const WindowLayout &layout, bool /*immediately*/)
{
    // A settings window is destroyed by its loader as soon as its modal loop
    // has ended; the start-up window once the handler that closed it returns.
    if (LayoutWindow *window = loaded(layout))
        window->close();
}
