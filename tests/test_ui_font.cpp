#include <QDirIterator>
#include <QFile>
#include <QRawFont>
#include <QRegularExpression>
#include <QtTest>

// The program draws its own texts with a small embedded cut of a Chinese
// font; a text added without re-cutting it (assets/subset_font.py) would fall
// back to the whole system font, silently costing megabytes.
class UiFontTest : public QObject
{
    Q_OBJECT

private slots:
    void coversEveryCharacterOfTheProgramsTexts();
};

void UiFontTest::coversEveryCharacterOfTheProgramsTexts()
{
    QFile fontFile(QStringLiteral(":/ui_font.ttf"));
    QVERIFY(fontFile.open(QIODevice::ReadOnly));
    const QRawFont font(fontFile.readAll(), 12);
    QVERIFY(font.isValid());
    QCOMPARE(font.familyName(), QString("Zorvik UI Hei"));

    const QRegularExpression literal(QStringLiteral("\"((?:[^\"\\\\\\n]|\\\\.)*)\""));
    QString missing;
    int checked = 0;
    for (const char *folder : {"app", "practice", "services", "settings"}) {
        QDirIterator files(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../") + folder, {"*.cpp", "*.h"}, QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            QFile source(files.next());
            QVERIFY(source.open(QIODevice::ReadOnly));
            const QString code = QString::fromUtf8(source.readAll());
            for (const QRegularExpressionMatch &match : literal.globalMatch(code)) {
                for (QChar c : match.captured(1)) {
                    if (c.unicode() <= 0x7F)
                        continue;
                    ++checked;
                    if (!font.supportsCharacter(c) && !missing.contains(c))
                        missing += c;
                }
            }
        }
    }
    QVERIFY(checked > 100);
    QVERIFY2(missing.isEmpty(), qPrintable("not in ui_font.ttf: " + missing));
}

QTEST_MAIN(UiFontTest)
#include "test_ui_font.moc"
