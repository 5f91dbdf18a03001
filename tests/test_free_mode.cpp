#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <cmath>

#include "app/globals.h"
#include "practice/answering.h"
#include "practice/clock.h"
#include "practice/main_controls.h"
#include "practice/question.h"
#include "practice/view_state.h"
#include "services/widgets/layout_window.h"
#include "services/gbk.h"
#include "tests/support/main_window_fixture.h"
#include "tests/support/modal_helpers.h"
#include "tests/support/operator_choice.h"

namespace {

QLineEdit *Box(const char *control)
{
    return static_cast<QLineEdit *>(Main(control));
}

bool Usable(const char *control)
{
    return Main(control)->isEnabled();
}

// Answers are typed where the focus is: the program keeps it in the answer
// box during a run, so the child never has to click back into it.
void TypeAnswer(const QString &text)
{
    TypeAtFocus("编辑框答案", text);
}

void StartFreeRun(const char *questions)
{
    Click("单选框1");
    TypeInto("编辑框题数", questions);
    Click("按钮开始");
}

// What a screen reader is told about the answer box after its name.
QString AnswerBoxDescription()
{
    return QAccessible::queryAccessibleInterface(Main("编辑框答案"))->text(QAccessible::Description);
}

QString QuestionShown()
{
    return QStringList{CaptionShown("标签数1"), CaptionShown("标签符号"), CaptionShown("标签数2"), "="}.join(' ');
}

void OperandsFrom(std::int32_t only)
{
    (*numberRange)(1) = only;
    (*numberRange)(2) = only;
}

}  // namespace

class FreeModeTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { LoadFreshMainWindow(); }
    void cleanup() { UnloadMainWindow(); }

    void startsInInitialView();
    void wholeRunEndsWithSummaryAndStoppedView();
    void startAsksForModeAndQuestionCount_data();
    void startAsksForModeAndQuestionCount();
    void nextAnswerIsTypedWithoutClickingTheBox_data();
    void nextAnswerIsTypedWithoutClickingTheBox();
    void enterSubmitsAsTypedEvenWhileOkIsDisabled();
    void emptyAnswerIsGradedAsZero();
    void changeButtonGradesLikeOkInFreeMode();
    void stopResetsTallyClockAndQuestion();
    void stopTwiceLooksLikeStopOnce();
    void unknownViewNameChangesNothing();
    void clockRollsOver_data();
    void clockRollsOver();
    void hostileInputIsGradedLikeAnyNumber_data();
    void hostileInputIsGradedLikeAnyNumber();
    void answerBoxDescriptionReadsTheQuestion_data();
    void answerBoxDescriptionReadsTheQuestion();
    void answerBoxDescriptionFollowsTheQuestion();
};

// At start no mode is chosen, only Start is usable and the defaults are set.
void FreeModeTest::startsInInitialView()
{
    QVERIFY(Usable("按钮开始"));
    for (const char *control : {"按钮停止", "按钮确定", "按钮换题", "编辑框答案"})
        QVERIFY2(!Usable(control), control);
    for (const char *control : {"标签1", "编辑框题数", "标签7", "标签8", "标签2", "滑块条1"})
        QVERIFY2(Main(control)->isHidden(), control);
    QVERIFY(!static_cast<QRadioButton *>(Main("单选框1"))->isChecked());
    QVERIFY(!static_cast<QRadioButton *>(Main("单选框2"))->isChecked());
    QCOMPARE((*numberRange)(SmallestOperand), 1);
    QCOMPARE((*numberRange)(LargestOperand), 50);
    for (Operator op : allOperators)
        QCOMPARE((*operatorEnabled)(op), 1);
    QCOMPARE(changesLeft, 0);
    QCOMPARE((*racePeriods)(PlayerTimer), 0);
    QCOMPARE((*racePeriods)(MonsterTimer), 0);
}

