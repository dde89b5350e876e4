#pragma once
#include <QString>
#include <QUrl>
#include <functional>
#include <optional>

namespace lt {

// The address an Internet shortcut file points to: the URL key of its
// [InternetShortcut] section. nullopt when the file cannot be read or has none.
std::optional<QUrl> internetShortcutUrl(const QString& path);

// Creates an Internet shortcut file at `path` pointing to `url`: "[InternetShortcut]"
// then "URL=" + url, each line ended. Never replaces a file that is already there; a
// file left half-written is removed. On failure returns false with the reason in `error`.
bool writeInternetShortcut(const QString& path, const QString& url, QString* error);

// Whether the desktop may be asked to open `url`: only web addresses are.
bool isWebAddress(const QUrl& url);

// Opens the file at `path` with the desktop's handler. Only Internet shortcut files
// pointing to a web address are opened (a file beside the program must not become a
// way to launch anything else). Returns whether the desktop took it.
bool shellOpen(const QString& path);

// Who opens an address; the desktop (QDesktopServices) unless replaced. Tests replace it
// so that no browser starts; an empty function puts the desktop back.
using UrlOpener = std::function<bool(const QUrl&)>;
void setUrlOpener(UrlOpener opener);

}  // namespace lt
