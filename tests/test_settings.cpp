#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <array>
#include <cstdint>
#include <functional>

#include "app/globals.h"
#include "practice/question.h"
#include "services/gbk.h"
#include "services/widgets/layout_window.h"
#include "settings/about_box.h"
#include "settings/operator_window.h"
#include "settings/range_window.h"
#include "settings/settings_check.h"
#include "tests/support/main_window_fixture.h"
#include "tests/support/modal_helpers.h"
#include "tests/support/operator_choice.h"

namespace {

const QString operatorItem = QStringLiteral("设置运算符号");
const QString rangeItem = QStringLiteral("设置数值范围");

// The operator window's box for each operator.
constexpr std::array<std::pair<Operator, const char *>, 4> operatorBoxes{{
    {Addition, "选择框加"},
    {Subtraction, "选择框减"},
    {Multiplication, "选择框乘"},
    {Division, "选择框除"},
}};

void ChooseMenuItem(const QString &item)
{
    for (QAction *action : MainWindowWidget()->findChildren<QAction *>()) {
        if (action->text() == item) {
            action->trigger();
            return;
        }
    }
    QFAIL(qPrintable(QStringLiteral("no menu item ") + item));
}

// Chooses a menu item that opens a modal window and runs `act` inside the
// window's own loop. A window that `act` leaves open is then closed by its
// close box, so a failing check never leaves the test waiting; the result
// says whether it was left open.
bool UseWindow(const QString &menuItem, const std::function<void(QWidget *)> &act)
{
    bool leftOpen = false;
    OnNextModal([&](QWidget *window) {
        QPointer<QWidget> guard(window);
        act(window);
        leftOpen = guard && guard->isVisible();
        if (leftOpen)
            guard->close();
    });
    ChooseMenuItem(menuItem);
    return leftOpen;
}

QCheckBox *OperatorBox(const char *name)
{
    return qobject_cast<QCheckBox *>(ControlWidget(OperatorWindow, name));
}

QLineEdit *RangeBox(const char *name)
{
    return qobject_cast<QLineEdit *>(ControlWidget(RangeWindow, name));
}

OperatorChoice TickedBoxes()
{
    OperatorChoice ticked;
    for (const auto &[op, name] : operatorBoxes)
        ticked.Set(op, OperatorBox(name)->isChecked());
    return ticked;
}

void TickOnly(const OperatorChoice &choice)
{
    for (const auto &[op, name] : operatorBoxes)
        if (OperatorBox(name)->isChecked() != choice[op])
            QTest::mouseClick(OperatorBox(name), Qt::LeftButton);
}

void TypeOver(QLineEdit *box, const QString &text)
{
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Backspace);
    // keyClicks() sends Latin-1 only; a full-width digit arrives as the key
    // text a Chinese input method gives.
    for (const QChar c : text) {
        if (c.unicode() < 128)
            QTest::keyClick(box, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void ClickOk(const WindowLayout &window)
{
    QTest::mouseClick(ControlWidget(window, "按钮确定"), Qt::LeftButton);
}

QPair<int, int> StoredRange()
{
    return {(*numberRange)(SmallestOperand), (*numberRange)(LargestOperand)};
}

}  // namespace

class SettingsTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { LoadFreshMainWindow(); }
    void cleanup() { UnloadMainWindow(); }

    void windowsOpenWithTheStartSettings();
    void windowsAreFixedAt380By250_data();
    void windowsAreFixedAt380By250();
    void controlAsBuilt_data();
    void controlAsBuilt();
    void operatorOkStoresTheBoxes_data();
    void operatorOkStoresTheBoxes();
    void rangeOkStoresTheConvertedTexts_data();
    void rangeOkStoresTheConvertedTexts();
    void leavingWithoutOkStoresNothing_data();
    void leavingWithoutOkStoresNothing();
    void refusalKeepsWindowAndSettings_data();
    void refusalKeepsWindowAndSettings();
    void acceptedEdgeSettingsDrawEveryQuestion_data();
    void acceptedEdgeSettingsDrawEveryQuestion();
    void settingsDuringARunApplyFromTheNextQuestion();
    void aboutNoteToTheByte();
    void rangeBoxesTakeDroppedText();
};

// Each window shows the settings as the program starts: all four operators,
// operands 1 to 50.
void SettingsTest::windowsOpenWithTheStartSettings()
{
    OperatorChoice ticked;
    QString title;
    bool modal = false;
    QVERIFY(UseWindow(operatorItem, [&](QWidget *window) {
        ticked = TickedBoxes();
        title = window->windowTitle();
        modal = window->isModal();
    }));
    QCOMPARE(SignsOf(ticked), SignsOf(everyOperator));
    QCOMPARE(title, QStringLiteral("符号设置"));
    QVERIFY(modal);

    QString smallest;
    QString largest;
    QVERIFY(UseWindow(rangeItem, [&](QWidget *window) {
        smallest = RangeBox("编辑框1")->text();
        largest = RangeBox("编辑框2")->text();
        title = window->windowTitle();
    }));
    QCOMPARE(smallest, QStringLiteral("1"));
    QCOMPARE(largest, QStringLiteral("50"));
    QCOMPARE(title, QStringLiteral("数值设置"));
}

// Both windows keep their outer size, frame included, whatever the window
// manager's frame.
void SettingsTest::windowsAreFixedAt380By250_data()
{
    QTest::addColumn<bool>("rangeWindow");
    QTest::addColumn<QByteArray>("windowName");

    QTest::newRow("符号设置") << false << QByteArray("OperatorWindow");
    QTest::newRow("数值设置") << true << QByteArray("RangeWindow");
}

void SettingsTest::windowsAreFixedAt380By250()
{
    QFETCH(bool, rangeWindow);
    QFETCH(QByteArray, windowName);

    const WindowLayout &layout = rangeWindow ? RangeWindow : OperatorWindow;
    int width = 0;
    QSize outer;
    bool fixed = false;
    QVERIFY(UseWindow(rangeWindow ? rangeItem : operatorItem, [&](QWidget *window) {
        width = ReadInteger(layout, windowName.constData(), Property::Width);
        outer = window->frameGeometry().size();
        fixed = window->minimumSize() == window->maximumSize();
    }));
    QCOMPARE(width, 380);
    QCOMPARE(outer, QSize(380, 250));
    QVERIFY(fixed);
}

// Each control of the two windows as the program builds it from their layout
// tables: kind, place on the window's client area, size and text at opening
// (the range boxes show the start settings).
void SettingsTest::controlAsBuilt_data()
{
    QTest::addColumn<bool>("rangeWindow");
    QTest::addColumn<QByteArray>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");

    const auto row = [](bool range, const char *name, const char *className, QRect geometry, const char *text) {
        QTest::addRow("%s/%s", range ? "数值设置" : "符号设置", name)
            << range << QByteArray(name) << className << geometry << QString::fromUtf8(text);
    };
    row(false, "按钮确定", "QPushButton", {256, 160, 72, 32}, "确定");
    row(false, "标签1", "QLabel", {17, 24, 236, 32}, "请选择要计算的符号(默认四则混合运算）：");
    row(false, "选择框减", "QCheckBox", {108, 85, 64, 24}, "减法");
    row(false, "选择框乘", "QCheckBox", {204, 85, 64, 24}, "乘法");
    row(false, "选择框除", "QCheckBox", {300, 85, 64, 24}, "除法");
    row(false, "选择框加", "QCheckBox", {12, 85, 64, 24}, "加法");
    row(true, "按钮确定", "QPushButton", {256, 168, 72, 32}, "确定");
    row(true, "标签3", "QLabel", {103, 126, 40, 24}, "最大：");
    row(true, "标签2", "QLabel", {103, 86, 32, 24}, "最小：");
    row(true, "编辑框1", "EditBox", {152, 88, 80, 20}, "1");
    row(true, "编辑框2", "EditBox", {152, 128, 80, 20}, "50");
    row(true, "标签1", "QLabel", {16, 32, 272, 32}, "请输入要计算的数值范围（默认1-50）：");
}

void SettingsTest::controlAsBuilt()
{
    QFETCH(bool, rangeWindow);
    QFETCH(QByteArray, name);
    QFETCH(QString, className);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);

