#pragma once

#include <QImage>
#include <QProcess>
#include <QString>

namespace lumenary::tools
{

// Feeds frames to an ffmpeg process through its standard input and has it write an AVI file
// of MPEG-4 Visual video (fourcc XVID). ffmpeg is started with an argument list, never through
// a shell. Output is bit-exact, so the same frames give the same file.
class FfmpegEncoder
{
public:
    // Starts ffmpeg for frames of the given size and rate, writing to `path`.
    FfmpegEncoder(const QString& path, QSize size, int framesPerSecond);
    ~FfmpegEncoder();

    // The arguments ffmpeg is started with.
    static QStringList arguments(const QString& path, QSize size, int framesPerSecond);

    // Whether ffmpeg started and has accepted every frame so far.
    bool ok() const { return m_ok; }

    // Sends one frame (converted to the encoder's size and pixel layout if need be).
    void add(const QImage& frame);

    // Ends the stream and waits for ffmpeg; true when it wrote the file.
    bool finish();

    // What ffmpeg said on its error output.
    QString diagnostics() const { return m_diagnostics; }

private:
    QProcess m_process;
    QSize m_size;
    bool m_ok = false;
    bool m_finished = false;
    QString m_diagnostics;
};

} // namespace lumenary::tools
