#include "fake_registry.h"
#include "sys_info.h"

#include <QTest>

#include <set>

using namespace lumenary;
using lumenary::test::FakeRegistry;

Q_DECLARE_METATYPE(std::string)

namespace
{

const std::string kToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const std::string kFolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

std::string bytes(std::initializer_list<int> values)
{
    std::string s;
    for (int v : values)
        s.push_back(static_cast<char>(v));
    return s;
}

} // namespace

class TestSysInfo : public QObject
{
    Q_OBJECT
private slots:
    void valueAsText_data();
    void valueAsText();
    void failedReads_data();
    void failedReads();
    void startSysInfo_data();
    void startSysInfo();
    void emptyRegistryShowsTheMessage();
};

void TestSysInfo::valueAsText_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<std::string>("stored");
    QTest::addColumn<std::string>("expected");

    const int text = int(kRegistryString);
    const int number = int(kRegistryNumber);
    QTest::newRow("string with its terminator")
        << text << std::string("C:\\Tools\\msinfo32.exe\0", 22)
        << std::string("C:\\Tools\\msinfo32.exe");
    QTest::newRow("string without terminator") << text << std::string("abc") << std::string("abc");
    QTest::newRow("only a terminator") << text << std::string(1, '\0') << std::string();
    QTest::newRow("empty value") << text << std::string() << std::string();
    QTest::newRow("inner zero kept, last dropped")
        << text << std::string("ab\0cd\0", 6) << std::string("ab\0cd", 5);
    QTest::newRow("string filling the buffer")
        << text << std::string(kRegistryValueBytes, 'x') << std::string(kRegistryValueBytes, 'x');
    QTest::newRow("number from last byte to first")
        << number << bytes({0x78, 0x56, 0x34, 0x12}) << std::string("&h12345678");
    QTest::newRow("no leading zero per byte")
        << number << bytes({0x0D, 0x0C, 0x0B, 0x0A}) << std::string("&hABCD");
    QTest::newRow("a zero last byte is dropped")
        << number << bytes({0x01, 0x00, 0x00, 0x00}) << std::string("&h001");
    QTest::newRow("zeros inside stay")
        << number << bytes({0x00, 0x01, 0x00, 0x00}) << std::string("&h010");
    QTest::newRow("high byte only")
        << number << bytes({0x00, 0x00, 0x00, 0xFF}) << std::string("&hFF000");
    QTest::newRow("number zero") << number << bytes({0, 0, 0, 0}) << std::string("&h000");
    QTest::newRow("other type leaves the result") << 3 << bytes({1, 2, 3}) << std::string("before");
    QTest::newRow("expandable string leaves the result")
        << 2 << std::string("%WINDIR%") << std::string("before");
}

void TestSysInfo::valueAsText()
{
    QFETCH(int, type);
    QFETCH(std::string, stored);
    QFETCH(std::string, expected);
    FakeRegistry registry;
    registry.set(kToolKey, "PATH", {std::uint32_t(type), stored});
    std::string result = "before";
    QVERIFY(GetKeyValue(registry, RegistryRoot::LocalMachine, kToolKey, "PATH", result));
    QCOMPARE(result, expected);
    QCOMPARE(registry.opened, 1);
    QCOMPARE(registry.closed, 1);
    QCOMPARE(registry.strayCloses, 0);
}

void TestSysInfo::failedReads_data()
{
    QTest::addColumn<std::string>("key");
    QTest::addColumn<std::string>("value");
    QTest::addColumn<int>("closes"); // a key is closed only if it was opened

    QTest::newRow("missing key") << std::string("SOFTWARE\\Nothing") << std::string("PATH") << 0;
    QTest::newRow("missing value") << kToolKey << std::string("NOPE") << 1;
    QTest::newRow("value larger than the buffer") << kToolKey << std::string("BIG") << 1;
}

void TestSysInfo::failedReads()
{
    QFETCH(std::string, key);
    QFETCH(std::string, value);
    QFETCH(int, closes);
    FakeRegistry registry;
    registry.set(kToolKey, "PATH", {kRegistryString, "x"});
    registry.set(kToolKey, "BIG", {kRegistryString, std::string(kRegistryValueBytes + 1, 'x')});
    std::string result = "previous";
    QVERIFY(!GetKeyValue(registry, RegistryRoot::LocalMachine, key, value, result));
    QCOMPARE(result, std::string());
    QCOMPARE(registry.closed, closes);
    QCOMPARE(registry.strayCloses, 0);
    QCOMPARE(registry.openNow(), std::size_t(0));
}

