#include "numbers.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace lumenary;

class TestNumbers : public QObject
{
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
    void format_data();
    void format();
    void formatFixed_data();
    void formatFixed();
    void roundTrip_data();
    void roundTrip();
    void floorToInteger_data();
    void floorToInteger();
    void floorToIntegerAtTheEndsOfInt64_data();
    void floorToIntegerAtTheEndsOfInt64();
};

void TestNumbers::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<char>("point");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<double>("value");

    QTest::newRow("integer") << "40" << '.' << true << 40.0;
    QTest::newRow("negative") << "-20" << '.' << true << -20.0;
    QTest::newRow("plus sign") << "+7" << '.' << true << 7.0;
    QTest::newRow("blanks around") << "  1.5\t" << '.' << true << 1.5;
    QTest::newRow("leading point") << ".5" << '.' << true << 0.5;
    QTest::newRow("trailing point") << "5." << '.' << true << 5.0;
    QTest::newRow("exponent") << "1.5E+3" << '.' << true << 1500.0;
    QTest::newRow("small exponent") << "2e-3" << '.' << true << 0.002;
    QTest::newRow("underflow is zero") << "1e-400" << '.' << true << 0.0;
    QTest::newRow("comma locale") << "1,5" << ',' << true << 1.5;
    QTest::newRow("negative zero") << "-0" << '.' << true << 0.0;

    QTest::newRow("empty") << "" << '.' << false << 0.0;
    QTest::newRow("blank") << "   " << '.' << false << 0.0;
    QTest::newRow("lone minus") << "-" << '.' << false << 0.0;
    QTest::newRow("lone plus") << "+" << '.' << false << 0.0;
    QTest::newRow("lone point") << "." << '.' << false << 0.0;
    QTest::newRow("minus point") << "-." << '.' << false << 0.0;
    QTest::newRow("letters") << "abc" << '.' << false << 0.0;
    QTest::newRow("trailing letter") << "12a" << '.' << false << 0.0;
    QTest::newRow("overflow") << "1e999" << '.' << false << 0.0;
    QTest::newRow("negative overflow") << "-1e309" << '.' << false << 0.0;
    QTest::newRow("nan") << "nan" << '.' << false << 0.0;
    QTest::newRow("inf") << "inf" << '.' << false << 0.0;
    QTest::newRow("infinity") << "-Infinity" << '.' << false << 0.0;
    QTest::newRow("hex") << "0x10" << '.' << false << 0.0;
    QTest::newRow("comma under point locale") << "1,5" << '.' << false << 0.0;
    QTest::newRow("point under comma locale") << "1.5" << ',' << false << 0.0;
    QTest::newRow("bare exponent") << "1e" << '.' << false << 0.0;
    QTest::newRow("exponent sign only") << "1e+" << '.' << false << 0.0;
    QTest::newRow("two signs") << "--1" << '.' << false << 0.0;
    QTest::newRow("inner blank") << "1 2" << '.' << false << 0.0;
    QTest::newRow("two points") << "1.2.3" << '.' << false << 0.0;
    QTest::newRow("huge exponent") << "1e99999999999999999999" << '.' << false << 0.0;
}

void TestNumbers::parse()
{
    QFETCH(QString, text);
    QFETCH(char, point);
    QFETCH(bool, isNumber);
    QFETCH(double, value);
    const auto parsed = parseNumber(text.toStdString(), point);
    QCOMPARE(parsed.has_value(), isNumber);
    if (isNumber)
        QCOMPARE(*parsed, value);
}

