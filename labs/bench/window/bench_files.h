#pragma once

#include "scene.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

class QLockFile;

// The Optical Bench's files: scenes read and written (the same refusals, in the same words, as
// lumenary-trace), the example scenes, and the recovery file kept while a scene has unsaved
// changes.
namespace lumenary::bench
{

// A scene read from a file, or the line that says why there is none.
struct SceneFile {
    std::optional<Scene> scene;
    QString problem; // "FILE:LINE:COLUMN: message", "FILE: cannot be read: No such file…"
};

// Reads a scene file; shownName names it in the problem (the path as the student gave it).
SceneFile readSceneFile(const QString& path, const QString& shownName);

// Writes a scene through a temporary file beside the target, so that a failure leaves any file
// of that name as it was; the reason (the system's words) on failure.
std::optional<QString> writeSceneFile(const Scene& scene, const QString& path);

// An example scene shipped with the program: its file, its title from the file's name
// ("Kepler telescope") and its description, both in the running language.
struct ExampleScene {
    QString path;
    QString title;
    QString description;
};
// The examples found in the first asset folder that holds a "scenes" folder of them.
std::vector<ExampleScene> exampleScenes();

// Where recovery files are kept: $XDG_STATE_HOME/lumenary/recovery, or
// ~/.local/state/lumenary/recovery when XDG_STATE_HOME is not set to an absolute path.
QString recoveryFolder();

// A scene kept by a run that ended without saving it.
struct RecoveredScene {
    QString recoveryPath; // the recovery file
    Scene scene;
    QString originalPath; // the file the scene came from; empty for a new one
    QDateTime kept;       // when it was last written
};

// The recovery file of one window: written every minute while its scene has unsaved changes,
// removed when they are saved or discarded. It holds a lock while this run owns it, so that a
// later run offers only the files of runs that ended.
class RecoveryFile
{
    Q_DECLARE_TR_FUNCTIONS(RecoveryFile)
public:
    RecoveryFile();
    ~RecoveryFile();
    RecoveryFile(const RecoveryFile&) = delete;
    RecoveryFile& operator=(const RecoveryFile&) = delete;

    // Writes the scene (and the file it came from) to this window's recovery file, made on the
    // first write; false when it could not be written.
    bool write(const Scene& scene, const QString& originalPath);
    // Removes the recovery file, if there is one.
    void remove();
    // Takes over a recovered file as this window's own (after it was restored).
    void adopt(const QString& recoveryPath);
    // The file, once written or adopted; empty before.
    QString path() const { return m_path; }

    // The recovery files that no running program holds, newest first, with their scenes (a
    // file that no longer reads as a scene is left out and left alone).
    static std::vector<RecoveredScene> orphans();

private:
    bool lock(const QString& path);

    QString m_path;
    std::unique_ptr<QLockFile> m_lock;
};

} // namespace lumenary::bench
