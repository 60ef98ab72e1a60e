#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

// Where the speed test measures: the speed-test host (compiled in; TARVIK_SPEEDTEST_URL in the
// environment, then --speedtest-url on the command line override it) and the name the screen
// shows for it (TARVIK_SPEEDTEST_LABEL / --speedtest-label; an overridden host without a label of
// its own is shown by its host name).
struct SpeedTestConfig {
    QUrl baseUrl;
    QString serviceLabel;

    static QUrl compiledBaseUrl();
    static QString compiledServiceLabel();

    static SpeedTestConfig fromArguments(const QStringList &arguments);
};
