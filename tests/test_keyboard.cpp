#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <array>
#include <functional>
#include <optional>

#include "app/globals.h"
#include "practice/main_window.h"
#include "services/program.h"
#include "services/widgets/layout_window.h"
#include "services/window_layer.h"
#include "settings/operator_window.h"
#include "settings/range_window.h"
#include "tests/support/main_window_fixture.h"
#include "tests/support/modal_helpers.h"

// Keys reach the program in one order in every window; MainWindow is tested
// as the program builds it, and a small window of our own shows what its key
// handler is given and what a normal edit box takes.
namespace {

// Every key that goes down, the modifier keys themselves included.
struct KeySeen {
    int code = -1;
    int shift = -1;
    int count = 0;
};
KeySeen keySeen;
std::optional<bool> keyAnswer;

std::optional<bool> KeyPressed(int keyCode, int shiftState)
{
    keySeen = {keyCode, shiftState, keySeen.count + 1};
    return keyAnswer;
}

using enum Kind;

constexpr std::array keyControls{
    ControlLayout{.name = "编辑框按键",
                  .kind = EditBox,
                  .left = 10,
                  .top = 10,
                  .width = 120,
                  .height = 24,
                  .keyPressed = KeyPressed},
    ControlLayout{.name = "编辑框普通", .kind = EditBox, .left = 10, .top = 40, .width = 120, .height = 24},
    ControlLayout{.name = "按钮", .kind = Button, .left = 10, .top = 70, .width = 60, .height = 24, .text = "按钮"},
};

const WindowLayout KeyWindow{
    .name = "KeyWindow",
    .title = "按键",
    .width = 200,
    .height = 120,
    .controls = keyControls,
    .menu = {},
};

QWidget *keyWindowControl(std::string_view name)
{
    return ControlWidget(KeyWindow, name);
}

QLineEdit *box(std::string_view name)
{
    return qobject_cast<QLineEdit *>(Main(name));
}

// Sends each character as typed, text included, so characters that QTest
// cannot name as keys (full-width digits) arrive as a keyboard gives them.
void type(QWidget *target, const QString &text)
{
    for (QChar c : text) {
        const char latin = c.toLatin1();
        Qt::Key key = Qt::Key_unknown;
        if (latin >= '0' && latin <= '9')
            key = Qt::Key(Qt::Key_0 + (latin - '0'));
        else if (latin >= 'a' && latin <= 'z')
            key = Qt::Key(Qt::Key_A + (latin - 'a'));
        else if (latin == '-')
            key = Qt::Key_Minus;
        else if (latin == ' ')
            key = Qt::Key_Space;
        else if (latin == '.')
            key = Qt::Key_Period;
        QTest::sendKeyEvent(QTest::Click, target, key, QString(c), Qt::NoModifier);
    }
}

// Pastes with Ctrl+V as X11 delivers it, carrying the control character.
void paste(QWidget *target, const QString &text)
{
    QGuiApplication::clipboard()->setText(text);
    QTest::sendKeyEvent(QTest::Click, target, Qt::Key_V, QString(QChar(0x16)), Qt::ControlModifier);
}

// Runs `act` while a window is up as the program shows it: MainWindow as
// loaded, a settings window inside its own modal loop, once it is the active
// window. (QTest::qWaitForWindowActive would not do: a window kept above
// its owner counts as active while the owner is.)
void WhileShown(const WindowLayout &window, const std::function<void()> &act)
{
    if (&window == &MainWindow) {
        act();
        return;
    }
    OnNextModal([&](QWidget *modal) {
        modal->activateWindow();
        if (QTest::qWaitFor([modal] { return QApplication::activeWindow() == modal; }))
            act();
        modal->close();
    });
    LoadWindow(window, MainWindow, true);
}

const WindowLayout &LayoutNamed(const QString &name)
{
    for (const WindowLayout *layout : {&MainWindow, &OperatorWindow, &RangeWindow})
        if (name == QLatin1String(layout->name))
            return *layout;
    return MainWindow;
}

QString FocusName()
{
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
}

// Both number boxes usable at once, whatever the view state.
void enableNumberBoxes()
{
    WriteProperty(MainWindow, "编辑框题数", Property::Visible, 1);
    WriteProperty(MainWindow, "编辑框答案", Property::Disabled, 0);
}

}  // namespace

class KeyboardTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void escClosesMainWindowWhereverTheFocusIs_data();
    void escClosesMainWindowWhereverTheFocusIs();
    void escInAnOpenMenuClosesOnlyTheMenu();
    void enterInAnswerBoxReachesItsHandlerAndClicksNoButton();
    void keyHandlerGetsCodeAndShiftState_data();
    void keyHandlerGetsCodeAndShiftState();
    void keyHandlerCanDiscardTheKey();
    void arrowsOnRadioMoveFocusOnly_data();
    void arrowsOnRadioMoveFocusOnly();
    void integerBoxFiltersTyping_data();
    void integerBoxFiltersTyping();
    void integerBoxKeepsControlKeysAndPaste();
    void integerBoxFiltersInputMethodCommits();
    void integerBoxTidiesOnFocusLossBeforeTheClick_data();
    void integerBoxTidiesOnFocusLossBeforeTheClick();
    void integerBoxTidiesWhenTabbingOn();
    void normalBoxTakesAnyCharacterAsTyped();
    void integerBoxRefusesDroppedText_data();
    void integerBoxRefusesDroppedText();
    void tabVisitsEveryControlInReadingOrder_data();
    void tabVisitsEveryControlInReadingOrder();
    void radioReachedByTabIsChosenBySpace();
};

void KeyboardTest::init()
{
    keySeen = {};
    keyAnswer.reset();
    LoadFreshMainWindow();
}

void KeyboardTest::cleanup()
{
    if (IsWindowLoaded(KeyWindow))
        UnloadWindow(KeyWindow, true);
    UnloadMainWindow();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void KeyboardTest::escClosesMainWindowWhereverTheFocusIs_data()
{
    QTest::addColumn<QString>("focus");
    QTest::newRow("answer box") << "编辑框答案";
    QTest::newRow("count box") << "编辑框题数";
    QTest::newRow("radio button") << "单选框1";
    QTest::newRow("button") << "按钮开始";
    QTest::newRow("slider") << "滑块条1";
}

// Esc is the child's way out of the program, also while typing an answer.
void KeyboardTest::escClosesMainWindowWhereverTheFocusIs()
{
    QFETCH(QString, focus);
    enableNumberBoxes();
    WriteProperty(MainWindow, "滑块条1", Property::Visible, 1);
    QWidget *target = Main(focus.toStdString());
    target->setFocus();
    QCOMPARE(QApplication::focusWidget(), target);

    QTest::keyClick(target, Qt::Key_Escape);

    QVERIFY(!IsWindowLoaded(MainWindow));
}

// Esc in an open menu dismisses the menu, as everywhere else; ending the
// program there would throw away a child's run.
void KeyboardTest::escInAnOpenMenuClosesOnlyTheMenu()
{
    auto *bar = MainWindowWidget()->findChild<QMenuBar *>();
    QVERIFY(bar);
    QMenu *menu = bar->actions().first()->menu();
    menu->popup(bar->mapToGlobal(QPoint(0, bar->height())));
    QVERIFY(QTest::qWaitForWindowExposed(menu));

    QTest::keyClick(menu, Qt::Key_Escape);

    QVERIFY(!menu->isVisible());
    QVERIFY(IsWindowLoaded(MainWindow));

    // Walking the menu bar with the keys (after Alt): Esc leaves the bar.
    bar->setFocus(Qt::ShortcutFocusReason);
    QTest::keyClick(bar, Qt::Key_Escape);
    QVERIFY(IsWindowLoaded(MainWindow));
}

// Enter grades the answer through the box's key handler; no button is a
// default button that Enter could click besides.
void KeyboardTest::enterInAnswerBoxReachesItsHandlerAndClicksNoButton()
{
    QTest::mouseClick(Main("单选框1"), Qt::LeftButton);
    box("编辑框题数")->setFocus();
    QTest::keyClicks(box("编辑框题数"), "5");
    QTest::mouseClick(Main("按钮开始"), Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), Main("编辑框答案"));
    QStringList clicked;
    for (QPushButton *button : MainWindowWidget()->findChildren<QPushButton *>())
        connect(button, &QPushButton::clicked, this, [&clicked, button] { clicked << button->objectName(); });

    QTest::keyClicks(box("编辑框答案"), "7");
    QTest::keyClick(box("编辑框答案"), Qt::Key_Return);

    QCOMPARE(correctCount + wrongCount, 1);
    QCOMPARE(clicked, QStringList());
}

