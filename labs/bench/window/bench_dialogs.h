#pragma once

#include "export_actions.h"

#include <QString>

#include <functional>

class QWidget;

namespace lumenary::bench
{

// What the student answers when unsaved changes would be lost.
enum class UnsavedAnswer { Save, Discard, Cancel };

// Every dialog the Optical Bench's window opens, as functions, so that tests and the soak answer
// them without a modal dialog (and never touch the student's folders).
struct BenchDialogs {
    // A scene file to open, starting in folder; empty when cancelled.
    std::function<QString(QWidget* parent, const QString& folder)> openFile;
    // The name to save a scene as, starting from suggested; empty when cancelled.
    std::function<QString(QWidget* parent, const QString& suggested)> saveFile;
    // Save, Discard or Cancel for the unsaved changes of the scene named.
    std::function<UnsavedAnswer(QWidget* parent, const QString& sceneName)> askUnsaved;
    // Whether to restore a scene kept from a run that ended without saving it (the question
    // says which scene and when it was kept).
    std::function<bool(QWidget* parent, const QString& question)> askRestore;
    // Tells the student what went wrong (a file that could not be opened or saved).
    std::function<void(QWidget* parent, const QString& message)> report;
    // The picture's file and the printer, for Export Picture… and Print….
    ExportActions::FileChooser pictureFile;
    ExportActions::PrinterChooser printer;
};

// The system's file dialogs and message boxes.
BenchDialogs systemBenchDialogs();

// The dialogs every bench window made from now on starts with (the system's until set).
BenchDialogs defaultBenchDialogs();
void setDefaultBenchDialogs(BenchDialogs dialogs);

} // namespace lumenary::bench
