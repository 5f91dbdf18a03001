#include "services/random.h"

#include <QTest>

#include <thread>

namespace {

// Puts the generator and the seed mix back after a test, so the order in
// which tests run cannot matter.
class GeneratorGuard
{
public:
    GeneratorGuard() = default;
    GeneratorGuard(const GeneratorGuard &) = delete;
    GeneratorGuard &operator=(const GeneratorGuard &) = delete;
    ~GeneratorGuard()
    {
        SetRandomState(m_state);
        SetSeedMix(m_mix);
    }

private:
    std::uint32_t m_state = RandomState();
    std::uint32_t m_mix = SeedMix();
};

}  // namespace

class TestRandom : public QObject
{
    Q_OBJECT

private slots:
    // The sequence from state 1 is the classic one; the same seed must give
    // the same questions as it always has.
    void unseededGeneratorGivesTheClassicSequence();

    // Each thread has its own generator, starting at 1.
    void newThreadStartsAtStateOne();

    void seedAddsTheTickCountToTheMix_data();
    void seedAddsTheTickCountToTheMix();
    void seedReadsTheMillisecondTickCount();

    // Bounds are put right first; every call but equal bounds draws once.
    void randomIntegerStaysWithinBounds_data();
    void randomIntegerStaysWithinBounds();

    void equalBoundsDrawNothing();

    // One 15-bit output per call: a wide range never reaches past lo + 32767.
    void wideRangeReachesOnlyFifteenBits();
};

void TestRandom::unseededGeneratorGivesTheClassicSequence()
{
    GeneratorGuard guard;
    SetRandomState(1);
    const int outputs[] = {41, 18467, 6334, 26500, 19169};
    for (const int output : outputs)
        QCOMPARE(RandomInteger(0, 32767), output);

    SetRandomState(1);
    QCOMPARE(RandomInteger(1, 4), 2);  // 41 modulo 4 is 1
}

void TestRandom::newThreadStartsAtStateOne()
{
    GeneratorGuard guard;
    SetRandomState(12345);
    std::uint32_t stateThere = 0;
    int firstThere = 0;
    std::thread([&] {
        stateThere = RandomState();
        firstThere = RandomInteger(0, 32767);
    }).join();
    QCOMPARE(stateThere, 1u);
    QCOMPARE(firstThere, 41);
    QCOMPARE(RandomState(), 12345u);
}

void TestRandom::seedAddsTheTickCountToTheMix_data()
{
    QTest::addColumn<uint>("tick");
    QTest::addColumn<uint>("mix");
    QTest::addColumn<uint>("state");
    QTest::addColumn<uint>("mixAfter");

    QTest::newRow("first seed") << 1000u << 0u << 1000u << 332u;
    QTest::newRow("with a mix") << 1000u << 332u << 1332u << 332u + 0x34u + 100u;
    QTest::newRow("wraps") << 0xFFFFFFF0u << 0x20u << 0x10u << 0x20u + 0x10u + 100u;
    QTest::newRow("mix wraps") << 0xFFu << 0xFFFFFF00u << 0xFFFFFFFFu << 0xFFFFFF00u + 0xFFu + 100u;
}

void TestRandom::seedAddsTheTickCountToTheMix()
{
    QFETCH(uint, tick);
    QFETCH(uint, mix);
    QFETCH(uint, state);
    QFETCH(uint, mixAfter);
    GeneratorGuard guard;
    SetSeedMix(mix);
    SeedRandomFromTick(tick);
    QCOMPARE(RandomState(), state);
    QCOMPARE(SeedMix(), mixAfter);
}

void TestRandom::seedReadsTheMillisecondTickCount()
{
    GeneratorGuard guard;
    SetSeedMix(0);
    const std::uint32_t before = MillisecondTickCount();
    SeedRandom();
    const std::uint32_t after = MillisecondTickCount();
    QVERIFY(RandomState() - before <= after - before);
}

void TestRandom::randomIntegerStaysWithinBounds_data()
{
    QTest::addColumn<int>("lo");
    QTest::addColumn<int>("hi");
    QTest::addColumn<int>("least");
    QTest::addColumn<int>("most");

    QTest::newRow("operator choice") << 1 << 4 << 1 << 4;
    QTest::newRow("swapped bounds") << 9 << 3 << 3 << 9;
    QTest::newRow("negative low bound") << -4 << 2 << 0 << 2;
    QTest::newRow("both negative") << -9 << -3 << 0 << 0;
    QTest::newRow("wide range") << 1 << 100000 << 1 << 32768;
    QTest::newRow("whole integer range") << 0 << 2147483647 << 0 << 32767;
    QTest::newRow("high in the range") << 2147483600 << 2147483647 << 2147483600 << 2147483647;
}

void TestRandom::randomIntegerStaysWithinBounds()
{
    QFETCH(int, lo);
    QFETCH(int, hi);
    QFETCH(int, least);
    QFETCH(int, most);
    GeneratorGuard guard;
    SetRandomState(1);
    int lowest = most;
    int highest = least;
    for (int i = 0; i < 100000; ++i) {
        const int drawn = RandomInteger(lo, hi);
        QVERIFY2(drawn >= least && drawn <= most, QByteArray::number(drawn));
        lowest = std::min(lowest, drawn);
        highest = std::max(highest, drawn);
    }
    // A short range is covered end to end, so both bounds are inclusive.
    if (most - least < 100) {
        QCOMPARE(lowest, least);
        QCOMPARE(highest, most);
    }
}

void TestRandom::equalBoundsDrawNothing()
{
    GeneratorGuard guard;
    SetRandomState(1);
    QCOMPARE(RandomInteger(5, 5), 5);
    QCOMPARE(RandomInteger(-3, -8), 0);  // both count as 0
    QCOMPARE(RandomState(), 1u);
    QCOMPARE(RandomInteger(0, 32767), 41);
}

void TestRandom::wideRangeReachesOnlyFifteenBits()
{
    GeneratorGuard guard;
    SetRandomState(1);
    int highest = 0;
    for (int i = 0; i < 200000; ++i)
        highest = std::max(highest, RandomInteger(1, 100000));
    QCOMPARE(highest, 32768);
}

QTEST_GUILESS_MAIN(TestRandom)
#include "test_random.moc"
