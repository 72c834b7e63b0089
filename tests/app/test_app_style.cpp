#include "app_style.h"
#include "launcher.h"
#include "window_catalog.h"
#include "window_registry.h"

#include <QApplication>
#include <QPainter>
#include <QTest>

using namespace lumenary;

// The program's style defers the overflow buttons' icons; everything it draws must stay as the
// platform style draws it.
class TestAppStyle : public QObject
{
    Q_OBJECT
private slots:
    void iconsMatchTheBaseStyle_data();
    void iconsMatchTheBaseStyle();
    void copiesOfADeferredIconShareItsPicture();
    void launcherLooksTheSame();
};

namespace
{

QImage drawn(const QIcon& icon, int side)
{
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    icon.paint(&painter, image.rect());
    return image;
}

QImage launcherPicture()
{
    WindowRegistry registry;
    registerWindows(registry);
    Launcher launcher(registry, [](const QUrl&) {});
    launcher.show();
    if (!QTest::qWaitForWindowExposed(&launcher))
        return {};
    return launcher.grab().toImage();
}

} // namespace

void TestAppStyle::iconsMatchTheBaseStyle_data()
{
    QTest::addColumn<QStyle::StandardPixmap>("which");
    QTest::newRow("horizontal overflow") << QStyle::SP_ToolBarHorizontalExtensionButton;
    QTest::newRow("vertical overflow") << QStyle::SP_ToolBarVerticalExtensionButton;
    QTest::newRow("warning") << QStyle::SP_MessageBoxWarning;
    QTest::newRow("open folder") << QStyle::SP_DirOpenIcon;
}

void TestAppStyle::iconsMatchTheBaseStyle()
{
    QFETCH(QStyle::StandardPixmap, which);
    AppStyle style;
    const QIcon expected = style.baseStyle()->standardIcon(which);
    QVERIFY(!expected.isNull());
    for (int side : {8, 16, 32}) {
        // A fresh icon each time, so that each question is the first it is asked.
        QCOMPARE(style.standardIcon(which).actualSize(QSize(side, side)),
                 expected.actualSize(QSize(side, side)));
        QCOMPARE(style.standardIcon(which).pixmap(side).toImage(), expected.pixmap(side).toImage());
        QCOMPARE(drawn(style.standardIcon(which), side), drawn(expected, side));
    }
    QCOMPARE(style.standardIcon(which).availableSizes(), expected.availableSizes());
    QVERIFY(!style.standardIcon(which).isNull());
}

void TestAppStyle::copiesOfADeferredIconShareItsPicture()
{
    AppStyle style;
    QIcon original = style.standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton);
    const QIcon copy = original;
    original.detach();
    const QImage expected = style.baseStyle()
                                ->standardIcon(QStyle::SP_ToolBarHorizontalExtensionButton)
                                .pixmap(16)
                                .toImage();
    QCOMPARE(original.pixmap(16).toImage(), expected);
    QCOMPARE(copy.pixmap(16).toImage(), expected);
}

void TestAppStyle::launcherLooksTheSame()
{
    const QImage plain = launcherPicture();
    QVERIFY(!plain.isNull());
    QApplication::setStyle(new AppStyle);
    QCOMPARE(launcherPicture(), plain);
}

QTEST_MAIN(TestAppStyle)
#include "test_app_style.moc"
