#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QtTest>

#include <array>
#include <cstdint>

#include "services/gbk.h"
#include "services/message_box.h"
#include "services/program.h"
#include "services/widgets/layout_window.h"
#include "services/window_layer.h"
#include "tests/support/modal_helpers.h"

// A window of our own with a control of each kind and handlers that only
// count, so every rule of the layer can be watched without the program's
// handlers acting on it.
namespace {

struct Calls {
    int buttonClicked = 0;
    int radioClicked = 0;
    int checkClicked = 0;
    int textChanged = 0;
    int ticks = 0;
    int created = 0;
    bool shownAtCreated = true;
    QString textAtCreated;
    int dialogCreated = 0;
    bool dialogLoadedAfterUnload = true;
};
Calls calls;

void ButtonClicked()
{
    ++calls.buttonClicked;
}
void RadioClicked()
{
    ++calls.radioClicked;
}
void CheckClicked()
{
    ++calls.checkClicked;
}
void TextChanged()
{
    ++calls.textChanged;
}
void Tick()
{
    ++calls.ticks;
}
void TestWindowCreated();
void DialogCreated()
{
    ++calls.dialogCreated;
}
void DialogOkClicked();

using enum Kind;

constexpr std::array testControls{
    ControlLayout{.name = "标签", .kind = Label, .left = 10, .top = 10, .width = 80, .height = 20, .text = "标签"},
    ControlLayout{.name = "按钮",
                  .kind = Button,
                  .left = 100,
                  .top = 10,
                  .width = 60,
                  .height = 24,
                  .text = "按钮",
                  .clicked = ButtonClicked},
    ControlLayout{.name = "编辑框",
                  .kind = EditBox,
                  .left = 10,
                  .top = 40,
                  .width = 100,
                  .height = 24,
                  .text = "起始",
                  .textChanged = TextChanged},
    ControlLayout{.name = "单选框甲",
                  .kind = RadioBox,
                  .container = "分组框",
                  .left = 8,
                  .top = 16,
                  .width = 60,
                  .height = 20,
                  .text = "甲",
                  .clicked = RadioClicked},
    ControlLayout{.name = "单选框乙",
                  .kind = RadioBox,
                  .container = "分组框",
                  .left = 70,
                  .top = 16,
                  .width = 60,
                  .height = 20,
                  .text = "乙",
                  .clicked = RadioClicked},
    ControlLayout{
        .name = "分组框", .kind = GroupBox, .left = 10, .top = 70, .width = 150, .height = 44, .text = "分组"},
    ControlLayout{.name = "选择框",
                  .kind = CheckBox,
                  .left = 170,
                  .top = 80,
                  .width = 80,
                  .height = 20,
                  .text = "选择",
                  .clicked = CheckClicked},
    ControlLayout{
        .name = "图片框", .kind = PicBox, .container = "外形框", .left = 4, .top = 4, .width = 40, .height = 40},
    ControlLayout{.name = "外形框",
                  .kind = ShapeBox,
                  .left = 20,
                  .top = 130,
                  .width = 200,
                  .height = 60,
                  .back = BackColour::White},
    ControlLayout{.name = "滑块条",
                  .kind = SliderBar,
                  .left = 10,
                  .top = 200,
                  .width = 160,
                  .height = 30,
                  .minimum = 1,
                  .maximum = 10,
                  .position = 3,
                  .singleStep = 1,
                  .pageStep = 2},
    ControlLayout{.name = "时钟", .kind = Timer, .tick = Tick},
};

const WindowLayout TestWindow{
    .name = "TestWindow",
    .title = "测试窗口",
    .width = 300,
    .height = 260,
    .controls = testControls,
    .menu = {},
    .created = TestWindowCreated,
};

constexpr std::array dialogControls{
    ControlLayout{.name = "编辑框", .kind = EditBox, .left = 10, .top = 10, .width = 100, .height = 24},
    ControlLayout{.name = "按钮确定",
                  .kind = Button,
                  .left = 10,
                  .top = 40,
                  .width = 60,
                  .height = 24,
                  .text = "确定",
                  .clicked = DialogOkClicked},
};

const WindowLayout TestDialog{
    .name = "TestDialog",
    .title = "测试对话框",
    .width = 200,
    .height = 100,
    .controls = dialogControls,
    .menu = {},
    .created = DialogCreated,
};

void TestWindowCreated()
{
    ++calls.created;
    calls.shownAtCreated = LoadedWindow(TestWindow)->isVisible();
    calls.textAtCreated = ToQString(ReadText(TestWindow, "编辑框", Property::Text));
}

void DialogOkClicked()
{
    UnloadWindow(TestDialog, true);
    calls.dialogLoadedAfterUnload = IsWindowLoaded(TestDialog);
}

template <typename T = QWidget>
T *widget(std::string_view name)
{
    return qobject_cast<T *>(ControlWidget(TestWindow, name));
}

QTimer *timer(std::string_view name)
{
    return LoadedWindow(TestWindow)->find(name)->timer;
}

// A click that comes through the window system, as a real one does, so a
// window blocked by a modal one does not get it (QTest's clicks on a widget
// skip that check).
void clickThroughWindowSystem(QWidget *target)
{
    QWidget *top = target->window();
    QTest::mouseClick(top->windowHandle(), Qt::LeftButton, {}, target->mapTo(top, target->rect().center()));
}

}  // namespace

class WindowLayerTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void leftIsClampedAndMeasuredInContainer_data();
    void leftIsClampedAndMeasuredInContainer();
    void textWriteRaisesTextChangedOnce_data();
    void textWriteRaisesTextChangedOnce();
    void propertyWritesRaiseNoClick();
    void checkedWriteTouchesOnlyThatBox();
    void disabledContainerBlocksChildrenKeepingTheirOwnValues();
    void timerPeriodWrite_data();
    void timerPeriodWrite();
    void radioRaisesClickedAlsoWhenAlreadyChecked();
    void createdRunsBeforeShownWithLayoutValues();
    void everyLoadBuildsAnew();
    void modalWindowBlocksOwnerUntilClosed();
    void unloadClosesBeforeReturning();
    void messageBoxIsPlainAndOwnedByNoWindow();
    void placeKeepsTheFrameCornerOnTheScreen_data();
    void placeKeepsTheFrameCornerOnTheScreen();
};

void WindowLayerTest::init()
{
    calls = {};
    LoadStartupWindow(TestWindow);
    LoadedWindow(TestWindow)->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(LoadedWindow(TestWindow)));
}

void WindowLayerTest::cleanup()
{
    if (IsWindowLoaded(TestWindow))
        UnloadWindow(TestWindow, true);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void WindowLayerTest::leftIsClampedAndMeasuredInContainer_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("written");
    QTest::addColumn<int>("read");
    QTest::newRow("on the window") << "按钮" << 8 << 8;
    QTest::newRow("in a container") << "图片框" << 8 << 8;
    QTest::newRow("negative") << "图片框" << -45 << -45;
    QTest::newRow("largest kept") << "按钮" << 32627 << 32627;
    QTest::newRow("above largest") << "图片框" << 40000 << 32627;
    QTest::newRow("below smallest") << "按钮" << -40000 << -32627;
    QTest::newRow("int32 minimum") << "图片框" << int(INT32_MIN) << -32627;
}

// Left is the only place the program moves controls by (the race); it must
// come back as written, in the container's coordinates, within the bounds.
void WindowLayerTest::leftIsClampedAndMeasuredInContainer()
{
    QFETCH(QString, control);
    QFETCH(int, written);
    QFETCH(int, read);
    const std::string name = control.toStdString();
    QWidget *w = widget(name);
    const QRect before = w->geometry();

    WriteProperty(TestWindow, name, Property::Left, written);

    QCOMPARE(ReadInteger(TestWindow, name, Property::Left), read);
    QCOMPARE(w->geometry(), QRect(read, before.y(), before.width(), before.height()));
    // Measured from the container's client area, not from the window's.
    QWidget *client = LoadedWindow(TestWindow)->findChild<QWidget *>("按钮")->parentWidget();
    QCOMPARE(w->mapTo(client, QPoint(0, 0)).x(), read + w->parentWidget()->mapTo(client, QPoint(0, 0)).x());
}

void WindowLayerTest::textWriteRaisesTextChangedOnce_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("written");
    QTest::newRow("new text") << "起始"
                              << "新的";
    QTest::newRow("same text") << "起始"
                               << "起始";
    QTest::newRow("empty over empty") << ""
                                      << "";
    QTest::newRow("empty over text") << "起始"
                                     << "";
}

