#include "accessible_text.h"

#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace lumenary
{

namespace
{

// A font family as a text attribute's value: quoted, with the separators escaped.
QString quotedFamily(QString family)
{
    for (const char* c : {"\\", ":", ",", "=", ";", "\""})
        family.replace(QLatin1String(c), QLatin1Char('\\') + QLatin1String(c));
    return QLatin1Char('"') + family + QLatin1Char('"');
}

QString rgb(const QColor& c)
{
    return QStringLiteral("rgb(%1,%2,%3)").arg(c.red()).arg(c.green()).arg(c.blue());
}

// The formatting of a document's character at position, as the text attributes of assistive
// technology ("name:value;", the names Qt's own text widgets give, which the platform bridges
// translate), and the run of characters around it that share it.
QString formatAt(const QTextDocument& document, int position, int* start, int* end)
{
    const QTextBlock block = document.findBlock(position);
    QTextCharFormat format = block.charFormat();
    *start = position;
    *end = position + 1;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (fragment.contains(position)) {
            format = fragment.charFormat();
            *start = std::max(fragment.position(), block.position());
            *end = std::min(fragment.position() + fragment.length(),
                            block.position() + block.length());
            break;
        }
    }
    const QFont font = format.font().resolve(document.defaultFont());
    QStringList pairs;
    auto add = [&](const char* name, const QString& value) {
        pairs << QLatin1String(name) + QLatin1Char(':') + value + QLatin1Char(';');
    };
    if (!font.families().isEmpty())
        add("font-family", quotedFamily(font.families().constFirst()));
    if (font.pointSizeF() > 0)
        add("font-size", QString::number(font.pointSizeF()) + QStringLiteral("pt"));
    add("font-weight",
        font.weight() > QFont::Normal ? QStringLiteral("bold") : QStringLiteral("normal"));
    add("font-style", font.style() == QFont::StyleItalic    ? QStringLiteral("italic")
                      : font.style() == QFont::StyleOblique ? QStringLiteral("oblique")
                                                            : QStringLiteral("normal"));
    if (font.underline() || format.underlineStyle() != QTextCharFormat::NoUnderline) {
        add("text-underline-style", QStringLiteral("solid"));
        add("text-underline-type", QStringLiteral("single"));
    }
    const auto place = format.verticalAlignment();
    add("text-position", place == QTextCharFormat::AlignSubScript     ? QStringLiteral("sub")
                         : place == QTextCharFormat::AlignSuperScript ? QStringLiteral("super")
                                                                      : QStringLiteral("baseline"));
    if (format.foreground().style() == Qt::SolidPattern)
        add("color", rgb(format.foreground().color()));
    if (format.background().style() == Qt::SolidPattern)
        add("background-color", rgb(format.background().color()));
    const Qt::Alignment align = block.blockFormat().alignment();
    add("text-align", align & Qt::AlignHCenter   ? QStringLiteral("center")
                      : align & Qt::AlignRight   ? QStringLiteral("right")
                      : align & Qt::AlignJustify ? QStringLiteral("justify")
                                                 : QStringLiteral("left"));
    return pairs.join(QString());
}

// What the two text widgets share: the text interface over a text, a caret and a selection
// that each widget keeps in its own way.
class TextAccessible : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    TextAccessible(QWidget* widget, QAccessible::Role role) : QAccessibleWidget(widget, role) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return fullText();
        return QAccessibleWidget::text(t);
    }

    void selection(int index, int* start, int* end) const override
    {
        *start = *end = 0;
        if (index == 0)
            selectionRange(start, end);
    }
    int selectionCount() const override
    {
        int start = 0;
        int end = 0;
        return selectionRange(&start, &end) && end > start ? 1 : 0;
    }
    void addSelection(int start, int end) override { select(start, end); }
    void removeSelection(int) override { select(cursorPosition(), cursorPosition()); }
    void setSelection(int, int start, int end) override { select(start, end); }
    QString text(int start, int end) const override
    {
        const QString all = fullText();
        start = std::clamp(start, 0, int(all.size()));
        end = std::clamp(end, start, int(all.size()));
        return all.mid(start, end - start);
    }
    int characterCount() const override { return int(fullText().size()); }
    void scrollToSubstring(int start, int) override { setCursorPosition(start); }
    // A field's text has one format, which assistive technology takes from the widget.
    QString attributes(int, int* start, int* end) const override
    {
        *start = 0;
        *end = characterCount();
        return QString();
    }

protected:
    virtual QString fullText() const = 0;
    virtual bool selectionRange(int* start, int* end) const = 0;
    virtual void select(int start, int end) = 0;
};

