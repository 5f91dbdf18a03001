#include "services/fatal.h"
#include "services/gbk.h"
#include "services/text.h"
#include "tests/support/failing_allocator.h"

#include <QTest>

#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <locale.h>
#include <new>
#include <random>
#include <vector>

namespace {

// The fatal stop would end the test program; the shower installed here
// throws the message back before it can, so a test can read it.
struct Stopped {
    Text message;
};

void ThrowMessage(std::string_view gbkMessage)
{
    throw Stopped{Text(gbkMessage)};
}

QByteArray Bytes(const Text &text)
{
    return QByteArray(text.data(), qsizetype(text.size()));
}

std::string_view View(const QByteArray &bytes)
{
    return std::string_view(bytes.constData(), std::size_t(bytes.size()));
}

QByteArray GbkBytes(const char *utf8)
{
    return Bytes(Gbk(utf8));
}

// Exact comparison of reals (QCOMPARE on doubles is fuzzy), -0 told from 0.
bool SameReal(double a, double b)
{
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

QByteArray Describe(double value)
{
    char shown[64];
    std::snprintf(shown, sizeof shown, "%.17g (%a)", value, value);
    return shown;
}

// The C library reading a number in the "C" locale, the reference for
// ToNumber and ToText.
locale_t CLocale()
{
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return c;
}

double ReferenceRead(const std::string &ascii)
{
    return strtod_l(ascii.c_str(), nullptr, CLocale());
}

// "%.13g" from the C library, with the exponent widened to three digits.
std::string ReferenceShow(double value)
{
    const locale_t previous = uselocale(CLocale());
    char shown[64];
    std::snprintf(shown, sizeof shown, "%.13g", value);
    uselocale(previous);
    std::string text = shown;
    if (const auto e = text.find('e'); e != std::string::npos) {
        const long exponent = std::strtol(text.c_str() + e + 1, nullptr, 10);
        std::snprintf(shown, sizeof shown, "e%c%03ld", exponent < 0 ? '-' : '+', std::labs(exponent));
        text = text.substr(0, e) + shown;
    }
    return text;
}

// The full-width form of an ASCII text, as a Chinese input method types it.
std::string FullWidth(const std::string &ascii)
{
    std::string wide;
    for (const char c : ascii) {
        if (c == ' ')
            wide += "\xA1\xA1";
        else if (c > ' ' && c < 0x7F)
            wide += {char(0xA3), char(c + 0x80)};
        else
            wide += c;
    }
    return wide;
}

}  // namespace

class TestText : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { InstallFatalMessageShower(ThrowMessage); }

    // Typed answers and captions become numbers by one fixed syntax: blanks,
    // one sign, digits with one point, an exponent with e/E/d/D.
    void toNumberReadsTheFrontOfTheText_data();
    void toNumberReadsTheFrontOfTheText();

    // A pasted megabyte must still give the right number (and quickly).
    void toNumberReadsLongTexts();

    // The C library's strtod is correctly rounded; ToNumber must agree with
    // it on every text both read the same way, typed in either width.
    void toNumberAgreesWithStrtod();

    // Only the full-width forms of ASCII, the ideographic space, "～" and the
    // stars change; every other double-byte character stays whole.
    void halfWidthMapsFullWidthForms_data();
    void halfWidthMapsFullWidthForms();

    void integersShowAsPlainDecimals_data();
    void integersShowAsPlainDecimals();

    // 13 significant digits, no trailing zeros, a three-digit exponent.
    void realsShowWithThirteenDigits_data();
    void realsShowWithThirteenDigits();
    void realsShowAsPrintfDoes();

    // A system whose decimal point is ',' must not change what the child
    // types or sees.
    void commaLocaleChangesNothing();

    void rightTextKeepsTheLastBytes_data();
    void rightTextKeepsTheLastBytes();

    void concatJoinsInOrderAndSkipsAbsent();

    // Bytes compare as unsigned values; absent and empty are the same text.
    void compareOrdersUnsignedBytes_data();
    void compareOrdersUnsignedBytes();

    void lengthCountsBytes();

    // Without memory for a new text the program stops, naming the bytes it
    // asked for (the terminating zero included).
    void missingMemoryStopsWithTheByteCount_data();
    void missingMemoryStopsWithTheByteCount();
};

