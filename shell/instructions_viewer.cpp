#include "instructions_viewer.h"

#include "asset_path.h"
#include "controls.h"
#include "language.h"
#include "rtf_builder.h"
#include "rtf_reader.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTextEdit>

namespace lumenary
{

InstructionsViewer::InstructionsViewer(QWidget* parent)
    : LabWindow(QStringLiteral("LumenaryDoc"), tr("Lumenary Instructions"), parent)
{
    m_text = new QTextEdit(this);
    // Read-only before anything asks for its accessible interface: a read-only document gets
    // the one that reads it as plain text.
    m_text->setReadOnly(true);
    m_text->setObjectName(QStringLiteral("RichTextBox1"));
    m_text->setAccessibleName(tr("Instructions"));
    m_text->setGeometry(twips(105, 60, 8805, 6180));
    // Read, select and copy, with no caret; the keys still page through the text.
    m_text->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_text->setFocusPolicy(Qt::StrongFocus);
    m_text->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_text->setLineWrapMode(QTextEdit::WidgetWidth);

    m_close = addButton(this, "Command1", tr("Close"), twips(3750, 6285, 660, 375));
    connect(m_close, &QPushButton::clicked, this, &InstructionsViewer::Command1_Click);

    Form_Load();
}

// Reads the document once; what cannot be read is replaced by one sentence saying why.
void InstructionsViewer::Form_Load()
{
    const std::optional<QString> path = findInstructions(currentLanguage());
    if (!path) {
        m_text->setPlainText(
            missingDocumentText(QString::fromLatin1(kInstructionsFile), assetFolders()));
        return;
    }
    QFile file(*path);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.read(static_cast<qint64>(rtf::kMaxInputBytes) + 1);
    if (bytes.size() > static_cast<qsizetype>(rtf::kMaxInputBytes) ||
        !rtf::looksLikeRtf(std::string_view(bytes.constData(), std::size_t(bytes.size())))) {
        m_text->setPlainText(unreadableDocumentText(*path));
        return;
    }
    setRtf(*m_text->document(), bytes);
    m_text->moveCursor(QTextCursor::Start);
}

void InstructionsViewer::Command1_Click()
{
    hide();
}

QString missingDocumentText(const QString& fileName, const QStringList& folders)
{
    QStringList shown;
    for (const QString& folder : folders)
        shown << QDir::toNativeSeparators(folder);
    return InstructionsViewer::tr(
               "The instructions document \"%1\" was not found in any of these folders: %2.")
        .arg(fileName, shown.join(QStringLiteral("; ")));
}

QString unreadableDocumentText(const QString& path)
{
    return InstructionsViewer::tr(
               "The instructions document \"%1\" could not be read as a rich-text document.")
        .arg(QDir::toNativeSeparators(path));
}

QString instructionsFile(const QString& language)
{
    if (language.isEmpty() || language == QLatin1String("en"))
        return QString::fromLatin1(kInstructionsFile);
    return QStringLiteral("lumenary.%1.rtf").arg(language);
}

std::optional<QString> findInstructions(const QString& language, const QStringList& folders)
{
    if (const auto translated = findAsset(instructionsFile(language), folders))
        return translated;
    return findAsset(QString::fromLatin1(kInstructionsFile), folders);
}

QWidget* createInstructionsViewer()
{
    return new InstructionsViewer();
}

} // namespace lumenary
