#include "picture_record.h"

namespace lumenary
{

void PictureRecord::scale(double left, double top, double right, double bottom)
{
    // Kept lazily, at the next primitive: a window set on every mouse move must not fill the
    // list when nothing is drawn in it.
    m_scale = RecordedWindow{0, left, top, right, bottom};
    m_scaleChanged = true;
}

void PictureRecord::clear()
{
    m_primitives.clear();
    m_windows.clear();
    m_overflowed = false;
    m_scaleChanged = true;
}

void PictureRecord::add(const Primitive& primitive)
{
    if (m_overflowed)
        return;
    if (m_primitives.size() >= m_bound) {
        // Nothing kept can stand for the picture any more: the memory goes back.
        m_overflowed = true;
        std::vector<Primitive>().swap(m_primitives);
        std::vector<RecordedWindow>().swap(m_windows);
        return;
    }
    if (m_scaleChanged) {
        m_scaleChanged = false;
        m_scale.first = m_primitives.size();
        m_windows.push_back(m_scale);
    }
    m_primitives.push_back(primitive);
}

} // namespace lumenary