void TestText::toNumberReadsTheFrontOfTheText_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<double>("number");

    const double infinity = std::numeric_limits<double>::infinity();
    QTest::newRow("empty") << QByteArray() << 0.0;
    QTest::newRow("leading blanks") << QByteArray("  42") << 42.0;
    QTest::newRow("every blank") << QByteArray("\t\n\v\f\r 9") << 9.0;
    QTest::newRow("letters after") << QByteArray("42abc") << 42.0;
    QTest::newRow("letters only") << QByteArray("abc") << 0.0;
    QTest::newRow("plus") << QByteArray("+7") << 7.0;
    QTest::newRow("minus") << QByteArray("-7") << -7.0;
    QTest::newRow("two minus signs") << QByteArray("--7") << 0.0;
    QTest::newRow("plus then minus") << QByteArray("+-7") << 0.0;
    QTest::newRow("blank after sign") << QByteArray("- 5") << 0.0;
    QTest::newRow("sign alone") << QByteArray("-") << 0.0;
    QTest::newRow("fraction") << QByteArray("3.5") << 3.5;
    QTest::newRow("point first") << QByteArray(".5") << 0.5;
    QTest::newRow("point last") << QByteArray("5.") << 5.0;
    QTest::newRow("minus point first") << QByteArray("-.5") << -0.5;
    QTest::newRow("point alone") << QByteArray(".") << 0.0;
    QTest::newRow("second point ends") << QByteArray("1.2.3") << 1.2;
    QTest::newRow("e") << QByteArray("1e3") << 1000.0;
    QTest::newRow("E") << QByteArray("1E3") << 1000.0;
    QTest::newRow("d") << QByteArray("1d3") << 1000.0;
    QTest::newRow("D with sign") << QByteArray("1D-2") << 0.01;
    QTest::newRow("e without digits") << QByteArray("2e") << 2.0;
    QTest::newRow("e sign without digits") << QByteArray("2e+") << 2.0;
    QTest::newRow("d sign then letter") << QByteArray("2d-x") << 2.0;
    QTest::newRow("long exponent") << QByteArray("1e" + QByteArray(1000, '0') + "5") << 1e5;
    QTest::newRow("hexadecimal") << QByteArray("0x1A") << 0.0;
    QTest::newRow("inf") << QByteArray("inf") << 0.0;
    QTest::newRow("nan") << QByteArray("nan") << 0.0;
    QTest::newRow("digit grouping") << QByteArray("1,000") << 1.0;
    QTest::newRow("negative zero") << QByteArray("-0") << -0.0;
    QTest::newRow("full-width digits") << GbkBytes("１２") << 12.0;
    QTest::newRow("full-width minus") << GbkBytes("－３") << -3.0;
    QTest::newRow("full-width point") << GbkBytes("１２．５") << 12.5;
    QTest::newRow("full-width exponent") << GbkBytes("２ｅ－１") << 0.2;
    QTest::newRow("mixed widths") << QByteArray("1") + GbkBytes("２") + "3" << 123.0;
    QTest::newRow("ideographic space") << GbkBytes("　７") << 7.0;
    QTest::newRow("Chinese character ends") << GbkBytes("12个") << 12.0;
    QTest::newRow("lone lead byte at end") << QByteArray("12\xB8") << 12.0;
    QTest::newRow("pair with ASCII trail") << QByteArray("\x81"
                                                         "5")
                                           << 0.0;
    QTest::newRow("beyond the largest") << QByteArray("1e400") << infinity;
    QTest::newRow("negative beyond") << QByteArray("-1e400") << -infinity;
    QTest::newRow("huge exponent") << QByteArray("1e99999999999999999999") << infinity;
    QTest::newRow("below the smallest") << QByteArray("1e-400") << 0.0;
    QTest::newRow("negative below") << QByteArray("-1e-400") << -0.0;
    QTest::newRow("largest") << QByteArray("1.7976931348623157e308") << std::numeric_limits<double>::max();
    QTest::newRow("rounds up to infinity") << QByteArray("1.7976931348623159e308") << infinity;
    QTest::newRow("smallest subnormal") << QByteArray("4.9406564584124654e-324")
                                        << std::numeric_limits<double>::denorm_min();
    QTest::newRow("subnormal") << QByteArray("1e-310") << 1e-310;
    QTest::newRow("half the smallest") << QByteArray("2.4703282292062327e-324") << 0.0;
    QTest::newRow("over half the smallest")
        << QByteArray("2.4703282292062328e-324") << std::numeric_limits<double>::denorm_min();
    QTest::newRow("zero huge exponent") << QByteArray("0e999999") << 0.0;
}

void TestText::toNumberReadsTheFrontOfTheText()
{
    QFETCH(QByteArray, text);
    QFETCH(double, number);
    const double read = ToNumber(View(text));
    QVERIFY2(SameReal(read, number), Describe(read));
}

