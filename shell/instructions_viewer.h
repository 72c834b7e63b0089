#pragma once

#include "asset_path.h"
#include "lab_window.h"

#include <QString>
#include <QStringList>

#include <optional>

class QPushButton;
class QTextEdit;

namespace lumenary
{

// The name of the instructions document (in English).
inline constexpr char kInstructionsFile[] = "lumenary.rtf";

// The name of the instructions document in a language: "lumenary.de.rtf"; the English
// document for English.
QString instructionsFile(const QString& language);

// Where the document in language is, by the asset folder search: its translation, else the
// English document; none when neither is found.
std::optional<QString> findInstructions(const QString& language,
                                        const QStringList& folders = assetFolders());

// "Lumenary Instructions": the instructions document in the running language (else in
// English), read once when the window is created,
// and a Close button that hides the window so the next showing finds the same place.
class InstructionsViewer final : public LabWindow
{
    Q_OBJECT
public:
    explicit InstructionsViewer(QWidget* parent = nullptr);

private slots:
    void Command1_Click(); // "Close"

private:
    void Form_Load();

    QTextEdit* m_text = nullptr;
    QPushButton* m_close = nullptr;
};

// The sentence shown in place of a document that was not found in any of folders.
QString missingDocumentText(const QString& fileName, const QStringList& folders);
// The sentence shown in place of a document found at path that could not be read as RTF.
QString unreadableDocumentText(const QString& path);

// Creates the instructions viewer, named "LumenaryDoc".
QWidget* createInstructionsViewer();

} // namespace lumenary
