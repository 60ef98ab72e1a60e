#pragma once

#include "urlopener.h"

#include <optional>

// Opens addresses through the desktop: the desktop portal's OpenURI where a portal runs on the
// session bus, otherwise `gio open`. Either way the answer is the real outcome (the portal's
// response, the program's exit status), not the fact that a request went out. xdg-open is no
// route: Debian's refuses schemes that contain digits (the numbered bank schemes).
class XdgUrlOpener : public UrlOpener
{
    Q_OBJECT

public:
    // The program and the use of the portal can be changed (tests use a program of their own, or
    // a portal on a private bus).
    explicit XdgUrlOpener(QObject *parent = nullptr, QString openProgram = QStringLiteral("gio"), bool usePortal = true);

    QCoro::Task<bool> openAddress(QString address) override;

private:
    // Nothing when no portal runs.
    QCoro::Task<std::optional<bool>> openWithPortal(QString address);
    QCoro::Task<bool> openWithProgram(QString address);

    QString m_openProgram;
    bool m_usePortal;
};
