#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace lumenary
{

// The folders where the program looks for the files it reads or hands on (the instructions
// document, the video clips), in order: the current working folder, the folder of the
// executable, then the data folder of the installation the executable belongs to
// (<exe>/../share/lumenary), then the data folder of the configured install prefix.
QStringList assetFolders();

// The full path of fileName in the first of folders that holds such a file; empty when none
// does. A name that is empty or reaches outside the folder is never found.
std::optional<QString> findAsset(const QString& fileName, const QStringList& folders);

// The full path of fileName in the first of assetFolders() that holds it.
std::optional<QString> findAsset(const QString& fileName);

} // namespace lumenary