void TestText::toNumberReadsLongTexts()
{
    const std::size_t megabyte = 1 << 20;
    QCOMPARE(ToNumber(std::string(megabyte, '0') + "1.5"), 1.5);
    QCOMPARE(ToNumber("1." + std::string(megabyte, '0') + "1"), 1.0);
    QVERIFY(std::isinf(ToNumber(std::string(megabyte, '9'))));
    QCOMPARE(ToNumber("0." + std::string(megabyte, '0') + "1e1048578"), 10.0);
    QCOMPARE(ToNumber(std::string(megabyte, 'x')), 0.0);
    QCOMPARE(ToNumber(FullWidth(std::string(megabyte / 2, '7'))), ReferenceRead(std::string(megabyte / 2, '7')));
}

void TestText::toNumberAgreesWithStrtod()
{
    std::mt19937 random(20240611);
    const auto below = [&](int n) { return int(random() % unsigned(n)); };
    const auto digits = [&](int count) {
        std::string run;
        for (int i = 0; i < count; ++i)
            run += char('0' + below(10));
        return run;
    };
    const char *const blanks[] = {"", " ", "\t", "\n  ", "\r\v\f "};
    const char *const signs[] = {"", "", "+", "-"};
    const char markers[] = {'e', 'E', 'd', 'D'};
    // Endings that stop both readers at the same place.
    const char *const endings[] = {"", "abc", ",5", ".5", "+", "e", "x", " 1", "\xB8\xF6"};

    for (int i = 0; i < 5000; ++i) {
        std::string typed = std::string(blanks[below(5)]) + signs[below(4)];
        const int longMantissa = below(20) == 0 ? 300 + below(500) : 0;
        const int whole = longMantissa != 0 ? longMantissa : below(22);
        const bool point = below(2) == 0;
        int fraction = point ? below(22) : 0;
        if (whole == 0 && fraction == 0)
            fraction = 1;
        typed += digits(whole);
        if (point) {
            typed += '.';
            typed += digits(fraction);
        }

        std::string asRead = typed;  // what strtod is given, marker as 'e'
        switch (below(4)) {
        case 0:
            break;
        case 1: {  // an exponent that reaches the subnormal and overflow ends
            const char marker = markers[below(4)];
            const std::string exponent = std::to_string(below(680) - 345 - whole);
            typed += marker + exponent;
            asRead += 'e' + exponent;
            break;
        }
        case 2: {
            const std::string exponent = signs[below(4)] + digits(1 + below(3));
            typed += markers[below(4)] + exponent;
            asRead += 'e' + exponent;
            break;
        }
        default:  // a marker with no digits is left unread by both
            typed += markers[below(4)] + std::string(signs[below(4)]);
            asRead = typed;
            break;
        }
        const char *ending = endings[below(9)];
        typed += ending;
        asRead += ending;
        if (below(4) == 0)
            typed = FullWidth(typed);

        const double expected = ReferenceRead(asRead);
        const double read = ToNumber(typed);
        QVERIFY2(SameReal(read, expected),
                 QByteArray("\"") + typed.c_str() + "\" read " + Describe(read) + ", strtod " + Describe(expected));
    }
}

void TestText::halfWidthMapsFullWidthForms_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QByteArray>("halfWidth");

    QTest::newRow("ASCII unchanged") << QByteArray("a1 +.~") << QByteArray("a1 +.~");
    QTest::newRow("digits and signs") << GbkBytes("０９＋－．ｅＥ") << QByteArray("09+-.eE");
    QTest::newRow("first and last form") << QByteArray("\xA3\xA1\xA3\xFE") << QByteArray("!~");
    QTest::newRow("ideographic space") << GbkBytes("　") << QByteArray(" ");
    QTest::newRow("wave dash") << QByteArray("\xA1\xAB") << QByteArray("~");
    QTest::newRow("stars") << GbkBytes("☆★") << QByteArray("**");
    QTest::newRow("Chinese stays") << GbkBytes("12个") << GbkBytes("12个");
    QTest::newRow("below the forms") << QByteArray("\xA3\xA0") << QByteArray("\xA3\xA0");
    QTest::newRow("above the forms") << QByteArray("\xA3\xFF") << QByteArray("\xA3\xFF");
    QTest::newRow("other A1 pair") << QByteArray("\xA1\xA2") << QByteArray("\xA1\xA2");
    QTest::newRow("lone lead byte at end") << QByteArray("7\xA3") << QByteArray("7");
    QTest::newRow("ASCII trail stays paired") << QByteArray("\x81"
                                                            "5")
                                              << QByteArray("\x81"
                                                            "5");
    QTest::newRow("empty") << QByteArray() << QByteArray();
}

