#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QtTest>

#include <string_view>

#include "practice/main_window.h"
#include "settings/operator_window.h"
#include "settings/range_window.h"

// Handlers address controls by name, and writing left, width, visible or
// disabled to a name no control has does nothing, by design: a mistyped
// name would pass silently. So every control name in the handlers' sources
// must be a row of the layout table of the window that file works on.
namespace {

// A literal is taken for a control name when it starts with the word for a
// kind, or when it is what a handler passes where a control name goes, so
// that a slip in the kind word is caught too.
const QRegularExpression kindWord(QStringLiteral("^(标签|按钮|编辑框|单选框|选择框|分组框|滑块条|时钟|图片框|外形框)"));
const QRegularExpression controlArgument(
    QStringLiteral("\\b(SetVisible|SetDisabled|SetCaption|SetText|SetDescription|SetPeriod|SetLeft|LeftOf|"
                   "CaptionOf|TextOf|IsChecked|PushSprite|Operand|DrawOperand|Step|TypedInteger)\\(\\s*$"));
// The forms that name the window as well: the name is checked against that one.
const QRegularExpression windowAndControl(
    QStringLiteral("\\b(WriteProperty|ReadBoolean|ReadText|ReadInteger|SetInputFocus)\\(\\s*(\\w+)\\s*,\\s*$"));

// Literals that are not names although they may start like one: texts
// shown to the child (Gbk(...), among them the view names such as
// "单选框1.选中") and a layout row's fields other than its name and
// container (a button's caption may well be "按钮").
const QRegularExpression notAName(QStringLiteral("(Gbk\\(|\\.(?!name\\b|container\\b)\\w+\\s*=)\\s*$"));

// Every string literal.
const QRegularExpression literal(QStringLiteral("\"((?:[^\"\\\\\\n]|\\\\.)*)\""));

const WindowLayout *LayoutNamed(const QString &window)
{
    for (const WindowLayout *layout : {&MainWindow, &OperatorWindow, &RangeWindow})
        if (window == layout->name)
            return layout;
    return nullptr;
}

// The window a source file's handlers work on.
const WindowLayout *LayoutOf(const QString &folder, const QString &file)
{
    if (folder == "practice")
        return &MainWindow;
    if (file == "operator_window.cpp")
        return &OperatorWindow;
    if (file == "range_window.cpp")
        return &RangeWindow;
    return nullptr;
}

bool HasControl(const WindowLayout &layout, const QString &name)
{
    const QByteArray utf8 = name.toUtf8();
    for (const ControlLayout &row : layout.controls)
        if (std::string_view(row.name) == std::string_view(utf8.constData(), std::size_t(utf8.size())))
            return true;
    return false;
}

}  // namespace

class ControlNamesTest : public QObject
{
    Q_OBJECT

private slots:
    void everyNameInTheHandlersIsAControlOfItsWindow();
};

void ControlNamesTest::everyNameInTheHandlersIsAControlOfItsWindow()
{
    QString problems;
    QMap<QString, QSet<QString>> found;  // by window
    for (const QString folder : {"practice", "settings"}) {
        const QDir dir(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../") + folder);
        for (const QString &file : dir.entryList({"*.cpp"}, QDir::Files)) {
            QFile source(dir.filePath(file));
            QVERIFY(source.open(QIODevice::ReadOnly));
            const QString code = QString::fromUtf8(source.readAll());
            for (const QRegularExpressionMatch &match : literal.globalMatch(code)) {
                const QString name = match.captured(1);
                const QString before = code.left(match.capturedStart()).right(80);
                const QRegularExpressionMatch named = windowAndControl.match(before);
                const bool argument = named.hasMatch() || controlArgument.match(before).hasMatch();
                if (!argument && (!kindWord.match(name).hasMatch() || notAName.match(before).hasMatch()))
                    continue;
                const WindowLayout *layout = named.hasMatch() ? LayoutNamed(named.captured(2)) : LayoutOf(folder, file);
                const QString where =
                    folder + '/' + file + ':' + QString::number(code.left(match.capturedStart()).count('\n') + 1);
                if (!layout)
                    problems += "\n  " + where + ": \"" + name + "\", but no window is known for it";
                else if (!HasControl(*layout, name))
                    problems += "\n  " + where + ": \"" + name + "\" is no control of " + layout->name;
                else
                    found[layout->name] << name;
            }
        }
    }
    QVERIFY2(problems.isEmpty(), qPrintable(problems));

    // The scan itself: names each window's handlers are known to use.
    QVERIFY(found["MainWindow"].contains("图片框1"));
    QVERIFY(found["MainWindow"].contains("时钟计时器"));
    QVERIFY(found["OperatorWindow"].contains("选择框除"));
    QVERIFY(found["RangeWindow"].contains("编辑框2"));
}

QTEST_GUILESS_MAIN(ControlNamesTest)
#include "test_control_names.moc"
