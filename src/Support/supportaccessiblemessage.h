#pragma once

#include <QQuickItem>
#include <QtQml/qqmlregistration.h>

// A chat message as one element of the accessibility tree: its text, its time, and the named
// actions a screen reader offers on it, "Ответить", "Скопировать" and "Показать меню" (besides
// taking the focus, which every message can). Qt Quick's own accessible items take only the
// standard actions (press, toggle, …), so this item brings an interface of its own. It draws
// nothing; lay it over the bubble. Set Accessible.role: Accessible.StaticText on it, which makes
// it part of the tree.
class SupportAccessibleMessage : public QQuickItem
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QString name READ name WRITE setName NOTIFY nameChanged)
    Q_PROPERTY(QString description READ description WRITE setDescription NOTIFY descriptionChanged)

public:
    explicit SupportAccessibleMessage(QQuickItem *parent = nullptr);

    static QString replyAction();
    static QString copyAction();
    static QString menuAction();

    QString name() const { return m_name; }
    void setName(const QString &name);
    QString description() const { return m_description; }
    void setDescription(const QString &description);

Q_SIGNALS:
    void nameChanged();
    void descriptionChanged();
    void replyRequested();
    void copyRequested();
    void menuRequested();

private:
    QString m_name;
    QString m_description;
};
