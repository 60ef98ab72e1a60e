#include "urlopener.h"

void UrlOpener::openUrl(const QUrl &url)
{
    QCoro::connect(open(url), this, [this, url](bool opened) { Q_EMIT openFinished(url, opened); });
}
