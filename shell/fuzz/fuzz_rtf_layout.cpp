// Drives the whole way from bytes to a laid-out page: the RTF reader, the document builder and the
// layout of the built document at the instructions viewer's width. libFuzzer's per-input time and
// memory limits make a slow or fat layout a finding, as a crash is.
#include "rtf_builder.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QTextBlock>
#include <QTextDocument>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace
{

// The viewer's text area: 8805 twips less the frame and the vertical scroll bar.
constexpr double kViewerTextWidth = 560.0;

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Broken pictures are the fuzzer's daily bread; their decoders' complaints are noise.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QTextDocument document;
    lumenary::setRtf(document, QByteArrayView(data, static_cast<qsizetype>(size)));
    document.setTextWidth(kViewerTextWidth);
    // Lays out every block, as scrolling to the end would.
    const QRectF last = document.documentLayout()->blockBoundingRect(document.lastBlock());
    const QSizeF whole = document.size();
    check(std::isfinite(last.bottom()) && std::isfinite(whole.height()));
    // The layout's heights stay far from where they stop settling.
    check(whole.height() < 16.0e6);
    return 0;
}