// Handlers rely on exactly one text-changed per write, equal text included
// (clearing an already empty answer box still re-enables the OK button).
void WindowLayerTest::textWriteRaisesTextChangedOnce()
{
    QFETCH(QString, before);
    QFETCH(QString, written);
    WriteProperty(TestWindow, "编辑框", Property::Text, FromQString(before));
    calls.textChanged = 0;

    WriteProperty(TestWindow, "编辑框", Property::Text, FromQString(written));

    QCOMPARE(calls.textChanged, 1);
    QCOMPARE(ToQString(ReadText(TestWindow, "编辑框", Property::Text)), written);
}

// Clicked is the user's event: no property write may raise it.
void WindowLayerTest::propertyWritesRaiseNoClick()
{
    WriteProperty(TestWindow, "按钮", Property::Caption, Gbk("新标题"));
    WriteProperty(TestWindow, "按钮", Property::Disabled, 1);
    WriteProperty(TestWindow, "按钮", Property::Disabled, 0);
    WriteProperty(TestWindow, "按钮", Property::Visible, 0);
    WriteProperty(TestWindow, "按钮", Property::Visible, 1);
    WriteProperty(TestWindow, "单选框甲", Property::Checked, 1);
    WriteProperty(TestWindow, "单选框甲", Property::Checked, 0);
    WriteProperty(TestWindow, "选择框", Property::Checked, 1);

    QCOMPARE(calls.buttonClicked, 0);
    QCOMPARE(calls.radioClicked, 0);
    QCOMPARE(calls.checkClicked, 0);
    QCOMPARE(ToQString(ReadText(TestWindow, "按钮", Property::Caption)), QStringLiteral("新标题"));
}

// A checked write sets or clears the mark of that one box, a checked radio
// button included, and leaves the rest of its group alone.
void WindowLayerTest::checkedWriteTouchesOnlyThatBox()
{
    WriteProperty(TestWindow, "单选框甲", Property::Checked, 1);
    QVERIFY(ReadBoolean(TestWindow, "单选框甲", Property::Checked));
    QVERIFY(!ReadBoolean(TestWindow, "单选框乙", Property::Checked));

    WriteProperty(TestWindow, "单选框乙", Property::Checked, 1);
    QVERIFY(ReadBoolean(TestWindow, "单选框甲", Property::Checked));
    QVERIFY(ReadBoolean(TestWindow, "单选框乙", Property::Checked));

    WriteProperty(TestWindow, "单选框甲", Property::Checked, 0);
    WriteProperty(TestWindow, "单选框乙", Property::Checked, 0);
    QVERIFY(!ReadBoolean(TestWindow, "单选框甲", Property::Checked));
    QVERIFY(!ReadBoolean(TestWindow, "单选框乙", Property::Checked));

    WriteProperty(TestWindow, "选择框", Property::Checked, 1);
    QVERIFY(ReadBoolean(TestWindow, "选择框", Property::Checked));
    WriteProperty(TestWindow, "选择框", Property::Checked, 0);
    QVERIFY(!ReadBoolean(TestWindow, "选择框", Property::Checked));

    // A user's click still keeps the group exclusive afterwards.
    QTest::mouseClick(widget("单选框甲"), Qt::LeftButton);
    QTest::mouseClick(widget("单选框乙"), Qt::LeftButton);
    QVERIFY(!ReadBoolean(TestWindow, "单选框甲", Property::Checked));
    QVERIFY(ReadBoolean(TestWindow, "单选框乙", Property::Checked));
    QCOMPARE(calls.radioClicked, 2);
    QCOMPARE(calls.checkClicked, 0);
}

