#include "memory_policy.h"

#include "heap_trim.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPixmapCache>
#include <QTimer>

// A C library header first: it is what defines __GLIBC__.
#include <cstdlib>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace lumenary
{

namespace
{

// Watches the application's input and trims the heap once it has been quiet for a moment.
class FreePageReturner final : public QObject
{
public:
    explicit FreePageReturner(QCoreApplication& app) : QObject(&app)
    {
        m_timer.setSingleShot(true);
        m_timer.setInterval(1000);
        connect(&m_timer, &QTimer::timeout, this, [] { trimHeap(); });
        app.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // Not restarted by later input, so that a long busy spell is trimmed too.
        switch (event->type()) {
        case QEvent::MouseButtonRelease:
        case QEvent::KeyRelease:
        case QEvent::Wheel:
        case QEvent::Close:
        case QEvent::Resize:
            if (!m_timer.isActive())
                m_timer.start();
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QTimer m_timer;
};

} // namespace

void returnLargeBlocksToSystem()
{
#if defined(__GLIBC__)
    // glibc's own starting threshold, held there rather than raised.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
#endif
}

void boundPixmapCache()
{
    QPixmapCache::setCacheLimit(2048); // in kilobytes
}

void returnFreePagesAfterInput(QCoreApplication& app)
{
    new FreePageReturner(app); // owned by the application
}

} // namespace lumenary
