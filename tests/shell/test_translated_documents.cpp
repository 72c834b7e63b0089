// The translated instructions documents: each reads cleanly and follows the English one
// paragraph for paragraph, so that a section left out, split or moved is caught.
#include "rtf_builder.h"

#include <QFile>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>

namespace
{

// The document's paragraphs as the sizes of their first letters (a heading, body text, a
// caption; "-" for an empty one): the outline every translation shares with the English.
QStringList outline(const QTextDocument& document)
{
    QStringList sizes;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const auto first = block.begin();
        sizes << (block.text().trimmed().isEmpty() || first.atEnd()
                      ? QStringLiteral("-")
                      : QString::number(first.fragment().charFormat().fontPointSize()));
    }
    return sizes;
}

bool load(QTextDocument& document, const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    lumenary::setRtf(document, file.readAll());
    return true;
}

} // namespace

class TestTranslatedDocuments : public QObject
{
    Q_OBJECT
private slots:
    void followsTheEnglish_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("lastSection");
        QTest::newRow("de") << "de"
                            << "Entdecken: Optische Bank";
        QTest::newRow("fr") << "fr"
                            << "Explorer : Banc optique"; // plain text turns \~ into a blank
        QTest::newRow("es") << "es" << QStringLiteral("Explorar: Banco óptico");
    }

    void followsTheEnglish()
    {
        QFETCH(QString, language);
        QFETCH(QString, lastSection);
        QTextDocument original;
        QTextDocument translated;
        QVERIFY(load(original, QStringLiteral(LUMENARY_ASSETS_DIR "/lumenary.rtf")));
        QVERIFY(
            load(translated, QStringLiteral(LUMENARY_ASSETS_DIR "/lumenary.%1.rtf").arg(language)));

        const QString text = translated.toPlainText();
        for (const QChar c : {QChar('\\'), QChar('{'), QChar('}'), QChar(0xFFFD)})
            QVERIFY2(!text.contains(c), qPrintable(QStringLiteral("stray %1").arg(c)));
        QVERIFY2(text.contains(lastSection), qPrintable(lastSection));
        QCOMPARE(outline(translated), outline(original));
    }
};

QTEST_MAIN(TestTranslatedDocuments)
#include "test_translated_documents.moc"
