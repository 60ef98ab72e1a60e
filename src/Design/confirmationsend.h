#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <QtQml/qqmlregistration.h>

#include <chrono>

// The sending state of a confirmation-only request form: send() shows the sending state, waits
// `delay` and then raises `confirmed`; nothing leaves the device. The object owns its timer, so a
// form destroyed while waiting is never resumed into. Create one per form screen:
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
    int m_delay = int(defaultDelay.count());
    QTimer m_wait;
};
