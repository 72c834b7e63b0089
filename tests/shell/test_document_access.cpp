// The instructions as a screen reader reads them: the shipped document's formatting reaches
// assistive technology as text attributes, at the same offsets as its text.
#include "instructions_viewer.h"

#include <QAccessible>
#include <QDir>
#include <QFileInfo>
#include <QTest>
#include <QTextEdit>

#include <memory>

using namespace lumenary;

class TestDocumentAccess : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void formattingIsHeard_data();
    void formattingIsHeard();
    void edgeOffsets();

private:
    QAccessibleTextInterface* text() const
    {
        return QAccessible::queryAccessibleInterface(m_viewer->findChild<QTextEdit*>())
            ->textInterface();
    }
    std::unique_ptr<QWidget> m_viewer;
};

void TestDocumentAccess::initTestCase()
{
    const QString start = QDir::currentPath();
    QDir::setCurrent(QFileInfo(QStringLiteral(LUMENARY_INSTRUCTIONS_PATH)).absolutePath());
    m_viewer.reset(createInstructionsViewer());
    QDir::setCurrent(start);
    QVERIFY(text());
}

void TestDocumentAccess::formattingIsHeard_data()
{
    QTest::addColumn<QString>("phrase");
    QTest::addColumn<QStringList>("heard");
    QTest::addColumn<bool>("wholeRun"); // the run of one format is the phrase itself
    QTest::newRow("title") << "Varnel Lumenary"
                           << QStringList{"font-weight:bold;", "font-size:18pt;",
                                          "text-align:center;", "color:rgb(0,0,128);"}
                           << true;
    QTest::newRow("subtitle") << "A laboratory of light"
                              << QStringList{"font-style:italic;", "font-size:11pt;"} << false;
    QTest::newRow("heading") << "Getting started"
                             << QStringList{"font-weight:bold;", "font-size:14pt;"} << true;
    QTest::newRow("body") << "This document explains"
                          << QStringList{"font-weight:normal;", "font-size:10pt;",
                                         "font-style:normal;", "text-align:justify;"}
                          << false;
    QTest::newRow("bold word in a sentence")
        << "Quit" << QStringList{"font-weight:bold;", "font-size:10pt;"} << true;
    QTest::newRow("table heading")
        << "Launcher control" << QStringList{"font-weight:bold;"} << true;
}

void TestDocumentAccess::formattingIsHeard()
{
    QFETCH(QString, phrase);
    QFETCH(QStringList, heard);
    QFETCH(bool, wholeRun);
    QAccessibleTextInterface* read = text();
    const int at = read->text(0, read->characterCount()).indexOf(phrase);
    QVERIFY(at >= 0);
    int start = -1;
    int end = -1;
    const QString attributes = read->attributes(at, &start, &end);
    for (const QString& pair : heard)
        QVERIFY2(attributes.contains(pair), qPrintable(attributes));
    QVERIFY(start <= at && at < end);
    if (wholeRun)
        QCOMPARE(read->text(start, end), phrase);
    else
        QVERIFY(read->text(start, end).contains(phrase));
}

void TestDocumentAccess::edgeOffsets()
{
    QAccessibleTextInterface* read = text();
    const int count = read->characterCount();
    int start = 0;
    int end = 0;
    // The end stands for the last character; past it there is nothing.
    QVERIFY(!read->attributes(-1, &start, &end).isEmpty());
    QVERIFY(start <= count - 1 && count - 1 < end && end <= count);
    QVERIFY(read->attributes(count + 5, &start, &end).isEmpty());
    QCOMPARE(start, -1);
    QCOMPARE(end, -1);
    // Every offset, table markers included, lies in the run it reports.
    for (int offset = 0; offset < count; offset += 97) {
        read->attributes(offset, &start, &end);
        QVERIFY2(start <= offset && offset < end, qPrintable(QString::number(offset)));
    }
}

QTEST_MAIN(TestDocumentAccess)
#include "test_document_access.moc"
