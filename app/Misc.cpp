#include "Misc.h"

#include <QDesktopServices>

std::function<void(const QUrl&)> TMisc::opener = [](const QUrl& url) { QDesktopServices::openUrl(url); };

void TMisc::Open(const QString& sCommand)
{
    const QUrl url(sCommand, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.isRelative() || url.host().isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https")))
        return;
    if (opener)
        opener(url);
}
