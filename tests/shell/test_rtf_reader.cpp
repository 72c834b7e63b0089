#include "rtf_reader.h"
#include "rtf_tokenizer.h"

#include <QTest>

#include <string>

using namespace lumenary::rtf;

namespace
{

QString toQString(const std::u16string& s)
{
    return QString::fromUtf16(s.data(), static_cast<qsizetype>(s.size()));
}

std::string_view view(const QByteArray& bytes)
{
    return std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QString paragraphText(const Paragraph& paragraph)
{
    QString text;
    for (const Piece& piece : paragraph.pieces)
        text += piece.picture >= 0 ? QStringLiteral("[picture]") : toQString(piece.text);
    return text.replace(QChar(0x2028), QStringLiteral("<br>"));
}

// The document as lines: one per paragraph, one per table row with its cells between " | "
// and the paragraphs of a cell between "/".
QString flatten(const Document& document)
{
    QStringList lines;
    for (const Block& block : document.blocks) {
        if (const auto* paragraph = std::get_if<Paragraph>(&block)) {
            lines << paragraphText(*paragraph);
            continue;
        }
        for (const TableRow& row : std::get<Table>(block).rows) {
            QStringList cells;
            for (const TableCell& cell : row.cells) {
                QStringList paragraphs;
                for (const Paragraph& p : cell.paragraphs)
                    paragraphs << paragraphText(p);
                cells << paragraphs.join(QLatin1Char('/'));
            }
            lines << cells.join(QStringLiteral(" | "));
        }
    }
    return lines.join(QLatin1Char('\n'));
}

QString flatten(const QByteArray& rtf)
{
    return flatten(read(view(rtf)));
}

// A piece's text with its format: B bold, I italic, U underline, S strike, ^ super, _ sub,
// then the size, font and colour where they differ from the defaults.
QString describe(const Piece& piece)
{
    const CharFormat& f = piece.format;
    QString d = toQString(piece.text) + QLatin1Char(':');
    d += QLatin1String(f.bold ? "B" : "") + QLatin1String(f.italic ? "I" : "") +
         QLatin1String(f.underline ? "U" : "") + QLatin1String(f.strike ? "S" : "");
    d += f.script == Script::Super ? QStringLiteral("^")
         : f.script == Script::Sub ? QStringLiteral("_")
                                   : QString();
    if (f.halfPoints != 24)
        d += QStringLiteral(" fs%1").arg(f.halfPoints);
    if (f.font != -1)
        d += QStringLiteral(" f%1").arg(f.font);
    if (f.colour != 0)
        d += QStringLiteral(" cf%1").arg(f.colour);
    return d;
}

QString describePieces(const Document& document)
{
    QStringList out;
    for (const Block& block : document.blocks)
        if (const auto* paragraph = std::get_if<Paragraph>(&block))
            for (const Piece& piece : paragraph->pieces)
                out << describe(piece);
    return out.join(QStringLiteral(" | "));
}

QString describe(const ParagraphFormat& f)
{
    static const char* align[] = {"L", "C", "R", "J"};
    QString d = QLatin1String(align[static_cast<int>(f.align)]);
    for (auto [name, value] : {std::pair{"li", f.leftIndent},
                               {"ri", f.rightIndent},
                               {"fi", f.firstIndent},
                               {"sb", f.spaceBefore},
                               {"sa", f.spaceAfter}})
        if (value != 0)
            d += QStringLiteral(" %1%2").arg(QLatin1String(name)).arg(value);
    QStringList tabs;
    for (int t : f.tabs)
        tabs << QString::number(t);
    if (!tabs.isEmpty())
        d += QStringLiteral(" tx") + tabs.join(QLatin1Char(','));
    return d;
}

QByteArray repeated(const char* piece, int times)
{
    return QByteArray(piece).repeated(times);
}

} // namespace

class TestRtfReader : public QObject
{
    Q_OBJECT
private slots:
    void tokenParameters_data();
    void tokenParameters();
    void text_data();
    void text();
    void characterFormats_data();
    void characterFormats();
    void paragraphFormats_data();
    void paragraphFormats();
    void fontAndColourTables();
    void tables_data();
    void tables();
    void pictures();
    void hostileInput_data();
    void hostileInput();
    void inputBeyondLimitIsNotRead();
    void recognisesRtf_data();
    void recognisesRtf();
};

void TestRtfReader::tokenParameters_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QByteArray>("letters");
    QTest::addColumn<bool>("hasParam");
    QTest::addColumn<int>("param");
    QTest::addColumn<QByteArray>("following"); // the text token after the word

