#include "asset_path.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace lumenary
{

QStringList assetFolders()
{
    QStringList folders{QDir::currentPath(), QCoreApplication::applicationDirPath(),
                        QStringLiteral(LUMENARY_DATA_DIR)};
    for (QString& folder : folders)
        folder = QDir::cleanPath(folder);
    folders.removeDuplicates();
    folders.removeAll(QString());
    return folders;
}

std::optional<QString> findAsset(const QString& fileName)
{
    if (fileName.isEmpty())
        return std::nullopt;
    for (const QString& folder : assetFolders()) {
        const QFileInfo file(QDir(folder), fileName);
        if (file.isFile() && file.isReadable())
            return file.absoluteFilePath();
    }
    return std::nullopt;
}

} // namespace lumenary
