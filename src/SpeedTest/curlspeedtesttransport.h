#pragma once

#include "speedtesttransport.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <curl/curl.h>

#include <unordered_map>

class QSocketNotifier;

// The speed test's transport over libcurl, driven by the Qt event loop: curl's sockets are watched
// with socket notifiers and its time-outs with a timer. Built as a module of its own, loaded with
// the first speed test; its one entry point is the factory named in SpeedTestTransport.
class CurlSpeedTestTransport final : public SpeedTestTransport
{
public:
    explicit CurlSpeedTestTransport(const Limits &limits);
    ~CurlSpeedTestTransport() override;

    void start(const Request &request, std::function<void(Reply)> over) override;
    void cancel() override;

private:
    enum class State { Idle, Running };
    struct Watch {
        QSocketNotifier *read = nullptr;
        QSocketNotifier *write = nullptr;
    };

    // curl's callbacks. They only record and count: nothing in them ends the exchange.
    static int onSocket(CURL *easy, curl_socket_t fd, int what, void *self, void *socketData);
    static int onTimer(CURLM *multi, long milliseconds, void *self);
    static size_t onBody(char *data, size_t size, size_t count, void *self);
    static size_t onHead(char *data, size_t size, size_t count, void *self);
    static size_t onUpload(char *buffer, size_t size, size_t count, void *self);
    static int onSeek(void *self, curl_off_t offset, int origin);

    bool configure(const Request &request);
    void watch(curl_socket_t fd, int what);
    void drive(curl_socket_t fd, int events);
    void collectFinished();
    void finish(Outcome outcome, const QString &error = {});
    void idleTimerFired();
    void releaseTransfer();

    // The owner of the socket notifiers and the context of every connection: it goes last.
    QObject m_context;
    Limits m_limits;
    CURLM *m_multi = nullptr;
    CURL *m_easy = nullptr;
    curl_slist *m_headerList = nullptr;
    std::unordered_map<curl_socket_t, Watch> m_watches;
    QTimer m_curlTimer;
    QTimer m_idleTimer;
    QTimer m_deadline;
    QElapsedTimer m_quiet;
    bool m_insideCurl = false;

    State m_state = State::Idle;
    Request m_request;
    Reply m_reply;
    std::function<void(Reply)> m_over;
    qint64 m_uploaded = 0;
    qint64 m_headBytes = 0;
    bool m_headComplete = false;
    bool m_oversized = false;
    char m_errorBuffer[CURL_ERROR_SIZE] = {};
};