    QTest::newRow("no parameter") << QByteArray("\\par next") << QByteArray("par") << false << 0
                                  << QByteArray("next");
    QTest::newRow("positive") << QByteArray("\\fs24 x") << QByteArray("fs") << true << 24
                              << QByteArray("x");
    QTest::newRow("negative") << QByteArray("\\fi-360x") << QByteArray("fi") << true << -360
                              << QByteArray("x");
    QTest::newRow("only the first blank is eaten")
        << QByteArray("\\b  x") << QByteArray("b") << false << 0 << QByteArray(" x");
    QTest::newRow("minus without digits is text")
        << QByteArray("\\b-x") << QByteArray("b") << false << 0 << QByteArray("-x");
    QTest::newRow("largest 32-bit value")
        << QByteArray("\\bin2147483647") << QByteArray("bin") << true << 2147483647 << QByteArray();
    QTest::newRow("one past clamps")
        << QByteArray("\\bin2147483648") << QByteArray("bin") << true << 2147483647 << QByteArray();
    QTest::newRow("ten nines clamp")
        << QByteArray("\\u9999999999") << QByteArray("u") << true << 2147483647 << QByteArray();
    QTest::newRow("long number clamps and is eaten whole")
        << QByteArray("\\li123456789012345678901234567890 y") << QByteArray("li") << true
        << 2147483647 << QByteArray("y");
    QTest::newRow("long negative number clamps")
        << QByteArray("\\li-99999999999999 y") << QByteArray("li") << true << int(-2147483647 - 1)
        << QByteArray("y");
    QTest::newRow("overlong word is cut and eaten whole")
        << "\\" + repeated("a", 40) + " z" << repeated("a", 32) << false << 0 << QByteArray("z");
    QTest::newRow("leading zeros")
        << QByteArray("\\cf007z") << QByteArray("cf") << true << 7 << QByteArray("z");
}

void TestRtfReader::tokenParameters()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QByteArray, letters);
    QFETCH(bool, hasParam);
    QFETCH(int, param);
    QFETCH(QByteArray, following);
    Tokenizer tokens(view(rtf));
    const Token word = tokens.next();
    QCOMPARE(int(word.kind), int(TokenKind::Word));
    QCOMPARE(QByteArray(word.text.data(), qsizetype(word.text.size())), letters);
    QCOMPARE(word.hasParam, hasParam);
    QCOMPARE(int(word.param), param);
    const Token next = tokens.next();
    if (following.isEmpty()) {
        QCOMPARE(int(next.kind), int(TokenKind::End));
    } else {
        QCOMPARE(int(next.kind), int(TokenKind::Text));
        QCOMPARE(QByteArray(next.text.data(), qsizetype(next.text.size())), following);
    }
}

