#include "core/shell_open.h"

#include <QDesktopServices>

namespace lt {
namespace {
UrlOpener& opener() {
    static UrlOpener o;
    return o;
}
}  // namespace

bool isWebAddress(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https")) &&
           !url.host().isEmpty();
}

bool openWebAddress(const QUrl& url) {
    if (!isWebAddress(url)) return false;
    if (opener()) return opener()(url);
    return QDesktopServices::openUrl(url);
}

void setUrlOpener(UrlOpener o) { opener() = std::move(o); }

}  // namespace lt
