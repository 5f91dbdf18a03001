#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QtTest>

#include "app/globals.h"
#include "practice/answering.h"
#include "practice/clock.h"
#include "practice/main_controls.h"
#include "practice/race.h"
#include "services/gbk.h"
#include "services/widgets/layout_window.h"
#include "settings/operator_window.h"
#include "tests/support/main_window_fixture.h"
#include "tests/support/modal_helpers.h"

namespace {

const QString WinMessage = "恭喜你，你打败啦小怪物，再接再砺！";
const QString LossMessage = "你输啦，再来一次，继续加油！";

int Left(const char *sprite)
{
    return Main(sprite)->x();
}

int PeriodOf(const char *timer)
{
    return ReadInteger(MainWindow, timer, Property::Period);
}

void StartContest(int sliderPosition = 1)
{
    Click("单选框2");
    static_cast<QSlider *>(Main("滑块条1"))->setValue(sliderPosition);
    Click("按钮开始");
}

// Typed where the focus is, which the race keeps in the answer box.
void Answer(long long value)
{
    TypeAtFocus("编辑框答案", QString::number(value));
    QTest::keyClick(Main("编辑框答案"), Qt::Key_Return);
}

// What the window looks like while a finish message is up.
struct AtMessage {
    int playerLeft = -1;
    int monsterLeft = -1;
    QString minutes;
    QString seconds;
    int periods = -1;
};

void RecordAtMessage(MessageBoxLog &boxes, AtMessage &seen)
{
    boxes.whileOpen = [&seen] {
        seen = {Left("图片框2"), Left("图片框3"), CaptionShown("标签3"), CaptionShown("标签5"),
                PeriodOf("时钟马里奥") + PeriodOf("时钟小怪物") + PeriodOf("时钟计时器")};
    };
}

}  // namespace

class ContestTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { LoadFreshMainWindow(); }
    void cleanup() { UnloadMainWindow(); }

    void startSetsRacePeriodsFromSlider_data();
    void startSetsRacePeriodsFromSlider();
    void finishLineIsPassedNotReached_data();
    void finishLineIsPassedNotReached();
    void pushPastLineEndsRaceAtNextTick();
    void answersPushSprites();
    void monsterWinsUnansweredRace();
    void stopDuringRaceShowsNoMessage();
    void changesCountDownToZero();
    void changeBeforeStartSpendsOneAndStartRestoresThree();
    void spritesShowOnStripOnceCoverHidden();
    void raceGoesOnBehindModalWindow();
};

// The monster's timer runs at 700 minus the slider's position, the player's
// at 800; the slider can't be moved during a race.
void ContestTest::startSetsRacePeriodsFromSlider_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("monsterPeriod");
    QTest::newRow("easiest") << 1 << 699;
    QTest::newRow("middle") << 300 << 400;
    QTest::newRow("hardest") << 600 << 100;
}

void ContestTest::startSetsRacePeriodsFromSlider()
{
    QFETCH(int, position);
    QFETCH(int, monsterPeriod);
    StartContest(position);
    QCOMPARE((*racePeriods)(PlayerTimer), 800);
    QCOMPARE((*racePeriods)(MonsterTimer), monsterPeriod);
    QCOMPARE(PeriodOf("时钟马里奥"), 800);
    QCOMPARE(PeriodOf("时钟小怪物"), monsterPeriod);
    QCOMPARE(PeriodOf("时钟计时器"), 1000);
    QVERIFY(!Main("滑块条1")->isEnabled());
    QVERIFY(CaptionShown("标签数1") != "N");
}

// The window is 451 wide and a sprite 45: a sprite finishes on reaching 407.
void ContestTest::finishLineIsPassedNotReached_data()
{
    QTest::addColumn<QByteArray>("sprite");
    QTest::addColumn<int>("leftBeforeTick");
    QTest::addColumn<QString>("message");
    QTest::newRow("player at 405") << QByteArray("图片框2") << 405 << QString();
    QTest::newRow("player at 406") << QByteArray("图片框2") << 406 << WinMessage;
    QTest::newRow("monster at 405") << QByteArray("图片框3") << 405 << QString();
    QTest::newRow("monster at 406") << QByteArray("图片框3") << 406 << LossMessage;
}

void ContestTest::finishLineIsPassedNotReached()
{
    QFETCH(QByteArray, sprite);
    QFETCH(int, leftBeforeTick);
    QFETCH(QString, message);
    StartContest();
    QCOMPARE(ReadInteger(MainWindow, "MainWindow", Property::Width), 451);
    SetLeft(sprite.constData(), leftBeforeTick);
    MessageBoxLog boxes;
    sprite == "图片框2" ? PlayerTick() : MonsterTick();
    if (message.isEmpty()) {
        QCOMPARE(boxes.boxes.size(), 0);
        QCOMPARE(Left(sprite.constData()), leftBeforeTick + 1);
    } else {
        QCOMPARE(boxes.boxes.size(), 1);
        QCOMPARE(boxes.boxes[0].title, QString("提示"));
        QCOMPARE(boxes.boxes[0].text, message);
    }
}

// A push does not test the line; the sprite's own next tick does, and the
// message comes after the race has been stopped and reset.
void ContestTest::pushPastLineEndsRaceAtNextTick()
{
    StartContest();
    SetLeft("图片框2", 403);
    MessageBoxLog boxes;
    AtMessage seen;
    RecordAtMessage(boxes, seen);
    for (int i = 0; i < 5; ++i)
        ClockTick();
    Answer(AnswerShown());
    QCOMPARE(Left("图片框2"), 409);
    QCOMPARE(boxes.boxes.size(), 0);
    PlayerTick();
    QCOMPARE(boxes.boxes.size(), 1);
    QCOMPARE(boxes.boxes[0].text, WinMessage);
    QCOMPARE(seen.playerLeft, 8);
    QCOMPARE(seen.monsterLeft, 8);
    QCOMPARE(seen.minutes, QString("00"));
    QCOMPARE(seen.seconds, QString("00"));
    QCOMPARE(seen.periods, 0);
    QVERIFY(Main("按钮开始")->isEnabled());
}