void TestRtfReader::text_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected");

    auto row = [](const char* name, QByteArray rtf, QString expected) {
        QTest::newRow(name) << rtf << expected;
    };
    row("plain", "{\\rtf1\\ansi Hello, world.}", "Hello, world.");
    row("paragraphs", "{\\rtf1 One\\par Two\\par}", "One\nTwo");
    row("empty paragraphs kept", "{\\rtf1 a\\par\\par b}", "a\n\nb");
    row("nested groups", "{\\rtf1 a{\\b b{\\i c}d}e}", "abcde");
    row("escaped braces and backslash", "{\\rtf1 \\{x\\}\\\\}", "{x}\\");
    row("source line ends are not text", "{\\rtf1 a\r\nb\nc}", "abc");
    row("backslash before a line end is a paragraph", "{\\rtf1 a\\\nb}", "a\nb");
    row("line and tab", "{\\rtf1 a\\line b\\tab c}", "a<br>b\tc");
    row("raw tab is a tab", "{\\rtf1 a\tb}", "a\tb");
    row("hex in Windows-1252", "{\\rtf1 caf\\'e9 \\'93q\\'94 \\'80 \\'9f}",
        QString::fromUtf8("café “q” € Ÿ"));
    row("raw high bytes in Windows-1252", "{\\rtf1 \x93x\x94}", QString::fromUtf8("“x”"));
    row("unassigned byte", "{\\rtf1 \\'81}", QString(QChar(0xFFFD)));
    row("hex tab and hex controls", "{\\rtf1 a\\'09b\\'0dc\\'00d}", "a\tbcd");
    row("truncated hex at the end", "{\\rtf1 a\\'4", "a");
    row("hex with one digit", "{\\rtf1 a\\'4g}", "ag");
    row("hex without digits", "{\\rtf1 a\\'zz}", "azz");
    row("lone backslash at the end", "{\\rtf1 a\\", "a");
    row("named characters",
        "{\\rtf1 \\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote}",
        QString::fromUtf8("—–•‘’“”"));
    row("control symbols", "{\\rtf1 a\\~b\\-c\\_d}", QStringLiteral("a\u00A0b\u00ADc\u2011d"));
    row("unicode with the default fallback", "{\\rtf1 \\u8364?x}", QString::fromUtf8("€x"));
    row("unicode negative", "{\\rtf1 \\u-3913?}", QString(QChar(0xF0B7)));
    row("uc2 skips two", "{\\rtf1\\uc2 \\u955\\'e6\\'e6x}", QString::fromUtf8("λx"));
    row("uc0 skips none", "{\\rtf1\\uc0 \\u955 x}", QString::fromUtf8("λx"));
    row("fallback may be a control word", "{\\rtf1 \\u955\\emdash x}", QString::fromUtf8("λx"));
    row("line ends do not count as fallback", "{\\rtf1 \\u955\r\n?x}", QString::fromUtf8("λx"));
    row("uc belongs to its group", "{\\rtf1 {\\uc2 \\u955 ab}\\u955 ab}", QString::fromUtf8("λλb"));
    row("skipping stops at a group edge", "{\\rtf1\\uc3 \\u955{x}y}", QString::fromUtf8("λxy"));
    row("huge uc is bounded by the group", "{\\rtf1 {\\uc2147483647 \\u955 abc}d}",
        QString::fromUtf8("λd"));
    row("surrogate pair", "{\\rtf1 \\u-10179?\\u-8704?}", QString::fromUcs4(U"\U0001F600"));
    row("lone high surrogate", "{\\rtf1 \\u-10179?a}", QStringLiteral("\uFFFDa"));
    row("lone low surrogate", "{\\rtf1 \\u-8704?a}", QStringLiteral("\uFFFDa"));
    row("high surrogate at a paragraph end", "{\\rtf1 \\u55357?\\par b}",
        QStringLiteral("\uFFFD\nb"));
    row("unicode out of range", "{\\rtf1 \\u70000?a\\u-40000?}", QStringLiteral("\uFFFDa\uFFFD"));
    row("unicode without a number", "{\\rtf1 \\u x}", "x");
    row("layout characters replaced", "{\\rtf1 \\u65532?\\u64976?\\u8233?a}",
        QStringLiteral("\uFFFD\uFFFD<br>a"));
    row("control characters dropped", QByteArray("{\\rtf1 a\x01\x7f\0b}", 13), "ab");
    row("starred destination skipped", "{\\rtf1 a{\\*\\foo secret {nested} text}b}", "ab");
    row("known destinations skipped",
        "{\\rtf1{\\info{\\title T}{\\author A}}{\\stylesheet{\\s0 Normal;}}a"
        "{\\footnote note}{\\header head}b}",
        "ab");
    row("field shows its result",
        "{\\rtf1 {\\field{\\*\\fldinst HYPERLINK \"http://x\"}{\\fldrslt link}}}", "link");
    row("unknown word ignored, its text kept", "{\\rtf1 a\\foo b\\bar2 c}", "abc");
    row("binary data skipped", "{\\rtf1 a\\bin4 {}}{b}", "ab");
    row("binary past the end", "{\\rtf1 a\\bin2147483647 xyz", "a");
    row("binary with a negative count", "{\\rtf1 a\\bin-5 b}", "ab");
    row("binary as a fallback", "{\\rtf1 \\u955\\bin2 ??b}", QString::fromUtf8("λb"));
    row("binary in a skipped group", "{\\rtf1 {\\*\\x \\bin3 }}}}b}", "b");
    row("stray closing braces", "}}{\\rtf1 a}}}b", "ab");
    row("unclosed groups", "{\\rtf1 {a{b", "ab");
    row("overlong word ignored", "{\\rtf1 a\\" + repeated("b", 100) + " c}", "ac");
    row("overlong number", "{\\rtf1 a\\foo1234567890123456789 b}", "ab");
    row("overlong font size clamps", "{\\rtf1 \\fs99999999999 x}", "x");
    row("depth past the limit is skipped",
        "{\\rtf1 a" + repeated("{", 200) + "x" + repeated("}", 200) + "b}", "ab");
    row("text at the limit is kept",
        "{\\rtf1 a" + repeated("{", int(kMaxGroupDepth) - 1) + "x" +
            repeated("}", int(kMaxGroupDepth) - 1) + "b}",
        "axb");
    row("not rtf at all", "plain words", "plain words");
    row("empty", "", "");
}