    const WindowLayout &layout = rangeWindow ? RangeWindow : OperatorWindow;
    QString classShown;
    bool onClientArea = false;
    QRect placed;
    int left = -1;
    int width = -1;
    QString textShown;
    QVERIFY(UseWindow(rangeWindow ? rangeItem : operatorItem, [&](QWidget *window) {
        QWidget *w = ControlWidget(layout, name.constData());
        if (!w)
            return;
        classShown = QString::fromLatin1(w->metaObject()->className());
        onClientArea = w->parentWidget() && w->parentWidget()->parentWidget() == window;
        placed = w->geometry();
        left = ReadInteger(layout, name.constData(), Property::Left);
        width = ReadInteger(layout, name.constData(), Property::Width);
        if (auto *label = qobject_cast<QLabel *>(w))
            textShown = label->text();
        else if (auto *button = qobject_cast<QAbstractButton *>(w))
            textShown = button->text();
        else if (auto *edit = qobject_cast<QLineEdit *>(w))
            textShown = edit->text();
    }));
    QCOMPARE(classShown, className);
    QVERIFY(onClientArea);
    QCOMPARE(placed, geometry);
    QCOMPARE(left, geometry.left());
    QCOMPARE(width, geometry.width());
    QCOMPARE(textShown, text);
}