void ContestTest::answersPushSprites()
{
    StartContest();
    Answer(AnswerShown());
    Answer(AnswerShown() + 1);
    Answer(AnswerShown() + 1);
    QCOMPARE(Left("图片框2"), 14);
    QCOMPARE(Left("图片框3"), 20);
    QCOMPARE(CaptionShown("标签显示计算数"), QString("正确：1     错误：2"));
}

// With no answers at the easiest setting the monster needs 399 steps of
// 699 ms; the player, stepping every 800 ms, has made 348 steps by then.
// The ticks are fired in the order real timers would fire them.
void ContestTest::monsterWinsUnansweredRace()
{
    StartContest(1);
    MessageBoxLog boxes;
    AtMessage seen;
    RecordAtMessage(boxes, seen);
    long long playerDue = 800;
    long long monsterDue = 699;
    int monsterSteps = 0;
    int playerLeftAtFinish = 0;
    while (boxes.boxes.isEmpty() && monsterSteps < 1000) {
        if (playerDue < monsterDue) {
            PlayerTick();
            playerDue += 800;
        } else {
            playerLeftAtFinish = Left("图片框2");
            MonsterTick();
            ++monsterSteps;
            monsterDue += 699;
        }
    }
    QCOMPARE(monsterSteps, 399);
    QCOMPARE(playerLeftAtFinish, 356);
    QCOMPARE(boxes.boxes.size(), 1);
    QCOMPARE(boxes.boxes[0].text, LossMessage);
    QCOMPARE(seen.monsterLeft, 8);
    QCOMPARE(seen.periods, 0);
}

void ContestTest::stopDuringRaceShowsNoMessage()
{
    StartContest();
    PlayerTick();
    MonsterTick();
    MessageBoxLog boxes;
    Click("按钮停止");
    QCOMPARE(boxes.boxes.size(), 0);
    QCOMPARE(Left("图片框2"), 8);
    QCOMPARE(Left("图片框3"), 8);
    QCOMPARE(PeriodOf("时钟马里奥"), 0);
    QCOMPARE(PeriodOf("时钟小怪物"), 0);
    QVERIFY(Main("滑块条1")->isVisible());  // the contest view stays
}

// Three changes per game; a change grades nothing and leaves the typed
// answer alone.
void ContestTest::changesCountDownToZero()
{
    StartContest();
    QCOMPARE(CaptionShown("按钮换题"), QString("3次"));
    auto *box = static_cast<QLineEdit *>(Main("编辑框答案"));
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::keyClicks(box, "12");
    for (const char *caption : {"2次", "1次", "0次"}) {
        QVERIFY(Main("按钮换题")->isEnabled());
        Click("按钮换题");
        QCOMPARE(CaptionShown("按钮换题"), QString(caption));
    }
    QVERIFY(!Main("按钮换题")->isEnabled());
    QCOMPARE(correctCount + wrongCount, 0);
    QCOMPARE(box->text(), QString("12"));
    QCOMPARE(Left("图片框2"), 8);
}

void ContestTest::changeBeforeStartSpendsOneAndStartRestoresThree()
{
    Click("单选框2");
    QVERIFY(Main("按钮换题")->isEnabled());
    Click("按钮换题");
    QCOMPARE(CaptionShown("按钮换题"), QString("2次"));
    QVERIFY(CaptionShown("标签数1") != "N");
    Click("按钮开始");
    QCOMPARE(CaptionShown("按钮换题"), QString("3次"));
    QCOMPARE(changesLeft, 3);
}

// Once the cover is hidden the two sprites show on the white strip, the
// player's in the upper half and the monster's in the lower half.
void ContestTest::spritesShowOnStripOnceCoverHidden()
{
    QVERIFY(Main("图片框1")->isVisible());
    Click("单选框2");
    QVERIFY(!Main("图片框1")->isVisible());
    QWidget *strip = Main("外形框1");
    for (const char *sprite : {"图片框2", "图片框3"})
        QVERIFY(Main(sprite)->isVisible());
    QVERIFY(Main("图片框2")->geometry().center().y() < strip->height() / 2);
    QVERIFY(Main("图片框3")->geometry().center().y() > strip->height() / 2);
}

// A settings window does not pause the race: while it is open the race
// timers keep running at their periods, and a tick of the monster's timer,
// sent through its own timeout signal, steps the monster.
void ContestTest::raceGoesOnBehindModalWindow()
{
    StartContest(600);
    QTimer *monsterTimer = MainWindowWidget()->find("时钟小怪物")->timer;
    QTimer *playerTimer = MainWindowWidget()->find("时钟马里奥")->timer;
    bool running = false;
    int leftBefore = -1;
    int leftAfter = -1;
    OnNextModal([&](QWidget *window) {
        running = monsterTimer->isActive() && monsterTimer->interval() == 100 && playerTimer->isActive()
                  && playerTimer->interval() == 800;
        leftBefore = Left("图片框3");
        FireTimer("时钟小怪物");
        FireTimer("时钟小怪物");
        leftAfter = Left("图片框3");
        window->close();
    });
    OpenOperatorWindow(MainWindow);
    QVERIFY(running);
    QVERIFY(leftBefore >= 8);
    QCOMPARE(leftAfter, leftBefore + 2);
}

QTEST_MAIN(ContestTest)
#include "test_contest.moc"