void TestRtfReader::text()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, expected);
    QCOMPARE(flatten(rtf), expected);
}

void TestRtfReader::characterFormats_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("pieces");

    QTest::newRow("groups restore formats")
        << QByteArray("{\\rtf1 a{\\b b{\\i c}}d}") << "a: | b:B | c:BI | d:";
    QTest::newRow("zero switches off")
        << QByteArray("{\\rtf1\\b\\i\\ul\\strike a\\b0 b\\i0 c\\ulnone d\\strike0 e}")
        << "a:BIUS | b:IUS | c:US | d:S | e:";
    QTest::newRow("underline kinds")
        << QByteArray("{\\rtf1\\uldb a\\ul0 b\\ulwave c}") << "a:U | b: | c:U";
    QTest::newRow("size and plain") << QByteArray("{\\rtf1\\fs36\\b a\\plain b\\fs30 c\\fs d}")
                                    << "a:B fs36 | b: | c: fs30 | d:";
    QTest::newRow("sizes clamp") << QByteArray("{\\rtf1\\fs0 a\\fs100000 b\\fs-4 c}")
                                 << "a: fs2 | b: fs400 | c: fs2";
    QTest::newRow("font and colour")
        << QByteArray("{\\rtf1\\f2\\cf3 a\\cf-1 b}") << "a: f2 cf3 | b: f2";
    QTest::newRow("scripts") << QByteArray("{\\rtf1 x\\super 2\\nosupersub y\\sub i}")
                             << "x: | 2:^ | y: | i:_";
    QTest::newRow("same format continues one piece")
        << QByteArray("{\\rtf1 ab{\\b0 cd}\\b0 ef}") << "abcdef:";
    QTest::newRow("picture words mean nothing in text")
        << QByteArray("{\\rtf1 \\pngblip\\picwgoal5 a}") << "a:";
}

void TestRtfReader::characterFormats()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, pieces);
    QCOMPARE(describePieces(read(view(rtf))), pieces);
}

void TestRtfReader::paragraphFormats_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QStringList>("formats");

    QTest::newRow("alignments") << QByteArray(
                                       "{\\rtf1\\ql a\\par\\qc b\\par\\qr c\\par\\qj d\\par}")
                                << QStringList{"L", "C", "R", "J"};
    QTest::newRow("indents spacing tabs")
        << QByteArray("{\\rtf1\\pard\\li720\\ri360\\fi-360\\sb120\\sa60\\tx1440\\tx2880 x\\par}")
        << QStringList{"L li720 ri360 fi-360 sb120 sa60 tx1440,2880"};
    QTest::newRow("pard resets") << QByteArray("{\\rtf1\\qc\\li720 a\\par\\pard b\\par}")
                                 << QStringList{"C li720", "L"};
    QTest::newRow("format in effect at the par")
        << QByteArray("{\\rtf1 a\\qr\\par}") << QStringList{"R"};
    QTest::newRow("format kept across paragraphs")
        << QByteArray("{\\rtf1\\qc a\\par b\\par}") << QStringList{"C", "C"};
    QTest::newRow("lengths clamp")
        << QByteArray("{\\rtf1\\li99999999\\fi-99999999\\sb-5\\tx-3 x\\par}")
        << QStringList{"L li31680 fi-31680 tx0"};
    QTest::newRow("tab stops are bounded")
        << "{\\rtf1 " + repeated("\\tx100", 500) + " x\\par}"
        << QStringList{"L tx" + QStringList(int(kMaxTabs), "100").join(QLatin1Char(','))};
}

void TestRtfReader::paragraphFormats()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QStringList, formats);
    const Document document = read(view(rtf));
    QStringList found;
    for (const Block& block : document.blocks)
        found << describe(std::get<Paragraph>(block).format);
    QCOMPARE(found, formats);
}