void TestText::halfWidthMapsFullWidthForms()
{
    QFETCH(QByteArray, text);
    QFETCH(QByteArray, halfWidth);
    QCOMPARE(Bytes(ToHalfWidth(View(text))), halfWidth);
}

void TestText::integersShowAsPlainDecimals_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QByteArray>("shown");

    QTest::newRow("zero") << 0 << QByteArray("0");
    QTest::newRow("negative") << -15 << QByteArray("-15");
    QTest::newRow("largest") << 2147483647 << QByteArray("2147483647");
    QTest::newRow("smallest") << int(-2147483647 - 1) << QByteArray("-2147483648");
}

void TestText::integersShowAsPlainDecimals()
{
    QFETCH(int, value);
    QFETCH(QByteArray, shown);
    QCOMPARE(Bytes(ToText(std::int32_t(value))), shown);
}

void TestText::realsShowWithThirteenDigits_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QByteArray>("shown");

    QTest::newRow("whole") << 10.0 << QByteArray("10");
    QTest::newRow("fraction") << 2.5 << QByteArray("2.5");
    QTest::newRow("zero") << 0.0 << QByteArray("0");
    QTest::newRow("negative zero") << -0.0 << QByteArray("-0");
    QTest::newRow("exponent 13") << 1e13 << QByteArray("1e+013");
    QTest::newRow("exponent -5") << 0.00001 << QByteArray("1e-005");
    QTest::newRow("exponent -4 stays plain") << 0.0001 << QByteArray("0.0001");
    QTest::newRow("13 digits stay plain") << 9999999999999.0 << QByteArray("9999999999999");
    QTest::newRow("cut at 13 digits") << 12345678901234.0 << QByteArray("1.234567890123e+013");
    QTest::newRow("rounds into exponent") << 99999999999995.0 << QByteArray("1e+014");
    QTest::newRow("third") << 1.0 / 3 << QByteArray("0.3333333333333");
    QTest::newRow("two thirds round up") << 2.0 / 3 << QByteArray("0.6666666666667");
    QTest::newRow("three-digit exponent") << 1e300 << QByteArray("1e+300");
    QTest::newRow("negative exponent form") << -2.5e-7 << QByteArray("-2.5e-007");
}

void TestText::realsShowWithThirteenDigits()
{
    QFETCH(double, value);
    QFETCH(QByteArray, shown);
    QCOMPARE(Bytes(ToText(value)), shown);
}

void TestText::realsShowAsPrintfDoes()
{
    std::mt19937_64 random(7);
    std::vector<double> values;
    for (int i = 0; i < 3000; ++i) {
        const double any = std::bit_cast<double>(random());
        if (std::isfinite(any))
            values.push_back(any);
        values.push_back(std::ldexp(double(random() >> 10), -int(random() % 40)));
        // Neighbours of the points where the form or the 13th digit changes.
        const double edge = std::pow(10.0, double(int(random() % 40) - 20)) * (1 + int(random() % 9));
        values.push_back(std::nextafter(edge, 0.0));
        values.push_back(edge);
        values.push_back(std::nextafter(edge, 1e308));
        values.push_back(double(random() % 100000) / 3.0);
    }
    for (const double value : values)
        QCOMPARE(ToText(value), ReferenceShow(value));
}

void TestText::commaLocaleChangesNothing()
{
    const std::string previous = setlocale(LC_ALL, nullptr);
    if (!setlocale(LC_ALL, "de_DE.UTF-8") && !setlocale(LC_ALL, "de_DE.utf8"))
        QSKIP("no German locale installed (locale-gen de_DE.UTF-8 enables this test)");
    const bool commaPoint = *localeconv()->decimal_point == ',';
    const double read = ToNumber("3.5");
    const double readComma = ToNumber("3,5");
    const Text shown = ToText(2.5);
    const Text shownExponent = ToText(-1.5e-7);
    setlocale(LC_ALL, previous.c_str());

    QVERIFY(commaPoint);
    QCOMPARE(read, 3.5);
    QCOMPARE(readComma, 3.0);
    QCOMPARE(shown, "2.5");
    QCOMPARE(shownExponent, "-1.5e-007");
}

