#include <QtTest>

#include <array>
#include <cstdint>

#include "services/gbk.h"
#include "services/random.h"
#include "settings/settings_check.h"
#include "tests/support/operator_choice.h"

namespace {

// The generator state after which the next output is `output`: the output is
// bits 16-30 of state * 214013 + 2531011, and 214013 is odd, so invertible.
std::uint32_t StateBeforeOutput(std::uint32_t output)
{
    constexpr std::uint32_t multiplier = 214013u;
    std::uint32_t inverse = multiplier;
    for (int i = 0; i < 5; ++i)
        inverse *= 2u - multiplier * inverse;
    return ((output << 16) - 2531011u) * inverse;
}

const QString noOperator = QStringLiteral("请至少选择一种运算符号。");
const QString noDivisorForOperators =
    QStringLiteral("现在的数值范围只能出0，0不能做除数。请取消除法，或者先在“设置数值范围”里把最大值设为1或更大。");
const QString noDivisorForRange = QStringLiteral("除法需要不为0的除数，请把最大值设为1或更大。");

QString TooLargeForOperators(const QString &operators, const QString &limit)
{
    return QStringLiteral("现在的数值太大了：%1的结果会超出范围。请取消%1，"
                          "或者先在“设置数值范围”里把最小值和最大值都改为不超过%2的数。")
        .arg(operators, limit);
}

QString TooLargeForRange(const QString &operators, const QString &limit)
{
    return QStringLiteral("数值太大了：%1的结果会超出范围。请把最小值和最大值都改为不超过%2的数。")
        .arg(operators, limit);
}

}  // namespace

class SettingsCheckTest : public QObject
{
    Q_OBJECT

private slots:
    void reachMatchesRandomInteger_data();
    void reachMatchesRandomInteger();
    void operatorChoice_data();
    void operatorChoice();
    void rangeChoice_data();
    void rangeChoice();
};

// Every limit rests on the largest operand a draw can give; it must be what
// RandomInteger really gives over all of its 32768 generator outputs, or a
// refusal would be too strict or a hang or overflow would slip through.
void SettingsCheckTest::reachMatchesRandomInteger_data()
{
    QTest::addColumn<std::int32_t>("smallest");
    QTest::addColumn<std::int32_t>("largest");
    QTest::addColumn<std::int32_t>("reach");

    QTest::newRow("defaults") << 1 << 50 << 50;
    QTest::newRow("equal bounds") << 7 << 7 << 7;
    QTest::newRow("swapped bounds") << 50 << 1 << 50;
    QTest::newRow("negative lower bound counts as 0") << -10 << 10 << 10;
    QTest::newRow("both negative") << -5 << -1 << 0;
    QTest::newRow("negative upper bound swaps with the lower") << 5 << -3 << 5;
    QTest::newRow("span of exactly 32767") << 0 << 32767 << 32767;
    QTest::newRow("span of 32768 reaches one less") << 0 << 32768 << 32767;
    QTest::newRow("span far above 32767") << 20000 << 100000 << 52767;
    QTest::newRow("whole 32-bit range") << INT32_MIN << INT32_MAX << 32767;
    QTest::newRow("top value alone") << INT32_MAX << INT32_MAX << INT32_MAX;
    QTest::newRow("swapped near the top") << INT32_MAX << 2147400000 << 2147432767;
}

void SettingsCheckTest::reachMatchesRandomInteger()
{
    QFETCH(std::int32_t, smallest);
    QFETCH(std::int32_t, largest);
    QFETCH(std::int32_t, reach);

    QCOMPARE(LargestReachableOperand(smallest, largest), reach);
    std::int32_t drawnMax = INT32_MIN;
    for (std::uint32_t output = 0; output <= 32767; ++output) {
        SetRandomState(StateBeforeOutput(output));
        drawnMax = std::max(drawnMax, RandomInteger(smallest, largest));
    }
    QCOMPARE(drawnMax, reach);
}

// The operator window refuses a choice that would hang or overflow with the
// range as it stands, and nothing else.
void SettingsCheckTest::operatorChoice_data()
{
    QTest::addColumn<OperatorChoice>("operators");
    QTest::addColumn<std::int32_t>("smallest");
    QTest::addColumn<std::int32_t>("largest");
    QTest::addColumn<QString>("refusal");  // empty: accepted

    QTest::newRow("defaults") << everyOperator << 1 << 50 << "";
    QTest::newRow("single operator") << OperatorChoice{Subtraction} << 1 << 50 << "";
    QTest::newRow("none") << OperatorChoice{} << 1 << 50 << noOperator;
    QTest::newRow("none comes first") << OperatorChoice{} << 0 << 0 << noOperator;
    QTest::newRow("division from 0 only") << OperatorChoice{Addition, Division} << 0 << 0 << noDivisorForOperators;
    QTest::newRow("division from negatives only") << OperatorChoice{Division} << -7 << -2 << noDivisorForOperators;
    QTest::newRow("0 only without division") << OperatorChoice{Addition, Subtraction, Multiplication} << 0 << 0 << "";
    QTest::newRow("division from 1 only") << OperatorChoice{Division} << 1 << 1 << "";
    QTest::newRow("division from swapped negative bound") << OperatorChoice{Division} << 3 << -3 << "";
    QTest::newRow("largest factor") << OperatorChoice{Multiplication} << 46340 << 46340 << "";
    QTest::newRow("one past the largest factor")
        << OperatorChoice{Multiplication} << 46341 << 46341 << TooLargeForOperators("乘法", "46340");
    QTest::newRow("wide range reaches only 32767 up") << OperatorChoice{Multiplication} << 13573 << 100000 << "";
    QTest::newRow("wide range one step higher")
        << everyOperator << 13574 << 100000 << TooLargeForOperators("乘法", "46340");
    QTest::newRow("past the largest factor without multiplication")
        << OperatorChoice{Addition, Subtraction, Division} << 46341 << 46341 << "";
    QTest::newRow("largest addend") << OperatorChoice{Addition} << 1073741823 << 1073741823 << "";
    QTest::newRow("one past the largest addend")
        << OperatorChoice{Addition} << 1073741824 << 1073741824 << TooLargeForOperators("加法", "1073741823");
    QTest::newRow("both overflow") << OperatorChoice{Addition, Subtraction, Multiplication} << 1073741824 << 1073741824
                                   << TooLargeForOperators("加法和乘法", "46340");
    QTest::newRow("subtraction and division never overflow")
        << OperatorChoice{Subtraction, Division} << INT32_MAX << INT32_MAX << "";
}