void TestRtfReader::fontAndColourTables()
{
    const QByteArray rtf =
        "{\\rtf1\\ansi\\deff1{\\fonttbl{\\f0\\froman\\fcharset0 Times New Roman;}"
        "{\\f1\\fswiss\\fprq2 Arial;}{\\f2\\fmodern{\\*\\panose 02070309020205020404}Courier "
        "New;}{\\f3\\fnil Caf\\'e9 ;}}"
        "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green128\\blue300;;}"
        "\\f2 text}";
    const Document d = read(view(rtf));
    QCOMPARE(d.defaultFont, 1);
    QCOMPARE(int(d.fonts.size()), 4);
    QCOMPARE(toQString(d.fonts.at(0).name), QString("Times New Roman"));
    QCOMPARE(int(d.fonts.at(0).family), int(FontFamily::Roman));
    QCOMPARE(toQString(d.fonts.at(1).name), QString("Arial"));
    QCOMPARE(int(d.fonts.at(1).family), int(FontFamily::Swiss));
    QCOMPARE(toQString(d.fonts.at(2).name), QString("Courier New"));
    QCOMPARE(toQString(d.fonts.at(3).name), QString::fromUtf8("Café"));
    QCOMPARE(int(d.colours.size()), 4);
    QVERIFY(!d.colours[0]);
    QVERIFY(d.colours[1] == (Colour{255, 0, 0}));
    QVERIFY(d.colours[2] == (Colour{0, 128, 255}));
    QVERIFY(!d.colours[3]);
    QCOMPARE(flatten(d), QString("text"));

    // A table written without a group per font.
    const Document flat = read("{\\rtf1{\\fonttbl\\f0\\fswiss Helvetica;\\f1\\froman Times;}x}");
    QCOMPARE(int(flat.fonts.size()), 2);
    QCOMPARE(toQString(flat.fonts.at(1).name), QString("Times"));
    QCOMPARE(flatten(flat), QString("x"));
}

void TestRtfReader::tables_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("tables");

    QTest::newRow("two rows then a paragraph")
        << QByteArray("{\\rtf1 before\\par\\trowd\\cellx1000\\cellx2000\\pard\\intbl a\\cell "
                      "b\\cell\\row\\trowd\\cellx1000\\cellx2000\\intbl c\\cell d\\cell\\row"
                      "\\pard after\\par}")
        << "before\na | b\nc | d\nafter" << 1;
    QTest::newRow("paragraphs in a cell")
        << QByteArray("{\\rtf1\\trowd\\cellx900\\intbl x\\par y\\cell\\row}") << "x/y" << 1;
    QTest::newRow("text after the last cell belongs to a cell")
        << QByteArray("{\\rtf1\\trowd\\intbl a\\cell b\\row}") << "a | b" << 1;
    QTest::newRow("row without row word is kept")
        << QByteArray("{\\rtf1\\trowd\\intbl a\\cell b\\cell") << "a | b" << 1;
    QTest::newRow("a paragraph between rows makes two tables")
        << QByteArray("{\\rtf1\\intbl a\\cell\\row\\pard mid\\par\\intbl b\\cell\\row}")
        << "a\nmid\nb" << 2;
    QTest::newRow("stray row and cell words")
        << QByteArray("{\\rtf1\\row\\row x\\cell\\row}") << "x" << 1;
    QTest::newRow("cells past the row limit become tabs")
        << "{\\rtf1\\intbl " + repeated("c\\cell ", int(kMaxCellsPerRow) + 2) + "\\row}"
        << QStringList(int(kMaxCellsPerRow) - 1, "c").join(" | ") + " | c/c\tc\t" << 1;
}

void TestRtfReader::tables()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, expected);
    QFETCH(int, tables);
    const Document d = read(view(rtf));
    QCOMPARE(flatten(d), expected);
    int found = 0;
    for (const Block& block : d.blocks)
        found += std::holds_alternative<Table>(block) ? 1 : 0;
    QCOMPARE(found, tables);
    if (QByteArray(QTest::currentDataTag()) == "two rows then a paragraph") {
        const Table& t = std::get<Table>(d.blocks[1]);
        QCOMPARE(t.rows.size(), std::size_t(2));
        QCOMPARE(t.rows[0].cellRights, (std::vector<int>{1000, 2000}));
    }
}

