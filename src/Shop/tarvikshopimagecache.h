#pragma once

#include <QHash>
#include <QObject>
#include <QString>

#include <chrono>
#include <memory>

class NetworkAccess;
class QNetworkAccessManager;
class TarvikCachedImageLoader;

// The shop's photo cache: one file per photo address in the caches folder "TarvikShopImages",
// named by the SHA-256 of the address text, and the loaders that fill it. While a loader for an
// address is alive, every view of that address shares it, so one address is fetched once at a time.
class TarvikShopImageCache : public QObject
{
    Q_OBJECT

public:
    // `directory` empty: "TarvikShopImages" in the user's caches folder.
    explicit TarvikShopImageCache(NetworkAccess *network, const QString &directory = {}, QObject *parent = nullptr);
    // Photos still loading fail; their downloads end with the manager.
    ~TarvikShopImageCache() override;

    // Bodies beyond this are not photos of ours: the download is dropped as soon as the body
    // passes it (or announces more).
    static constexpr qint64 maxImageBytes = 16 * 1024 * 1024;
    // A download that receives nothing for this long gives up.
    static constexpr std::chrono::seconds transferTimeout{60};
    // A download still not complete after this gives up, however steadily a slow host drips.
    static constexpr std::chrono::seconds downloadLimit{180};

    QString directory() const { return m_directory; }
    // 64 lower-case hex digits of the SHA-256 of the address text as written (UTF-8).
    static QString fileName(const QString &url);
    QString filePath(const QString &url) const;

    // The loader showing `url`: the live one for that address, or a new one (which has already
    // read the cache file when there is one). A failed loader is not handed out again: a new
    // view tries once more.
    std::shared_ptr<TarvikCachedImageLoader> loader(const QString &url);

    QNetworkAccessManager *manager() const { return m_manager; }
    NetworkAccess *network() const { return m_network; }
    // downloadLimit unless changed (tests).
    std::chrono::milliseconds timeLimit() const { return m_timeLimit; }
    void setTimeLimit(std::chrono::milliseconds limit) { m_timeLimit = limit; }

private:
    NetworkAccess *m_network;
    QNetworkAccessManager *m_manager;
    QString m_directory;
    std::chrono::milliseconds m_timeLimit = downloadLimit;
    QHash<QString, std::weak_ptr<TarvikCachedImageLoader>> m_loaders;
};