// The boxes show exactly the chosen operators (any flag other than 0), OK
// writes the ticked boxes back as 1 or 0 and closes at once, and the next
// opening shows the stored choice.
void SettingsTest::operatorOkStoresTheBoxes_data()
{
    QTest::addColumn<OperatorChoice>("before");
    QTest::addColumn<int>("flag");  // stored for each operator of `before`
    QTest::addColumn<OperatorChoice>("ticked");

    QTest::newRow("clear × and ÷") << everyOperator << 1 << OperatorChoice{Addition, Subtraction};
    QTest::newRow("division alone") << everyOperator << 1 << OperatorChoice{Division};
    QTest::newRow("any non-zero flag shows ticked and is stored as 1")
        << OperatorChoice{Addition, Multiplication} << 7 << OperatorChoice{Addition, Multiplication};
}

void SettingsTest::operatorOkStoresTheBoxes()
{
    QFETCH(OperatorChoice, before);
    QFETCH(int, flag);
    QFETCH(OperatorChoice, ticked);

    StoreChoice(before, flag);
    OperatorChoice shownAtOpening;
    QVERIFY(!UseWindow(operatorItem, [&](QWidget *) {
        shownAtOpening = TickedBoxes();
        TickOnly(ticked);
        ClickOk(OperatorWindow);
    }));
    QCOMPARE(SignsOf(shownAtOpening), SignsOf(before));
    for (Operator op : allOperators)
        QCOMPARE((*operatorEnabled)(op), ticked[op] ? 1 : 0);

    QVERIFY(UseWindow(operatorItem, [&](QWidget *) { shownAtOpening = TickedBoxes(); }));
    QCOMPARE(SignsOf(shownAtOpening), SignsOf(ticked));
}

// OK converts each text as the program converts numbers (cut toward zero,
// low 32 bits, 0 for no number) and stores the pair as typed, unordered;
// the next opening shows what was stored.
void SettingsTest::rangeOkStoresTheConvertedTexts_data()
{
    QTest::addColumn<OperatorChoice>("operators");
    QTest::addColumn<QString>("smallestText");
    QTest::addColumn<QString>("largestText");
    QTest::addColumn<int>("smallest");
    QTest::addColumn<int>("largest");

    QTest::newRow("plain numbers") << everyOperator << "5"
                                   << "20" << 5 << 20;
    QTest::newRow("swapped bounds stored as typed") << everyOperator << "50"
                                                    << "1" << 50 << 1;
    QTest::newRow("cut toward zero") << everyOperator << "12.7"
                                     << "-3.9" << 12 << -3;
    QTest::newRow("no number gives 0") << OperatorChoice{Addition, Subtraction, Multiplication} << "abc"
                                       << "" << 0 << 0;
    QTest::newRow("full-width digits") << everyOperator << "１２"
                                       << "50" << 12 << 50;
    QTest::newRow("low 32 bits kept") << everyOperator << "3000000000"
                                      << "50" << -1294967296 << 50;
}