// During a run the mode group is disabled as a whole; the radio buttons'
// own values must come back untouched when it is enabled again.
void WindowLayerTest::disabledContainerBlocksChildrenKeepingTheirOwnValues()
{
    WriteProperty(TestWindow, "单选框乙", Property::Disabled, 1);
    WriteProperty(TestWindow, "分组框", Property::Disabled, 1);

    QVERIFY(!widget("单选框甲")->isEnabled());
    QVERIFY(!widget("单选框乙")->isEnabled());
    QVERIFY(ReadBoolean(TestWindow, "分组框", Property::Disabled));
    QVERIFY(!ReadBoolean(TestWindow, "单选框甲", Property::Disabled));
    QVERIFY(ReadBoolean(TestWindow, "单选框乙", Property::Disabled));
    clickThroughWindowSystem(widget("单选框甲"));
    QCOMPARE(calls.radioClicked, 0);
    QVERIFY(!ReadBoolean(TestWindow, "单选框甲", Property::Checked));

    WriteProperty(TestWindow, "分组框", Property::Disabled, 0);

    QVERIFY(widget("单选框甲")->isEnabled());
    QVERIFY(!widget("单选框乙")->isEnabled());
    QVERIFY(ReadBoolean(TestWindow, "单选框乙", Property::Disabled));
    clickThroughWindowSystem(widget("单选框甲"));
    QCOMPARE(calls.radioClicked, 1);
}

void WindowLayerTest::timerPeriodWrite_data()
{
    QTest::addColumn<int>("running");  // period before the write; 0: stopped
    QTest::addColumn<int>("written");
    QTest::addColumn<int>("period");  // period read back after the write
    QTest::addColumn<bool>("active");
    QTest::addColumn<bool>("restarted");
    QTest::newRow("zero on a stopped timer") << 0 << 0 << 0 << false << false;
    QTest::newRow("negative on a stopped timer") << 0 << -5 << 0 << false << false;
    QTest::newRow("negative stops a running timer") << 1000 << -5 << 0 << false << false;
    QTest::newRow("zero stops a running timer") << 1000 << 0 << 0 << false << false;
    QTest::newRow("same value keeps the phase") << 1000 << 1000 << 1000 << true << false;
    QTest::newRow("new value restarts") << 1000 << 2000 << 2000 << true << true;
    QTest::newRow("shorter value restarts") << 1000 << 800 << 800 << true << true;
    QTest::newRow("starts a stopped timer") << 0 << 700 << 700 << true << true;
}

// The race writes the same period again and again; restarting on each write
// would stall the sprites, and a new period must give a full first period.
void WindowLayerTest::timerPeriodWrite()
{
    QFETCH(int, running);
    QFETCH(int, written);
    QFETCH(int, period);
    QFETCH(bool, active);
    QFETCH(bool, restarted);
    WriteProperty(TestWindow, "时钟", Property::Period, running);
    // Let a little of the running period pass, so a restart shows in the
    // time left to the next tick.
    constexpr int passed = 40;
    if (running > 0)
        QTest::qSleep(passed);

    WriteProperty(TestWindow, "时钟", Property::Period, written);

    QCOMPARE(ReadInteger(TestWindow, "时钟", Property::Period), period);
    QCOMPARE(timer("时钟")->isActive(), active);
    if (!active)
        return;
    QCOMPARE(timer("时钟")->interval(), period);
    const int left = timer("时钟")->remainingTime();
    if (restarted)
        QVERIFY2(left > period - passed / 2, qPrintable(QString::number(left)));
    else
        QVERIFY2(left <= period - passed / 2, qPrintable(QString::number(left)));
    QCOMPARE(calls.ticks, 0);
}

// Clicking the mode that is already chosen still raises clicked: the handler
// resets the view for that mode.
void WindowLayerTest::radioRaisesClickedAlsoWhenAlreadyChecked()
{
    auto *radio = widget<QRadioButton>("单选框甲");
    QTest::mouseClick(radio, Qt::LeftButton);
    QTest::mouseClick(radio, Qt::LeftButton);
    QCOMPARE(calls.radioClicked, 2);
    QVERIFY(radio->isChecked());

    radio->setFocus();
    QTest::keyClick(radio, Qt::Key_Space);
    QCOMPARE(calls.radioClicked, 3);
    QVERIFY(radio->isChecked());

    WriteProperty(TestWindow, "单选框甲", Property::Disabled, 1);
    QTest::mouseClick(radio, Qt::LeftButton);
    QCOMPARE(calls.radioClicked, 3);
}

// The created handler sets up the view before anyone sees the window, and
// reads the layout's values.
void WindowLayerTest::createdRunsBeforeShownWithLayoutValues()
{
    QCOMPARE(calls.created, 1);
    QVERIFY(!calls.shownAtCreated);
    QCOMPARE(calls.textAtCreated, QStringLiteral("起始"));
    QVERIFY(LoadedWindow(TestWindow)->isVisible());
}