void TestNumbers::format_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("single");
    QTest::addColumn<char>("point");
    QTest::addColumn<QString>("text");

    QTest::newRow("whole") << 40.0 << false << '.' << "40";
    QTest::newRow("fifteen digits") << 40.0 * 10 / 30 << false << '.' << "13.3333333333333";
    QTest::newRow("rounding up") << 50.0 / 9 << false << '.' << "5.55555555555556";
    QTest::newRow("negative") << -25.0 / 6 << false << '.' << "-4.16666666666667";
    QTest::newRow("trailing zeros dropped") << 20.5 << false << '.' << "20.5";
    QTest::newRow("negative zero") << -0.0 << false << '.' << "0";
    QTest::newRow("tiny uses exponent") << 0.00001 << false << '.' << "1E-05";
    QTest::newRow("just above the exponent bound") << 0.0001 << false << '.' << "0.0001";
    QTest::newRow("fifteen integer digits")
        << 123456789012345.0 << false << '.' << "123456789012345";
    QTest::newRow("sixteen integer digits")
        << 1234567890123456.0 << false << '.' << "1.23456789012346E+15";
    QTest::newRow("large exponent") << 1e300 << false << '.' << "1E+300";
    QTest::newRow("three-digit negative exponent") << 1.5e-300 << false << '.' << "1.5E-300";
    QTest::newRow("comma locale") << 1.5 << false << ',' << "1,5";
    QTest::newRow("comma in exponent form") << 2.5e-7 << false << ',' << "2,5E-07";
    QTest::newRow("single rounds to float") << 0.1 << true << '.' << "0.1";
    QTest::newRow("single seven digits") << 1.0 / 3 << true << '.' << "0.3333333";
    QTest::newRow("single exponent bound") << 12345678.0 << true << '.' << "1.234568E+07";
    QTest::newRow("single seven integer digits") << 1234567.0 << true << '.' << "1234567";
    QTest::newRow("single negative") << -39.83 << true << '.' << "-39.83";
    QTest::newRow("single comma") << 0.5 << true << ',' << "0,5";
    QTest::newRow("single overflow") << 1e39 << true << '.' << "";
    QTest::newRow("largest double")
        << std::numeric_limits<double>::max() << false << '.' << "1.79769313486231E+308";
    QTest::newRow("largest negative double")
        << std::numeric_limits<double>::lowest() << false << ',' << "-1,79769313486231E+308";
    // Floats coarser than seven digits, whose plain seven-digit text "1E+28" or "1E-38" reads
    // back as the float below, which shows 9.999999: they show that text from the start.
    QTest::newRow("single just above 1E+28") << 1.000000062e28 << true << '.' << "9.999999E+27";
    QTest::newRow("single just above 1E-38") << 1.000000075e-38 << true << '.' << "9.999999E-39";
    QTest::newRow("largest float")
        << double(std::numeric_limits<float>::max()) << true << '.' << "3.402823E+38";
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << false << '.' << "";
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << false << '.' << "";
}

void TestNumbers::format()
{
    QFETCH(double, value);
    QFETCH(bool, single);
    QFETCH(char, point);
    QFETCH(QString, text);
    const auto precision = single ? Precision::Single7 : Precision::Double15;
    QCOMPARE(QString::fromStdString(formatReadout(value, precision, point)), text);
}

void TestNumbers::formatFixed_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<bool>("exponent");
    QTest::addColumn<char>("point");
    QTest::addColumn<QString>("text");
    QTest::newRow("four decimals") << 38.65584 << 4 << false << '.' << "38.6558";
    QTest::newRow("zeros kept") << 60.0 << 1 << false << '.' << "60.0";
    QTest::newRow("comma locale") << 1.51680 << 5 << false << ',' << "1,51680";
    // 2.675 is 2.67499999… in binary: rounded as it is, not as it is written.
    QTest::newRow("exact value rounds down") << 2.675 << 2 << false << '.' << "2.67";
    QTest::newRow("tie away from zero") << 0.125 << 2 << false << '.' << "0.13";
    QTest::newRow("negative tie away from zero") << -2.5 << 0 << false << '.' << "-3";
    QTest::newRow("negative rounding to zero") << -0.00004 << 4 << false << '.' << "0.0000";
    QTest::newRow("negative zero") << -0.0 << 3 << false << '.' << "0.000";
    QTest::newRow("negative") << -0.00006 << 4 << false << '.' << "-0.0001";
    QTest::newRow("exponent") << 1.4e-12 << 1 << true << '.' << "1.4e-12";
    QTest::newRow("exponent comma, tie") << 0.125 << 1 << true << ',' << "1,3e-01";
    QTest::newRow("exponent of zero") << -0.0 << 1 << true << '.' << "0.0e+00";
    QTest::newRow("largest double")
        << std::numeric_limits<double>::max() << 2 << true << '.' << "1.80e+308";
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << 4 << false << '.' << "";
    QTest::newRow("infinity") << -std::numeric_limits<double>::infinity() << 1 << true << '.' << "";
}

void TestNumbers::formatFixed()
{
    QFETCH(double, value);
    QFETCH(int, decimals);
    QFETCH(bool, exponent);
    QFETCH(char, point);
    const FixedForm form = exponent ? FixedForm::Exponent : FixedForm::Positional;
    QTEST(QString::fromStdString(lumenary::formatFixed(value, decimals, point, form)), "text");
}