void KeyboardTest::keyHandlerGetsCodeAndShiftState_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("shift");
    QTest::newRow("Enter") << int(Qt::Key_Return) << int(Qt::NoModifier) << 13 << 0;
    QTest::newRow("keypad Enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << 13 << 0;
    QTest::newRow("Ctrl+Enter") << int(Qt::Key_Return) << int(Qt::ControlModifier) << 13 << 1;
    QTest::newRow("Shift+Enter") << int(Qt::Key_Return) << int(Qt::ShiftModifier) << 13 << 2;
    QTest::newRow("Alt+Enter") << int(Qt::Key_Return) << int(Qt::AltModifier) << 13 << 4;
    QTest::newRow("Ctrl+Shift+A") << int(Qt::Key_A) << int(Qt::ControlModifier | Qt::ShiftModifier) << 65 << 3;
    QTest::newRow("digit") << int(Qt::Key_7) << int(Qt::NoModifier) << 55 << 0;
}

void KeyboardTest::keyHandlerGetsCodeAndShiftState()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(int, code);
    QFETCH(int, shift);
    LoadStartupWindow(KeyWindow);
    QWidget *edit = keyWindowControl("编辑框按键");
    edit->setFocus();

    // QTest presses the modifier keys first, as a keyboard does; the handler
    // sees those as keys of their own (17 Ctrl, 16 Shift, 18 Alt).
    QTest::keyClick(edit, Qt::Key(key), Qt::KeyboardModifiers(modifiers));

    QCOMPARE(keySeen.count, 1 + qPopulationCount(uint(modifiers & ~Qt::KeypadModifier)));
    QCOMPARE(keySeen.code, code);
    QCOMPARE(keySeen.shift, shift);
}

// A handler that returns false keeps the key from the box; no answer lets
// it through.
void KeyboardTest::keyHandlerCanDiscardTheKey()
{
    LoadStartupWindow(KeyWindow);
    auto *edit = qobject_cast<QLineEdit *>(keyWindowControl("编辑框按键"));
    edit->setFocus();

    keyAnswer = false;
    QTest::keyClicks(edit, "ab");
    QCOMPARE(edit->text(), QString());
    keyAnswer = true;
    QTest::keyClicks(edit, "cd");
    QCOMPARE(edit->text(), QStringLiteral("cd"));
    keyAnswer.reset();
    QTest::keyClicks(edit, "ef");
    QCOMPARE(edit->text(), QStringLiteral("cdef"));
    QCOMPARE(keySeen.count, 6);
}

void KeyboardTest::arrowsOnRadioMoveFocusOnly_data()
{
    QTest::addColumn<QString>("from");
    QTest::addColumn<QString>("to");
    QTest::addColumn<bool>("fromChecked");
    QTest::addColumn<int>("key");
    QTest::newRow("right, none checked") << "单选框1"
                                         << "单选框2" << false << int(Qt::Key_Right);
    QTest::newRow("down, none checked") << "单选框1"
                                        << "单选框2" << false << int(Qt::Key_Down);
    QTest::newRow("left, none checked") << "单选框2"
                                        << "单选框1" << false << int(Qt::Key_Left);
    QTest::newRow("right, checked") << "单选框1"
                                    << "单选框2" << true << int(Qt::Key_Right);
    QTest::newRow("up, checked") << "单选框2"
                                 << "单选框1" << true << int(Qt::Key_Up);
    QTest::newRow("left past the first wraps") << "单选框1"
                                               << "单选框2" << true << int(Qt::Key_Left);
}

