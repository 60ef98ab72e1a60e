#include "webprofiles.h"

#include <QQuickWebEngineProfile>
#include <QWebEngineCookieStore>

void WebProfiles::empty(QQuickWebEngineProfile *profile) const
{
    if (!profile)
        return;
    profile->cookieStore()->deleteAllCookies();
    profile->clearHttpCache();
}