void SettingsTest::rangeOkStoresTheConvertedTexts()
{
    QFETCH(OperatorChoice, operators);
    QFETCH(QString, smallestText);
    QFETCH(QString, largestText);
    QFETCH(int, smallest);
    QFETCH(int, largest);

    StoreChoice(operators);
    QVERIFY(!UseWindow(rangeItem, [&](QWidget *) {
        TypeOver(RangeBox("编辑框1"), smallestText);
        TypeOver(RangeBox("编辑框2"), largestText);
        ClickOk(RangeWindow);
    }));
    QCOMPARE(StoredRange(), qMakePair(smallest, largest));

    QString shownSmallest;
    QString shownLargest;
    QVERIFY(UseWindow(rangeItem, [&](QWidget *) {
        shownSmallest = RangeBox("编辑框1")->text();
        shownLargest = RangeBox("编辑框2")->text();
    }));
    QCOMPARE(shownSmallest, QString::number(smallest));
    QCOMPARE(shownLargest, QString::number(largest));
}

// Only OK applies: Esc and the close box end the window with the settings
// untouched, Enter clicks nothing, and the next opening is built afresh from
// the stored settings rather than from what was left in the boxes.
void SettingsTest::leavingWithoutOkStoresNothing_data()
{
    QTest::addColumn<bool>("rangeWindow");
    QTest::addColumn<QString>("way");

    QTest::newRow("operators, Esc") << false << "Esc";
    QTest::newRow("operators, close box") << false << "close box";
    QTest::newRow("operators, Enter on OK") << false << "Enter";
    QTest::newRow("range, Esc") << true << "Esc";
    QTest::newRow("range, close box") << true << "close box";
    QTest::newRow("range, Enter on OK") << true << "Enter";
}

void SettingsTest::leavingWithoutOkStoresNothing()
{
    QFETCH(bool, rangeWindow);
    QFETCH(QString, way);

    const WindowLayout &layout = rangeWindow ? RangeWindow : OperatorWindow;
    const QString item = rangeWindow ? rangeItem : operatorItem;
    const bool leftOpen = UseWindow(item, [&](QWidget *window) {
        QWidget *focus = nullptr;
        if (rangeWindow) {
            TypeOver(RangeBox("编辑框1"), QStringLiteral("5"));
            TypeOver(RangeBox("编辑框2"), QStringLiteral("20"));
            focus = RangeBox("编辑框2");
        } else {
            TickOnly(OperatorChoice{Addition});
            focus = OperatorBox("选择框加");
        }
        if (way == "Esc") {
            QTest::keyClick(focus, Qt::Key_Escape);
        } else if (way == "close box") {
            window->close();
        } else {
            QWidget *ok = ControlWidget(layout, "按钮确定");
            ok->setFocus();
            QTest::keyClick(ok, Qt::Key_Return);
            QTest::keyClick(ok, Qt::Key_Enter);
        }
    });
    QCOMPARE(leftOpen, way == "Enter");
    QCOMPARE(SignsOf(OperatorChoice::Stored()), SignsOf(everyOperator));
    QCOMPARE(StoredRange(), qMakePair(1, 50));

    QString shown;
    QVERIFY(UseWindow(item, [&](QWidget *) {
        shown = rangeWindow ? RangeBox("编辑框1")->text() + ' ' + RangeBox("编辑框2")->text() : SignsOf(TickedBoxes());
    }));
    QCOMPARE(shown, rangeWindow ? QStringLiteral("1 50") : SignsOf(everyOperator));
}

