#pragma once

#include "tracer.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <chrono>

namespace lumenary::bench
{

// Keeps the window's picture responsive while it traces: a new scene is traced for at most one
// frame's share of time at once, and the rest on the next idle passes of the event loop, each
// again a frame's share, until the trace is whole. The tracer keeps every path a change did not
// touch, so a drag retraces only the light near the element dragged.
//
//     runner.setScene(doc.scene()); // traces what fits in the frame, the rest when idle
//     connect(&runner, &TraceRunner::progressed, picture, [picture] { picture->update(); });
class TraceRunner final : public QObject
{
    Q_OBJECT
public:
    // The time one pass may trace: a third of a 60 Hz frame, leaving the rest for painting.
    static constexpr std::chrono::microseconds kFrameShare{5500};

    explicit TraceRunner(QObject* parent = nullptr);

    // Takes a changed scene and traces it for one frame's share; the rest follows when idle.
    void setScene(const Scene& scene);
    // Traces on for at most budget; true when the trace is whole.
    bool runFor(std::chrono::microseconds budget);
    // Traces to the end at once (for saving a picture, and for tests).
    void finish();

    const Tracer& tracer() const { return m_tracer; }
    bool finished() const { return m_tracer.finished(); }
    // About how much memory the trace holds: its paths, their segments and hits.
    std::size_t heldBytes() const;

signals:
    // More of the trace is done (newScene: a new scene was taken and traced as far as a frame
    // allows): the picture and the read-outs follow.
    void progressed(bool newScene);

private:
    void idlePass();
    // Gives freed memory back once the trace is whole (see kTrimAfterBytes).
    void trimWhenDone();

    Tracer m_tracer;
    QTimer m_idle;
    QTimer m_trim; // a trim put off until kTrimEveryMs have passed since the last
    QElapsedTimer m_sinceTrim;
    std::size_t m_freedSinceTrim = 0;
};

} // namespace lumenary::bench
