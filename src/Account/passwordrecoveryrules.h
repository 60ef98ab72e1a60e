#pragma once

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

// The password-recovery form's input rules and submit checks. Pure; reached from QML as the
// singleton `PasswordRecoveryRules`.
class PasswordRecoveryRules : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    // What the form sends, or why it sends nothing.
    struct Submission {
        QString account;
        QString phone;
        QString refusal; // the message shown instead of sending; empty when the form may send
    };

    explicit PasswordRecoveryRules(QObject *parent = nullptr);

    // The ASCII digits 0-9 of `text`, in order; no other script's digits or numeric signs.
    static QString digits(const QString &text);

    // The account field's text after a change to `text`: its first 7 digits.
    Q_INVOKABLE static QString accountInput(const QString &text);
    // The message that refuses sending the two field texts, or "" when they may be sent.
    Q_INVOKABLE static QString refusal(const QString &accountText, const QString &phoneText);

    static Submission submission(const QString &accountText, const QString &phoneText);

    static constexpr qsizetype accountLength = 7;
};
