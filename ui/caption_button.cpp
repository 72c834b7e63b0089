#include "caption_button.h"

#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace lumenary
{

CaptionButton::CaptionButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent)
{
}

void CaptionButton::paintEvent(QPaintEvent* event)
{
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect area = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    const QString caption = text();
    // Measured as shown: a mnemonic's "&" is drawn as an underline, not as a letter.
    const QString shown = QString(caption).remove(QRegularExpression(QStringLiteral("&(?!&)")));
    if (fontMetrics().horizontalAdvance(shown) <= area.width() || !caption.contains(' ')) {
        QPushButton::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    painter.drawText(area, Qt::AlignCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, caption);
}

} // namespace lumenary
