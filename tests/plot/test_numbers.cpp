#include "numbers.h"

#include <QTest>

#include <cmath>
#include <limits>

using namespace lumenary;

class TestNumbers : public QObject {
    Q_OBJECT
private slots:
    void parse_data();
    void parse();
    void format_data();
    void format();
    void roundTrip_data();
    void roundTrip();
    void floorToInteger_data();
    void floorToInteger();
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
    QTest::newRow("fifteen integer digits") << 123456789012345.0 << false << '.'
                                            << "123456789012345";
    QTest::newRow("sixteen integer digits") << 1234567890123456.0 << false << '.'
                                            << "1.23456789012346E+15";
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

void TestNumbers::roundTrip_data()
{
    QTest::addColumn<double>("value");
    QTest::newRow("thirteen and a third") << 40.0 / 3;
    QTest::newRow("small") << 1.2345e-7;
    QTest::newRow("large") << -9.87654321e200;
    QTest::newRow("denormal") << 4.9e-320;
}

void TestNumbers::roundTrip()
{
    // What a read-out shows is what a later step reads back.
    QFETCH(double, value);
    for (char point : {'.', ','}) {
        const std::string text = formatReadout(value, Precision::Double15, point);
        const auto back = parseNumber(text, point);
        QVERIFY2(back.has_value(), text.c_str());
        QCOMPARE(formatReadout(*back, Precision::Double15, point), text);
        QCOMPARE(displayed(value, Precision::Double15), back);
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

QTEST_APPLESS_MAIN(TestNumbers)
#include "test_numbers.moc"
