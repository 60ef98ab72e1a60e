#pragma once

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QString>

#include <chrono>
#include <optional>

class QTcpSocket;

// The speed-test host's two routes on the stand-in: "GET /__down?bytes=N" answers N bytes
// (identity encoding, exact Content-Length, streamed in chunks as the connection drains) and
// "POST /__up" takes a body and answers an empty 200. Switches per phase let tests break them.
class StandinSpeedTest : public QObject
{
    Q_OBJECT

public:
    enum class Phase {
        Probe,    // GET /__down?bytes=0
        Download, // GET /__down with more than 0 bytes
        Upload,   // POST /__up
    };
    Q_ENUM(Phase)

    struct Switch {
        std::optional<int> status;
        // Before the answer starts.
        std::chrono::milliseconds delay{0};
        // Sends the status line, the headers and part of the body, then nothing more.
        bool stall = false;
        // Closes the connection after part of the body (at once when there is none).
        bool dropConnection = false;
    };

    using QObject::QObject;

    static bool serves(const QString &path);

    void setSwitch(Phase phase, const Switch &change);
    void clearSwitches();

    // Answers one request that serves() accepted; the socket is the client's connection.
    void respond(const QByteArray &method, const QString &path, const QByteArray &query, QTcpSocket *socket);

    // How many answers were in progress at once, at most, since the last reset.
    int maxInFlight() const { return m_maxInFlight; }
    int inFlight() const { return m_inFlight; }
    qint64 bytesServed() const { return m_bytesServed; }
    void resetCounters();

Q_SIGNALS:
    void requestArrived(StandinSpeedTest::Phase phase);
    void answerFinished(StandinSpeedTest::Phase phase);

private:
    friend class StandinSpeedTestAnswer;

    void begin();
    void end(Phase phase);

    QHash<Phase, Switch> m_switches;
    int m_inFlight = 0;
    int m_maxInFlight = 0;
    qint64 m_bytesServed = 0;
};
