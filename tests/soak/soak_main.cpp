// lumenary_soak --seed N --events M [--stall-seconds S] [--trace-from K] [--memory-mb A]
//
// Opens every window through the launcher and drives it with M random events drawn from seed N,
// checking the program's invariants after each. The same seed and count replay the same run;
// --trace-from K prints every event from the K-th on. Resident memory may grow by at most A MB
// (4 unless given; 0 turns the check off) once the program has warmed up.
#include "launcher.h"
#include "memory_check.h"
#include "memory_policy.h"
#include "soak_bench_dialogs.h"
#include "soak_driver.h"
#include "watchdog.h"
#include "window_catalog.h"
#include "window_registry.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFont>
#include <QPixmapCache>
#include <QTemporaryDir>
#include <QUrl>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <optional>
#include <string>

namespace
{

// Receives the web pages and clips the program asks the desktop to open, so that a soak starts
// no browser or player; the program's own path to the desktop is left as it is.
class ExternalOpener : public QObject
{
    Q_OBJECT
public:
    explicit ExternalOpener(lumenary::soak::Driver*& driver) : m_driver(driver) {}
public slots:
    void open(const QUrl&)
    {
        if (m_driver)
            m_driver->countExternalRequest();
    }

private:
    lumenary::soak::Driver*& m_driver;
};

struct Options {
    std::uint64_t seed = 1;
    std::uint64_t events = 10000;
    long stallSeconds = 60;
    std::uint64_t traceFrom = std::numeric_limits<std::uint64_t>::max();
    std::uint64_t memoryMb = 4;
};

// Sanitizers hold freed memory back in quarantine, so resident memory says nothing there.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kMemoryMeaningful = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kMemoryMeaningful = false;
#else
constexpr bool kMemoryMeaningful = true;
#endif
#else
constexpr bool kMemoryMeaningful = true;
#endif

// Events before resident memory is taken as the baseline: enough to open every window and fill
// the caches a first use fills.
constexpr std::uint64_t kWarmUpEvents = 3000;

double megabytes(std::uint64_t bytes)
{
    return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

std::optional<std::uint64_t> number(const char* text)
{
    char* end = nullptr;
    errno = 0;
    const unsigned long long value = std::strtoull(text, &end, 10);
    if (errno != 0 || end == text || *end != '\0' || text[0] == '-')
        return std::nullopt;
    return value;
}

std::optional<Options> parseOptions(int argc, char* argv[])
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        const std::string flag = argv[i];
        if (i + 1 >= argc)
            return std::nullopt;
        const auto value = number(argv[++i]);
        if (!value)
            return std::nullopt;
        if (flag == "--seed")
            options.seed = *value;
        else if (flag == "--events")
            options.events = *value;
        else if (flag == "--stall-seconds" && *value > 0 && *value < 100000)
            options.stallSeconds = static_cast<long>(*value);
        else if (flag == "--trace-from")
            options.traceFrom = *value;
        else if (flag == "--memory-mb" && *value < 100000)
            options.memoryMb = *value;
        else
            return std::nullopt;
    }
    return options;
}

} // namespace