// A child does three questions, two right and one wrong; the summary reports
// count, tally and the time copied from the clock labels, then the run stops.
void FreeModeTest::wholeRunEndsWithSummaryAndStoppedView()
{
    StartFreeRun("3");
    QVERIFY(Main("编辑框答案")->hasFocus());
    QVERIFY(!Usable("按钮确定"));
    QVERIFY(!Usable("分组框1"));

    for (int tick = 0; tick < 65; ++tick)
        ClockTick();

    TypeAnswer(QString::number(AnswerShown()));
    QTest::keyClick(Box("编辑框答案"), Qt::Key_Return);
    QCOMPARE(CaptionShown("标签显示计算数"), QString("正确：1     错误：0"));
    QCOMPARE(Box("编辑框答案")->text(), QString());
    QVERIFY(!Usable("按钮确定"));

    TypeAnswer(QString::number(AnswerShown() + 1));
    QVERIFY(Usable("按钮确定"));
    Click("按钮确定");
    QCOMPARE(CaptionShown("标签显示计算数"), QString("正确：1     错误：1"));

    MessageBoxLog boxes;
    QString questionWhileSummaryOpen;
    boxes.whileOpen = [&] { questionWhileSummaryOpen = CaptionShown("标签数1"); };
    TypeAnswer(QString::number(AnswerShown()));
    QTest::keyClick(Box("编辑框答案"), Qt::Key_Return);

    QCOMPARE(boxes.boxes.size(), 1);
    QCOMPARE(boxes.boxes[0].title, QString("提示"));
    QCOMPARE(boxes.boxes[0].text, QString("共练习：3道题   正确：2   错误：1   用时：01：05"));
    QVERIFY(questionWhileSummaryOpen != "N");  // the next question was drawn before the box
    QCOMPARE(CaptionShown("标签数1"), QString("N"));
    QCOMPARE(CaptionShown("标签符号"), QString("?"));
    QCOMPARE(CaptionShown("标签显示计算数"), QString("正确：0     错误：0"));
    QCOMPARE(CaptionShown("标签3"), QString("00"));
    QCOMPARE(Box("编辑框题数")->text(), QString());
    QVERIFY(Usable("按钮开始"));
    QVERIFY(!Usable("按钮确定"));
    QVERIFY(!Usable("编辑框答案"));
    QCOMPARE(correctCount + wrongCount, 0);
}

// Start checks the mode first, then the number of questions; a typed 0 is
// tidied away when the click takes the focus, so it counts as empty.
void FreeModeTest::startAsksForModeAndQuestionCount_data()
{
    QTest::addColumn<bool>("chooseFreeMode");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::newRow("no mode") << false << ""
                             << "请选择要练习的模式";
    QTest::newRow("no count") << true << ""
                              << "请输入要练习的题数";
    QTest::newRow("count 0") << true << "0"
                             << "请输入要练习的题数";
    QTest::newRow("count 00") << true << "00"
                              << "请输入要练习的题数";
}

void FreeModeTest::startAsksForModeAndQuestionCount()
{
    QFETCH(bool, chooseFreeMode);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    if (chooseFreeMode)
        Click("单选框1");
    if (!typed.isEmpty())
        TypeInto("编辑框题数", typed);
    MessageBoxLog boxes;
    Click("按钮开始");
    QCOMPARE(boxes.boxes.size(), 1);
    QCOMPARE(boxes.boxes[0].title, QString("提示"));
    QCOMPARE(boxes.boxes[0].text, message);
    QVERIFY(!Usable("按钮停止"));  // no run started
    if (chooseFreeMode)
        QCOMPARE(MainWindowWidget()->focusWidget(), Main("编辑框题数"));
}

// Whichever way an answer is given, the focus is back in the answer box for
// the next one; a click on a button would otherwise keep it.
void FreeModeTest::nextAnswerIsTypedWithoutClickingTheBox_data()
{
    QTest::addColumn<QByteArray>("button");  // empty: Enter in the answer box
    QTest::newRow("Enter") << QByteArray();
    QTest::newRow("确定") << QByteArray("按钮确定");
    QTest::newRow("换题") << QByteArray("按钮换题");
}

void FreeModeTest::nextAnswerIsTypedWithoutClickingTheBox()
{
    QFETCH(QByteArray, button);
    StartFreeRun("5");
    TypeAnswer(QString::number(AnswerShown()));
    if (button.isEmpty())
        QTest::keyClick(Box("编辑框答案"), Qt::Key_Return);
    else
        Click(button.constData());
    QCOMPARE(correctCount, 1);

    TypeAnswer(QString::number(AnswerShown()));
    if (QTest::currentTestFailed())
        return;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCOMPARE(correctCount, 2);
}

// Enter reads the box as typed (no tidying yet) and submits even while OK is
// disabled; the key handler does not look at the button.
void FreeModeTest::enterSubmitsAsTypedEvenWhileOkIsDisabled()
{
    StartFreeRun("5");
    const QString typed = "00" + QString::number(AnswerShown());
    TypeAnswer(typed);
    SetDisabled("按钮确定", true);
    QTest::keyClick(Box("编辑框答案"), Qt::Key_Enter);
    QCOMPARE(correctCount, 1);
}