// Nothing typed, checked or moved survives a close: each load is new.
void WindowLayerTest::everyLoadBuildsAnew()
{
    auto *edit = widget<QLineEdit>("编辑框");
    edit->setFocus();
    QTest::keyClicks(edit, "abc");
    QTest::mouseClick(widget("选择框"), Qt::LeftButton);
    QTest::mouseClick(widget("单选框乙"), Qt::LeftButton);
    widget<QSlider>("滑块条")->setValue(8);
    WriteProperty(TestWindow, "按钮", Property::Left, 200);
    WriteProperty(TestWindow, "时钟", Property::Period, 1000);
    QCOMPARE(edit->text(), QStringLiteral("起始abc"));

    UnloadWindow(TestWindow, true);
    QVERIFY(!IsWindowLoaded(TestWindow));
    LoadStartupWindow(TestWindow);

    QCOMPARE(calls.created, 2);
    QCOMPARE(ToQString(ReadText(TestWindow, "编辑框", Property::Text)), QStringLiteral("起始"));
    QVERIFY(!ReadBoolean(TestWindow, "选择框", Property::Checked));
    QVERIFY(!ReadBoolean(TestWindow, "单选框乙", Property::Checked));
    QCOMPARE(ReadInteger(TestWindow, "滑块条", Property::Position), 3);
    QCOMPARE(ReadInteger(TestWindow, "按钮", Property::Left), 100);
    QCOMPARE(ReadInteger(TestWindow, "时钟", Property::Period), 0);
    QVERIFY(!timer("时钟")->isActive());
}

// A settings window holds its opener until it closes; meanwhile the owner
// takes no input and its timers (the clock, the race) keep ticking.
void WindowLayerTest::modalWindowBlocksOwnerUntilClosed()
{
    WriteProperty(TestWindow, "时钟", Property::Period, 2);
    bool ranInside = false;
    bool blockedOwner = false;
    int ticksInside = 0;
    QString typedInDialog;
    OnNextModal([&](QWidget *modal) {
        ranInside = true;
        QCOMPARE(modal, static_cast<QWidget *>(LoadedWindow(TestDialog)));
        QCOMPARE(modal->windowTitle(), QStringLiteral("测试对话框"));
        blockedOwner = QApplication::activeModalWidget() == modal;
        clickThroughWindowSystem(widget("按钮"));
        const int before = calls.ticks;
        (void)QTest::qWaitFor([&] { return calls.ticks >= before + 3; }, 2000);
        ticksInside = calls.ticks - before;
        auto *edit = qobject_cast<QLineEdit *>(ControlWidget(TestDialog, "编辑框"));
        QTest::keyClicks(edit, "12");
        typedInDialog = edit->text();
        CloseModal(modal);
    });

    QVERIFY(LoadWindow(TestDialog, TestWindow, true));

    QVERIFY(ranInside);
    QVERIFY(blockedOwner);
    QCOMPARE(typedInDialog, QStringLiteral("12"));
    QCOMPARE(calls.buttonClicked, 0);
    QVERIFY2(ticksInside >= 3, qPrintable(QString::number(ticksInside)));
    QCOMPARE(calls.dialogCreated, 1);
    QVERIFY(!IsWindowLoaded(TestDialog));
    // Once the window has gone, the owner takes clicks again.
    QCOMPARE(QApplication::activeModalWidget(), nullptr);
    clickThroughWindowSystem(widget("按钮"));
    QCOMPARE(calls.buttonClicked, 1);
}

// The settings windows close themselves from their OK handlers: the window
// is gone when UnloadWindow returns, and the opener resumes after that.
void WindowLayerTest::unloadClosesBeforeReturning()
{
    OnNextModal([](QWidget *) { QTest::mouseClick(ControlWidget(TestDialog, "按钮确定"), Qt::LeftButton); });

    LoadWindow(TestDialog, TestWindow, true);

    QVERIFY(!calls.dialogLoadedAfterUnload);
    QVERIFY(!IsWindowLoaded(TestDialog));
    QCOMPARE(QApplication::activeModalWidget(), nullptr);

    // A second opening starts from the layout again.
    OnNextModal([](QWidget *modal) {
        QCOMPARE(qobject_cast<QLineEdit *>(ControlWidget(TestDialog, "编辑框"))->text(), QString());
        CloseModal(modal);
    });
    LoadWindow(TestDialog, TestWindow, true);
    QCOMPARE(calls.dialogCreated, 2);
}

