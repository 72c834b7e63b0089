#pragma once

#include "tracer.h"

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

signals:
    // More of the trace is done (newScene: a new scene was taken and traced as far as a frame
    // allows): the picture and the read-outs follow.
    void progressed(bool newScene);

private:
    void idlePass();

    Tracer m_tracer;
    QTimer m_idle;
};

} // namespace lumenary::bench
