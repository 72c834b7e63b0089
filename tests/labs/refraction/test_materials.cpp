#include "material_lists.h"
#include "materials_table.h"

#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QTest>

using namespace lumenary;

class TestMaterials : public QObject
{
    Q_OBJECT
private slots:
    void indexTexts_data();
    void indexTexts();
    void namesLetterForLetter();
    void fillingAndChoosing();
};

void TestMaterials::indexTexts_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<char>("point");
    QTest::addColumn<QString>("text");
    QTest::newRow("vacuum is a whole number") << 0 << '.' << "1";
    QTest::newRow("air") << 1 << '.' << "1.0003";
    QTest::newRow("acetone") << 3 << '.' << "1.36";
    QTest::newRow("ethanol") << 4 << '.' << "1.36";
    QTest::newRow("benzol") << 7 << '.' << "1.5";
    QTest::newRow("diamond") << 14 << '.' << "2.42";
    QTest::newRow("air, comma locale") << 1 << ',' << "1,0003";
    QTest::newRow("vacuum, comma locale") << 0 << ',' << "1";
    QTest::newRow("before the table") << -1 << '.' << "";
    QTest::newRow("after the table") << 15 << '.' << "";
}

void TestMaterials::indexTexts()
{
    QFETCH(int, position);
    QFETCH(char, point);
    QFETCH(QString, text);
    const auto t = MaterialsTable::indexText(position, point);
    QCOMPARE(t.has_value(), !text.isEmpty());
    if (t)
        QCOMPARE(QString::fromStdString(*t), text);
}

void TestMaterials::namesLetterForLetter()
{
    const auto& e = MaterialsTable::entries();
    QCOMPARE(std::string(e[4].firstListName), std::string("ethanol "));
    QCOMPARE(std::string(e[4].secondListName), std::string("ethanol"));
    QCOMPARE(std::string(e[5].secondListName), std::string("sugar solution "));
    QCOMPARE(std::string(e[8].firstListName), std::string("typical crown glass "));
    QCOMPARE(std::string(e[10].firstListName), std::string("ploystyrene"));
    QCOMPARE(std::string(e[12].secondListName), std::string("saffire"));
    QCOMPARE(std::string(e[14].secondListName), std::string("diamond "));
    int differing = 0;
    for (const auto& m : e)
        differing += m.firstListName != m.secondListName;
    QCOMPARE(differing, 4);
}

void TestMaterials::fillingAndChoosing()
{
    QComboBox one;
    QComboBox two;
    one.setEditable(true);
    two.setEditable(true);
    one.setEditText("vacuum");
    two.setEditText("water");
    fillMaterialLists(&one, &two);
    QCOMPARE(one.count(), 15);
    QCOMPARE(two.count(), 15);
    QCOMPARE(one.currentText(), QString("vacuum"));
    QCOMPARE(two.currentText(), QString("water"));
    QLineEdit n1("1.00");
    QVERIFY(!writeChosenIndex(&one, &n1)); // nothing chosen yet
    QCOMPARE(n1.text(), QString("1.00"));
    one.setCurrentIndex(0);
    QVERIFY(writeChosenIndex(&one, &n1));
    QCOMPARE(n1.text(), QString("1"));
    two.setCurrentIndex(14);
    QVERIFY(writeChosenIndex(&two, &n1));
    QCOMPARE(n1.text(), QString("2.42"));
}

QTEST_MAIN(TestMaterials)
#include "test_materials.moc"
