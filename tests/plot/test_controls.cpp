#include "controls.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

using namespace lumenary;

class TestControls : public QObject
{
    Q_OBJECT
private slots:
    void undoHistoryIsBounded_data();
    void undoHistoryIsBounded();
};

void TestControls::undoHistoryIsBounded_data()
{
    QTest::addColumn<bool>("list");
    QTest::addColumn<int>("edits");
    QTest::addColumn<bool>("undoReachesStart");
    QTest::newRow("field, a few edits") << false << 5 << true;
    QTest::newRow("field, a long day of edits") << false << 400 << false;
    QTest::newRow("list text, a long day of edits") << true << 400 << false;
}

// Undo reaches back over recent edits only: past its budget the history is dropped, while the
// text and the cursor stay where the student left them.
void TestControls::undoHistoryIsBounded()
{
    QFETCH(bool, list);
    QFETCH(int, edits);
    QFETCH(bool, undoReachesStart);
    QWidget window;
    const QString start = list ? QStringLiteral("Air") : QStringLiteral("0");
    QLineEdit* field = list ? addList(&window, "n1", start, QRect(0, 0, 80, 20))->lineEdit()
                            : addField(&window, "xmin", start, QRect(0, 0, 80, 20));
    for (int i = 0; i < edits; ++i) {
        field->selectAll();
        QTest::keyClicks(field, QStringLiteral("12.5e%1").arg(i % 10));
    }
    field->setCursorPosition(2);
    QCoreApplication::processEvents();
    QCOMPARE(field->text(), QStringLiteral("12.5e%1").arg((edits - 1) % 10));
    QCOMPARE(field->cursorPosition(), 2);
    for (int i = 0; i < 100000 && field->isUndoAvailable(); ++i)
        field->undo();
    QCOMPARE(field->text() == start, undoReachesStart);
}

QTEST_MAIN(TestControls)
#include "test_controls.moc"
