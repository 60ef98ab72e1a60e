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

void WebProfiles::emptyAfterEndedSessions(QQuickWebEngineProfile *profile, int erasures)
{
    if (!profile || m_emptiedAt.value(profile) >= erasures)
        return;
    profile->cookieStore()->deleteAllCookies();
    m_emptiedAt.insert(profile, erasures);
}
