#pragma once

#include <QCoroTask>
#include <QImage>
#include <QObject>
#include <QPointer>

#include <memory>

class TarvikShopImageCache;

// One product photo: read from the cache file at once when it is there, else downloaded (status
// exactly 200 and a body that decodes), written to the cache atomically and shown. A failure is
// final for this loader. Made by TarvikShopImageCache::loader().
class TarvikCachedImageLoader : public QObject, public std::enable_shared_from_this<TarvikCachedImageLoader>
{
    Q_OBJECT

public:
    enum class State { Loading, Shown, Failed };

    TarvikCachedImageLoader(TarvikShopImageCache *cache, const QString &url);
    ~TarvikCachedImageLoader() override;

    QString url() const { return m_url; }
    State state() const { return m_state; }
    QImage image() const { return m_image; }
    bool failed() const { return m_state == State::Failed; }

    // Reads the cache file, or starts the download; the cache calls it once after making the loader.
    void start();
    // Gives up now if still loading; the download, if one runs, no longer counts.
    void fail();

Q_SIGNALS:
    // The state left Loading.
    void finished();

private:
    // Holds the loader until the download has ended, whether or not a view still shows it.
    static QCoro::Task<> download(std::shared_ptr<TarvikCachedImageLoader> self);
    // Leaves Loading; later calls change nothing.
    void finish(State state, const QImage &image = {});

    QPointer<TarvikShopImageCache> m_cache;
    QString m_url;
    State m_state = State::Loading;
    QImage m_image;
};
