#include "ffmpeg_encoder.h"

namespace lumenary::tools
{

FfmpegEncoder::FfmpegEncoder(const QString& path, QSize size, int framesPerSecond) : m_size(size)
{
    m_process.setProcessChannelMode(QProcess::SeparateChannels);
    m_process.start(QStringLiteral("ffmpeg"), arguments(path, size, framesPerSecond));
    m_ok = m_process.waitForStarted(10000);
    if (!m_ok)
        m_diagnostics = m_process.errorString();
}

FfmpegEncoder::~FfmpegEncoder()
{
    if (!m_finished && m_process.state() != QProcess::NotRunning) {
        m_process.kill();
        m_process.waitForFinished(5000);
    }
}

QStringList FfmpegEncoder::arguments(const QString& path, QSize size, int framesPerSecond)
{
    return {QStringLiteral("-y"),
            QStringLiteral("-hide_banner"),
            QStringLiteral("-loglevel"),
            QStringLiteral("error"),
            QStringLiteral("-f"),
            QStringLiteral("rawvideo"),
            QStringLiteral("-pixel_format"),
            QStringLiteral("rgb24"),
            QStringLiteral("-video_size"),
            QStringLiteral("%1x%2").arg(size.width()).arg(size.height()),
            QStringLiteral("-framerate"),
            QString::number(framesPerSecond),
            QStringLiteral("-i"),
            QStringLiteral("pipe:0"),
            QStringLiteral("-c:v"),
            QStringLiteral("mpeg4"),
            QStringLiteral("-vtag"),
            QStringLiteral("XVID"),
            QStringLiteral("-q:v"),
            QStringLiteral("6"),
            QStringLiteral("-mbd"),
            QStringLiteral("rd"),
            QStringLiteral("-trellis"),
            QStringLiteral("2"),
            QStringLiteral("-bf"),
            QStringLiteral("2"),
            QStringLiteral("-flags:v"),
            QStringLiteral("+mv4+aic+bitexact"),
            QStringLiteral("-g"),
            QString::number(2 * framesPerSecond),
            QStringLiteral("-pix_fmt"),
            QStringLiteral("yuv420p"),
            QStringLiteral("-fflags"),
            QStringLiteral("+bitexact"),
            QStringLiteral("-map_metadata"),
            QStringLiteral("-1"),
            QStringLiteral("-f"),
            QStringLiteral("avi"),
            path};
}

void FfmpegEncoder::add(const QImage& frame)
{
    if (!m_ok)
        return;
    QImage rgb = frame.convertToFormat(QImage::Format_RGB888);
    if (rgb.size() != m_size)
        rgb = rgb.scaled(m_size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const qint64 rowBytes = static_cast<qint64>(m_size.width()) * 3;
    for (int y = 0; y < rgb.height() && m_ok; ++y) {
        const char* row = reinterpret_cast<const char*>(rgb.constScanLine(y));
        m_ok = m_process.write(row, rowBytes) == rowBytes;
    }
    // Keep the pipe from filling up faster than ffmpeg reads it.
    while (m_ok && m_process.bytesToWrite() > 0)
        m_ok = m_process.waitForBytesWritten(30000);
}

bool FfmpegEncoder::finish()
{
    if (m_finished)
        return m_ok;
    m_finished = true;
    if (m_process.state() == QProcess::NotRunning)
        return false;
    m_process.closeWriteChannel();
    const bool ended = m_process.waitForFinished(120000);
    m_diagnostics += QString::fromLocal8Bit(m_process.readAllStandardError());
    m_ok = m_ok && ended && m_process.exitStatus() == QProcess::NormalExit &&
           m_process.exitCode() == 0;
    return m_ok;
}

} // namespace lumenary::tools
