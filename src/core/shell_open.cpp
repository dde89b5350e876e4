#include "core/shell_open.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "core/private_profile.h"

namespace lt {
namespace {
// A shortcut is a few lines; anything bigger is not one.
constexpr qint64 kMaxShortcutSize = 64 * 1024;

UrlOpener& opener() {
    static UrlOpener o;
    return o;
}
}  // namespace

std::optional<QUrl> internetShortcutUrl(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxShortcutSize) return std::nullopt;
    const PrivateProfile shortcut(file.read(kMaxShortcutSize));
    // A missing key reads as the empty text, which is no address.
    const QUrl url(
        shortcut.readString(QStringLiteral("InternetShortcut"), QStringLiteral("URL"), QString()),
        QUrl::StrictMode);
    if (!url.isValid()) return std::nullopt;
    return url;
}

bool writeInternetShortcut(const QString& path, const QString& url, QString* error) {
    const QString shown = QDir::toNativeSeparators(path);
    // Beside a settings file whose folder is made on the first save, the folder may
    // not be there yet.
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    // NewOnly: whatever is already there stays as it is.
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        if (error)
            *error = QStringLiteral("Cannot create file \"%1\". %2").arg(shown, file.errorString());
        return false;
    }
    const QByteArray content = "[InternetShortcut]\nURL=" + url.toUtf8() + "\n";
    const bool written = file.write(content) == content.size() && file.flush();
    file.close();
    if (!written || file.error() != QFileDevice::NoError) {
        if (error)
            *error = QStringLiteral("Cannot write file \"%1\". %2").arg(shown, file.errorString());
        // A partial shortcut would never be rewritten; better none at all.
        file.remove();
        return false;
    }
    return true;
}

bool isWebAddress(const QUrl& url) {
    const QString scheme = url.scheme().toLower();
    return url.isValid() && (scheme == QLatin1String("http") || scheme == QLatin1String("https")) &&
           !url.host().isEmpty();
}

bool shellOpen(const QString& path) {
    const std::optional<QUrl> url = internetShortcutUrl(path);
    if (!url || !isWebAddress(*url)) return false;
    if (opener()) return opener()(*url);
    return QDesktopServices::openUrl(*url);
}

void setUrlOpener(UrlOpener o) { opener() = std::move(o); }

}  // namespace lt
