#pragma once

#include <QObject>
#include <QtQml/qqmlregistration.h>

// Lets content close whatever presents it, without knowing what that is: any item inside a
// sheet or a pushed screen calls `Presentation.dismiss()`, and the nearest enclosing item that
// declared `Presentation.host: true` receives `Presentation.onDismissRequested`.
class Presentation : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Presentation is an attached property")
    QML_ATTACHED(Presentation)
    Q_PROPERTY(bool host READ isHost WRITE setHost NOTIFY hostChanged)

public:
    explicit Presentation(QObject *attachee = nullptr);

    static Presentation *qmlAttachedProperties(QObject *object);

    bool isHost() const { return m_host; }
    void setHost(bool host);

    // Asks the nearest host at or above the attachee to close; false when there is none.
    Q_INVOKABLE bool dismiss();

Q_SIGNALS:
    void hostChanged();
    void dismissRequested();

private:
    bool m_host = false;
};