// An empty answer reads as 0: right only when the result is 0.
void FreeModeTest::emptyAnswerIsGradedAsZero()
{
    (*numberRange)(SmallestOperand) = 7;
    (*numberRange)(LargestOperand) = 7;
    StoreChoice(OperatorChoice{Subtraction});
    StartFreeRun("5");
    QCOMPARE(CaptionShown("标签数1") + CaptionShown("标签符号") + CaptionShown("标签数2"), QString("7-7"));
    QTest::keyClick(Box("编辑框答案"), Qt::Key_Return);
    QCOMPARE(correctCount, 1);
    StoreChoice(OperatorChoice{Addition});
    NextQuestion();
    QTest::keyClick(Box("编辑框答案"), Qt::Key_Return);
    QCOMPARE(wrongCount, 1);
}

// In free mode the change button grades the answer box like OK.
void FreeModeTest::changeButtonGradesLikeOkInFreeMode()
{
    StartFreeRun("5");
    TypeAnswer(QString::number(AnswerShown()));
    Click("按钮换题");
    QCOMPARE(correctCount, 1);
    Click("按钮换题");  // empty box: graded as 0
    QCOMPARE(correctCount + wrongCount, 2);
    QCOMPARE(CaptionShown("按钮换题"), QString("换题"));
}

// Stop ends the run: tally, clock, question and number of questions reset,
// every run control disabled again (the cleared answer box enabled OK for a
// moment, the later step disables it).
void FreeModeTest::stopResetsTallyClockAndQuestion()
{
    StartFreeRun("9");
    TypeAnswer("1");
    QTest::keyClick(Box("编辑框答案"), Qt::Key_Return);
    ClockTick();
    TypeAnswer("2");
    Click("按钮停止");
    QCOMPARE(CaptionShown("标签显示计算数"), QString("正确：0     错误：0"));
    QCOMPARE(CaptionShown("标签5"), QString("00"));
    QCOMPARE(CaptionShown("标签数2"), QString("N"));
    QCOMPARE(Box("编辑框题数")->text(), QString());
    QCOMPARE(Box("编辑框答案")->text(), QString());
    QVERIFY(!Usable("按钮确定"));
    QVERIFY(Usable("分组框1"));
    QCOMPARE(elapsedSeconds, 0);
    QCOMPARE(correctCount + wrongCount, 0);
    QVERIFY(!Main("编辑框题数")->isHidden());  // the mode's controls stay shown
}

void FreeModeTest::stopTwiceLooksLikeStopOnce()
{
    StartFreeRun("9");
    ApplyViewState(Gbk("停止"));
    const QString tally = CaptionShown("标签显示计算数");
    const bool okUsable = Usable("按钮确定");
    ApplyViewState(Gbk("停止"));
    QCOMPARE(CaptionShown("标签显示计算数"), tally);
    QCOMPARE(Usable("按钮确定"), okUsable);
    QVERIFY(Usable("按钮开始"));
}

void FreeModeTest::unknownViewNameChangesNothing()
{
    StartFreeRun("9");
    const QString question = CaptionShown("标签数1") + CaptionShown("标签数2");
    for (const Text &name : {Text(), Gbk("停"), Gbk("停止 "), Text("x")})
        ApplyViewState(name);
    QVERIFY(Usable("按钮停止"));
    QCOMPARE(CaptionShown("标签数1") + CaptionShown("标签数2"), question);
}

// Every tick is one second; minutes have no limit but show their last two
// digits.
void FreeModeTest::clockRollsOver_data()
{
    QTest::addColumn<int>("ticks");
    QTest::addColumn<QString>("minutes");
    QTest::addColumn<QString>("seconds");
    QTest::addColumn<int>("elapsed");
    QTest::newRow("first second") << 1 << "00"
                                  << "01" << 0;
    QTest::newRow("59 s") << 59 << "00"
                          << "59" << 0;
    QTest::newRow("one minute") << 60 << "01"
                                << "00" << 1;
    QTest::newRow("61:05") << 61 * 60 + 5 << "61"
                           << "05" << 61;
    QTest::newRow("100 minutes") << 100 * 60 << "00"
                                 << "00" << 100;
    QTest::newRow("123 minutes") << 123 * 60 << "23"
                                 << "00" << 123;
}

