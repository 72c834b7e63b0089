#pragma once

#include <QString>
#include <QUrl>

#include <functional>

class QWidget;

namespace lumenary
{

// Hands a URL on to another program and says whether it could: the desktop's default is
// QDesktopServices::openUrl (the user's browser or player, through xdg-open where installed).
using ExternalOpener = std::function<bool(const QUrl&)>;

// Opens url with opener (the desktop's default when empty), without waiting for the program that
// shows it. When it cannot be handed on, one message box over parent names the web address or
// file that could not be opened; a box still showing is reused, so repeated clicks never stack.
bool openExternally(const QUrl& url, QWidget* parent, const ExternalOpener& opener = {});

// The message for a URL that could not be opened: a file by its path, anything else by address.
QString openFailedText(const QUrl& url);

} // namespace lumenary
