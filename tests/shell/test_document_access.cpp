// The instructions as a screen reader reads them: the shipped document's formatting reaches
// assistive technology as text attributes, at the offsets of its text.
#include "instructions_viewer.h"

#include <QAccessible>
#include <QDir>
#include <QFileInfo>
#include <QTest>
#include <QTextEdit>

#include <memory>

class TestDocumentAccess : public QObject
{
    Q_OBJECT
private slots:
    void formattingIsHeard_data()
    {
        QTest::addColumn<QString>("phrase");
        QTest::addColumn<QString>("heard");
        QTest::addColumn<bool>("wholeRun"); // the run of one format is the phrase
        QTest::newRow("title") << "Varnel Lumenary"
                               << "font-size:18pt;font-weight:bold;font-style:normal;" << true;
        QTest::newRow("body") << "This document explains"
                              << "font-size:10pt;font-weight:normal;font-style:normal;" << false;
        QTest::newRow("bold word") << "Quit"
                                   << "font-size:10pt;font-weight:bold;" << true;
        QTest::newRow("table heading") << "Launcher control"
                                       << "font-weight:bold;" << true;
    }

    void formattingIsHeard()
    {
        QFETCH(QString, phrase);
        QFETCH(QString, heard);
        QFETCH(bool, wholeRun);
        const QString start = QDir::currentPath();
        QDir::setCurrent(QFileInfo(QStringLiteral(LUMENARY_INSTRUCTIONS_PATH)).absolutePath());
        std::unique_ptr<QWidget> viewer(lumenary::createInstructionsViewer());
        QDir::setCurrent(start);
        QAccessibleTextInterface* read =
            QAccessible::queryAccessibleInterface(viewer->findChild<QTextEdit*>())->textInterface();
        const int at = read->text(0, read->characterCount()).indexOf(phrase);
        int from = -1;
        int to = -1;
        const QString attributes = read->attributes(at, &from, &to);
        QVERIFY2(at >= 0 && attributes.contains(heard), qPrintable(attributes));
        QVERIFY(from <= at && at < to);
        QVERIFY(wholeRun ? read->text(from, to) == phrase : read->text(from, to).contains(phrase));
    }
};

QTEST_MAIN(TestDocumentAccess)
#include "test_document_access.moc"
