#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTimer>
#include <QtTest>

#include <limits>

#include "practice/main_window.h"
#include "services/widgets/layout_window.h"
#include "services/window_layer.h"
#include "tests/support/main_window_fixture.h"

// MainWindow as the program builds it, checked against its layout table: the
// handlers place sprites and read texts by these values.
namespace {

enum class Font { Default, Large, SmallBold };

QWidget *clientArea()
{
    return Main("按钮开始")->parentWidget();
}

}  // namespace

class MainWindowLayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { LoadFreshMainWindow(); }
    void cleanup() { UnloadMainWindow(); }

    void controlAsBuilt_data();
    void controlAsBuilt();
    void timersExistStopped();
    void earlierRowsLieAboveLaterOnes();
    void menuBarEntriesInOrder();
    void windowIsFixedAt451WithFrame();
    void looksTheKindsFix();
};

void MainWindowLayoutTest::controlAsBuilt_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("container");  // empty: the window's client area
    QTest::addColumn<QRect>("geometry");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("visibleAtStart");
    QTest::addColumn<Font>("font");

    const auto row = [](const char *name, const char *className, const char *container, QRect geometry,
                        const char *text, bool visible, Font font = Font::Default) {
        QTest::newRow(name) << QString::fromUtf8(name) << className << QString::fromUtf8(container) << geometry
                            << QString::fromUtf8(text) << visible << font;
    };
    // The first view hides the count row and the contest difficulty row.
    row("标签2", "QLabel", "", {397, 357, 40, 32}, "困难", false, Font::SmallBold);
    row("按钮1", "QPushButton", "", {384, 88, 48, 16}, "按钮", true);
    row("按钮换题", "QPushButton", "", {386, 144, 56, 32}, "换题", true);
    row("图片框1", "PictureBox", "外形框1", {7, -8, 458, 120}, "", true);
    row("单选框2", "QRadioButton", "分组框1", {88, 16, 72, 24}, "竞赛模式", true);
    row("单选框1", "QRadioButton", "分组框1", {8, 16, 72, 24}, "自由模式", true);
    row("分组框1", "QGroupBox", "", {37, 13, 168, 48}, "模式选择", true);
    row("标签8", "QLabel", "", {181, 357, 40, 32}, "简单", false, Font::SmallBold);
    row("标签7", "QLabel", "", {73, 357, 88, 32}, "竞赛模式难度：", false);
    row("滑块条1", "QSlider", "", {227, 354, 160, 38}, "", false);
    row("图片框3", "PictureBox", "外形框1", {8, 62, 45, 48}, "", true);
    row("图片框2", "PictureBox", "外形框1", {8, 2, 45, 48}, "", true);
    row("外形框1", "ShapeBox", "", {-8, 232, 456, 112}, "", true);
    row("标签6", "QLabel", "", {240, 200, 32, 24}, "用时：", true);
    row("标签5", "QLabel", "", {320, 200, 40, 24}, "00", true);
    row("标签4", "QLabel", "", {304, 200, 16, 24}, "：", true);
    row("标签3", "QLabel", "", {280, 200, 16, 24}, "00", true);
    row("标签显示计算数", "QLabel", "", {24, 200, 144, 24}, "正确：0     错误：0", true);
    row("标签1", "QLabel", "", {16, 81, 120, 16}, "请输入要练习的题数：", false);
    row("按钮停止", "QPushButton", "", {344, 24, 55, 31}, "停止", true);
    row("按钮确定", "QPushButton", "", {319, 144, 56, 32}, "确定", true);
    row("编辑框答案", "EditBox", "", {219, 140, 82, 40}, "", true, Font::Large);
    row("标签等号", "QLabel", "", {182, 136, 32, 48}, "=", true, Font::Large);
    row("标签数2", "QLabel", "", {129, 136, 51, 48}, "N", true, Font::Large);
    row("标签符号", "QLabel", "", {91, 136, 22, 48}, "？", true, Font::Large);
    row("标签数1", "QLabel", "", {38, 136, 51, 48}, "N", true, Font::Large);
    row("编辑框题数", "EditBox", "", {136, 74, 64, 33}, "", false, Font::Large);
    row("按钮开始", "QPushButton", "", {256, 25, 55, 31}, "开始", true);
}

