#include <QLabel>
#include <QtTest>

#include <set>

#include "app/globals.h"
#include "practice/main_controls.h"
#include "practice/question.h"
#include "services/gbk.h"
#include "services/random.h"
#include "tests/support/main_window_fixture.h"

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

const QStringList Signs{"+", "-", "×", "÷"};

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
    QTest::addColumn<QString>("enabled");  // "1111": +, -, ×, ÷
    QTest::addColumn<int>("lowest");       // the operands RandomInteger can give
    QTest::addColumn<int>("highest");
    QTest::newRow("defaults") << 1 << 50 << "1111" << 1 << 50;
    QTest::newRow("subtraction only") << 1 << 50 << "0100" << 1 << 50;
    QTest::newRow("division only") << 1 << 50 << "0001" << 1 << 50;
    QTest::newRow("7 - 7") << 7 << 7 << "0100" << 7 << 7;
    QTest::newRow("zero in range, division") << 0 << 5 << "0001" << 0 << 5;
    QTest::newRow("reversed bounds") << 50 << 1 << "1111" << 1 << 50;
    QTest::newRow("negative lower bound") << -10 << 10 << "1111" << 0 << 10;
    QTest::newRow("multiplication and addition") << 0 << 30 << "1010" << 0 << 30;
}

void QuestionTest::questionsKeepTheirPromises()
{
    QFETCH(int, lo);
    QFETCH(int, hi);
    QFETCH(QString, enabled);
    QFETCH(int, lowest);
    QFETCH(int, highest);
    (*numberRange)(1) = lo;
    (*numberRange)(2) = hi;
    for (int k = 1; k <= 4; ++k)
        (*operatorEnabled)(k) = enabled[k - 1] == u'1';

    std::set<QString> seenSigns;
    bool zeroDividendSeen = false;
    for (int i = 0; i < 3000; ++i) {
        NextQuestion();
        const Shown q = QuestionShown();
        const int op = int(Signs.indexOf(q.sign));
        QVERIFY2(op >= 0 && enabled[op] == u'1', qPrintable(q.sign));
        seenSigns.insert(q.sign);
        QVERIFY(q.a >= lowest && q.a <= highest);
        QVERIFY(q.b >= lowest && q.b <= highest);
        long long result = 0;
        switch (op) {
        case 0:
            result = q.a + q.b;
            break;
        case 1:
            QVERIFY(q.a >= q.b);
            result = q.a - q.b;
            break;
        case 2:
            result = q.a * q.b;
            break;
        case 3:
            QVERIFY(q.b != 0);
            QCOMPARE(q.a % q.b, 0LL);
            zeroDividendSeen = zeroDividendSeen || q.a == 0;
            result = q.a / q.b;
            break;
        }
        QCOMPARE(expectedAnswer, result);
    }
    QCOMPARE(int(seenSigns.size()), int(enabled.count(u'1')));  // every enabled operator comes up
    if (lowest == 0 && enabled == "0001")
        QVERIFY(zeroDividendSeen);
}

// The sign label holds one-byte "+" and "-" but two-byte "×" and "÷".
void QuestionTest::signsAreOneOrTwoGbkBytes()
{
    (*numberRange)(1) = 1;
    (*numberRange)(2) = 50;
    std::set<Text> signs;
    for (int k = 1; k <= 4; ++k)
        (*operatorEnabled)(k) = 1;
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
    for (int k = 1; k <= 4; ++k)
        (*operatorEnabled)(k) = 1;
    NextQuestion();
    QCOMPARE(QuestionShown().sign, QString("-"));
}

QTEST_MAIN(QuestionTest)
#include "test_question.moc"