// An arrow must not switch the mode: choosing it is a click of its own.
void KeyboardTest::arrowsOnRadioMoveFocusOnly()
{
    QFETCH(QString, from);
    QFETCH(QString, to);
    QFETCH(bool, fromChecked);
    QFETCH(int, key);
    auto *start = qobject_cast<QRadioButton *>(Main(from.toStdString()));
    auto *target = qobject_cast<QRadioButton *>(Main(to.toStdString()));
    if (fromChecked)
        WriteProperty(MainWindow, from.toStdString(), Property::Checked, 1);
    start->setFocus();
    QSignalSpy startClicked(start, &QRadioButton::clicked), targetClicked(target, &QRadioButton::clicked);
    QSignalSpy startToggled(start, &QRadioButton::toggled), targetToggled(target, &QRadioButton::toggled);

    QTest::keyClick(start, Qt::Key(key));

    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(target));
    QCOMPARE(start->isChecked(), fromChecked);
    QVERIFY(!target->isChecked());
    QVERIFY(startClicked.isEmpty() && targetClicked.isEmpty());
    QVERIFY(startToggled.isEmpty() && targetToggled.isEmpty());
}

void KeyboardTest::integerBoxFiltersTyping_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("letters") << "编辑框题数"
                             << "abc"
                             << "";
    QTest::newRow("blank") << "编辑框题数"
                           << " "
                           << "";
    QTest::newRow("full stop") << "编辑框答案"
                               << "2.5"
                               << "25";
    QTest::newRow("full-width digits") << "编辑框答案"
                                       << "１２"
                                       << "";
    QTest::newRow("full-width minus and stop") << "编辑框题数"
                                               << "－。"
                                               << "";
    QTest::newRow("plus sign") << "编辑框答案"
                               << "+3"
                               << "3";
    QTest::newRow("minus anywhere") << "编辑框题数"
                                    << "1-2-"
                                    << "1-2-";
    QTest::newRow("leading zeros as typed") << "编辑框答案"
                                            << "-007"
                                            << "-007";
    QTest::newRow("mixed") << "编辑框答案"
                           << "a1 b2.c3"
                           << "123";
}

void KeyboardTest::integerBoxFiltersTyping()
{
    QFETCH(QString, control);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    enableNumberBoxes();
    QLineEdit *edit = box(control.toStdString());
    edit->setFocus();

    type(edit, typed);

    QCOMPARE(edit->text(), kept);
}

// Only typed characters are filtered: editing keys work and a paste goes in
// as it is, to be tidied when the box is left.
void KeyboardTest::integerBoxKeepsControlKeysAndPaste()
{
    enableNumberBoxes();
    QLineEdit *edit = box("编辑框答案");
    edit->setFocus();
    type(edit, "123");
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), QStringLiteral("12"));
    QTest::keyClick(edit, Qt::Key_Left);
    type(edit, "9");
    QCOMPARE(edit->text(), QStringLiteral("192"));

    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(edit->selectedText(), QStringLiteral("192"));
    paste(edit, QStringLiteral("ab -1.x"));
    QCOMPARE(edit->text(), QStringLiteral("ab -1.x"));

    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QGuiApplication::clipboard()->setText(QStringLiteral("１5"));
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit->text(), QStringLiteral("１5"));
}

// Children type with a Chinese input method on; what it commits counts as
// typed.
void KeyboardTest::integerBoxFiltersInputMethodCommits()
{
    enableNumberBoxes();
    QLineEdit *edit = box("编辑框题数");
    edit->setFocus();
    type(edit, "4");

    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("1２a-3 。五"));
    QApplication::sendEvent(edit, &commit);

    QCOMPARE(edit->text(), QStringLiteral("41-3"));
}

