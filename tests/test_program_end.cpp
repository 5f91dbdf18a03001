#include <QMessageBox>
#include <QProcess>
#include <QtTest>

// How the program ends is seen only from outside: the exit code, and whether
// the end routine ran. Each case runs program_probe in a process of its own.
namespace {

struct ProbeRun {
    int exitCode = -1;
    QStringList lines;
    QString errors;
};

ProbeRun runProbe(const QString &mode)
{
    QProcess probe;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    probe.setProcessEnvironment(environment);
    probe.start(QStringLiteral(ZORVIK_PROGRAM_PROBE), {mode});
    ProbeRun run;
    if (!probe.waitForFinished(60000)) {
        probe.kill();
        probe.waitForFinished();
        run.errors = QStringLiteral("probe did not finish");
        return run;
    }
    run.exitCode = probe.exitStatus() == QProcess::NormalExit ? probe.exitCode() : -2;
    run.lines = QString::fromUtf8(probe.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts);
    run.errors = QString::fromUtf8(probe.readAllStandardError());
    return run;
}

QString valueOf(const QStringList &lines, const QString &key)
{
    for (const QString &line : lines)
        if (line.startsWith(key + u' '))
            return line.mid(key.size() + 1);
    return {};
}

}  // namespace

class ProgramEndTest : public QObject
{
    Q_OBJECT

private slots:
    void normalEndRunsEndRoutineOnce();
    void programMainEndsByEscAndFreesTheState();
    void fatalStopShowsErrorBoxAndSkipsEndRoutine_data();
    void fatalStopShowsErrorBoxAndSkipsEndRoutine();
    void generalPropertiesOfMissingControlsAreLetGo();
    void stopWithoutAnyMemoryEndsWithFixedLine();
};

// Closing the last window by Esc ends the loop; the end routine runs once
// and the exit code is 0.
void ProgramEndTest::normalEndRunsEndRoutineOnce()
{
    const ProbeRun run = runProbe(QStringLiteral("normal"));
    QVERIFY2(run.exitCode == 0, qPrintable(run.errors));
    QCOMPARE(run.lines.count(QStringLiteral("END")), 1);
    QCOMPARE(run.lines, (QStringList{"LOOP ENDED", "END", "EXIT 0"}));
}

// The program's own start routine: Esc in the answer box ends it, and the
// end routine has released the program-wide arrays by then.
void ProgramEndTest::programMainEndsByEscAndFreesTheState()
{
    const ProbeRun run = runProbe(QStringLiteral("program-main"));
    QVERIFY2(run.exitCode == 0, qPrintable(run.errors));
    QCOMPARE(valueOf(run.lines, "ARRAYS"), QStringLiteral("1"));
    QCOMPARE(valueOf(run.lines, "FREED"), QStringLiteral("1"));
    QCOMPARE(valueOf(run.lines, "EXIT"), QStringLiteral("0"));
}

void ProgramEndTest::fatalStopShowsErrorBoxAndSkipsEndRoutine_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("message");
    QTest::newRow("StopWithRuntimeError") << "fatal"
                                          << "探针出错了";
    QTest::newRow("write on a window not loaded") << "write-not-loaded"
                                                  << "未载入欲访问窗口组件所在的窗口";
    QTest::newRow("read on a window not loaded") << "read-not-loaded"
                                                 << "未载入欲访问窗口组件所在的窗口";
    QTest::newRow("text read on a window not loaded") << "read-text-not-loaded"
                                                      << "未载入欲访问窗口组件所在的窗口";
    QTest::newRow("text of a missing control") << "missing-control"
                                               << "指定窗口尚未载入";
    QTest::newRow("focus on a missing control") << "focus-missing"
                                                << "指定窗口或窗口组件不存在或尚未载入";
    // The byte count is of the one allocation that failed: a text of 80
    // bytes and its terminating zero, the array itself, or its 4 elements.
    QTest::newRow("no memory for a text") << "memory-text"
                                          << "分配 81 字节内存失败!";
    QTest::newRow("no memory for an array") << "memory-array"
                                            << "分配 32 字节内存失败!";
    QTest::newRow("no memory for an array's elements") << "memory-array-elements"
                                                       << "分配 16 字节内存失败!";
}

// The fatal stop tells the child what went wrong in the "错误" box, then
// ends at once with -1 (255): no end routine, no return to the loop.
void ProgramEndTest::fatalStopShowsErrorBoxAndSkipsEndRoutine()
{
    QFETCH(QString, mode);
    QFETCH(QString, message);

    const ProbeRun run = runProbe(mode);

    QVERIFY2(run.exitCode == 255, qPrintable(QString::number(run.exitCode) + u' ' + run.errors));
    QCOMPARE(valueOf(run.lines, "TITLE"), QStringLiteral("错误"));
    QCOMPARE(valueOf(run.lines, "ICON"), QString::number(int(QMessageBox::Critical)));
    QCOMPARE(valueOf(run.lines, "BUTTONS"), QStringLiteral("1"));
    QCOMPARE(valueOf(run.lines, "OWNED"), QStringLiteral("0"));
    QCOMPARE(valueOf(run.lines, "TEXT"),
             QStringLiteral("运行时出错!\\n\\n错误信息：") + message + QStringLiteral("\\n"));
    QVERIFY(!run.lines.contains(QStringLiteral("END")));
    QVERIFY(!run.lines.contains(QStringLiteral("LOOP ENDED")));
    QVERIFY(valueOf(run.lines, "EXIT").isEmpty());
}

// Left, width, visible and disabled of a control that does not exist do not
// stop the program.
void ProgramEndTest::generalPropertiesOfMissingControlsAreLetGo()
{
    const ProbeRun run = runProbe(QStringLiteral("general-missing"));
    QVERIFY2(run.exitCode == 0, qPrintable(run.errors));
    QCOMPARE(valueOf(run.lines, "GENERAL"), QStringLiteral("0"));
    QVERIFY(valueOf(run.lines, "TITLE").isEmpty());
    QCOMPARE(run.lines.count(QStringLiteral("END")), 1);
}

// When not even the error box can be had, the stop still ends the program
// the same way, with a line that needs no memory instead of the box.
void ProgramEndTest::stopWithoutAnyMemoryEndsWithFixedLine()
{
    const ProbeRun run = runProbe(QStringLiteral("memory-none"));
    QVERIFY2(run.exitCode == 255, qPrintable(QString::number(run.exitCode) + u' ' + run.errors));
    QCOMPARE(run.errors, QStringLiteral("zorvik: out of memory (内存不足)\n"));
    QVERIFY(valueOf(run.lines, "TITLE").isEmpty());
    QVERIFY(!run.lines.contains(QStringLiteral("END")));
    QVERIFY(!run.lines.contains(QStringLiteral("LOOP ENDED")));
}

QTEST_GUILESS_MAIN(ProgramEndTest)
#include "test_program_end.moc"
