#pragma once

#include <QList>
#include <QObject>
#include <QPair>
#include <QString>
#include <QTimer>
#include <QtQml/qqmlregistration.h>

#include <chrono>

// The sending state of every confirmation-only form of the app: send() shows the sending state,
// waits `delay` and then raises `confirmed`; nothing leaves the device (a form in C++ hands over
// the request it would send, as title and value pairs, for the record). The object owns its timer,
// so a form destroyed while waiting is never resumed into. One per form: made by its screen, or
// owned by the C++ object behind the form and exposed as its `request`:
//   ConfirmationSend { id: request }
//   button: enabled: !request.sending; onClicked: request.send()
//   sheet:  presented: request.confirmed; onClosed: request.confirmed = false
//   alert:  presented: request.hasError; message: request.errorText; on close: request.clearError()
//   sending: bool, true from send() until the wait is over
//   confirmed: bool, the confirmation sheet's flag (true once the wait is over; the sheet resets it)
//   errorText / hasError: the failure shown in the error alert (a cancelled wait)
//   delay: the wait in ms (250)
//   send(): false (and nothing happens) while a send is already under way
//   cancel(): ends a running wait as a failure with the cancellation text; false when none ran
class ConfirmationSend : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(bool sending READ isSending NOTIFY sendingChanged)
    Q_PROPERTY(bool confirmed READ isConfirmed WRITE setConfirmed NOTIFY confirmedChanged)
    Q_PROPERTY(QString errorText READ errorText NOTIFY errorChanged)
    Q_PROPERTY(bool hasError READ hasError NOTIFY errorChanged)
    Q_PROPERTY(int delay READ delay WRITE setDelay NOTIFY delayChanged)

public:
    using Summary = QList<QPair<QString, QString>>;

    static constexpr std::chrono::milliseconds defaultDelay{250};

    explicit ConfirmationSend(QObject *parent = nullptr);

    // What the user reads when a wait is cancelled.
    static QString cancellationText();

    bool isSending() const { return m_sending; }
    bool isConfirmed() const { return m_confirmed; }
    void setConfirmed(bool confirmed);
    QString errorText() const { return m_errorText; }
    bool hasError() const { return !m_errorText.isEmpty(); }
    int delay() const { return m_delay; }
    void setDelay(int milliseconds);

    Q_INVOKABLE bool send();
    // The same, keeping `summary` as what was sent; a refused send keeps the one before.
    bool send(const Summary &summary);
    // What the last accepted send carried; empty before the first (and for a form in QML).
    Summary summary() const { return m_summary; }
    Q_INVOKABLE bool cancel();
    Q_INVOKABLE void clearError();

Q_SIGNALS:
    void sendingChanged();
    void confirmedChanged();
    void errorChanged();
    void delayChanged();

private:
    void finish();
    void setSending(bool sending);

    bool m_sending = false;
    bool m_confirmed = false;
    QString m_errorText;
    Summary m_summary;
    int m_delay = int(defaultDelay.count());
    QTimer m_wait;
};
