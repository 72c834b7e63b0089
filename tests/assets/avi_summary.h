#pragma once

#include <QByteArray>
#include <QtEndian>

#include <optional>

namespace lumenary::test
{

// What the RIFF structure of an AVI file says about its video.
struct AviSummary {
    quint32 totalFrames = 0; // from the main header (avih)
    quint32 width = 0;
    quint32 height = 0;
    int videoStreams = 0; // stream headers (strh) of type "vids"
    int videoChunks = 0;  // non-empty frame chunks (##dc, ##db) in the movi list
};

namespace detail
{

inline quint32 u32(const QByteArray& b, qsizetype at)
{
    return qFromLittleEndian<quint32>(b.constData() + at);
}

// Walks the chunks of [from, to); false if any chunk runs past its parent.
inline bool walk(const QByteArray& b, qsizetype from, qsizetype to, AviSummary& s, bool inMovi)
{
    qsizetype at = from;
    while (at + 8 <= to) {
        const QByteArray id = b.mid(at, 4);
        const qsizetype size = u32(b, at + 4);
        const qsizetype data = at + 8;
        if (size > to - data)
            return false;
        if (id == "LIST") {
            if (size < 4)
                return false;
            const QByteArray type = b.mid(data, 4);
            if (!walk(b, data + 4, data + size, s, inMovi || type == "movi"))
                return false;
        } else if (id == "avih") {
            if (size < 40)
                return false;
            s.totalFrames = u32(b, data + 16);
            s.width = u32(b, data + 32);
            s.height = u32(b, data + 36);
        } else if (id == "strh") {
            if (size >= 4 && b.mid(data, 4) == "vids")
                ++s.videoStreams;
        } else if (inMovi && (id.endsWith("dc") || id.endsWith("db")) && size > 0) {
            ++s.videoChunks;
        }
        at = data + size + (size & 1); // chunks are padded to an even length
    }
    return true;
}

} // namespace detail

// Reads the headers of an AVI file held in memory; nothing if it is not a well-formed
// RIFF "AVI " file with a main header.
inline std::optional<AviSummary> readAvi(const QByteArray& bytes)
{
    if (bytes.size() < 12 || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "AVI ")
        return std::nullopt;
    const qsizetype riffEnd = 8 + static_cast<qsizetype>(detail::u32(bytes, 4));
    if (riffEnd > bytes.size())
        return std::nullopt;
    AviSummary s;
    if (!detail::walk(bytes, 12, riffEnd, s, false) || s.width == 0)
        return std::nullopt;
    return s;
}

} // namespace lumenary::test
