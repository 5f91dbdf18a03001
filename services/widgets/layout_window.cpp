#include "services/widgets/layout_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>
#include <QTimer>

#include <algorithm>

#include "services/widgets/edit_box.h"
#include "services/gbk.h"
#include "services/widgets/keyboard_rules.h"
#include "services/widgets/picture_box.h"
#include "services/widgets/shape_box.h"

namespace {

QString fromUtf8(const char *text)
{
    return QString::fromUtf8(text ? text : "");
}

QFont fontFor(FontSize size, const QFont &base)
{
    QFont font = base;
    switch (size) {
    case FontSize::Default:
        break;
    case FontSize::Large:
        font.setPixelSize(29);
        font.setBold(false);
        break;
    case FontSize::SmallBold:
        font.setPixelSize(14);
        font.setBold(true);
        break;
    }
    return font;
}

bool isContainer(Kind kind)
{
    return kind == Kind::GroupBox || kind == Kind::ShapeBox;
}

}  // namespace

LayoutWindow::LayoutWindow(const WindowLayout &layout)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowCloseButtonHint)
    , m_layout(layout)
{
    setWindowTitle(fromUtf8(layout.title));
    setWindowIcon(QIcon(QStringLiteral(":/icon.png")));
    m_client = new QWidget(this);
    buildMenu();
    buildControls();
    orderTabStops();
    setFixedSize(layout.width, layout.height);
    installKeyboardRules(*this);
}

void LayoutWindow::buildMenu()
{
    if (m_layout.menu.empty())
        return;
    m_menuBar = new QMenuBar(this);
    QMenu *current = nullptr;
    const char *currentTitle = nullptr;
    for (const MenuItemLayout &row : m_layout.menu) {
        if (!currentTitle || std::string_view(currentTitle) != row.menu) {
            current = m_menuBar->addMenu(fromUtf8(row.menu));
            currentTitle = row.menu;
        }
        QAction *action = current->addAction(fromUtf8(row.item));
        if (Handler selected = row.selected)
            connect(action, &QAction::triggered, this, [selected] { selected(); });
    }
}

void LayoutWindow::buildControls()
{
    // Containers first, so every child finds its parent; then the rest in
    // the layout table's order.
    for (const ControlLayout &row : m_layout.controls)
        if (isContainer(row.kind))
            m_controls.push_back({&row, createWidget(row, m_client)});
    for (const ControlLayout &row : m_layout.controls)
        if (!isContainer(row.kind))
            m_controls.push_back({&row, row.kind == Kind::Timer ? nullptr : createWidget(row, containerOf(row))});
    for (Control &control : m_controls) {
        if (control.layout->kind != Kind::Timer)
            continue;
        control.timer = new QTimer(this);
        control.timer->setTimerType(Qt::PreciseTimer);
        if (Handler tick = control.layout->tick)
            connect(control.timer, &QTimer::timeout, this, [tick] { tick(); });
    }
    // The layout table lists controls top-most first: raising them from the
    // last row to the first leaves the first row on top.
    for (auto row = m_layout.controls.rbegin(); row != m_layout.controls.rend(); ++row)
        if (Control *control = find(row->name); control && control->widget)
            control->widget->raise();
}

QWidget *LayoutWindow::containerOf(const ControlLayout &row)
{
    if (!row.container)
        return m_client;
    Control *container = find(row.container);
    return container && container->widget ? container->widget : m_client;
}

// Buttons, radio buttons and check boxes raise the clicked event alike.
QWidget *LayoutWindow::withClicked(QAbstractButton *button, const ControlLayout &row)
{
    if (Handler clicked = row.clicked)
        connect(button, &QAbstractButton::clicked, this, [clicked] { clicked(); });
    return button;
}