// Style 0: the title, "\r\n" as one line break, OK alone, no icon, owned by
// no window; it blocks every window and timers keep ticking under it.
void WindowLayerTest::messageBoxIsPlainAndOwnedByNoWindow()
{
    WriteProperty(TestWindow, "时钟", Property::Period, 2);
    QMessageBox *seen = nullptr;
    QString title, text;
    QList<QAbstractButton *> buttons;
    QMessageBox::StandardButtons standard;
    QMessageBox::Icon icon = QMessageBox::Critical;
    bool hasParent = true;
    Qt::WindowModality modality = Qt::NonModal;
    int ticksInside = 0;
    OnNextModal([&](QWidget *modal) {
        seen = qobject_cast<QMessageBox *>(modal);
        if (!seen) {
            CloseModal(modal);
            return;
        }
        title = seen->windowTitle();
        text = seen->text();
        buttons = seen->buttons();
        standard = seen->standardButtons();
        icon = seen->icon();
        hasParent = seen->parentWidget() != nullptr;
        modality = seen->windowModality();
        clickThroughWindowSystem(widget("按钮"));
        const int before = calls.ticks;
        (void)QTest::qWaitFor([&] { return calls.ticks >= before + 3; }, 2000);
        ticksInside = calls.ticks - before;
        seen->button(QMessageBox::Ok)->click();
    });

    ShowMessageBox(Gbk("第一行\r\n第二行  两个空格"), 0, Gbk("提示"));

    QVERIFY(seen);
    QCOMPARE(title, QStringLiteral("提示"));
    QCOMPARE(text, QStringLiteral("第一行\n第二行  两个空格"));
    QCOMPARE(buttons.size(), 1);
    QCOMPARE(standard, QMessageBox::StandardButtons(QMessageBox::Ok));
    QCOMPARE(icon, QMessageBox::NoIcon);
    QVERIFY(!hasParent);
    QCOMPARE(modality, Qt::ApplicationModal);
    QCOMPARE(calls.buttonClicked, 0);
    QVERIFY2(ticksInside >= 3, qPrintable(QString::number(ticksInside)));
}

void WindowLayerTest::placeKeepsTheFrameCornerOnTheScreen_data()
{
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QSize>("outer");
    QTest::addColumn<QPoint>("topLeft");
    QTest::newRow("fits: centred") << QRect(0, 0, 1280, 1024) << QSize(451, 451) << QPoint(414, 286);
    QTest::newRow("fits below a top panel") << QRect(0, 32, 1280, 992) << QSize(451, 451) << QPoint(414, 302);
    QTest::newRow("just as large") << QRect(0, 0, 400, 300) << QSize(400, 300) << QPoint(0, 0);
    QTest::newRow("taller than the screen") << QRect(0, 0, 640, 400) << QSize(451, 451) << QPoint(94, 0);
    QTest::newRow("taller, below a top panel") << QRect(0, 32, 640, 368) << QSize(451, 451) << QPoint(94, 32);
    QTest::newRow("wider than the screen") << QRect(0, 0, 400, 600) << QSize(451, 451) << QPoint(0, 74);
    QTest::newRow("larger both ways") << QRect(0, 0, 400, 300) << QSize(451, 451) << QPoint(0, 0);
    QTest::newRow("second screen to the right") << QRect(1280, 0, 400, 300) << QSize(451, 451) << QPoint(1280, 0);
    QTest::newRow("screen left of the first, fits")
        << QRect(-400, -300, 400, 300) << QSize(100, 100) << QPoint(-250, -200);
    QTest::newRow("screen left of the first, too large")
        << QRect(-400, -300, 400, 300) << QSize(451, 451) << QPoint(-400, -300);
}

// A window is centred on the screen's available area, and a window larger
// than the area hangs off its right and bottom, never its left or top: the
// title bar, by which it is moved, and the menu bar stay on the screen.
void WindowLayerTest::placeKeepsTheFrameCornerOnTheScreen()
{
    QFETCH(QRect, available);
    QFETCH(QSize, outer);
    QFETCH(QPoint, topLeft);

    QCOMPARE(CentredTopLeft(available, outer), topLeft);
}

QTEST_MAIN(WindowLayerTest)
#include "test_window_layer.moc"