void TestText::rightTextKeepsTheLastBytes_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<int>("count");
    QTest::addColumn<QByteArray>("right");

    QTest::newRow("cuts the front") << QByteArray("012") << 2 << QByteArray("12");
    QTest::newRow("exact length") << QByteArray("05") << 2 << QByteArray("05");
    QTest::newRow("shorter text") << QByteArray("7") << 2 << QByteArray("7");
    QTest::newRow("longer text") << QByteArray("0123") << 2 << QByteArray("23");
    QTest::newRow("none asked") << QByteArray("abc") << 0 << QByteArray();
    QTest::newRow("negative count") << QByteArray("abc") << -1 << QByteArray();
    QTest::newRow("empty text") << QByteArray() << 2 << QByteArray();
    QTest::newRow("halves a character") << GbkBytes("中") << 1 << QByteArray("\xD0");
}

void TestText::rightTextKeepsTheLastBytes()
{
    QFETCH(QByteArray, text);
    QFETCH(int, count);
    QFETCH(QByteArray, right);
    QCOMPARE(Bytes(RightText(View(text), count)), right);
}

void TestText::concatJoinsInOrderAndSkipsAbsent()
{
    QCOMPARE(ConcatText({"0", ""}), "0");
    QCOMPARE(ConcatText({"", ""}), "");
    QCOMPARE(ConcatText({"a", "", "b", "c"}), "abc");
    QCOMPARE(ConcatText({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}), "12345678910");
    QCOMPARE(Bytes(ConcatText({Gbk("共"), "12", Gbk("题")})), GbkBytes("共12题"));
}

void TestText::compareOrdersUnsignedBytes_data()
{
    QTest::addColumn<QByteArray>("a");
    QTest::addColumn<QByteArray>("b");
    QTest::addColumn<int>("order");

    QTest::newRow("absent and empty") << QByteArray() << QByteArray("") << 0;
    QTest::newRow("equal") << QByteArray("12") << QByteArray("12") << 0;
    QTest::newRow("prefix first") << QByteArray("0") << QByteArray("00") << -1;
    QTest::newRow("a before b") << QByteArray("a") << QByteArray("b") << -1;
    QTest::newRow("b after a") << QByteArray("b") << QByteArray("a") << 1;
    QTest::newRow("no case folding") << QByteArray("a") << QByteArray("A") << 1;
    QTest::newRow("empty before text") << QByteArray() << QByteArray("a") << -1;
    QTest::newRow("text after empty") << QByteArray("a") << QByteArray() << 1;
    QTest::newRow("high byte after ASCII") << QByteArray("\x80") << QByteArray("\x7F") << 1;
    QTest::newRow("Chinese after ASCII") << GbkBytes("中") << QByteArray("z") << 1;
}

void TestText::compareOrdersUnsignedBytes()
{
    QFETCH(QByteArray, a);
    QFETCH(QByteArray, b);
    QFETCH(int, order);
    QCOMPARE(CompareText(View(a), View(b)), order);
}

void TestText::lengthCountsBytes()
{
    QCOMPARE(TextLength(""), 0);
    QCOMPARE(TextLength("abc"), 3);
    QCOMPARE(TextLength(Gbk("中文12")), 6);
}

void TestText::missingMemoryStopsWithTheByteCount_data()
{
    QTest::addColumn<int>("operation");
    QTest::addColumn<int>("bytes");

    // Each builds a text too long for the string's inner buffer, so it asks
    // for memory of exactly its length plus the terminating zero.
    QTest::newRow("concat") << 0 << 41;
    QTest::newRow("right text") << 1 << 31;
    QTest::newRow("half width") << 2 << 41;
    QTest::newRow("real to text") << 3 << 21;
}

void TestText::missingMemoryStopsWithTheByteCount()
{
    QFETCH(int, operation);
    QFETCH(int, bytes);
    const std::string twenty(20, 'x');
    const std::string forty(40, 'y');
    try {
        FailNextAllocationOf(std::size_t(bytes));
        switch (operation) {
        case 0:
            ConcatText({twenty, twenty});
            break;
        case 1:
            RightText(forty, 30);
            break;
        case 2:
            ToHalfWidth(forty);
            break;
        default:
            ToText(-1.234567890123e-300);
            break;
        }
        StopFailingAllocations();
        QFAIL("the text was built without its memory");
    } catch (const Stopped &stop) {
        QCOMPARE(ToQString(stop.message), QString::fromUtf8("分配 %1 字节内存失败!").arg(bytes));
    }
}

QTEST_GUILESS_MAIN(TestText)
#include "test_text.moc"