void KeyboardTest::integerBoxTidiesOnFocusLossBeforeTheClick_data()
{
    QTest::addColumn<QString>("entered");
    QTest::addColumn<bool>("pasted");
    QTest::addColumn<QString>("tidied");
    QTest::newRow("leading zeros") << "007" << false << "7";
    QTest::newRow("zero") << "0" << false << "";
    QTest::newRow("double zero") << "00" << false << "";
    QTest::newRow("minus zero") << "-0" << false << "";
    QTest::newRow("lone minus") << "-" << false << "";
    QTest::newRow("minus inside") << "12-3" << false << "12";
    QTest::newRow("above 32 bits") << "99999999999" << false << "2147483647";
    QTest::newRow("below 32 bits") << "-99999999999" << false << "-2147483648";
    QTest::newRow("wraps past 64 bits") << "18446744073709551617" << false << "1";
    QTest::newRow("pasted letters") << "abc" << true << "";
    QTest::newRow("pasted decimal") << "2.5" << true << "2";
    QTest::newRow("pasted blanks and sign") << "  +42x" << true << "42";
    QTest::newRow("plain number stays") << "15" << false << "15";
    QTest::newRow("negative number stays") << "-15" << false << "-15";
}

// Grading reads the answer when OK is clicked: by then the box must hold
// its tidied text, and its text-changed must already have run.
void KeyboardTest::integerBoxTidiesOnFocusLossBeforeTheClick()
{
    QFETCH(QString, entered);
    QFETCH(bool, pasted);
    QFETCH(QString, tidied);
    enableNumberBoxes();
    QLineEdit *edit = box("编辑框题数");
    edit->setFocus();
    if (pasted)
        paste(edit, entered);
    else
        type(edit, entered);
    QCOMPARE(edit->text(), entered);
    QStringList order;
    connect(edit, &QLineEdit::textChanged, this, [&] { order << "text-changed"; });
    connect(qobject_cast<QPushButton *>(Main("按钮1")), &QPushButton::clicked, this, [&] { order << "clicked"; });

    QTest::mouseClick(Main("按钮1"), Qt::LeftButton);

    QCOMPARE(edit->text(), tidied);
    QCOMPARE(QApplication::focusWidget(), Main("按钮1"));
    const QStringList expected = tidied == entered ? QStringList{"clicked"} : QStringList{"text-changed", "clicked"};
    QCOMPARE(order, expected);
    disconnect(edit, nullptr, this, nullptr);
    disconnect(Main("按钮1"), nullptr, this, nullptr);
}

void KeyboardTest::integerBoxTidiesWhenTabbingOn()
{
    enableNumberBoxes();
    QLineEdit *edit = box("编辑框答案");
    edit->setFocus();
    type(edit, "007");
    QSignalSpy changed(edit, &QLineEdit::textChanged);

    QTest::keyClick(edit, Qt::Key_Tab);

    QVERIFY(QApplication::focusWidget() != edit);
    QCOMPARE(edit->text(), QStringLiteral("7"));
    QCOMPARE(changed.size(), 1);
}

// RangeWindow's boxes are normal ones: anything typed stays as typed.
void KeyboardTest::normalBoxTakesAnyCharacterAsTyped()
{
    LoadStartupWindow(KeyWindow);
    auto *edit = qobject_cast<QLineEdit *>(keyWindowControl("编辑框普通"));
    edit->setFocus();

    type(edit, "a .１２-007");
    QInputMethodEvent commit;
    commit.setCommitString(QStringLiteral("五"));
    QApplication::sendEvent(edit, &commit);
    QTest::mouseClick(keyWindowControl("按钮"), Qt::LeftButton);

    QCOMPARE(edit->text(), QStringLiteral("a .１２-007五"));
}

void KeyboardTest::integerBoxRefusesDroppedText_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("dropped");
    QTest::newRow("letters on the count") << "编辑框题数"
                                          << "abc";
    QTest::newRow("decimal on the answer") << "编辑框答案"
                                           << "2.5";
    QTest::newRow("plain digits on the answer") << "编辑框答案"
                                                << "12";
}

