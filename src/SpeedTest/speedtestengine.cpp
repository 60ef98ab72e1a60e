#include "speedtestengine.h"

#include "haptics.h"
#include "networkaccess.h"
#include "speedtestenvironment.h"
#include "speedtestprotocol.h"

#include <QtQml/qqmlinfo.h>

// What a run shares with its engine. `engine` goes null when the engine stops the run or is
// destroyed; the run checks it after every wait and then ends without touching anything else.
// The run owns its protocol, and with it the connection: an aborted request resumes the run on a
// later turn of the event loop, and the protocol must still exist then, whatever became of the
// engine.
struct SpeedTestEngine::Run {
    SpeedTestEngine *engine = nullptr;
    std::shared_ptr<SpeedTestProtocol> protocol;
};

SpeedTestEngine::SpeedTestEngine(QObject *parent)
    : QObject(parent)
{
}

SpeedTestEngine::~SpeedTestEngine()
{
    detachRun();
}

void SpeedTestEngine::setEnvironment(SpeedTestEnvironment *environment)
{
    if (m_environment == environment)
        return;
    stop();
    m_environment = environment;
    Q_EMIT environmentChanged();
}

void SpeedTestEngine::start()
{
    if (m_isRunning)
        return;
    m_ping.clear();
    m_jitter.clear();
    m_download.clear();
    m_upload.clear();
    Q_EMIT resultsChanged();
    setProgress(0);
    setErrorMessage({});
    setRunning(true);

    if (!m_environment || !m_environment->network()) {
        qmlWarning(this) << "SpeedTestEngine: no environment to measure with";
        fail();
        return;
    }
    auto run = std::make_shared<Run>();
    run->engine = this;
    run->protocol = std::make_shared<SpeedTestProtocol>(SpeedTestProtocol::Settings{
        .network = m_environment->network(),
        .baseUrl = m_environment->baseUrl(),
        .clock = m_environment->clock(),
        .limits = m_environment->limits(),
    });
    m_run = run;
    // The task ends by itself; the run, not the task, is what ties it to this engine.
    runBody(std::move(run));
}

void SpeedTestEngine::stop()
{
    if (!m_isRunning)
        return;
    detachRun();
    // Our own abort is a stop, whatever error the aborted request reports.
    setRunning(false);
    setStatus(stoppedStatus);
}

void SpeedTestEngine::detachRun()
{
    const std::shared_ptr<Run> run = std::exchange(m_run, nullptr);
    if (!run)
        return;
    run->engine = nullptr;
    run->protocol->cancel();
}

QCoro::Task<> SpeedTestEngine::runBody(std::shared_ptr<Run> run)
{
    run->engine->setStatus(probingStatus);
    const std::optional<SpeedTestProtocol::Latency> latency = co_await SpeedTestProtocol::measurePing(run->protocol);
    if (!run->engine)
        co_return;
    if (!latency) {
        run->engine->fail();
        co_return;
    }
    run->engine->m_ping = latency->ping;
    run->engine->m_jitter = latency->jitter;
    Q_EMIT run->engine->resultsChanged();
    run->engine->setProgress(0.28);
    run->engine->setStatus(downloadingStatus);

    const std::optional<double> download = co_await SpeedTestProtocol::measureDownload(run->protocol);
    if (!run->engine)
        co_return;
    if (!download) {
        run->engine->fail();
        co_return;
    }
    run->engine->m_download = *download;
    Q_EMIT run->engine->resultsChanged();
    run->engine->setProgress(0.68);
    run->engine->setStatus(uploadingStatus);

    const std::optional<double> upload = co_await SpeedTestProtocol::measureUpload(run->protocol);
    if (!run->engine)
        co_return;
    if (!upload) {
        run->engine->fail();
        co_return;
    }
    run->engine->finish(*upload);
}

void SpeedTestEngine::fail()
{
    m_run.reset();
    // As a finished run: what it came to first, its end last, so that whoever watches the end
    // reads the outcome.
    setStatus(failedStatus);
    setErrorMessage(failureMessage);
    setRunning(false);
    if (m_environment && m_environment->haptics())
        m_environment->haptics()->play(Haptics::NotificationError);
}

void SpeedTestEngine::finish(double upload)
{
    m_run.reset();
    m_upload = upload;
    Q_EMIT resultsChanged();
    setProgress(1.0);
    setStatus(finishedStatus);
    setRunning(false);
    if (m_environment && m_environment->haptics())
        m_environment->haptics()->play(Haptics::NotificationSuccess);
}

void SpeedTestEngine::setProgress(double progress)
{
    if (m_progress == progress)
        return;
    m_progress = progress;
    Q_EMIT progressChanged();
}

void SpeedTestEngine::setStatus(const QString &status)
{
    if (m_status == status)
        return;
    m_status = status;
    Q_EMIT statusChanged();
}

void SpeedTestEngine::setRunning(bool running)
{
    if (m_isRunning == running)
        return;
    m_isRunning = running;
    Q_EMIT runningChanged();
}

void SpeedTestEngine::setErrorMessage(const QString &message)
{
    if (m_errorMessage == message)
        return;
    m_errorMessage = message;
    Q_EMIT errorMessageChanged();
}