void MainWindowLayoutTest::controlAsBuilt()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QString, container);
    QFETCH(QRect, geometry);
    QFETCH(QString, text);
    QFETCH(bool, visibleAtStart);
    QFETCH(Font, font);
    QWidget *w = Main(name.toStdString());
    QVERIFY(w);

    QCOMPARE(QString::fromLatin1(w->metaObject()->className()), className);
    if (container.isEmpty())
        QCOMPARE(w->parentWidget(), clientArea());
    else
        QCOMPARE(w->parentWidget(), Main(container.toStdString()));
    QCOMPARE(w->geometry(), geometry);
    QCOMPARE(ReadInteger(MainWindow, name.toStdString(), Property::Left), geometry.left());
    QCOMPARE(ReadInteger(MainWindow, name.toStdString(), Property::Width), geometry.width());
    if (auto *label = qobject_cast<QLabel *>(w); label && className == "QLabel")
        QCOMPARE(label->text(), text);
    else if (auto *button = qobject_cast<QAbstractButton *>(w))
        QCOMPARE(button->text(), text);
    else if (auto *group = qobject_cast<QGroupBox *>(w))
        QCOMPARE(group->title(), text);
    else if (auto *edit = qobject_cast<QLineEdit *>(w))
        QCOMPARE(edit->text(), text);
    QCOMPARE(w->isVisible(), visibleAtStart);

    const QFont shown = w->font();
    switch (font) {
    case Font::Default:
        QVERIFY(shown.pixelSize() != 29 && shown.pixelSize() != 14);
        QCOMPARE(shown.pixelSize(), QApplication::font().pixelSize());
        QCOMPARE(shown.pointSize(), QApplication::font().pointSize());
        QVERIFY(!shown.bold());
        break;
    case Font::Large:
        QCOMPARE(shown.pixelSize(), 29);
        QVERIFY(!shown.bold());
        break;
    case Font::SmallBold:
        QCOMPARE(shown.pixelSize(), 14);
        QVERIFY(shown.bold());
        break;
    }
}

// Timers are invisible and start stopped: none ticks before a handler
// writes its period.
void MainWindowLayoutTest::timersExistStopped()
{
    for (const char *name : {"时钟小怪物", "时钟马里奥", "时钟计时器"}) {
        Control *control = MainWindowWidget()->find(name);
        QVERIFY2(control && control->timer, name);
        QVERIFY(!control->widget);
        QVERIFY(!control->timer->isActive());
        QCOMPARE(ReadInteger(MainWindow, name, Property::Period), 0);
    }
}

// Among siblings an earlier row of the layout table covers a later one; the
// cover picture must hide both sprites while it is shown.
void MainWindowLayoutTest::earlierRowsLieAboveLaterOnes()
{
    const auto stackIndex = [](QWidget *w) { return w->parentWidget()->children().indexOf(w); };
    QVERIFY(stackIndex(Main("图片框1")) > stackIndex(Main("图片框3")));
    QVERIFY(stackIndex(Main("图片框1")) > stackIndex(Main("图片框2")));
    QVERIFY(stackIndex(Main("图片框3")) > stackIndex(Main("图片框2")));
    QVERIFY(stackIndex(Main("单选框2")) > stackIndex(Main("单选框1")));

    // The whole layout table, window level: each row above every later one.
    const QStringList windowLevel{"标签2",          "按钮1",    "按钮换题", "分组框1",    "标签8",      "标签7",
                                  "滑块条1",        "外形框1",  "标签6",    "标签5",      "标签4",      "标签3",
                                  "标签显示计算数", "标签1",    "按钮停止", "按钮确定",   "编辑框答案", "标签等号",
                                  "标签数2",        "标签符号", "标签数1",  "编辑框题数", "按钮开始"};
    for (qsizetype i = 1; i < windowLevel.size(); ++i)
        QVERIFY2(stackIndex(Main(windowLevel[i - 1].toStdString())) > stackIndex(Main(windowLevel[i].toStdString())),
                 qPrintable(windowLevel[i - 1] + QStringLiteral(" over ") + windowLevel[i]));
    // And what is on top is what a click reaches, where the cover lies.
    QWidget *strip = Main("外形框1");
    QCOMPARE(strip->childAt(Main("图片框2")->geometry().center()), Main("图片框1"));
}