QWidget *LayoutWindow::createWidget(const ControlLayout &row, QWidget *parent)
{
    const QString text = fromUtf8(row.text);
    QWidget *widget = nullptr;
    switch (row.kind) {
    case Kind::Label: {
        auto *label = new QLabel(text, parent);
        label->setTextFormat(Qt::PlainText);  // keeps blanks; no markup
        label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        widget = label;
        break;
    }
    case Kind::Button: {
        auto *button = new QPushButton(text, parent);
        // Enter must never click a button, in any window.
        button->setAutoDefault(false);
        button->setDefault(false);
        widget = withClicked(button, row);
        break;
    }
    case Kind::EditBox: {
        auto *edit = new EditBox(row.integerInput, parent);
        edit->setText(text);
        if (row.centred)
            edit->setAlignment(Qt::AlignCenter);
        if (Handler changed = row.textChanged)
            connect(edit, &QLineEdit::textChanged, this, [changed] { changed(); });
        widget = edit;
        break;
    }
    case Kind::RadioBox:
        widget = withClicked(new QRadioButton(text, parent), row);
        break;
    case Kind::CheckBox:
        widget = withClicked(new QCheckBox(text, parent), row);
        break;
    case Kind::GroupBox:
        widget = new QGroupBox(text, parent);
        break;
    case Kind::SliderBar: {
        auto *slider = new QSlider(Qt::Horizontal, parent);
        slider->setRange(row.minimum, row.maximum);
        slider->setValue(row.position);
        slider->setSingleStep(row.singleStep);
        slider->setPageStep(row.pageStep);
        slider->setTickPosition(QSlider::TicksAbove);
        slider->setTickInterval(1);
        widget = slider;
        break;
    }
    case Kind::PicBox:
        widget = new PictureBox(
            row.picture, row.back == BackColour::White ? QColor(Qt::white) : palette().color(QPalette::Window), parent);
        break;
    case Kind::ShapeBox:
        widget = new ShapeBox(parent);
        break;
    case Kind::Timer:
        return nullptr;
    }
    widget->setObjectName(fromUtf8(row.name));
    widget->setGeometry(row.left, row.top, row.width, row.height);
    widget->setFont(fontFor(row.font, widget->font()));
    if (row.accessibleName)
        widget->setAccessibleName(fromUtf8(row.accessibleName));
    return widget;
}

void LayoutWindow::orderTabStops()
{
    // Tab walks the controls as they read, top to bottom and left to right.
    std::vector<QWidget *> stops;
    for (const Control &control : m_controls)
        if (control.widget && control.widget->focusPolicy() & Qt::TabFocus)
            stops.push_back(control.widget);
    auto place = [this](QWidget *w) {
        const QPoint p = w->mapTo(m_client, QPoint(0, 0));
        return std::pair(p.y(), p.x());
    };
    std::stable_sort(stops.begin(), stops.end(), [&](QWidget *a, QWidget *b) { return place(a) < place(b); });
    for (std::size_t i = 1; i < stops.size(); ++i)
        setTabOrder(stops[i - 1], stops[i]);
}

Control *LayoutWindow::find(std::string_view name)
{
    for (Control &control : m_controls)
        if (name == control.layout->name)
            return &control;
    return nullptr;
}

Control *LayoutWindow::controlOf(const QObject *widget)
{
    for (Control &control : m_controls)
        if (control.widget == widget)
            return &control;
    return nullptr;
}

int LayoutWindow::outerWidth() const
{
    return isVisible() ? frameGeometry().width() : m_layout.width;
}

void LayoutWindow::centreOnScreen()
{
    const QScreen *where = screen();
    if (!where)
        return;
    const QRect available = where->availableGeometry();
    const QSize outer(m_layout.width, m_layout.height);
    // move() places the frame's top-left corner.
    move(CentredTopLeft(available, outer));
}

QPoint CentredTopLeft(const QRect &available, const QSize &outer)
{
    const QPoint centred = available.center() - QPoint(outer.width() / 2, outer.height() / 2);
    return {std::max(centred.x(), available.left()), std::max(centred.y(), available.top())};
}

void LayoutWindow::resizeEvent(QResizeEvent *event)
{
    const int menuHeight = m_menuBar ? m_menuBar->sizeHint().height() : 0;
    if (m_menuBar)
        m_menuBar->setGeometry(0, 0, width(), menuHeight);
    m_client->setGeometry(0, menuHeight, width(), height() - menuHeight);
    QWidget::resizeEvent(event);
}

bool LayoutWindow::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::Move:
    case QEvent::WindowActivate:
    case QEvent::Expose:
        adoptFrame();
        break;
    default:
        break;
    }
    return QWidget::event(event);
}

void LayoutWindow::adoptFrame()
{
    // The frame is known only once the window manager has framed the window;
    // shrink the client area so the outer size stays the layout's size.
    const QSize extra = frameGeometry().size() - size();
    if (extra == m_frameExtra || extra.width() < 0 || extra.height() < 0)
        return;
    m_frameExtra = extra;
    setFixedSize(m_layout.width - extra.width(), m_layout.height - extra.height());
    if (!m_placed) {
        m_placed = true;
        centreOnScreen();
    }
}

void LayoutWindow::closeEvent(QCloseEvent *event)
{
    // A closing window raises no more events. Hiding it takes the focus from
    // an integer box, and the tidying would otherwise run a text-changed
    // handler against a window that is no longer loaded: a fatal stop
    // instead of a normal end.
    for (Control &control : m_controls) {
        if (control.timer)
            control.timer->stop();
        if (control.widget)
            control.widget->disconnect(this);
    }
    event->accept();
    emit closed();
}