void TestSysInfo::startSysInfo_data()
{
    QTest::addColumn<QStringList>("tool");   // the tool key's PATH value, if any
    QTest::addColumn<QStringList>("folder"); // the folder key's MSINFO value, if any
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<bool>("startWorks");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<QString>("started");
    QTest::addColumn<bool>("message");

    const int fromPath = int(SysInfoOutcome::StartedFromPath);
    const int fromFolder = int(SysInfoOutcome::StartedFromFolder);
    const int unavailable = int(SysInfoOutcome::Unavailable);
    const QString tool = "C:\\Program Files\\Tools\\MSINFO32.EXE";
    const QString inFolder = "C:\\Shared\\MSINFO32.EXE";
    QTest::newRow("tool key") << QStringList{tool} << QStringList{} << QStringList{} << true
                              << fromPath << tool << false;
    QTest::newRow("tool key wins") << QStringList{tool} << QStringList{"C:\\Shared"}
                                   << QStringList{inFolder} << true << fromPath << tool << false;
    QTest::newRow("folder key with the tool in it")
        << QStringList{} << QStringList{"C:\\Shared"} << QStringList{inFolder} << true << fromFolder
        << inFolder << false;
    QTest::newRow("folder key without the tool")
        << QStringList{} << QStringList{"C:\\Shared"} << QStringList{} << true << unavailable
        << QString() << true;
    QTest::newRow("neither key") << QStringList{} << QStringList{} << QStringList{inFolder} << true
                                 << unavailable << QString() << true;
    QTest::newRow("the tool does not start") << QStringList{tool} << QStringList{} << QStringList{}
                                             << false << unavailable << tool << true;
    QTest::newRow("empty tool path") << QStringList{QString()} << QStringList{} << QStringList{}
                                     << true << unavailable << QString() << true;
}

void TestSysInfo::startSysInfo()
{
    QFETCH(QStringList, tool);
    QFETCH(QStringList, folder);
    QFETCH(QStringList, files);
    QFETCH(bool, startWorks);
    QFETCH(int, outcome);
    QFETCH(QString, started);
    QFETCH(bool, message);

    FakeRegistry registry;
    if (!tool.isEmpty())
        registry.set(kToolKey, "PATH", {kRegistryString, tool[0].toStdString() + '\0'});
    if (!folder.isEmpty())
        registry.set(kFolderKey, "MSINFO", {kRegistryString, folder[0].toStdString()});
    QStringList startedPrograms;
    QStringList messages;
    SysInfoActions actions;
    actions.fileExists = [&](const std::string& p) {
        return files.contains(QString::fromStdString(p));
    };
    actions.startProgram = [&](const std::string& p) {
        startedPrograms << QString::fromStdString(p);
        return startWorks;
    };
    actions.showMessage = [&](const std::string& m) { messages << QString::fromStdString(m); };

    QCOMPARE(int(StartSysInfo(registry, actions)), outcome);
    QCOMPARE(startedPrograms, started.isEmpty() ? QStringList{} : QStringList{started});
    QCOMPARE(messages, message ? QStringList{QString(kSysInfoUnavailable)} : QStringList{});
    QCOMPARE(registry.openNow(), std::size_t(0));
    QCOMPARE(registry.strayCloses, 0);
}

void TestSysInfo::emptyRegistryShowsTheMessage()
{
#ifdef _WIN32
    QSKIP("the system registry of Windows may hold the keys");
#endif
    const auto registry = systemRegistry();
    bool startedAnything = false;
    QStringList messages;
    SysInfoActions actions{[](const std::string&) { return true; },
                           [&](const std::string&) { return startedAnything = true; },
                           [&](const std::string& m) { messages << QString::fromStdString(m); }};
    QCOMPARE(int(StartSysInfo(*registry, actions)), int(SysInfoOutcome::Unavailable));
    QVERIFY(!startedAnything);
    QCOMPARE(messages, QStringList{"System Information Is Unavailable At This Time"});
}

QTEST_APPLESS_MAIN(TestSysInfo)
#include "test_sys_info.moc"
