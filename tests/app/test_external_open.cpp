#include "basics_window.h"
#include "external_open.h"
#include "launcher.h"
#include "window_catalog.h"
#include "window_registry.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace lumenary;

namespace
{

// A URL handler with no slot to take the URL: the desktop's openUrl reports a failure, as it does
// where no browser or player can be started.
class RefusingHandler : public QObject
{
    Q_OBJECT
};

// The failure boxes showing now, with their texts.
QStringList shownFailures()
{
    QStringList texts;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* box = qobject_cast<QMessageBox*>(window); box && box->isVisible())
            texts << box->text();
    }
    return texts;
}

ExternalOpener answering(bool opened, int* calls)
{
    return [opened, calls](const QUrl&) {
        ++*calls;
        return opened;
    };
}

} // namespace

class TestExternalOpen : public QObject
{
    Q_OBJECT
private slots:
    void cleanup();
    void failureNamesWhatCouldNotOpen_data();
    void failureNamesWhatCouldNotOpen();
    void repeatedFailuresShareOneBox();
    void launcherWebButtonWithRefusingHandler();
    void basicsClipRefused();
    void xdgOpenFailureReported_data();
    void xdgOpenFailureReported();

private:
    QWidget m_parent;
};

void TestExternalOpen::cleanup()
{
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (qobject_cast<QMessageBox*>(window))
            window->close();
    }
    QApplication::processEvents();
    for (const char* scheme : {"http", "https", "file"})
        QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
}

void TestExternalOpen::failureNamesWhatCouldNotOpen_data()
{
    QTest::addColumn<QUrl>("url");
    QTest::addColumn<bool>("opened");
    QTest::addColumn<QStringList>("shown");
    const QUrl page(QStringLiteral("https://www.physicsclassroom.com/"));
    const QUrl clip = QUrl::fromLocalFile(QStringLiteral("/tmp/my clips/Reflct1.avi"));
    QTest::newRow("page opened") << page << true << QStringList();
    QTest::newRow("page refused") << page << false
                                  << QStringList{
                                         "Could not open https://www.physicsclassroom.com/."};
    QTest::newRow("clip refused") << clip << false
                                  << QStringList{
                                         "Could not open the file /tmp/my clips/Reflct1.avi."};
}

void TestExternalOpen::failureNamesWhatCouldNotOpen()
{
    QFETCH(QUrl, url);
    QFETCH(bool, opened);
    QFETCH(QStringList, shown);
    int calls = 0;
    QCOMPARE(openExternally(url, &m_parent, answering(opened, &calls)), opened);
    QCOMPARE(calls, 1);
    QCOMPARE(shownFailures(), shown);
}

void TestExternalOpen::repeatedFailuresShareOneBox()
{
    int calls = 0;
    openExternally(QUrl(QStringLiteral("http://a.example/")), &m_parent, answering(false, &calls));
    openExternally(QUrl(QStringLiteral("http://b.example/")), &m_parent, answering(false, &calls));
    QCOMPARE(calls, 2);
    QCOMPARE(shownFailures(), QStringList{"Could not open http://b.example/."});
}

void TestExternalOpen::launcherWebButtonWithRefusingHandler()
{
    RefusingHandler handler;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &handler, "open");
    WindowRegistry registry;
    registerWindows(registry);
    Launcher launcher(registry);
    launcher.show();
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("No such method"));
    QTest::mouseClick(launcher.findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    QCOMPARE(shownFailures(), QStringList{"Could not open https://www.exploratorium.edu/."});
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

void TestExternalOpen::basicsClipRefused()
{
    QTemporaryDir folder(QDir::tempPath() + QStringLiteral("/clip folder XXXXXX"));
    QFile clip(folder.filePath(BasicsWindow::reflectionClip()));
    QVERIFY(clip.open(QIODevice::WriteOnly));
    clip.close();
    const QString start = QDir::currentPath();
    QVERIFY(QDir::setCurrent(folder.path()));
    std::unique_ptr<BasicsWindow> window(createBasicsWindow());
    int calls = 0;
    window->setClipOpener(answering(false, &calls));
    window->show();
    QTest::mouseClick(window->findChild<QPushButton*>(QStringLiteral("Command1")), Qt::LeftButton);
    QDir::setCurrent(start);
    QCOMPARE(calls, 1);
    QCOMPARE(shownFailures(), QStringList{"Could not open the file " + clip.fileName() + "."});
}

void TestExternalOpen::xdgOpenFailureReported_data()
{
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QStringList>("shown");
    QTest::newRow("opened") << 0 << QStringList();
    QTest::newRow("no player") << 3 << QStringList{"Could not open the file /tmp/my clips/a.avi."};
}

// A stand-in xdg-open records its arguments and exits with the row's code.
void TestExternalOpen::xdgOpenFailureReported()
{
    QFETCH(int, exitCode);
    QFETCH(QStringList, shown);
    QTemporaryDir bin;
    const QString record = bin.filePath(QStringLiteral("arguments"));
    QFile script(bin.filePath(QStringLiteral("xdg-open")));
    QVERIFY(script.open(QIODevice::WriteOnly));
    script.write(QStringLiteral("#!/bin/sh\nprintf '%s|' \"$@\" > '%1.part' && mv '%1.part' '%1'\n"
                                "exit %2\n")
                     .arg(record)
                     .arg(exitCode)
                     .toUtf8());
    script.close();
    script.setPermissions(script.permissions() | QFile::ExeOwner);
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", bin.path().toUtf8() + ":" + path);
    routeUrlsThroughXdgOpen();
    qputenv("PATH", path);

    const QUrl clip = QUrl::fromLocalFile(QStringLiteral("/tmp/my clips/a.avi"));
    QVERIFY(openExternally(clip, &m_parent));
    QTRY_VERIFY(QFile::exists(record));
    QFile arguments(record);
    QVERIFY(arguments.open(QIODevice::ReadOnly));
    QCOMPARE(arguments.readAll(), QByteArray("/tmp/my clips/a.avi|"));
    // The run is over once its process is gone; only then has its exit been judged.
    QTRY_VERIFY(qApp->findChildren<QProcess*>().isEmpty());
    QCOMPARE(shownFailures(), shown);
}

QTEST_MAIN(TestExternalOpen)
#include "test_external_open.moc"
