#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "app/globals.h"
#include "practice/answering.h"
#include "practice/clock.h"
#include "practice/main_controls.h"
#include "practice/question.h"
#include "practice/view_state.h"
#include "services/gbk.h"
#include "tests/support/main_window_fixture.h"
#include "tests/support/modal_helpers.h"

class FreeModeTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { LoadFreshMainWindow(); }
    void cleanup() { UnloadMainWindow(); }

    void startsInInitialView();
};

// At start no mode is chosen and only Start is usable.
void FreeModeTest::startsInInitialView()
{
    QVERIFY(Main("按钮开始")->isEnabled());
    QVERIFY(!Main("按钮停止")->isEnabled());
    QVERIFY(!static_cast<QRadioButton *>(Main("单选框1"))->isChecked());
    QCOMPARE((*numberRange)(1), 1);
    QCOMPARE((*numberRange)(2), 50);
}

QTEST_MAIN(FreeModeTest)
#include "test_free_mode.moc"
