#include "rtf_builder.h"
#include "rtf_limits.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QImage>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

using namespace lumenary;

namespace
{

// The character format of the fragment whose text is text.
std::optional<QTextCharFormat> fragmentFormat(const QTextDocument& document, const QString& text)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            if (it.fragment().text() == text)
                return it.fragment().charFormat();
    return std::nullopt;
}

QTextBlock blockWithText(const QTextDocument& document, const QString& text)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        if (block.text() == text)
            return block;
    return {};
}

QByteArray pngHex(const QImage& image)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png.toHex();
}

QTextTable* firstTable(const QTextDocument& document)
{
    for (QTextFrame* frame : document.rootFrame()->childFrames())
        if (auto* table = qobject_cast<QTextTable*>(frame))
            return table;
    return nullptr;
}

// What laying out a built document costs: its height at the viewer's width, the most formatting
// runs in one block, the cells of its tables and the pixels of its decoded pictures.
struct LayoutCost {
    double height = 0;
    int runsPerBlock = 0;
    int tableCells = 0;
    qint64 picturePixels = 0;
};

LayoutCost layoutCost(QTextDocument& document)
{
    LayoutCost cost;
    document.setTextWidth(560);
    document.documentLayout()->blockBoundingRect(document.lastBlock());
    cost.height = document.size().height();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        int runs = 0;
        for (auto it = block.begin(); !it.atEnd(); ++it, ++runs) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.isImageFormat())
                continue;
            const QImage image =
                document.resource(QTextDocument::ImageResource, QUrl(format.toImageFormat().name()))
                    .value<QImage>();
            cost.picturePixels += qint64(image.width()) * image.height();
        }
        cost.runsPerBlock = std::max(cost.runsPerBlock, runs);
    }
    for (QTextFrame* frame : document.rootFrame()->childFrames())
        if (auto* table = qobject_cast<QTextTable*>(frame))
            cost.tableCells += table->rows() * table->columns();
    return cost;
}

} // namespace

class TestRtfBuilder : public QObject
{
    Q_OBJECT
private slots:
    void characterFormats();
    void paragraphFormats_data();
    void paragraphFormats();
    void lineBreaksAndTabs();
    void table();
    void picture();
    void replacesWhatWasThere();
    void hostileInputBuildsADocument_data();
    void hostileInputBuildsADocument();
    void hostileDocumentsStayCheapToLayOut_data();
    void hostileDocumentsStayCheapToLayOut();
};

void TestRtfBuilder::characterFormats()
{
    QTextDocument document;
    setRtf(document, "{\\rtf1\\deff0{\\fonttbl{\\f0\\froman Times New Roman;}{\\f1\\fswiss Arial;}}"
                     "{\\colortbl;\\red255\\green0\\blue0;}"
                     "\\f1\\fs32\\b\\cf1 Bold red\\b0\\cf0\\f0\\fs24  plain {\\i\\ul\\strike mark}"
                     "\\super 2\\nosupersub\\f7  unknown font\\cf9  no colour 9\\par}");

    const auto bold = fragmentFormat(document, "Bold red");
    QVERIFY(bold);
    QCOMPARE(bold->fontWeight(), int(QFont::Bold));
    QCOMPARE(bold->fontPointSize(), 16.0);
    QCOMPARE(bold->foreground().color(), QColor(255, 0, 0));
    QCOMPARE(bold->fontFamilies().toStringList(), QStringList{"Arial"});
    QCOMPARE(bold->fontStyleHint(), QFont::SansSerif);

    const auto plain = fragmentFormat(document, " plain ");
    QVERIFY(plain);
    QCOMPARE(plain->fontWeight(), int(QFont::Normal));
    QCOMPARE(plain->fontPointSize(), 12.0);
    QVERIFY(!plain->hasProperty(QTextFormat::ForegroundBrush)); // the automatic colour
    QCOMPARE(plain->fontFamilies().toStringList(), QStringList{"Times New Roman"});

    const auto mark = fragmentFormat(document, "mark");
    QVERIFY(mark);
    QVERIFY(mark->fontItalic() && mark->fontUnderline() && mark->fontStrikeOut());
    const auto power = fragmentFormat(document, "2");
    QVERIFY(power);
    QCOMPARE(power->verticalAlignment(), QTextCharFormat::AlignSuperScript);

    // A font or colour the tables do not have falls back to the defaults.
    // (Both look the same, so the document keeps them as one fragment.)
    const auto unknown = fragmentFormat(document, " unknown font no colour 9");
    QVERIFY(unknown);
    QCOMPARE(unknown->fontFamilies().toStringList(), QStringList{"Times New Roman"});
    QVERIFY(!unknown->hasProperty(QTextFormat::ForegroundBrush));
}