// A choice that, with the other window's setting, would make drawing hang
// or overflow is refused: one box titled "提示" says what to change, nothing
// is stored, and the window stays open with what was typed.
void SettingsTest::refusalKeepsWindowAndSettings_data()
{
    QTest::addColumn<OperatorChoice>("operatorsBefore");
    QTest::addColumn<int>("smallestBefore");
    QTest::addColumn<int>("largestBefore");
    QTest::addColumn<bool>("rangeWindow");
    QTest::addColumn<OperatorChoice>("ticked");  // operator window
    QTest::addColumn<QString>("smallestText");   // range window
    QTest::addColumn<QString>("largestText");
    QTest::addColumn<QString>("refusal");

    QTest::newRow("no operator") << everyOperator << 1 << 50 << false << OperatorChoice{} << ""
                                 << ""
                                 << "请至少选择一种运算符号。";
    QTest::newRow("division with 0 alone in range")
        << OperatorChoice{Addition} << 0 << 0 << false << OperatorChoice{Addition, Division} << ""
        << ""
        << "现在的数值范围只能出0，0不能做除数。请取消除法，或者先在“设置数值范围”里把最大值设为1或更大。";
    QTest::newRow("multiplication past its limit")
        << OperatorChoice{Addition, Subtraction, Division} << 46341 << 46341 << false << everyOperator << ""
        << ""
        << "现在的数值太大了：乘法的结果会超出范围。请取消乘法，"
           "或者先在“设置数值范围”里把最小值和最大值都改为不超过46340的数。";
    QTest::newRow("addition past its limit") << OperatorChoice{Subtraction, Division} << 2000000000 << 2000000000
                                             << false << OperatorChoice{Addition, Subtraction, Division} << ""
                                             << ""
                                             << "现在的数值太大了：加法的结果会超出范围。请取消加法，"
                                                "或者先在“设置数值范围”里把最小值和最大值都改为不超过1073741823的数。";
    QTest::newRow("0 to 0 with division") << everyOperator << 1 << 50 << true << OperatorChoice{} << "0"
                                          << "0"
                                          << "除法需要不为0的除数，请把最大值设为1或更大。";
    QTest::newRow("no numbers with division") << everyOperator << 1 << 50 << true << OperatorChoice{} << "abc"
                                              << ""
                                              << "除法需要不为0的除数，请把最大值设为1或更大。";
    QTest::newRow("negatives only with division")
        << OperatorChoice{Division} << 1 << 50 << true << OperatorChoice{} << "-5"
        << "-1"
        << "除法需要不为0的除数，请把最大值设为1或更大。";
    QTest::newRow("too large for multiplication")
        << everyOperator << 1 << 50 << true << OperatorChoice{} << "46341"
        << "46341"
        << "数值太大了：乘法的结果会超出范围。请把最小值和最大值都改为不超过46340的数。";
    QTest::newRow("too large for addition")
        << OperatorChoice{Addition, Subtraction} << 1 << 50 << true << OperatorChoice{} << "2000000000"
        << "1e10"
        << "数值太大了：加法的结果会超出范围。请把最小值和最大值都改为不超过1073741823的数。";
}

void SettingsTest::refusalKeepsWindowAndSettings()
{
    QFETCH(OperatorChoice, operatorsBefore);
    QFETCH(int, smallestBefore);
    QFETCH(int, largestBefore);
    QFETCH(bool, rangeWindow);
    QFETCH(OperatorChoice, ticked);
    QFETCH(QString, smallestText);
    QFETCH(QString, largestText);
    QFETCH(QString, refusal);

    StoreChoice(operatorsBefore);
    (*numberRange)(SmallestOperand) = smallestBefore;
    (*numberRange)(LargestOperand) = largestBefore;

    MessageBoxLog log;
    QString shownAfterRefusal;
    const bool leftOpen = UseWindow(rangeWindow ? rangeItem : operatorItem, [&](QWidget *) {
        if (rangeWindow) {
            TypeOver(RangeBox("编辑框1"), smallestText);
            TypeOver(RangeBox("编辑框2"), largestText);
            ClickOk(RangeWindow);
            shownAfterRefusal = RangeBox("编辑框1")->text() + '|' + RangeBox("编辑框2")->text();
        } else {
            TickOnly(ticked);
            ClickOk(OperatorWindow);
            shownAfterRefusal = SignsOf(TickedBoxes());
        }
    });

    QVERIFY(leftOpen);
    QCOMPARE(shownAfterRefusal, rangeWindow ? smallestText + '|' + largestText : SignsOf(ticked));
    for (Operator op : allOperators)
        QCOMPARE((*operatorEnabled)(op), operatorsBefore[op] ? 1 : 0);
    QCOMPARE(StoredRange(), qMakePair(smallestBefore, largestBefore));

    QCOMPARE(log.boxes.size(), 1);
    QCOMPARE(log.boxes[0].title, QStringLiteral("提示"));
    QCOMPARE(log.boxes[0].text, refusal);
}

