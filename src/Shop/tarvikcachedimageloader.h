#pragma once

#include <QByteArray>
#include <QCoroTask>
#include <QObject>
#include <QPointer>

#include <memory>

class TarvikShopImageCache;

// One product photo's bytes: read from the cache file at once when it is there, else downloaded
// (status exactly 200 and a picture within BoundedPicture's bounds) and, when the picture is whole,
// written to the cache atomically. The loader decodes nothing: each view decodes the bytes at the size it shows them.
// A failure is final for this loader. Made by TarvikShopImageCache::loader().
class TarvikCachedImageLoader : public QObject, public std::enable_shared_from_this<TarvikCachedImageLoader>
{
    Q_OBJECT

public:
    enum class State { Loading, Ready, Failed };

    TarvikCachedImageLoader(TarvikShopImageCache *cache, const QString &url);
    ~TarvikCachedImageLoader() override;

    QString url() const { return m_url; }
    State state() const { return m_state; }
    bool failed() const { return m_state == State::Failed; }
    // The picture as the host sent it, while Ready.
    QByteArray body() const { return m_body; }

    // Reads the cache file, or starts the download; the cache calls it once after making the loader.
    void start();
    // Gives up now if still loading; the download, if one runs, no longer counts.
    void fail();
    // A view found that the bytes do not decode: the loader fails and the cache file goes, so that
    // the next loader of the address downloads again.
    void refuse();

Q_SIGNALS:
    void stateChanged();

private:
    // Holds the loader until the download has ended, whether or not a view still shows it.
    static QCoro::Task<> download(std::shared_ptr<TarvikCachedImageLoader> self);
    // Leaves Loading; later calls change nothing.
    void finish(State state, const QByteArray &body = {});

    QPointer<TarvikShopImageCache> m_cache;
    QString m_url;
    State m_state = State::Loading;
    QByteArray m_body;
};
