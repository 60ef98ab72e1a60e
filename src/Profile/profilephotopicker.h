#pragma once

#include <QImage>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>
#include <QtQml/qqmlregistration.h>

#include <functional>
#include <memory>

// Picks a picture for the profile through the desktop portal's file chooser (images only, one
// file). Setting `presented` opens the chooser; whatever ends it sets `presented` back to false.
// A picture that loads is handed on by imagePicked(); a cancelled choice, a file that is no
// picture or one that cannot be read ends silently. No screen presents it yet.
class ProfilePhotoPicker : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(bool presented READ isPresented WRITE setPresented NOTIFY presentedChanged)

public:
    // What the chooser's answer goes through: it ends the presentation at once, takes the first
    // file picked, and, when that file is a picture, loads it off the main thread and hands it
    // to `onImagePicked` on the main thread, scaled down to what the avatar shows (its shorter
    // side AvatarImage::decodedSide pixels). Failures are dropped.
    class Coordinator
    {
    public:
        Coordinator(std::function<void(const QImage &)> onImagePicked, std::function<void()> dismiss);
        ~Coordinator();
        Coordinator(const Coordinator &) = delete;
        Coordinator &operator=(const Coordinator &) = delete;

        // The files picked, in the chooser's order (none when the user cancelled).
        void didFinishPicking(const QList<QUrl> &results);

        // Larger files are not read.
        static constexpr qint64 maximumFileSize = 40 * 1024 * 1024;
        // The picture in the local file `path` at the avatar's size, or a null image.
        static QImage load(const QString &path);

    private:
        std::function<void(const QImage &)> m_onImagePicked;
        std::function<void()> m_dismiss;
        // Lives as long as the coordinator: a load that ends later finds it gone.
        std::unique_ptr<QObject> m_alive;
    };

    explicit ProfilePhotoPicker(QObject *parent = nullptr);
    ~ProfilePhotoPicker() override;

    bool isPresented() const { return m_presented; }
    void setPresented(bool presented);

    // The portal's name on the session bus (tests start one of their own under another name).
    void setPortalService(const QString &service) { m_portalService = service; }

Q_SIGNALS:
    void presentedChanged();
    void imagePicked(const QImage &image);

private Q_SLOTS:
    void portalResponse(uint code, const QVariantMap &results);

private:
    void openChooser();
    void stopListening();
    void finish(const QList<QUrl> &results);

    bool m_presented = false;
    QString m_portalService;
    // The request object the portal answers on, while it is open.
    QString m_requestPath;
    std::unique_ptr<Coordinator> m_coordinator;
};
