// Saving onto a disk that fills: the student is told the system's words and the file, and a
// file of that name is left as it was. The disk fills for one folder in this executable's own
// write(), which the toolkit calls in place of the C library's: no root, no file system.
#include "export_actions.h"
#include "ray_diagram_window.h"

#include <QDir>
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
std::string g_fullFolder; // while g_full, files there take g_room more bytes
std::atomic<bool> g_full{false};
std::atomic<long> g_room{0};
} // namespace

extern "C" ssize_t write(int fd, const void* data, size_t size)
{
    char link[32];
    char path[PATH_MAX] = {};
    if (g_full && std::snprintf(link, sizeof link, "/proc/self/fd/%d", fd) > 0 &&
        readlink(link, path, sizeof path - 1) > 0 &&
        std::string(path).rfind(g_fullFolder, 0) == 0) {
        if (g_room <= 0) {
            errno = ENOSPC;
            return -1;
        }
        size = std::min<size_t>(size, size_t(g_room.load())); // the last bytes that fit
        g_room -= long(size);
    }
    return syscall(SYS_write, fd, data, size);
}

class TestFullDisk : public QObject
{
    Q_OBJECT
private slots:
    void toldWhatAndWhere_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* name : {"lens.png", "lens.svg", "lens.pdf"})
            QTest::newRow(name) << QString::fromLatin1(name);
    }

    void toldWhatAndWhere()
    {
        QFETCH(QString, name);
        std::unique_ptr<QWidget> window(lumenary::createThinLensWindow());
        auto* actions = window->findChild<lumenary::ExportActions*>();
        QTemporaryDir folder;
        QFile old(folder.filePath(name));
        QVERIFY(old.open(QIODevice::WriteOnly) && old.write("last week's") > 0);
        old.close();
        QString message;
        actions->setErrorReporter([&](QWidget*, const QString& text) { message = text; });
        actions->setFileChooser([&](QWidget*, const QString&) { return old.fileName(); });
        g_fullFolder = QDir(folder.path()).canonicalPath().toStdString() + '/';
        g_room = 1000;
        g_full = true;
        actions->savePictureAs();
        g_full = false;
        QVERIFY2(message.contains(QDir::toNativeSeparators(old.fileName())) &&
                     message.contains(QString::fromLocal8Bit(std::strerror(ENOSPC))),
                 qPrintable(message));
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("last week's"));
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{name});
    }
};

QTEST_MAIN(TestFullDisk)
#include "test_full_disk.moc"
