// Saving onto a full disk: the student is told what the system said and which file, and a file
// of that name is left as it was. The disk is made full for one folder by this executable's
// own write(), which the toolkit calls in place of the C library's: no root, no file system.
#include "export_actions.h"
#include "ray_diagram_window.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>

#include <sys/syscall.h>
#include <unistd.h>

namespace
{

// While set, files under this folder take only this many more bytes.
std::string g_fullFolder;
std::atomic<bool> g_full{false};
std::atomic<long> g_room{0};

bool inFullFolder(int fd)
{
    char link[64];
    char path[PATH_MAX];
    std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
    const ssize_t length = readlink(link, path, sizeof path - 1);
    return length > 0 && std::string(path, std::size_t(length)).rfind(g_fullFolder, 0) == 0;
}

} // namespace

// A disk that fills as it is written: the last bytes that fit are taken, and the next write
// fails as a full disk fails.
extern "C" ssize_t write(int fd, const void* data, size_t size)
{
    if (g_full && inFullFolder(fd)) {
        const long room = g_room.load();
        if (room <= 0) {
            errno = ENOSPC;
            return -1;
        }
        size = std::min<size_t>(size, size_t(room));
        g_room -= long(size);
    }
    return syscall(SYS_write, fd, data, size);
}

using namespace lumenary;

class TestFullDisk : public QObject
{
    Q_OBJECT
private slots:
    void toldWhatAndWhere_data();
    void toldWhatAndWhere();
};

void TestFullDisk::toldWhatAndWhere_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<long>("room"); // bytes the disk still takes
    for (const char* type : {"png", "svg", "pdf"}) {
        const QString name = QStringLiteral("lens.") + QLatin1String(type);
        QTest::newRow(qPrintable(name + " on a full disk")) << name << 0L;
        QTest::newRow(qPrintable(name + " filling the disk")) << name << 1000L;
    }
}

void TestFullDisk::toldWhatAndWhere()
{
    QFETCH(QString, name);
    QFETCH(long, room);
    std::unique_ptr<RayDiagramWindow> window(createThinLensWindow());
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    auto* actions = window->findChild<ExportActions*>();
    QTemporaryDir folder;
    const QString path = folder.filePath(name);
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly) && old.write("the last report's picture") > 0);
    old.close();

    QString message;
    actions->setErrorReporter([&](QWidget*, const QString& text) { message = text; });
    actions->setFileChooser([&](QWidget*, const QString&) { return path; });
    g_fullFolder = QDir(folder.path()).canonicalPath().toStdString() + '/';
    g_room = room;
    g_full = true;
    actions->savePictureAs();
    g_full = false;

    QVERIFY2(message.contains(QDir::toNativeSeparators(path)), qPrintable(message));
    QVERIFY2(message.contains(QString::fromLocal8Bit(std::strerror(ENOSPC))), qPrintable(message));
    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("the last report's picture"));
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{name});
}

QTEST_MAIN(TestFullDisk)
#include "test_full_disk.moc"
