#include <QAbstractButton>
#include <QLineEdit>
#include <QtTest>

#include "tests/support/main_window_fixture.h"
#include "tests/support/modal_helpers.h"

// MainWindow's five views, each reached the way a child reaches it, from
// every view the program allows before it. After each transition every
// control a view shows, hides, enables or disables is checked: what is
// visible, and what the child can use (the group box locks its radios too).
namespace {

// What the child does, in order.
enum class Step {
    ChooseFree,      // clicks 自由模式
    ChooseContest,   // clicks 竞赛模式
    Start,           // in free mode types 2 questions first, then clicks 开始
    Stop,            // clicks 停止
    AnswerAll,       // answers the two questions of a free run with Enter
    MonsterFinishes  // the monster's timer ticks it past the finish
};

// The controls that views show and hide, and those they enable and disable.
const QStringList shownOrHidden{"图片框1", "标签1", "编辑框题数", "标签7", "标签8", "标签2", "滑块条1"};
const QStringList usableOrNot{"分组框1",  "单选框1",  "单选框2",  "编辑框题数", "滑块条1",
                              "按钮开始", "按钮停止", "按钮确定", "按钮换题",   "编辑框答案"};

QStringList Visible()
{
    QStringList visible;
    for (const QString &name : shownOrHidden)
        if (Main(name.toStdString())->isVisible())
            visible << name;
    return visible;
}

QStringList Usable()
{
    QStringList usable;
    for (const QString &name : usableOrNot)
        if (Main(name.toStdString())->isEnabled())
            usable << name;
    return usable;
}

// Both sets in the failure message, names readable.
QString Differ(const char *what, const QStringList &actual, const QStringList &expected)
{
    return QStringLiteral("%1: [%2], expected [%3]").arg(what, actual.join(", "), expected.join(", "));
}

bool Checked(const char *radio)
{
    return static_cast<QAbstractButton *>(Main(radio))->isChecked();
}

void Do(Step step)
{
    switch (step) {
    case Step::ChooseFree:
        Click("单选框1");
        QVERIFY(Checked("单选框1"));
        break;
    case Step::ChooseContest:
        Click("单选框2");
        QVERIFY(Checked("单选框2"));
        break;
    case Step::Start:
        if (Checked("单选框1"))
            TypeInto("编辑框题数", QStringLiteral("2"));
        Click("按钮开始");
        QVERIFY(!Main("按钮开始")->isEnabled());
        break;
    case Step::Stop:
        Click("按钮停止");
        break;
    case Step::AnswerAll: {
        MessageBoxLog summary;
        for (int question = 0; question < 2; ++question) {
            TypeAtFocus("编辑框答案", QString::number(AnswerShown()));
            QTest::keyClick(Main("编辑框答案"), Qt::Key_Return);
        }
        QCOMPARE(summary.boxes.size(), 1);
        break;
    }
    case Step::MonsterFinishes: {
        MessageBoxLog finish;
        Main("图片框3")->move(406, Main("图片框3")->y());
        FireTimer("时钟小怪物");
        QCOMPARE(finish.boxes.size(), 1);
        break;
    }
    }
}

}  // namespace

Q_DECLARE_METATYPE(QList<Step>)

class ViewStateTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { LoadFreshMainWindow(); }
    void cleanup() { UnloadMainWindow(); }

    void eachViewFromEachViewBefore_data();
    void eachViewFromEachViewBefore();
};

void ViewStateTest::eachViewFromEachViewBefore_data()
{
    QTest::addColumn<QList<Step>>("steps");
    QTest::addColumn<QStringList>("visible");
    QTest::addColumn<QStringList>("usable");
    QTest::addColumn<QString>("changeCaption");  // 按钮换题: 换题 in free mode, the changes left in a contest

    using enum Step;
    const QStringList freeShown{"图片框1", "标签1", "编辑框题数"};
    const QStringList contestShown{"标签7", "标签8", "标签2", "滑块条1"};
    const QStringList choosing{"分组框1", "单选框1", "单选框2", "编辑框题数", "滑块条1", "按钮开始"};
    const QStringList contestChoosing{"分组框1", "单选框1", "单选框2", "编辑框题数", "滑块条1", "按钮开始", "按钮换题"};
    const QStringList running{"编辑框题数", "按钮停止", "按钮换题", "编辑框答案"};

    QTest::newRow("初始") << QList<Step>{} << QStringList{"图片框1"} << choosing << "换题";
    QTest::newRow("初始 → 单选框1.选中") << QList{ChooseFree} << freeShown << choosing << "换题";
    QTest::newRow("初始 → 单选框2.选中") << QList{ChooseContest} << contestShown << contestChoosing << "3次";
    QTest::newRow("单选框2.选中 → 单选框1.选中") << QList{ChooseContest, ChooseFree} << freeShown << choosing << "换题";
    QTest::newRow("单选框1.选中 → 单选框2.选中")
        << QList{ChooseFree, ChooseContest} << contestShown << contestChoosing << "3次";
    QTest::newRow("单选框1.选中 → 开始计算") << QList{ChooseFree, Start} << freeShown << running << "换题";
    QTest::newRow("单选框2.选中 → 开始计算") << QList{ChooseContest, Start} << contestShown << running << "3次";
    QTest::newRow("开始计算 (free) → 停止") << QList{ChooseFree, Start, Stop} << freeShown << choosing << "换题";
    QTest::newRow("开始计算 (contest) → 停止")
        << QList{ChooseContest, Start, Stop} << contestShown << choosing << "3次";
    QTest::newRow("开始计算 (free) → 停止 by the summary")
        << QList{ChooseFree, Start, AnswerAll} << freeShown << choosing << "换题";
    QTest::newRow("开始计算 (contest) → 停止 at the finish")
        << QList{ChooseContest, Start, MonsterFinishes} << contestShown << choosing << "3次";
    QTest::newRow("停止 (free) → 单选框2.选中")
        << QList{ChooseFree, Start, Stop, ChooseContest} << contestShown << contestChoosing << "3次";
    QTest::newRow("停止 (contest) → 单选框1.选中")
        << QList{ChooseContest, Start, Stop, ChooseFree} << freeShown << choosing << "换题";
    QTest::newRow("停止 (free) → 开始计算") << QList{ChooseFree, Start, Stop, Start} << freeShown << running << "换题";
    QTest::newRow("停止 (contest) → 开始计算")
        << QList{ChooseContest, Start, Stop, Start} << contestShown << running << "3次";
}

void ViewStateTest::eachViewFromEachViewBefore()
{
    QFETCH(QList<Step>, steps);
    QFETCH(QStringList, visible);
    QFETCH(QStringList, usable);
    QFETCH(QString, changeCaption);

    for (Step step : steps) {
        Do(step);
        if (QTest::currentTestFailed())
            return;
    }
    QVERIFY2(Visible() == visible, qPrintable(Differ("visible", Visible(), visible)));
    QVERIFY2(Usable() == usable, qPrintable(Differ("usable", Usable(), usable)));
    QCOMPARE(CaptionShown("按钮换题"), changeCaption);
}

QTEST_MAIN(ViewStateTest)
#include "test_view_state.moc"