// A drop gives the box no focus, so nothing would tidy what it brought:
// "abc" as the count would start a run that never ends, and "2.5" would be
// graded as 2.5. The boxes take no drops at all, digits included.
void KeyboardTest::integerBoxRefusesDroppedText()
{
    QFETCH(QString, control);
    QFETCH(QString, dropped);
    enableNumberBoxes();
    QLineEdit *edit = box(control.toStdString());
    edit->setText(QStringLiteral("7"));
    QSignalSpy changed(edit, &QLineEdit::textChanged);

    QVERIFY(!edit->acceptDrops());
    QVERIFY(!DropText(edit, dropped));

    QCOMPARE(edit->text(), QStringLiteral("7"));
    QVERIFY(changed.isEmpty());
}

void KeyboardTest::tabVisitsEveryControlInReadingOrder_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("chosen");  // a mode chosen first, by a click
    QTest::addColumn<QStringList>("order");
    QTest::newRow("main window as loaded") << "MainWindow"
                                           << "" << QStringList{"按钮开始", "单选框1", "单选框2", "按钮1"};
    QTest::newRow("main window, free mode chosen")
        << "MainWindow"
        << "单选框1" << QStringList{"按钮开始", "单选框1", "单选框2", "编辑框题数", "按钮1"};
    QTest::newRow("main window, contest mode chosen")
        << "MainWindow"
        << "单选框2" << QStringList{"按钮开始", "单选框1", "单选框2", "按钮1", "按钮换题", "滑块条1"};
    QTest::newRow("operator window") << "OperatorWindow"
                                     << "" << QStringList{"选择框加", "选择框减", "选择框乘", "选择框除", "按钮确定"};
    QTest::newRow("range window") << "RangeWindow"
                                  << "" << QStringList{"编辑框1", "编辑框2", "按钮确定"};
}

// Tab walks every shown, usable control as they read, top to bottom and left
// to right, each radio button included (the toolkit alone stops at one of a
// group), and wraps around; Shift+Tab walks back. A box entered by Tab has
// its text selected, ready to be typed over.
void KeyboardTest::tabVisitsEveryControlInReadingOrder()
{
    QFETCH(QString, window);
    QFETCH(QString, chosen);
    QFETCH(QStringList, order);
    if (!chosen.isEmpty())
        QTest::mouseClick(Main(chosen.toStdString()), Qt::LeftButton);
    const WindowLayout &layout = LayoutNamed(window);
    QStringList forward;
    QStringList backward;
    QStringList notSelected;
    WhileShown(layout, [&] {
        ControlWidget(layout, order.first().toStdString())->setFocus(Qt::OtherFocusReason);
        for (qsizetype i = 0; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            forward << FocusName();
            if (auto *edit = qobject_cast<QLineEdit *>(QApplication::focusWidget()))
                if (edit->selectedText() != edit->text())
                    notSelected << edit->objectName();
        }
        // Shift+Tab as the keyboard sends it.
        for (qsizetype i = 0; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
            backward << FocusName();
        }
    });

    QCOMPARE(forward, order.mid(1) << order.first());
    QStringList reversed(order.rbegin(), order.rend());
    QCOMPARE(backward, reversed);
    QCOMPARE(notSelected, QStringList());
}

// The mode not chosen is reached by Tab and chosen by Space like by a click;
// the arrows' rule (focus only) is left as it is.
void KeyboardTest::radioReachedByTabIsChosenBySpace()
{
    QTest::mouseClick(Main("单选框1"), Qt::LeftButton);
    auto *contest = qobject_cast<QRadioButton *>(Main("单选框2"));
    QSignalSpy clicked(contest, &QRadioButton::clicked);
    Main("按钮开始")->setFocus();
    QTest::keyClick(Main("按钮开始"), Qt::Key_Tab);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget *>(contest));
    QVERIFY(!contest->isChecked());

    QTest::keyClick(contest, Qt::Key_Space);

    QVERIFY(contest->isChecked());
    QVERIFY(!qobject_cast<QRadioButton *>(Main("单选框1"))->isChecked());
    QCOMPARE(clicked.size(), 1);
    QVERIFY(Main("滑块条1")->isVisible());  // the contest view, from its click handler
}

QTEST_MAIN(KeyboardTest)
#include "test_keyboard.moc"
