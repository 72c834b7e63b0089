#include "app_style.h"

#include <QApplication>
#include <QFont>
#include <QIconEngine>
#include <QPointer>

#include <functional>
#include <memory>

namespace lumenary
{

namespace
{

// An icon made on first use. Everything Qt asks of it goes to the real icon, made then.
class DeferredIconEngine final : public QIconEngine
{
public:
    explicit DeferredIconEngine(std::function<QIcon()> make) : m_make(std::move(make)) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State state) override
    {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override
    {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override
    {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return icon().isNull(); }
    QString key() const override { return QStringLiteral("deferred"); }
    QIconEngine* clone() const override
    {
        auto* copy = new DeferredIconEngine(m_make);
        copy->m_icon = m_icon;
        return copy;
    }

private:
    const QIcon& icon()
    {
        if (m_make) {
            m_icon = m_make();
            m_make = nullptr;
        }
        return m_icon;
    }

    std::function<QIcon()> m_make;
    QIcon m_icon;
};

} // namespace

AppStyle::AppStyle() = default;

QIcon AppStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                             const QWidget* widget) const
{
    if (icon != SP_ToolBarHorizontalExtensionButton && icon != SP_ToolBarVerticalExtensionButton)
        return QProxyStyle::standardIcon(icon, option, widget);
    // Made later without the option, which will be gone by then: it only carries the layout
    // direction, which is the application's in this program.
    QPointer<QStyle> base = baseStyle();
    return QIcon(
        new DeferredIconEngine([base, icon] { return base ? base->standardIcon(icon) : QIcon(); }));
}

void setUpApplication()
{
    QApplication::setStyle(new AppStyle);
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    QApplication::setFont(font);
}

} // namespace lumenary
