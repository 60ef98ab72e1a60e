#pragma once

#include "urlopener.h"

// Opens addresses through the desktop's scheme handlers: asks xdg-mime which application is the
// default for the address's scheme, and starts xdg-open only when there is one.
class XdgUrlOpener : public UrlOpener
{
    Q_OBJECT

public:
    // The two programs can be replaced (tests put stand-ins of their own on the path).
    explicit XdgUrlOpener(QObject *parent = nullptr, QString queryProgram = QStringLiteral("xdg-mime"),
                          QString openProgram = QStringLiteral("xdg-open"));

    QCoro::Task<bool> open(QUrl url) override;

private:
    QCoro::Task<bool> hasHandler(QString scheme);

    QString m_queryProgram;
    QString m_openProgram;
};
