#include <QScreen>
#include <QtTest>

#include "practice/main_window.h"
#include "services/widgets/layout_window.h"
#include "services/window_layer.h"
#include "settings/range_window.h"
#include "tests/support/main_window_fixture.h"
#include "tests/support/modal_helpers.h"

// The windows on a screen of 400 x 300, smaller than the main window (as a
// 1280 x 800 screen is at twice the scale): tests/CMakeLists.txt gives the
// offscreen platform this screen.
class SmallScreenTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init() { LoadFreshMainWindow(); }
    void cleanup() { UnloadMainWindow(); }

    void windowIsPlacedOnTheScreen_data();
    void windowIsPlacedOnTheScreen();
};

void SmallScreenTest::initTestCase()
{
    QCOMPARE(QGuiApplication::primaryScreen()->availableGeometry(), QRect(0, 0, 400, 300));
}

void SmallScreenTest::windowIsPlacedOnTheScreen_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QRect>("frame");
    QTest::newRow("main window, larger than the screen") << "MainWindow" << QRect(0, 0, 451, 451);
    QTest::newRow("range window, fits: centred") << "RangeWindow" << QRect(9, 24, 380, 250);
}

// The frame of the main window starts at the screen's top-left corner, so
// its title bar and menu bar can be seen and the window can be moved; a
// window that fits is centred as before. Both keep their outer size.
void SmallScreenTest::windowIsPlacedOnTheScreen()
{
    QFETCH(QString, window);
    QFETCH(QRect, frame);
    QRect placed;
    if (window == QLatin1String(MainWindow.name)) {
        placed = MainWindowWidget()->frameGeometry();
    } else {
        OnNextModal([&](QWidget *modal) {
            placed = modal->frameGeometry();
            CloseModal(modal);
        });
        LoadWindow(RangeWindow, MainWindow, true);
    }

    QCOMPARE(placed, frame);
}

QTEST_MAIN(SmallScreenTest)
#include "test_small_screen.moc"
