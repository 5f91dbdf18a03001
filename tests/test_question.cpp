#include <QLabel>
#include <QtTest>

#include <set>

#include "app/globals.h"
#include "practice/main_controls.h"
#include "practice/question.h"
#include "services/gbk.h"
#include "services/random.h"
#include "tests/support/main_window_fixture.h"
#include "tests/support/operator_choice.h"

namespace {

struct Shown {
    long long a;
    QString sign;
    long long b;
};

Shown QuestionShown()
{
    return {CaptionShown("标签数1").toLongLong(), CaptionShown("标签符号"), CaptionShown("标签数2").toLongLong()};
}

}  // namespace

class QuestionTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { LoadFreshMainWindow(); }
    void cleanupTestCase() { UnloadMainWindow(); }

    void questionsKeepTheirPromises_data();
    void questionsKeepTheirPromises();
    void signsAreOneOrTwoGbkBytes();
    void firstDrawFromUnseededGenerator();
};

// Over many draws: operands stay in the range RandomInteger can reach,
// subtraction never goes below zero, division always comes out even and never
// by zero, only enabled operators appear, and the kept result is the true one.
void QuestionTest::questionsKeepTheirPromises_data()
{
    QTest::addColumn<int>("lo");
    QTest::addColumn<int>("hi");
    QTest::addColumn<OperatorChoice>("enabled");
    QTest::addColumn<int>("lowest");  // the operands RandomInteger can give
    QTest::addColumn<int>("highest");
    QTest::newRow("defaults") << 1 << 50 << everyOperator << 1 << 50;
    QTest::newRow("subtraction only") << 1 << 50 << OperatorChoice{Subtraction} << 1 << 50;
    QTest::newRow("division only") << 1 << 50 << OperatorChoice{Division} << 1 << 50;
    QTest::newRow("7 - 7") << 7 << 7 << OperatorChoice{Subtraction} << 7 << 7;
    QTest::newRow("zero in range, division") << 0 << 5 << OperatorChoice{Division} << 0 << 5;
    QTest::newRow("reversed bounds") << 50 << 1 << everyOperator << 1 << 50;
    QTest::newRow("negative lower bound") << -10 << 10 << everyOperator << 0 << 10;
    QTest::newRow("multiplication and addition") << 0 << 30 << OperatorChoice{Addition, Multiplication} << 0 << 30;
}

void QuestionTest::questionsKeepTheirPromises()
{
    QFETCH(int, lo);
    QFETCH(int, hi);
    QFETCH(OperatorChoice, enabled);
    QFETCH(int, lowest);
    QFETCH(int, highest);
    (*numberRange)(SmallestOperand) = lo;
    (*numberRange)(LargestOperand) = hi;
    StoreChoice(enabled);

    OperatorChoice seen;
    bool zeroDividendSeen = false;
    for (int i = 0; i < 3000; ++i) {
        NextQuestion();
        const Shown q = QuestionShown();
        QVERIFY2(q.sign.size() == 1 && SignsOf(enabled).contains(q.sign), qPrintable(q.sign));
        QVERIFY(q.a >= lowest && q.a <= highest);
        QVERIFY(q.b >= lowest && q.b <= highest);
        long long result = 0;
        if (q.sign == "+") {
            seen.Set(Addition, true);
            result = q.a + q.b;
        } else if (q.sign == "-") {
            seen.Set(Subtraction, true);
            QVERIFY(q.a >= q.b);
            result = q.a - q.b;
        } else if (q.sign == "×") {
            seen.Set(Multiplication, true);
            result = q.a * q.b;
        } else {
            seen.Set(Division, true);
            QVERIFY(q.b != 0);
            QCOMPARE(q.a % q.b, 0LL);
            zeroDividendSeen = zeroDividendSeen || q.a == 0;
            result = q.a / q.b;
        }
        QCOMPARE(expectedAnswer, result);
    }
    QCOMPARE(SignsOf(seen), SignsOf(enabled));  // every enabled operator comes up
    if (lowest == 0 && SignsOf(enabled) == "÷")
        QVERIFY(zeroDividendSeen);
}

// The sign label holds one-byte "+" and "-" but two-byte "×" and "÷".
void QuestionTest::signsAreOneOrTwoGbkBytes()
{
    (*numberRange)(SmallestOperand) = 1;
    (*numberRange)(LargestOperand) = 50;
    std::set<Text> signs;
    StoreChoice(everyOperator);
    for (int i = 0; i < 400; ++i) {
        NextQuestion();
        signs.insert(CaptionOf("标签符号"));
    }
    QCOMPARE(signs, (std::set<Text>{"+", "-", Gbk("×"), Gbk("÷")}));
    QCOMPARE(Gbk("×").size(), std::size_t(2));
}

// The generator's first output from state 1 is 41: (1, 4) gives 2, so the
// first question is a subtraction.
void QuestionTest::firstDrawFromUnseededGenerator()
{
    SetRandomState(1);
    StoreChoice(everyOperator);
    NextQuestion();
    QCOMPARE(QuestionShown().sign, QString("-"));
}

QTEST_MAIN(QuestionTest)
#include "test_question.moc"
