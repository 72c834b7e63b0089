#include "asset_path.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

using namespace lumenary;

namespace
{

void touch(const QString& path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

} // namespace

class TestAssetPath : public QObject
{
    Q_OBJECT
private slots:
    void firstFolderHoldingTheFileWins_data();
    void firstFolderHoldingTheFileWins();
    void onlyBareNamesOfFiles_data();
    void onlyBareNamesOfFiles();
    void searchOrder();
};

void TestAssetPath::firstFolderHoldingTheFileWins_data()
{
    QTest::addColumn<QList<int>>("holding"); // which of three folders hold the file
    QTest::addColumn<int>("found");          // -1: none
    QTest::newRow("all three") << QList<int>{0, 1, 2} << 0;
    QTest::newRow("second and third") << QList<int>{1, 2} << 1;
    QTest::newRow("third only") << QList<int>{2} << 2;
    QTest::newRow("first and third") << QList<int>{0, 2} << 0;
    QTest::newRow("none") << QList<int>{} << -1;
}

void TestAssetPath::firstFolderHoldingTheFileWins()
{
    QFETCH(QList<int>, holding);
    QFETCH(int, found);
    QTemporaryDir root;
    QVERIFY(root.isValid());
    QStringList folders;
    for (const char* name : {"work", "beside", "data"}) {
        QVERIFY(QDir(root.path()).mkdir(QString::fromLatin1(name)));
        folders << root.filePath(QString::fromLatin1(name));
    }
    for (int i : holding)
        touch(folders[i] + QStringLiteral("/clip.avi"));
    const auto path = findAsset(QStringLiteral("clip.avi"), folders);
    QCOMPARE(path.has_value(), found >= 0);
    if (path)
        QCOMPARE(*path, folders[found] + QStringLiteral("/clip.avi"));
}

void TestAssetPath::onlyBareNamesOfFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << "";
    QTest::newRow("a folder of that name") << "folder.avi";
    QTest::newRow("into a subfolder") << "sub/clip.avi";
    QTest::newRow("out of the folder") << "../outside.avi";
    QTest::newRow("backslash") << "sub\\clip.avi";
    QTest::newRow("dot") << ".";
    QTest::newRow("dot dot") << "..";
}

void TestAssetPath::onlyBareNamesOfFiles()
{
    QFETCH(QString, name);
    QTemporaryDir root;
    QVERIFY(root.isValid());
    const QString inner = root.filePath(QStringLiteral("inner"));
    QVERIFY(QDir(root.path()).mkpath(QStringLiteral("inner/sub")));
    QVERIFY(QDir(inner).mkdir(QStringLiteral("folder.avi")));
    touch(inner + QStringLiteral("/sub/clip.avi"));
    touch(root.filePath(QStringLiteral("outside.avi")));
    QVERIFY(!findAsset(name, {inner}).has_value());
}

void TestAssetPath::searchOrder()
{
    const QStringList folders = assetFolders();
    QVERIFY(folders.size() >= 3);
    QCOMPARE(folders[0], QDir::currentPath());
    QCOMPARE(folders[1], QCoreApplication::applicationDirPath());
    // An installation finds its data beside its own bin folder, whatever the prefix.
    QCOMPARE(folders[2],
             QDir::cleanPath(QCoreApplication::applicationDirPath() + "/../share/lumenary"));
    QVERIFY2(folders.last().endsWith(QStringLiteral("/lumenary")), qPrintable(folders.last()));

    // A file in the working folder is found before one beside the program.
    QTemporaryDir work;
    QVERIFY(work.isValid());
    const QString previous = QDir::currentPath();
    QVERIFY(QDir::setCurrent(work.path()));
    touch(work.filePath(QStringLiteral("lookup-order-probe.txt")));
    const auto path = findAsset(QStringLiteral("lookup-order-probe.txt"));
    QDir::setCurrent(previous);
    QVERIFY(path.has_value());
    QCOMPARE(
        QFileInfo(*path).canonicalFilePath(),
        QFileInfo(work.filePath(QStringLiteral("lookup-order-probe.txt"))).canonicalFilePath());
}

QTEST_GUILESS_MAIN(TestAssetPath)
#include "test_asset_path.moc"