void SettingsCheckTest::operatorChoice()
{
    QFETCH(OperatorChoice, operators);
    QFETCH(std::int32_t, smallest);
    QFETCH(std::int32_t, largest);
    QFETCH(QString, refusal);

    QCOMPARE(ToQString(OperatorChoiceRefusal(operators, smallest, largest)), refusal);
}

// The range window refuses a range that would hang or overflow with the
// operators as they stand, and nothing else.
void SettingsCheckTest::rangeChoice_data()
{
    QTest::addColumn<std::int32_t>("smallest");
    QTest::addColumn<std::int32_t>("largest");
    QTest::addColumn<OperatorChoice>("operators");
    QTest::addColumn<QString>("refusal");  // empty: accepted

    QTest::newRow("defaults") << 1 << 50 << everyOperator << "";
    QTest::newRow("swapped") << 50 << 1 << everyOperator << "";
    QTest::newRow("0 only with division") << 0 << 0 << everyOperator << noDivisorForRange;
    QTest::newRow("0 only without division") << 0 << 0 << OperatorChoice{Addition, Subtraction, Multiplication} << "";
    QTest::newRow("negatives only with division") << -5 << -1 << OperatorChoice{Division} << noDivisorForRange;
    QTest::newRow("negative to 0 with division") << -5 << 0 << OperatorChoice{Addition, Division} << noDivisorForRange;
    QTest::newRow("0 to 1 with division") << 0 << 1 << OperatorChoice{Division} << "";
    QTest::newRow("swapped negative bound with division") << 5 << -3 << OperatorChoice{Division} << "";
    QTest::newRow("lower bound that wrapped negative") << -1294967296 << 50 << everyOperator << "";
    QTest::newRow("whole 32-bit range") << INT32_MIN << INT32_MAX << everyOperator << "";
    QTest::newRow("0 to 46341 reaches only 32767") << 0 << 46341 << OperatorChoice{Multiplication} << "";
    QTest::newRow("largest factor") << 46340 << 46340 << OperatorChoice{Multiplication} << "";
    QTest::newRow("wide range up to the largest factor") << 13573 << 100000 << OperatorChoice{Multiplication} << "";
    QTest::newRow("wide range past the largest factor")
        << 13574 << 100000 << OperatorChoice{Multiplication} << TooLargeForRange("乘法", "46340");
    QTest::newRow("one past the largest factor")
        << 46341 << 46341 << everyOperator << TooLargeForRange("乘法", "46340");
    QTest::newRow("past the largest factor without multiplication")
        << 46341 << 46341 << OperatorChoice{Addition, Subtraction, Division} << "";
    QTest::newRow("largest addend") << 1073741823 << 1073741823 << OperatorChoice{Addition, Subtraction, Division}
                                    << "";
    QTest::newRow("wide range up to the largest addend") << 1073709056 << INT32_MAX << OperatorChoice{Addition} << "";
    QTest::newRow("wide range past the largest addend")
        << 1073709057 << INT32_MAX << OperatorChoice{Addition} << TooLargeForRange("加法", "1073741823");
    QTest::newRow("swapped past the largest addend")
        << INT32_MAX << 1073741824 << OperatorChoice{Addition, Subtraction, Division}
        << TooLargeForRange("加法", "1073741823");
    QTest::newRow("both overflow") << 1073741824 << 1073741824 << OperatorChoice{Addition, Multiplication}
                                   << TooLargeForRange("加法和乘法", "46340");
    QTest::newRow("subtraction and division never overflow")
        << INT32_MAX << INT32_MAX << OperatorChoice{Subtraction, Division} << "";
}

void SettingsCheckTest::rangeChoice()
{
    QFETCH(std::int32_t, smallest);
    QFETCH(std::int32_t, largest);
    QFETCH(OperatorChoice, operators);
    QFETCH(QString, refusal);

    QCOMPARE(ToQString(RangeChoiceRefusal(smallest, largest, operators)), refusal);
}

QTEST_GUILESS_MAIN(SettingsCheckTest)
#include "test_settings_check.moc"