void TestNumbers::roundTrip_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("single");
    QTest::newRow("thirteen and a third") << 40.0 / 3 << false;
    QTest::newRow("small") << 1.2345e-7 << false;
    QTest::newRow("large") << -9.87654321e200 << false;
    QTest::newRow("denormal") << 4.9e-320 << false;
    // Rounded to 15 digits these would read 1.79769313486232E+308, beyond any double.
    QTest::newRow("largest double") << std::numeric_limits<double>::max() << false;
    QTest::newRow("largest negative double") << std::numeric_limits<double>::lowest() << false;
    QTest::newRow("just below the largest double") << 1.797693134862315e308 << false;
    // Seven digits do not always survive a float: 8589973000 is stored as 8589973504.
    QTest::newRow("single: seven digits lost to a float") << 8589973000.0 << true;
    QTest::newRow("single: just above a power of two") << 8589934592.0 * (1 + 1e-7) << true;
    QTest::newRow("single: largest float") << double(std::numeric_limits<float>::max()) << true;
    QTest::newRow("single: smallest float")
        << double(std::numeric_limits<float>::denorm_min()) << true;
    QTest::newRow("single: a third") << 1.0 / 3 << true;
    QTest::newRow("single: float coarser than seven digits") << 1.000000416e28 << true;
    QTest::newRow("single: below the smallest normal float") << 1.000000496e-38 << true;
    QTest::newRow("single: smallest normal float") << 1.1754944e-38 << true;
}

void TestNumbers::roundTrip()
{
    // What a read-out shows is what a later step reads back, and showing that again changes
    // nothing.
    QFETCH(double, value);
    QFETCH(bool, single);
    const auto precision = single ? Precision::Single7 : Precision::Double15;
    for (char point : {'.', ','}) {
        const std::string text = formatReadout(value, precision, point);
        const auto back = parseNumber(text, point);
        QVERIFY2(back.has_value(), text.c_str());
        QCOMPARE(formatReadout(*back, precision, point), text);
        if (point == '.')
            QCOMPARE(displayed(value, precision), back);
    }
}

void TestNumbers::floorToInteger_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<qint64>("result");
    QTest::newRow("whole") << 30.0 << true << qint64(30);
    QTest::newRow("fraction") << 2.5 << true << qint64(2);
    QTest::newRow("negative fraction") << -0.5 << true << qint64(-1);
    QTest::newRow("above range") << 1e300 << false << qint64(0);
    QTest::newRow("below range") << -1e300 << false << qint64(0);
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << false << qint64(0);
    QTest::newRow("infinity") << std::numeric_limits<double>::infinity() << false << qint64(0);
    QTest::newRow("bound") << 1000000.75 << true << qint64(1000000);
    QTest::newRow("just past bound") << 1000001.0 << false << qint64(0);
    QTest::newRow("lower bound") << -1000000.0 << true << qint64(-1000000);
    QTest::newRow("just below lower bound") << -1000000.5 << false << qint64(0);
}

void TestNumbers::floorToInteger()
{
    QFETCH(double, value);
    QFETCH(bool, ok);
    QFETCH(qint64, result);
    const auto n = lumenary::floorToInteger(value, -1000000, 1000000);
    QCOMPARE(n.has_value(), ok);
    if (ok)
        QCOMPARE(qint64(*n), result);
}

void TestNumbers::floorToIntegerAtTheEndsOfInt64_data()
{
    constexpr auto max = std::numeric_limits<std::int64_t>::max();
    constexpr auto min = std::numeric_limits<std::int64_t>::min();
    QTest::addColumn<double>("value");
    QTest::addColumn<qint64>("lo");
    QTest::addColumn<qint64>("hi");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<qint64>("result");
    // 2^63 is the double nearest the largest int64: it must be refused, not converted.
    QTest::newRow("2^63 under the largest bound")
        << 9223372036854775808.0 << qint64(min) << qint64(max) << false << qint64(0);
    QTest::newRow("-2^63 is the smallest int64")
        << -9223372036854775808.0 << qint64(min) << qint64(max) << true << qint64(min);
    QTest::newRow("largest double below 2^63")
        << 9223372036854774784.0 << qint64(min) << qint64(max) << true
        << qint64(9223372036854774784LL);
    // 2^62 - 1 as a double is 2^62: the bound must still hold for the integer.
    QTest::newRow("bound that rounds up as a double")
        << 4611686018427387904.0 << qint64(0) << qint64(4611686018427387903LL) << false
        << qint64(0);
}

void TestNumbers::floorToIntegerAtTheEndsOfInt64()
{
    QFETCH(double, value);
    QFETCH(qint64, lo);
    QFETCH(qint64, hi);
    QFETCH(bool, ok);
    QFETCH(qint64, result);
    const auto n = lumenary::floorToInteger(value, lo, hi);
    QCOMPARE(n.has_value(), ok);
    if (ok)
        QCOMPARE(qint64(*n), result);
}

QTEST_APPLESS_MAIN(TestNumbers)
#include "test_numbers.moc"
