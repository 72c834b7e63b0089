#include "asset_path.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace lumenary
{

QStringList assetFolders()
{
    QStringList folders{QDir::currentPath()};
    if (QCoreApplication::instance()) {
        const QString exeDir = QCoreApplication::applicationDirPath();
        folders << exeDir;
        // The data folder of an installation, wherever its prefix is: <prefix>/bin/../share.
        folders << QDir::cleanPath(exeDir + QStringLiteral("/../share/lumenary"));
    }
    folders << QStringLiteral(LUMENARY_DATA_DIR);
    return folders;
}

std::optional<QString> findAsset(const QString& fileName, const QStringList& folders)
{
    // A bare file name only: nothing may lead out of the folders searched.
    if (fileName.isEmpty() || fileName.contains(QLatin1Char('/')) ||
        fileName.contains(QLatin1Char('\\')) || fileName == QLatin1String(".") ||
        fileName == QLatin1String(".."))
        return std::nullopt;
    for (const QString& folder : folders) {
        if (folder.isEmpty())
            continue;
        const QFileInfo candidate(QDir(folder), fileName);
        if (candidate.isFile())
            return candidate.absoluteFilePath();
    }
    return std::nullopt;
}

std::optional<QString> findAsset(const QString& fileName)
{
    return findAsset(fileName, assetFolders());
}

} // namespace lumenary
