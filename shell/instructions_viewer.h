#pragma once

#include "lab_window.h"

#include <QString>
#include <QStringList>

class QPushButton;
class QTextEdit;

namespace lumenary
{

// The name of the instructions document.
inline constexpr char kInstructionsFile[] = "lumenary.rtf";

// "Lumenary Instructions": the instructions document, read once when the window is created,
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
