#include "bench_files.h"

#include "asset_path.h"
#include "example_texts.h"
#include "picture_export.h"
#include "scene_file.h"
#include "scene_limits.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLockFile>
#include <QSaveFile>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace lumenary::bench
{

namespace
{

// The key a recovery file keeps the scene's own file under, taken out again on restoring.
constexpr char kRecoveredFrom[] = "lumenary_recovered_from";

QString lockName(const QString& path)
{
    return path + QStringLiteral(".lock");
}

QString titleOf(const QString& path)
{
    QString title = QFileInfo(path).completeBaseName();
    title.replace(QLatin1Char('_'), QLatin1Char(' '));
    if (!title.isEmpty())
        title[0] = title[0].toUpper();
    return title;
}

// A text as a JSON string value ("…" with its escapes), and back.
std::string jsonString(const QString& text)
{
    const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2).toStdString();
}

QString fromJsonString(const std::string& json)
{
    const QJsonDocument d = QJsonDocument::fromJson(QByteArray::fromStdString("[" + json + "]"));
    return d.isArray() ? d.array().at(0).toString() : QString();
}

} // namespace

SceneFile readSceneFile(const QString& path, const QString& shownName)
{
    SceneFile out;
    QFile file(path);
    errno = 0;
    if (!file.open(QIODevice::ReadOnly)) {
        // The words lumenary-trace uses for a file it cannot read.
        const int error = errno;
        out.problem = shownName + QStringLiteral(": cannot be read: ") +
                      (error ? QString::fromLocal8Bit(std::strerror(error)) : file.errorString());
        return out;
    }
    const QByteArray bytes = file.read(qint64(kMaxFileBytes) + 1);
    if (file.error() != QFileDevice::NoError) {
        out.problem = shownName + QStringLiteral(": cannot be read: ") + file.errorString();
        return out;
    }
    const SceneReading reading = readScene(std::string_view(bytes.constData(), bytes.size()));
    if (!reading.scene) {
        out.problem = QString::fromStdString(errorLine(shownName.toStdString(), reading.error));
        return out;
    }
    out.scene = *reading.scene;
    return out;
}

std::optional<QString> writeSceneFile(const Scene& scene, const QString& path)
{
    const std::string text = writeScene(scene);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    if (!writeAll(file, QByteArray::fromStdString(text))) {
        const QString reason =
            file.error() != QFileDevice::NoError
                ? file.errorString()
                : QCoreApplication::translate("BenchFiles", "The file could not be written "
                                                            "whole.");
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

std::vector<ExampleScene> exampleScenes()
{
    std::vector<ExampleScene> out;
    for (const QString& folder : assetFolders()) {
        const QDir scenes(QDir(folder).filePath(QStringLiteral("scenes")));
        const QStringList names =
            scenes.entryList({QStringLiteral("*.lumenary")}, QDir::Files, QDir::Name);
        for (const QString& name : names) {
            const QString path = scenes.filePath(name);
            const SceneFile read = readSceneFile(path, name);
            if (read.scene)
                out.push_back({path, exampleText(titleOf(path)),
                               exampleText(QString::fromStdString(read.scene->description))});
        }
        if (!out.empty())
            break;
    }
    return out;
}

QString recoveryFolder()
{
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || !QDir::isAbsolutePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return QDir(state).filePath(QStringLiteral("lumenary/recovery"));
}

RecoveryFile::RecoveryFile() = default;

RecoveryFile::~RecoveryFile() = default;

bool RecoveryFile::lock(const QString& path)
{
    auto held = std::make_unique<QLockFile>(lockName(path));
    held->setStaleLockTime(0); // a lock is stale only when its program is gone
    if (!held->tryLock(0))
        return false;
    m_lock = std::move(held);
    m_path = path;
    return true;
}

bool RecoveryFile::write(const Scene& scene, const QString& originalPath)
{
    if (m_path.isEmpty()) {
        const QDir folder(recoveryFolder());
        if (!folder.mkpath(QStringLiteral(".")))
            return false;
        QFile::setPermissions(folder.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                 QFileDevice::ExeOwner);
        for (int n = 0; n < 1000 && m_path.isEmpty(); ++n) {
            const QString name = folder.filePath(QStringLiteral("scene-%1-%2.lumenary")
                                                     .arg(QCoreApplication::applicationPid())
                                                     .arg(n));
            if (!QFile::exists(name) && !QFile::exists(lockName(name)))
                lock(name);
        }
        if (m_path.isEmpty())
            return false;
    }
    Scene kept = scene;
    if (!originalPath.isEmpty())
        kept.extra.emplace_back(kRecoveredFrom, jsonString(originalPath));
    return !writeSceneFile(kept, m_path);
}

void RecoveryFile::remove()
{
    if (m_path.isEmpty())
        return;
    QFile::remove(m_path);
    m_lock.reset(); // removes the lock file
    m_path.clear();
}

void RecoveryFile::adopt(const QString& recoveryPath)
{
    remove();
    if (!lock(recoveryPath))
        m_path.clear();
}

std::vector<RecoveredScene> RecoveryFile::orphans()
{
    std::vector<RecoveredScene> out;
    const QDir folder(recoveryFolder());
    const QFileInfoList files =
        folder.entryInfoList({QStringLiteral("*.lumenary")}, QDir::Files, QDir::Time);
    for (const QFileInfo& info : files) {
        QLockFile probe(lockName(info.filePath()));
        probe.setStaleLockTime(0);
        if (!probe.tryLock(0))
            continue; // a running program keeps it
        probe.unlock();
        const SceneFile read = readSceneFile(info.filePath(), info.fileName());
        if (!read.scene)
            continue;
        RecoveredScene r{info.filePath(), *read.scene, {}, info.lastModified()};
        auto& extra = r.scene.extra;
        for (auto it = extra.begin(); it != extra.end(); ++it)
            if (it->first == kRecoveredFrom) {
                r.originalPath = fromJsonString(it->second);
                extra.erase(it);
                break;
            }
        out.push_back(std::move(r));
    }
    return out;
}

} // namespace lumenary::bench