void TestRtfReader::pictures()
{
    const Document d =
        read("{\\rtf1 see {\\pict\\pngblip\\picw10\\pich5\\picwgoal1440\\pichgoal720 "
             "89 50 4e\r\n47 0}and{\\pict\\wmetafile8 0102}{\\*\\shppict{\\pict\\jpegblip "
             "\\picscalex50 ffd8}}{\\nonshppict{\\pict\\wmetafile8 11}}{\\pict\\pngblip\\bin4 "
             "{}\\x}.}");
    QCOMPARE(flatten(d), QString("see [picture]and[picture][picture]."));
    QCOMPARE(d.pictures.size(), std::size_t(3));
    QCOMPARE(d.pictures[0].data, std::string("\x89PNG", 4)); // the odd last digit is dropped
    QCOMPARE(d.pictures[0].goalWidth, 1440);
    QCOMPARE(d.pictures[0].goalHeight, 720);
    QCOMPARE(int(d.pictures[1].kind), int(PictureKind::Jpeg));
    QCOMPARE(d.pictures[1].scaleX, 50);
    QCOMPARE(d.pictures[2].data, std::string("{}\\x"));

    // A picture never closed, or one with no data, shows nothing.
    QCOMPARE(read("{\\rtf1 a{\\pict\\pngblip 8950").pictures.size(), std::size_t(0));
    QCOMPARE(flatten(read("{\\rtf1 a{\\pict\\pngblip}b}")), QString("ab"));
}

void TestRtfReader::hostileInput_data()
{
    QTest::addColumn<QByteArray>("rtf");
    QTest::addColumn<QString>("expected");

    QTest::newRow("a million opening braces") << repeated("{", 1000000) + "x"
                                              << "";
    QTest::newRow("a million closing braces") << repeated("}", 1000000) + "{\\rtf1 ok}"
                                              << "ok";
    QTest::newRow("a million empty groups") << "{\\rtf1 " + repeated("{}", 1000000) + "ok}"
                                            << "ok";
    QTest::newRow("deep nesting then text")
        << "{\\rtf1 " + repeated("{\\b ", 100000) + repeated("}", 100000) + "ok}"
        << "ok";
    QTest::newRow("half a million truncated escapes") << repeated("\\'", 500000) << "";
    QTest::newRow("many unicode words")
        << "{\\rtf1\\uc0 " + repeated("\\u955 ", 200000) + "}" << QString(200000, QChar(0x3BB));
    QTest::newRow("binary count larger than the input")
        << QByteArray("{\\rtf1\\bin99999999999999999999 {\\par}") << "";
    QTest::newRow("many paragraphs past the limit")
        << "{\\rtf1 " + repeated("\\par ", int(kMaxParagraphs) + 3) + "x}"
        << "";
}

void TestRtfReader::hostileInput()
{
    QFETCH(QByteArray, rtf);
    QFETCH(QString, expected);
    const Document d = read(view(rtf));
    if (QByteArray(QTest::currentDataTag()) == "many paragraphs past the limit") {
        // The paragraphs past the limit become line breaks in the last one.
        QCOMPARE(d.blocks.size(), kMaxParagraphs + 1);
        QCOMPARE(paragraphText(std::get<Paragraph>(d.blocks.back())), QString("<br><br><br>x"));
        return;
    }
    QCOMPARE(flatten(d), expected);
}

void TestRtfReader::inputBeyondLimitIsNotRead()
{
    QByteArray rtf = "{\\rtf1 " + QByteArray(int(kMaxInputBytes), 'a');
    const Document d = read(view(rtf));
    QCOMPARE(d.blocks.size(), std::size_t(1));
    const auto& pieces = std::get<Paragraph>(d.blocks[0]).pieces;
    QCOMPARE(pieces.size(), std::size_t(1));
    QCOMPARE(pieces[0].text.size(), kMaxInputBytes - 7);
}

void TestRtfReader::recognisesRtf_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<bool>("rtf");
    QTest::newRow("plain") << QByteArray("{\\rtf1\\ansi x}") << true;
    QTest::newRow("after blanks") << QByteArray("\r\n  {\\rtf1}") << true;
    QTest::newRow("text") << QByteArray("Lumenary") << false;
    QTest::newRow("html") << QByteArray("<html>{\\rtf1}") << false;
    QTest::newRow("empty") << QByteArray() << false;
    QTest::newRow("cut short") << QByteArray("{\\rt") << false;
}

void TestRtfReader::recognisesRtf()
{
    QFETCH(QByteArray, bytes);
    QFETCH(bool, rtf);
    QCOMPARE(looksLikeRtf(view(bytes)), rtf);
}

QTEST_APPLESS_MAIN(TestRtfReader)
#include "test_rtf_reader.moc"
