#pragma once

#include "httptransport.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <curl/curl.h>

#include <memory>
#include <unordered_map>
#include <vector>

class QSocketNotifier;

// HttpTransport over a libcurl multi handle driven by the Qt event loop: curl's sockets are watched
// with socket notifiers and its time-outs with a timer. Built as a module of its own, loaded with
// the first request; its one entry point is the factory named in HttpTransport.
class CurlHttpTransport final : public HttpTransport
{
public:
    explicit CurlHttpTransport(const QByteArray &extraCaPem);
    ~CurlHttpTransport() override;

    void start(const Request &request, Receiver *receiver) override;
    void cancel(Receiver *receiver) override;
    bool requestSent(const Receiver *receiver) const override;

private:
    struct Transfer;
    struct Watch {
        QSocketNotifier *read = nullptr;
        QSocketNotifier *write = nullptr;
    };

    // curl's callbacks. They only record and count: nothing in them ends an exchange.
    static int onSocket(CURL *easy, curl_socket_t fd, int what, void *self, void *socketData);
    static int onTimer(CURLM *multi, long milliseconds, void *self);
    static size_t onBody(char *data, size_t size, size_t count, void *transfer);
    static size_t onHead(char *data, size_t size, size_t count, void *transfer);
    static size_t onUpload(char *buffer, size_t size, size_t count, void *transfer);
    static int onSeek(void *transfer, curl_off_t offset, int origin);
    static int onSending(void *transfer, char *remoteAddress, char *localAddress, int remotePort, int localPort);

    bool configure(Transfer &transfer);
    void watch(curl_socket_t fd, int what);
    void drive(curl_socket_t fd, int events);
    // Ends the exchanges curl has finished, then tells the receivers what moved and what ended.
    void dispatch();
    End endOf(Transfer &transfer, CURLcode code) const;
    static bool requestSent(const Transfer &transfer);
    void end(Receiver *receiver, Failure failure, const QString &error);
    // Takes the transfer out of curl and frees it; its receiver hears nothing more of it.
    std::unique_ptr<Transfer> release(Receiver *receiver);
    void idleCheck(Receiver *receiver);

    // The owner of the socket notifiers and the context of every connection: it goes last.
    QObject m_context;
    CURLM *m_multi = nullptr;
    // The system's CAs: its folder, else its file; and the extra CA (after the file's CAs where
    // there is no folder), given in place of the file.
    QByteArray m_caDirectory;
    QByteArray m_caFile;
    QByteArray m_caPem;
    std::unordered_map<curl_socket_t, Watch> m_watches;
    std::unordered_map<Receiver *, std::unique_ptr<Transfer>> m_transfers;
    // Exchanges over, their receivers not yet told.
    std::vector<std::pair<Receiver *, End>> m_ended;
    QTimer m_curlTimer;
    bool m_insideCurl = false;
};