int main(int argc, char* argv[])
{
    const auto options = parseOptions(argc, argv);
    if (!options) {
        std::fprintf(stderr, "usage: lumenary_soak --seed N --events M [--stall-seconds S] "
                             "[--trace-from K] [--memory-mb A]\n");
        return 2;
    }
    lumenary::returnLargeBlocksToSystem();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lumenary"));
    lumenary::returnFreePagesAfterInput(app);
    lumenary::boundPixmapCache();
    QApplication::setQuitOnLastWindowClosed(false);
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(8.25);
    QApplication::setFont(font);
    // Qt keeps the styled pieces of controls it has drawn (10 MB at most by default) and fills
    // that cache as controls of new sizes appear, as the Optical Bench's property panel makes
    // them; a small cache keeps its filling from being taken for growth.
    QPixmapCache::setCacheLimit(1024);

    lumenary::soak::Driver* driverForOpener = nullptr;
    ExternalOpener opener(driverForOpener);
    const QStringList schemes{QStringLiteral("http"), QStringLiteral("https"),
                              QStringLiteral("file"), QStringLiteral("ftp"),
                              QStringLiteral("mailto")};
    for (const QString& scheme : schemes)
        QDesktopServices::setUrlHandler(scheme, &opener, "open");
    struct Unset {
        const QStringList& schemes;
        ~Unset()
        {
            for (const QString& scheme : schemes)
                QDesktopServices::unsetUrlHandler(scheme);
        }
    } unset{schemes};

    // The recovery file and every file the soak saves stay in a folder of its own.
    QTemporaryDir scratch;
    if (!scratch.isValid()) {
        std::fprintf(stderr, "soak: no temporary folder\n");
        return 1;
    }
    qputenv("XDG_STATE_HOME", QDir(scratch.path()).filePath(QStringLiteral("state")).toLocal8Bit());
    lumenary::soak::answerBenchDialogs(scratch.path(), options->seed);

    lumenary::WindowRegistry registry;
    lumenary::registerWindows(registry);
    lumenary::Launcher launcher(registry);
    launcher.show();
    QApplication::processEvents();

    lumenary::soak::Driver driver(launcher, registry, options->seed);
    driverForOpener = &driver;
    lumenary::soak::Watchdog watchdog(options->seed, std::chrono::seconds(options->stallSeconds));
    QObject probe;
    const bool checkMemory = kMemoryMeaningful && options->memoryMb > 0;
    // The windows open at a time come and go, and memory with them: the baseline is the highest
    // reading over a tenth of the run (up to 20,000 events) after the warm-up.
    lumenary::soak::MemoryCheck memory(kWarmUpEvents,
                                       std::min<std::uint64_t>(20000, options->events / 10),
                                       options->memoryMb * 1024 * 1024);
    const auto started = std::chrono::steady_clock::now();

    for (std::uint64_t i = 0; i < options->events; ++i) {
        watchdog.begin(i);
        const QString what = driver.step();
        if (i >= options->traceFrom)
            std::fprintf(stderr, "%llu: %s\n", static_cast<unsigned long long>(i),
                         qPrintable(what));
        // Alive: a queued call still comes back through the event queue.
        bool answered = false;
        QMetaObject::invokeMethod(
            &probe, [&answered] { answered = true; }, Qt::QueuedConnection);
        QApplication::processEvents();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QString problem = driver.check();
        if (problem.isEmpty() && !answered)
            problem = QStringLiteral("the event queue no longer answers");
        // Warm once every window has been shown and every way out of one (copy, save, print)
        // taken: each loads what it needs the first time.
        const std::uint64_t over = memory.afterEvent(
            i + 1, driver.windowsNeverShown().isEmpty() && driver.exportsNeverDone().isEmpty(),
            driver.workBytes());
        if (problem.isEmpty() && checkMemory && over > 0)
            problem = QStringLiteral("resident memory grew %1 MB past its %2 MB allowance since "
                                     "the warm-up")
                          .arg(megabytes(over), 0, 'f', 1)
                          .arg(options->memoryMb);
        if ((i + 1) % 20000 == 0) {
            std::printf("soak: seed %llu, %llu events done, resident memory %.1f MB\n",
                        static_cast<unsigned long long>(options->seed),
                        static_cast<unsigned long long>(i + 1),
                        megabytes(lumenary::soak::residentBytes().value_or(0)));
            std::fflush(stdout);
        }
        if (!problem.isEmpty()) {
            std::fprintf(stderr,
                         "soak: seed %llu, event %llu (%s): %s\n"
                         "replay: lumenary_soak --seed %llu --events %llu --trace-from %llu\n",
                         static_cast<unsigned long long>(options->seed),
                         static_cast<unsigned long long>(i), qPrintable(what), qPrintable(problem),
                         static_cast<unsigned long long>(options->seed),
                         static_cast<unsigned long long>(i + 1),
                         static_cast<unsigned long long>(i > 50 ? i - 50 : 0));
            return 1;
        }
    }

    const QStringList missing = driver.windowsNeverShown();
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    std::printf("soak: seed %llu, %llu events in %.1f s, %d web pages and clips asked for\n",
                static_cast<unsigned long long>(options->seed),
                static_cast<unsigned long long>(options->events), seconds,
                driver.externalRequests());
    if (const auto baseline = memory.baseline())
        std::printf("soak: seed %llu, resident memory %.1f MB after the warm-up, %.1f MB at the "
                    "end, peak %.1f MB\n",
                    static_cast<unsigned long long>(options->seed), megabytes(*baseline),
                    megabytes(lumenary::soak::residentBytes().value_or(0)),
                    megabytes(memory.peak()));
    // A run long enough to reach every window must have reached every window, and have
    // copied, saved and printed in every way.
    const QStringList notDone = driver.exportsNeverDone();
    if (options->events >= 2000 && (!missing.isEmpty() || !notDone.isEmpty())) {
        std::fprintf(stderr, "soak: seed %llu never showed %s; never did %s\n",
                     static_cast<unsigned long long>(options->seed),
                     qPrintable(missing.join(QStringLiteral(", "))),
                     qPrintable(notDone.join(QStringLiteral(", "))));
        return 1;
    }
    driverForOpener = nullptr;
    return 0;
}

#include "soak_main.moc"