// Whatever the windows accept, every question is drawn in finite time from
// the enabled operators and the reachable operands, and its true result fits
// expectedAnswer exactly.
void SettingsTest::acceptedEdgeSettingsDrawEveryQuestion_data()
{
    QTest::addColumn<OperatorChoice>("operators");
    QTest::addColumn<QString>("smallestText");
    QTest::addColumn<QString>("largestText");

    QTest::newRow("division alone from 0 and 1") << OperatorChoice{Division} << "0"
                                                 << "1";
    QTest::newRow("division with a negative lower bound") << OperatorChoice{Division} << "-5"
                                                          << "1";
    QTest::newRow("0 alone without division") << OperatorChoice{Addition, Subtraction, Multiplication} << "0"
                                              << "0";
    QTest::newRow("swapped bounds") << everyOperator << "50"
                                    << "1";
    QTest::newRow("largest factor") << OperatorChoice{Multiplication} << "46340"
                                    << "46340";
    // Division is left out here: with no operand below 13573 it mostly waits
    // for a = b, one pair in 32768, which is finite but slow to test.
    QTest::newRow("wide range up to the largest factor")
        << OperatorChoice{Addition, Subtraction, Multiplication} << "13573"
        << "100000";
    QTest::newRow("largest addend") << OperatorChoice{Addition, Subtraction, Division} << "1073741823"
                                    << "1073741823";
    QTest::newRow("top value, subtraction and division") << OperatorChoice{Subtraction, Division} << "2147483647"
                                                         << "2147483647";
    QTest::newRow("whole 32-bit range") << everyOperator << "-2147483648"
                                        << "2147483647";
}

void SettingsTest::acceptedEdgeSettingsDrawEveryQuestion()
{
    QFETCH(OperatorChoice, operators);
    QFETCH(QString, smallestText);
    QFETCH(QString, largestText);

    QVERIFY(!UseWindow(operatorItem, [&](QWidget *) {
        TickOnly(operators);
        ClickOk(OperatorWindow);
    }));
    QVERIFY(!UseWindow(rangeItem, [&](QWidget *) {
        TypeOver(RangeBox("编辑框1"), smallestText);
        TypeOver(RangeBox("编辑框2"), largestText);
        ClickOk(RangeWindow);
    }));
    QCOMPARE(SignsOf(OperatorChoice::Stored()), SignsOf(operators));
    const QPair<int, int> range = StoredRange();
    QCOMPARE(range, qMakePair(smallestText.toInt(), largestText.toInt()));

    const std::int64_t lowest = std::min(std::max(range.first, 0), std::max(range.second, 0));
    const std::int64_t reach = LargestReachableOperand(range.first, range.second);
    for (int i = 0; i < 1000; ++i) {
        NextQuestion();
        const std::int64_t a = CaptionShown("标签数1").toLongLong();
        const std::int64_t b = CaptionShown("标签数2").toLongLong();
        QVERIFY(a >= lowest && a <= reach);
        QVERIFY(b >= lowest && b <= reach);
        const QString sign = CaptionShown("标签符号");
        QVERIFY2(sign.size() == 1 && SignsOf(operators).contains(sign), qPrintable(sign));
        std::int64_t result = 0;
        if (sign == "+") {
            result = a + b;
        } else if (sign == "-") {
            result = a - b;
            QVERIFY(result >= 0);
        } else if (sign == QStringLiteral("×")) {
            result = a * b;
        } else {
            QCOMPARE(sign, QStringLiteral("÷"));
            QVERIFY(b != 0 && a % b == 0);
            result = a / b;
        }
        QCOMPARE(std::int64_t(expectedAnswer), result);
    }
}

