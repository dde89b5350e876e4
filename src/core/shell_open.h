#pragma once
#include <QUrl>
#include <functional>

namespace lt {

// Whether the desktop may be asked to open `url`: only web addresses are.
bool isWebAddress(const QUrl& url);

// Opens the web address `url` with the desktop's URL handler (its web browser). Anything
// but a web address is refused. Returns whether the desktop took it.
bool openWebAddress(const QUrl& url);

// Who opens an address; the desktop (QDesktopServices) unless replaced. Tests replace it
// so that no browser starts; an empty function puts the desktop back.
using UrlOpener = std::function<bool(const QUrl&)>;
void setUrlOpener(UrlOpener opener);

}  // namespace lt
