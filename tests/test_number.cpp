#include "services/number.h"

#include <QTest>

#include <cfenv>
#include <cmath>
#include <limits>

class TestNumber : public QObject
{
    Q_OBJECT

private slots:
    // A real becomes an integer by chopping to 64 bits and keeping the low
    // 32, so an overflowing setting wraps the way it always has.
    void truncateChopsAndKeepsLow32Bits_data();
    void truncateChopsAndKeepsLow32Bits();

    // The chop must not follow the rounding mode the processor is left in.
    void truncateIgnoresRoundingMode();

    void remainderHasTheSignOfTheDividend_data();
    void remainderHasTheSignOfTheDividend();

    // Each comparison forms a - b first and weighs it against 1e-7.
    void comparisonsAllowTheTolerance_data();
    void comparisonsAllowTheTolerance();
};

void TestNumber::truncateChopsAndKeepsLow32Bits_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("integer");

    const double infinity = std::numeric_limits<double>::infinity();
    QTest::newRow("positive fraction") << 3.99 << 3;
    QTest::newRow("negative fraction") << -3.99 << -3;
    QTest::newRow("just below zero") << -0.5 << 0;
    QTest::newRow("2^31") << 2147483648.0 << int(-2147483647 - 1);
    QTest::newRow("below -2^31") << -2147483649.0 << 2147483647;
    QTest::newRow("three thousand million") << 3000000000.0 << -1294967296;
    QTest::newRow("2^32") << 4294967296.0 << 0;
    QTest::newRow("eleven nines") << 99999999999.0 << 1215752191;
    QTest::newRow("largest 64-bit real") << 9223372036854774784.0 << -1024;
    QTest::newRow("-2^63 itself") << -9223372036854775808.0 << 0;
    QTest::newRow("2^63") << 9223372036854775808.0 << 0;
    QTest::newRow("2^63 plus 1") << 9223372036854777856.0 << 0;
    QTest::newRow("beyond 64 bits, odd low word") << 1e19 << 0;
    QTest::newRow("infinity") << infinity << 0;
    QTest::newRow("negative infinity") << -infinity << 0;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 0;
}

void TestNumber::truncateChopsAndKeepsLow32Bits()
{
    QFETCH(double, value);
    QFETCH(int, integer);
    QCOMPARE(TruncateToInteger(value), integer);
}

void TestNumber::truncateIgnoresRoundingMode()
{
    const int previous = std::fegetround();
    volatile double up = 2.5;
    volatile double down = -2.5;
    int results[4];
    std::fesetround(FE_UPWARD);
    results[0] = TruncateToInteger(up);
    results[1] = TruncateToInteger(down);
    std::fesetround(FE_DOWNWARD);
    results[2] = TruncateToInteger(up);
    results[3] = TruncateToInteger(down);
    std::fesetround(previous);
    QCOMPARE(results[0], 2);
    QCOMPARE(results[1], -2);
    QCOMPARE(results[2], 2);
    QCOMPARE(results[3], -2);
}

void TestNumber::remainderHasTheSignOfTheDividend_data()
{
    QTest::addColumn<double>("dividend");
    QTest::addColumn<double>("divisor");
    QTest::addColumn<double>("remainder");

    QTest::newRow("odd") << 7.0 << 2.0 << 1.0;
    QTest::newRow("even") << 8.0 << 4.0 << 0.0;
    QTest::newRow("zero dividend") << 0.0 << 5.0 << 0.0;
    QTest::newRow("negative dividend") << -7.0 << 2.0 << -1.0;
    QTest::newRow("negative divisor") << 7.0 << -2.0 << 1.0;
    QTest::newRow("smaller dividend") << 3.0 << 9.0 << 3.0;
    QTest::newRow("exact for large") << 1e17 << 3.0 << 1.0;
    QTest::newRow("fractions") << 5.5 << 2.0 << 1.5;
}

void TestNumber::remainderHasTheSignOfTheDividend()
{
    QFETCH(double, dividend);
    QFETCH(double, divisor);
    QFETCH(double, remainder);
    QCOMPARE(Remainder(dividend, divisor), remainder);
}

void TestNumber::comparisonsAllowTheTolerance_data()
{
    QTest::addColumn<double>("a");
    QTest::addColumn<double>("b");
    QTest::addColumn<bool>("equal");
    QTest::addColumn<bool>("greater");
    QTest::addColumn<bool>("notLess");

    QTest::newRow("same") << 3.0 << 3.0 << true << false << true;
    QTest::newRow("within above") << 10.00000005 << 10.0 << true << false << true;
    QTest::newRow("within below") << 10.0 << 10.00000005 << true << false << true;
    QTest::newRow("beyond above") << 10.0000002 << 10.0 << false << true << true;
    QTest::newRow("beyond below") << 10.0 << 10.0000002 << false << false << false;
    QTest::newRow("exactly the tolerance") << 1e-7 << 0.0 << true << false << true;
    QTest::newRow("minus the tolerance") << 0.0 << 1e-7 << true << false << true;
    QTest::newRow("sum of tenths") << 0.1 + 0.2 << 0.3 << true << false << true;
    QTest::newRow("one apart") << 4.0 << 5.0 << false << false << false;
    QTest::newRow("difference overflows") << 1e308 << -1e308 << false << true << true;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << 1.0 << false << false << false;
}

void TestNumber::comparisonsAllowTheTolerance()
{
    QFETCH(double, a);
    QFETCH(double, b);
    QFETCH(bool, equal);
    QFETCH(bool, greater);
    QFETCH(bool, notLess);
    QCOMPARE(NumbersEqual(a, b), equal);
    QCOMPARE(NumberGreater(a, b), greater);
    QCOMPARE(NumberNotLess(a, b), notLess);
}

QTEST_GUILESS_MAIN(TestNumber)
#include "test_number.moc"