void MainWindowLayoutTest::menuBarEntriesInOrder()
{
    auto *bar = MainWindowWidget()->findChild<QMenuBar *>();
    QVERIFY(bar);
    QStringList entries, items;
    for (QAction *entry : bar->actions()) {
        entries << entry->text();
        QVERIFY(entry->menu());
        for (QAction *item : entry->menu()->actions()) {
            items << entry->text() + u'/' + item->text();
            QVERIFY(!item->isSeparator());
            QVERIFY(item->isEnabled());
            QVERIFY(!item->isCheckable());
            QVERIFY(item->shortcut().isEmpty());
        }
    }
    QCOMPARE(entries, (QStringList{"参数设置", "关于"}));
    QCOMPARE(items, (QStringList{"参数设置/设置数值范围", "参数设置/设置运算符号", "关于/软件说明"}));
}

// The race reads MainWindow's width to know where the finish is: the outer
// width, frame included, whatever the window manager's frame.
void MainWindowLayoutTest::windowIsFixedAt451WithFrame()
{
    LayoutWindow *window = MainWindowWidget();
    QCOMPARE(window->windowTitle(), QStringLiteral("Zorvik1.0"));
    QVERIFY(window->isVisible());
    QCOMPARE(ReadInteger(MainWindow, "MainWindow", Property::Width), 451);
    QCOMPARE(window->frameGeometry().size(), QSize(451, 451));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QVERIFY(!(window->windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(window->windowFlags() & Qt::WindowCloseButtonHint);
    QVERIFY(!window->windowIcon().isNull());
}

// Looks that handlers rely on: labels keep their blanks, answers of any
// length fit, and the contest slider has its range and steps.
void MainWindowLayoutTest::looksTheKindsFix()
{
    for (QLabel *label : MainWindowWidget()->findChildren<QLabel *>())
        if (QString::fromLatin1(label->metaObject()->className()) == "QLabel")
            QVERIFY2(label->textFormat() == Qt::PlainText, qPrintable(label->objectName()));
    for (const char *name : {"编辑框答案", "编辑框题数"}) {
        auto *edit = qobject_cast<QLineEdit *>(Main(name));
        QCOMPARE(edit->maxLength(), std::numeric_limits<int>::max());
        QCOMPARE(edit->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    }
    for (QPushButton *button : MainWindowWidget()->findChildren<QPushButton *>())
        QVERIFY2(!button->isDefault() && !button->autoDefault(), qPrintable(button->objectName()));

    auto *slider = qobject_cast<QSlider *>(Main("滑块条1"));
    QCOMPARE(slider->orientation(), Qt::Horizontal);
    QCOMPARE(slider->minimum(), 1);
    QCOMPARE(slider->maximum(), 600);
    QCOMPARE(slider->value(), 1);
    QCOMPARE(ReadInteger(MainWindow, "滑块条1", Property::Position), 1);
    QCOMPARE(slider->singleStep(), 1);
    QCOMPARE(slider->pageStep(), 5);
    QCOMPARE(slider->tickPosition(), QSlider::TicksAbove);
    QCOMPARE(slider->tickInterval(), 1);
}

QTEST_MAIN(MainWindowLayoutTest)
#include "test_main_window_layout.moc"