// A line edit whose text, caret and selection assistive technology reads; changes through it
// are made only while the field is not read-only, whatever asks.
class FieldAccessible final : public TextAccessible, public QAccessibleEditableTextInterface
{
public:
    explicit FieldAccessible(QLineEdit* field) : TextAccessible(field, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::EditableTextInterface)
            return field()->isReadOnly() ? nullptr
                                         : static_cast<QAccessibleEditableTextInterface*>(this);
        return TextAccessible::interface_cast(type);
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = TextAccessible::state();
        s.readOnly = field()->isReadOnly();
        s.editable = !s.readOnly;
        s.selectableText = true;
        return s;
    }

    void setText(QAccessible::Text t, const QString& text) override
    {
        if (t == QAccessible::Value && !field()->isReadOnly())
            field()->setText(text);
    }

    void deleteText(int start, int end) override { replaceText(start, end, QString()); }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int start, int end, const QString& text) override
    {
        if (field()->isReadOnly())
            return;
        const QString old = field()->text();
        start = std::clamp(start, 0, int(old.size()));
        end = std::clamp(end, start, int(old.size()));
        field()->setText(QString(old).replace(start, end - start, text));
    }

    int cursorPosition() const override { return field()->cursorPosition(); }
    void setCursorPosition(int position) override { field()->setCursorPosition(position); }
    QRect characterRect(int offset) const override
    {
        const QString all = field()->text();
        const QFontMetrics metrics = field()->fontMetrics();
        const int x = metrics.horizontalAdvance(all.left(offset));
        const int w = offset < all.size() ? metrics.horizontalAdvance(all.at(offset)) : 1;
        const QRect inside = field()->contentsRect();
        const QRect local(inside.left() + 2 + x, inside.top(), w, inside.height());
        return QRect(field()->mapToGlobal(local.topLeft()), local.size());
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        return field()->cursorPositionAt(field()->mapFromGlobal(point));
    }

protected:
    QString fullText() const override { return field()->text(); }
    bool selectionRange(int* start, int* end) const override
    {
        if (!field()->hasSelectedText())
            return false;
        *start = field()->selectionStart();
        *end = *start + int(field()->selectedText().size());
        return true;
    }
    void select(int start, int end) override { field()->setSelection(start, end - start); }

private:
    QLineEdit* field() const { return static_cast<QLineEdit*>(widget()); }
};

// A read-only document read as plain text, caret and selection those of its editor.
class DocumentAccessible final : public TextAccessible
{
public:
    explicit DocumentAccessible(QTextEdit* edit) : TextAccessible(edit, QAccessible::EditableText)
    {
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = TextAccessible::state();
        s.readOnly = true;
        s.multiLine = true;
        s.selectableText = true;
        return s;
    }
    void setText(QAccessible::Text, const QString&) override {}

    int cursorPosition() const override { return edit()->textCursor().position(); }
    void setCursorPosition(int position) override
    {
        QTextCursor cursor(edit()->document());
        cursor.setPosition(std::clamp(position, 0, characterCount()));
        edit()->setTextCursor(cursor);
        edit()->ensureCursorVisible();
    }
    QRect characterRect(int offset) const override
    {
        QTextCursor cursor(edit()->document());
        cursor.setPosition(std::clamp(offset, 0, characterCount()));
        const QRect at = edit()->cursorRect(cursor);
        const QPoint corner = edit()->viewport()->mapToGlobal(at.topLeft());
        return QRect(corner,
                     QSize(std::max(1, edit()->fontMetrics().averageCharWidth()), at.height()));
    }
    int offsetAtPoint(const QPoint& point) const override
    {
        return edit()->cursorForPosition(edit()->viewport()->mapFromGlobal(point)).position();
    }
    // Headings bold and large, emphasis, colours: the document's formats, read at document
    // positions as the text is. -2 asks at the caret, -1 at the end.
    QString attributes(int offset, int* start, int* end) const override
    {
        const int count = characterCount();
        if (offset == -2)
            offset = cursorPosition();
        if (offset == -1 || offset == count)
            offset = count - 1;
        if (offset < 0 || offset >= count) {
            *start = *end = -1;
            return QString();
        }
        return formatAt(*edit()->document(), offset, start, end);
    }

protected:
    QString fullText() const override
    {
        return readableDocumentText(edit()->document()->toRawText());
    }
    bool selectionRange(int* start, int* end) const override
    {
        const QTextCursor cursor = edit()->textCursor();
        if (!cursor.hasSelection())
            return false;
        *start = cursor.selectionStart();
        *end = cursor.selectionEnd();
        return true;
    }
    void select(int start, int end) override
    {
        const int last = characterCount();
        QTextCursor cursor(edit()->document());
        cursor.setPosition(std::clamp(start, 0, last));
        cursor.setPosition(std::clamp(end, 0, last), QTextCursor::KeepAnchor);
        edit()->setTextCursor(cursor);
    }

private:
    QTextEdit* edit() const { return static_cast<QTextEdit*>(widget()); }
};

QAccessibleInterface* textAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String("QLineEdit")) {
        auto* field = qobject_cast<QLineEdit*>(object);
        // A list's text part keeps the toolkit's interface: the list speaks for it.
        if (field && !qobject_cast<QComboBox*>(field->parentWidget()))
            return new FieldAccessible(field);
    }
    if (className == QLatin1String("QTextEdit")) {
        auto* edit = qobject_cast<QTextEdit*>(object);
        if (edit && edit->isReadOnly())
            return new DocumentAccessible(edit);
    }
    return nullptr;
}

} // namespace

void installTextAccessibles()
{
    static const bool installed = [] {
        QAccessible::installFactory(textAccessible);
        return true;
    }();
    (void)installed;
}

QString readableDocumentText(const QString& raw)
{
    QString text = raw;
    for (QChar& c : text) {
        const char16_t u = c.unicode();
        if (u == QChar::ParagraphSeparator || u == QChar::LineSeparator || u == 0xFDD0 ||
            u == 0xFDD1)
            c = QLatin1Char('\n');
        else if (u == QChar::ObjectReplacementCharacter)
            c = QLatin1Char(' ');
    }
    return text;
}

} // namespace lumenary