void TestRtfBuilder::paragraphFormats_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<int>("alignment");
    QTest::addColumn<QList<double>>("margins"); // left, right, first line, before, after (px)
    QTest::addColumn<QList<double>>("tabs");

    QTest::newRow("left") << QByteArray("{\\rtf1\\ql x\\par}") << int(Qt::AlignLeft)
                          << QList<double>{0, 0, 0, 0, 0} << QList<double>{};
    QTest::newRow("centred") << QByteArray("{\\rtf1\\qc x\\par}") << int(Qt::AlignHCenter)
                             << QList<double>{0, 0, 0, 0, 0} << QList<double>{};
    QTest::newRow("right") << QByteArray("{\\rtf1\\qr x\\par}") << int(Qt::AlignRight)
                           << QList<double>{0, 0, 0, 0, 0} << QList<double>{};
    QTest::newRow("justified and indented")
        << QByteArray("{\\rtf1\\qj\\li720\\ri360\\fi-360\\sb120\\sa60\\tx1440\\tx2880 x\\par}")
        << int(Qt::AlignJustify) << QList<double>{48, 24, -24, 8, 4} << QList<double>{96, 192};
    QTest::newRow("negative indents stay on the page")
        << QByteArray("{\\rtf1\\li-720\\ri-15 x\\par}") << int(Qt::AlignLeft)
        << QList<double>{0, 0, 0, 0, 0} << QList<double>{};
}

void TestRtfBuilder::paragraphFormats()
{
    QFETCH(QByteArray, rtf);
    QFETCH(int, alignment);
    QFETCH(QList<double>, margins);
    QFETCH(QList<double>, tabs);
    QTextDocument document;
    setRtf(document, rtf);
    const QTextBlockFormat f = blockWithText(document, "x").blockFormat();
    QCOMPARE(int(f.alignment() & Qt::AlignHorizontal_Mask), alignment);
    QCOMPARE((QList<double>{f.leftMargin(), f.rightMargin(), f.textIndent(), f.topMargin(),
                            f.bottomMargin()}),
             margins);
    QList<double> found;
    for (const QTextOption::Tab& tab : f.tabPositions())
        found << tab.position;
    QCOMPARE(found, tabs);
}

void TestRtfBuilder::lineBreaksAndTabs()
{
    QTextDocument document;
    setRtf(document, "{\\rtf1 one\\line two\\tab three\\par four}");
    QCOMPARE(document.blockCount(), 2);
    QCOMPARE(document.begin().text(), QStringLiteral("one\u2028two\tthree"));
    QCOMPARE(document.lastBlock().text(), QString("four"));
}

void TestRtfBuilder::table()
{
    QTextDocument document;
    setRtf(document, "{\\rtf1 Before\\par\\trowd\\cellx1500\\cellx4500\\intbl\\b Name\\cell "
                     "Use\\cell\\row\\trowd\\cellx1500\\cellx4500\\intbl\\b0 f\\cell focal "
                     "length\\par in units\\cell\\row\\pard After\\par}");
    QTextTable* table = firstTable(document);
    QVERIFY(table);
    QCOMPARE(table->rows(), 2);
    QCOMPARE(table->columns(), 2);
    auto cellText = [&](int r, int c) {
        QTextCursor cursor = table->cellAt(r, c).firstCursorPosition();
        cursor.setPosition(table->cellAt(r, c).lastCursorPosition().position(),
                           QTextCursor::KeepAnchor);
        return cursor.selectedText();
    };
    QCOMPARE(cellText(0, 0), QString("Name"));
    QCOMPARE(cellText(1, 1), QStringLiteral("focal length\u2029in units"));
    const auto widths = table->format().columnWidthConstraints();
    QCOMPARE(widths.size(), 2);
    QCOMPARE(widths[0].rawValue(), 100.0);
    QCOMPARE(widths[1].rawValue(), 200.0);
    QCOMPARE(fragmentFormat(document, "Name")->fontWeight(), int(QFont::Bold));
    // The paragraphs around the table keep their order.
    QVERIFY(document.toPlainText().startsWith("Before\n"));
    QVERIFY(document.toPlainText().endsWith("\nAfter"));
}

void TestRtfBuilder::picture()
{
    QImage image(4, 2, QImage::Format_RGB32);
    image.fill(Qt::red);
    QTextDocument document;
    setRtf(document, "{\\rtf1 Figure {\\pict\\pngblip\\picwgoal600\\pichgoal300 " + pngHex(image) +
                         "} and {\\pict\\pngblip 0badc0ffee} end\\par}");
    QCOMPARE(document.toPlainText(), QStringLiteral("Figure \uFFFC and  end"));
    QTextImageFormat format;
    for (auto it = document.begin().begin(); !it.atEnd(); ++it)
        if (it.fragment().charFormat().isImageFormat())
            format = it.fragment().charFormat().toImageFormat();
    QVERIFY(format.isValid());
    QCOMPARE(format.width(), 40.0);
    QCOMPARE(format.height(), 20.0);
    const QImage stored =
        document.resource(QTextDocument::ImageResource, QUrl(format.name())).value<QImage>();
    QCOMPARE(stored.size(), QSize(4, 2));
    QCOMPARE(stored.pixelColor(0, 0), QColor(Qt::red));
}

