#pragma once

#include "speedtestenvironment.h"

#include <QCoroTask>
#include <QObject>
#include <QPointer>
#include <QVariant>
#include <QtQml/qqmlregistration.h>

#include <memory>

class SpeedTestProtocol;

// One speed test at a time against the speed-test host: four latency probes (ping and jitter),
// a download and an upload, strictly one after another, with the phase text and the results the
// screen shows. The screen owns one engine; leaving the screen stops the run and aborts the
// request in flight, and a stopped or destroyed engine is never called back.
class SpeedTestEngine : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(SpeedTestEnvironment *environment READ environment WRITE setEnvironment NOTIFY environmentChanged REQUIRED)
    // Milliseconds, Mbit/s; undefined until measured in the current run.
    Q_PROPERTY(QVariant ping READ ping NOTIFY resultsChanged)
    Q_PROPERTY(QVariant jitter READ jitter NOTIFY resultsChanged)
    Q_PROPERTY(QVariant download READ download NOTIFY resultsChanged)
    Q_PROPERTY(QVariant upload READ upload NOTIFY resultsChanged)
    // 0, 0.28 after the probes, 0.68 after the download, 1 at the end.
    Q_PROPERTY(double progress READ progress NOTIFY progressChanged)
    Q_PROPERTY(QString status READ status NOTIFY statusChanged)
    Q_PROPERTY(bool isRunning READ isRunning NOTIFY runningChanged)
    // The failure's text; empty when there is none.
    Q_PROPERTY(QString errorMessage READ errorMessage NOTIFY errorMessageChanged)

public:
    static inline const QString readyStatus = QStringLiteral("Готов к проверке");
    static inline const QString probingStatus = QStringLiteral("Проверяем отклик");
    static inline const QString downloadingStatus = QStringLiteral("Измеряем загрузку");
    static inline const QString uploadingStatus = QStringLiteral("Измеряем отдачу");
    static inline const QString finishedStatus = QStringLiteral("Проверка завершена");
    static inline const QString stoppedStatus = QStringLiteral("Проверка остановлена");
    static inline const QString failedStatus = QStringLiteral("Не удалось выполнить тест");
    static inline const QString failureMessage = QStringLiteral("Проверьте подключение к интернету и попробуйте ещё раз.");

    explicit SpeedTestEngine(QObject *parent = nullptr);
    ~SpeedTestEngine() override;

    SpeedTestEnvironment *environment() const { return m_environment; }
    void setEnvironment(SpeedTestEnvironment *environment);

    QVariant ping() const { return m_ping; }
    QVariant jitter() const { return m_jitter; }
    QVariant download() const { return m_download; }
    QVariant upload() const { return m_upload; }
    double progress() const { return m_progress; }
    QString status() const { return m_status; }
    bool isRunning() const { return m_isRunning; }
    QString errorMessage() const { return m_errorMessage; }

    // Starts a run unless one is running.
    Q_INVOKABLE void start();
    // Ends the running run as stopped (no error, no haptic); the results measured so far stay.
    Q_INVOKABLE void stop();

Q_SIGNALS:
    void environmentChanged();
    void resultsChanged();
    void progressChanged();
    void statusChanged();
    void runningChanged();
    void errorMessageChanged();

private:
    struct Run;

    static QCoro::Task<> runBody(std::shared_ptr<Run> run);
    // Cuts the running run off: its request is aborted and it never reaches this engine again.
    void detachRun();

    void setProgress(double progress);
    void setStatus(const QString &status);
    void setRunning(bool running);
    void setErrorMessage(const QString &message);
    void fail();
    void finish(double upload);

    QPointer<SpeedTestEnvironment> m_environment;
    std::shared_ptr<Run> m_run;
    QVariant m_ping;
    QVariant m_jitter;
    QVariant m_download;
    QVariant m_upload;
    double m_progress = 0;
    QString m_status = readyStatus;
    bool m_isRunning = false;
    QString m_errorMessage;
};