// The windows can be opened during a run: the question on show stays as it
// is, and the next one comes from the new operators and range.
void SettingsTest::settingsDuringARunApplyFromTheNextQuestion()
{
    QTest::mouseClick(Main("单选框1"), Qt::LeftButton);
    QTest::keyClicks(Main("编辑框题数"), "10");
    QTest::mouseClick(Main("按钮开始"), Qt::LeftButton);
    const QString question = CaptionShown("标签数1") + CaptionShown("标签符号") + CaptionShown("标签数2");
    const std::int32_t answer = expectedAnswer;
    QVERIFY(question.size() >= 3 && !question.startsWith('N'));

    QVERIFY(!UseWindow(operatorItem, [](QWidget *) {
        TickOnly(OperatorChoice{Multiplication});
        ClickOk(OperatorWindow);
    }));
    QVERIFY(!UseWindow(rangeItem, [](QWidget *) {
        TypeOver(RangeBox("编辑框1"), QStringLiteral("7"));
        TypeOver(RangeBox("编辑框2"), QStringLiteral("7"));
        ClickOk(RangeWindow);
    }));
    QCOMPARE(CaptionShown("标签数1") + CaptionShown("标签符号") + CaptionShown("标签数2"), question);
    QCOMPARE(expectedAnswer, answer);

    QWidget *answerBox = Main("编辑框答案");
    QTest::keyClicks(answerBox, QString::number(answer));
    QTest::keyClick(answerBox, Qt::Key_Return);
    QCOMPARE(correctCount, 1);
    QCOMPARE(CaptionShown("标签数1") + CaptionShown("标签符号") + CaptionShown("标签数2"), QStringLiteral("7×7"));
    QCOMPARE(expectedAnswer, 49);
}

// The note is kept byte for byte: a leading blank, empty lines 4 and 8, the
// date pushed right by 43 blanks, "\r\n" between lines and none at the end;
// the menu item shows it in a plain one-button box titled "说明".
void SettingsTest::aboutNoteToTheByte()
{
    const Text expected = Gbk(" 终于写完我的第一个完整的程序\r\n"
                              "啦，或许还有很多的不足没有发现，\r\n"
                              "但能力有限，希望大家多多指正！\r\n"
                              "\r\n"
                              "作者：林小算\r\n"
                              "QQ:012345678\r\n"
                              "邮箱：zorvik@example.org\r\n"
                              "\r\n"
                              "                                           2012.05.05");
    QCOMPARE(QByteArray::fromStdString(AboutText()), QByteArray::fromStdString(expected));

    MessageBoxLog log;
    bool plainBox = false;
    log.whileOpen = [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        plainBox = box && box->icon() == QMessageBox::NoIcon && box->standardButtons() == QMessageBox::Ok;
    };
    ChooseMenuItem(QStringLiteral("软件说明"));
    QCOMPARE(log.boxes.size(), 1);
    QCOMPARE(log.boxes[0].title, QStringLiteral("说明"));
    QCOMPARE(log.boxes[0].text, ToQString(expected).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    QVERIFY(plainBox);
}

// The range boxes are normal boxes: dropped text goes in as it is, like
// pasted text, and OK reads it as it reads anything typed.
void SettingsTest::rangeBoxesTakeDroppedText()
{
    bool taken[2] = {};
    QString smallest;
    QString largest;
    QVERIFY(UseWindow(rangeItem, [&](QWidget *) {
        taken[0] = DropText(RangeBox("编辑框1"), QStringLiteral("abc"));
        taken[1] = DropText(RangeBox("编辑框2"), QStringLiteral(".5"));
        smallest = RangeBox("编辑框1")->text();
        largest = RangeBox("编辑框2")->text();
    }));
    QVERIFY(taken[0] && taken[1]);
    QCOMPARE(smallest, QStringLiteral("1abc"));
    QCOMPARE(largest, QStringLiteral("50.5"));
}

QTEST_MAIN(SettingsTest)
#include "test_settings.moc"