void TestRtfBuilder::replacesWhatWasThere()
{
    QTextDocument document;
    setRtf(document, "{\\rtf1\\trowd\\intbl a\\cell\\row}");
    setRtf(document, "{\\rtf1 second}");
    QCOMPARE(document.toPlainText(), QString("second"));
    QVERIFY(!firstTable(document));
}

void TestRtfBuilder::hostileInputBuildsADocument_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty") << QByteArray() << QString();
    QTest::newRow("only a table row") << QByteArray("\\cell\\row") << QString();
    QTest::newRow("pictures that are not pictures")
        << QByteArray("{\\pict\\pngblip ff}{\\pict\\jpegblip\\bin3 abc}x") << QString("x");
    QTest::newRow("cells without rows then text")
        << QByteArray("\\intbl a\\cell b\\par c") << QString("a b c");
    QTest::newRow("wide table") << "\\trowd" + QByteArray("\\cellx-5").repeated(200) +
                                       QByteArray("x\\cell ").repeated(200) + "\\row"
                                << QString();
}

void TestRtfBuilder::hostileInputBuildsADocument()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, text);
    QTextDocument document;
    setRtf(document, rtf);
    if (QByteArray(QTest::currentDataTag()) == "wide table") {
        QTextTable* table = firstTable(document);
        QVERIFY(table);
        QCOMPARE(table->columns(), 64);
        return;
    }
    QCOMPARE(document.toPlainText().simplified(), text);
}

void TestRtfBuilder::hostileDocumentsStayCheapToLayOut_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<int>("minText"); // characters of text kept, at least and at most
    QTest::addColumn<int>("maxText");
    QTest::addColumn<double>("maxHeight");
    QImage small(10, 10, QImage::Format_RGB32);
    small.fill(Qt::blue);
    QImage bomb(4100, 4100, QImage::Format_Mono); // a few KB of PNG, 16.8 million pixels
    bomb.fill(0);
    // 22-inch spacing around each paragraph: 12.7 million pixels of height without a bound.
    QTest::newRow("paragraph spacing")
        << QByteArray("\\sb31680\\sa31680\\li31680\\ri31680 p\\par ").repeated(3000) << 3000 << 3000
        << 1.0e6;
    QTest::newRow("formatting changes in one paragraph")
        << QByteArray("\\b a\\b0 b").repeated(20000) << 40000 << 40000 << 1.0e5;
    QTest::newRow("picture bomb beside a picture")
        << "{\\pict\\pngblip " + pngHex(bomb) + "}{\\pict\\pngblip " + pngHex(small) + "}x" << 2
        << 2 << 1.0e3; // the small picture and the x
    QTest::newRow("one-cell table rows")
        << QByteArray("\\trowd\\cellx1000 a\\cell\\row ").repeated(6000) << 6000 << 6000 << 2.0e5;
    QTest::newRow("height past the cap")
        << "\\fs400 " + QByteArray("x\\par ").repeated(12000) << 1000 << 11999 << 5.0e6;
}

// Each of these froze or nearly froze the viewer before its layout was bounded; now each stays
// within the bounds while keeping its text (the last only up to the height bound).
void TestRtfBuilder::hostileDocumentsStayCheapToLayOut()
{
    QFETCH(QByteArray, rtf);
    QFETCH(int, minText);
    QFETCH(int, maxText);
    QFETCH(double, maxHeight);
    QTextDocument document;
    setRtf(document, "{\\rtf1 " + rtf + "}");
    const LayoutCost cost = layoutCost(document);
    QVERIFY2(cost.height < maxHeight, qPrintable(QString::number(cost.height)));
    QVERIFY(cost.runsPerBlock <= int(rtf::kMaxRunsPerParagraph));
    QVERIFY(cost.tableCells <= int(rtf::kMaxTableCells));
    QVERIFY(cost.picturePixels <= rtf::kMaxDocumentPicturePixels);
    QString text = document.toPlainText();
    text.remove(QRegularExpression(QStringLiteral("\\s")));
    QVERIFY2(text.size() >= minText && text.size() <= maxText,
             qPrintable(QString::number(text.size())));
    if (QByteArray(QTest::currentDataTag()) == "picture bomb beside a picture")
        QCOMPARE(cost.picturePixels, 100); // the small one is shown, the bomb is not decoded
}

QTEST_MAIN(TestRtfBuilder)
#include "test_rtf_builder.moc"
