#include "xdgurlopener.h"

#include <QCoroProcess>
#include <QLoggingCategory>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>

Q_LOGGING_CATEGORY(lcOpenUrl, "tarvik.openurl", QtWarningMsg)

namespace
{
constexpr std::chrono::seconds queryTimeout{5};
} // namespace

XdgUrlOpener::XdgUrlOpener(QObject *parent, QString queryProgram, QString openProgram)
    : UrlOpener(parent)
    , m_queryProgram(std::move(queryProgram))
    , m_openProgram(std::move(openProgram))
{
}

QCoro::Task<bool> XdgUrlOpener::open(QUrl url)
{
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || scheme.isEmpty())
        co_return false;
    QPointer<XdgUrlOpener> self(this);
    const bool handled = co_await hasHandler(scheme);
    if (!handled || !self)
        co_return false;
    const bool started = QProcess::startDetached(m_openProgram, {url.toString(QUrl::FullyEncoded)});
    if (!started)
        qCWarning(lcOpenUrl) << "could not start" << m_openProgram;
    co_return started;
}

QCoro::Task<bool> XdgUrlOpener::hasHandler(QString scheme)
{
    // A program that cannot start is not reported to an awaiting start() until its time-out.
    const QString program = QStandardPaths::findExecutable(m_queryProgram);
    if (program.isEmpty()) {
        qCWarning(lcOpenUrl) << "no" << m_queryProgram << "to ask for the handler of" << scheme;
        co_return false;
    }
    QProcess query;
    query.setProgram(program);
    query.setArguments({QStringLiteral("query"), QStringLiteral("default"), QStringLiteral("x-scheme-handler/") + scheme});
    query.setStandardInputFile(QProcess::nullDevice());
    if (!co_await qCoro(query).start(QIODevice::ReadOnly, queryTimeout)) {
        qCWarning(lcOpenUrl) << "could not start" << program;
        co_return false;
    }
    if (!co_await qCoro(query).waitForFinished(queryTimeout)) {
        query.kill();
        query.waitForFinished();
        co_return false;
    }
    if (query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0)
        co_return false;
    // The answer is the handler's desktop entry, or nothing at all.
    co_return !query.readAllStandardOutput().trimmed().isEmpty();
}
