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
// shows it. When it cannot be handed on, the failure box names the web address or file.
bool openExternally(const QUrl& url, QWidget* parent, const ExternalOpener& opener = {});

// Shows the failure box for url over parent (any window when null): one box for the program,
// reused while it shows, so repeated failures never stack.
void showOpenFailure(const QUrl& url, QWidget* parent);

// Hands web pages and files to xdg-open, where it is installed, in place of Qt's own lookup, so
// that a failure xdg-open reports later (no browser, no player for the file) still reaches the
// student. The program calls this once at start; tests and the soak keep their own handlers.
void routeUrlsThroughXdgOpen();

// The message for a URL that could not be opened: a file by its path, anything else by address.
QString openFailedText(const QUrl& url);

} // namespace lumenary
