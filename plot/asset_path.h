#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace lumenary
{

// The folders a file the program reads is looked for in, in order: the current working folder,
// the folder of the executable, then the installed data folder (<prefix>/share/lumenary).
QStringList assetFolders();

// The path of the first readable file named fileName in assetFolders(), or nothing.
std::optional<QString> findAsset(const QString& fileName);

} // namespace lumenary