void FreeModeTest::clockRollsOver()
{
    QFETCH(int, ticks);
    QFETCH(QString, minutes);
    QFETCH(QString, seconds);
    QFETCH(int, elapsed);
    for (int i = 0; i < ticks; ++i)
        ClockTick();
    QCOMPARE(CaptionShown("标签3"), minutes);
    QCOMPARE(CaptionShown("标签5"), seconds);
    QCOMPARE(elapsedMinutes, elapsed);
}

// Whatever lands in the answer box, typed or pasted, converts to some number
// and is graded; nothing crashes or hangs.
void FreeModeTest::hostileInputIsGradedLikeAnyNumber_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::newRow("letters") << "abc";
    QTest::newRow("emoji") << "😀😀12";
    QTest::newRow("full-width digits") << "１２";
    QTest::newRow("a million digits") << QString(1000000, u'9');
    QTest::newRow("a million letters") << QString(1000000, u'x');
}

void FreeModeTest::hostileInputIsGradedLikeAnyNumber()
{
    QFETCH(QString, pasted);
    StartFreeRun("9");
    Box("编辑框答案")->insert(pasted);  // as a paste does: unfiltered
    QCOMPARE(Box("编辑框答案")->text().size(), pasted.size());
    QTest::keyClick(Box("编辑框答案"), Qt::Key_Return);
    QCOMPARE(correctCount + wrongCount, 1);
    Box("编辑框答案")->insert(pasted);
    Click("按钮确定");  // tidied on the way: a whole number or empty
    QCOMPARE(correctCount + wrongCount, 2);
}

void FreeModeTest::answerBoxDescriptionReadsTheQuestion_data()
{
    QTest::addColumn<int>("operatorIndex");
    QTest::addColumn<QString>("description");
    QTest::newRow("sum") << 1 << "12 + 12 =";
    QTest::newRow("difference") << 2 << "12 - 12 =";
    QTest::newRow("product") << 3 << "12 × 12 =";
    QTest::newRow("quotient") << 4 << "12 ÷ 12 =";
}

// A child using a screen reader hears the answer box's name and then the
// question it answers, read as the labels show it.
void FreeModeTest::answerBoxDescriptionReadsTheQuestion()
{
    QFETCH(int, operatorIndex);
    QFETCH(QString, description);
    for (int k = 1; k <= 4; ++k)
        (*operatorEnabled)(k) = k == operatorIndex ? 1 : 0;
    OperandsFrom(12);

    StartFreeRun("5");

    QCOMPARE(AnswerBoxDescription(), description);
    QCOMPARE(Main("编辑框答案")->accessibleName(), QString("答案"));
}

// The description follows every question drawn (the range changes in
// between, so each question differs from the one before) and is empty while
// no question is on show: the placeholders "N ? N" say nothing worth hearing.
void FreeModeTest::answerBoxDescriptionFollowsTheQuestion()
{
    QCOMPARE(AnswerBoxDescription(), QString());
    OperandsFrom(12);
    StartFreeRun("3");
    QCOMPARE(AnswerBoxDescription(), QuestionShown());
    QVERIFY(AnswerBoxDescription().startsWith("12 "));

    OperandsFrom(30);
    TypeAnswer(QString::number(AnswerShown()));
    QTest::keyClick(Box("编辑框答案"), Qt::Key_Return);
    QCOMPARE(AnswerBoxDescription(), QuestionShown());
    QVERIFY(AnswerBoxDescription().startsWith("30 "));

    OperandsFrom(40);
    Click("按钮换题");
    QCOMPARE(AnswerBoxDescription(), QuestionShown());
    QVERIFY(AnswerBoxDescription().startsWith("40 "));

    Click("按钮停止");
    QCOMPARE(AnswerBoxDescription(), QString());

    // The last answer of a run ends it the same way.
    StartFreeRun("1");
    QVERIFY(!AnswerBoxDescription().isEmpty());
    MessageBoxLog boxes;
    TypeAnswer(QString::number(AnswerShown()));
    QTest::keyClick(Box("编辑框答案"), Qt::Key_Return);
    QCOMPARE(boxes.boxes.size(), 1);
    QCOMPARE(AnswerBoxDescription(), QString());
    QCOMPARE(Main("编辑框答案")->accessibleName(), QString("答案"));
}

QTEST_MAIN(FreeModeTest)
#include "test_free_mode.moc"
