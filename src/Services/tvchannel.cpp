// The partner TV channel catalog and the channel lists of its packages. The tables are generated at
// build time from tvchannels.json (written once from the partner's open catalog), which names the
// channels of each package; edit that list, not the tables.
#include "tvchannel.h"

#include "partnertvconfig.h"

#include <QHash>

#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace TVChannelData
{
namespace
{

struct ChannelRow {
    std::u16string_view name;
    // 32 lowercase hexadecimal digits naming the logo file on the image host.
    std::string_view logoHash;
};

struct PackageRow {
    std::u16string_view code;
    std::span<const std::uint16_t> channels;
};

// channelRows, the catalog in the list's order, and packageRows, each package's channels by
// their place in it. The generator has refused any list whose names, logos, codes or channel
// references are not sound.
#include "tvchanneltables.inc"

} // namespace
} // namespace TVChannelData

namespace
{
QString text(std::u16string_view view)
{
    return QString::fromUtf16(view.data(), qsizetype(view.size()));
}

// The catalog keyed by name, with logo addresses on the image host of this run; built once.
const QList<TVChannel> &catalog()
{
    static const QList<TVChannel> channels = [] {
        const QString imageHost = PartnerTVConfig::current().imageHost;
        QList<TVChannel> list;
        list.reserve(qsizetype(TVChannelData::channelRows.size()));
        for (const auto &row : TVChannelData::channelRows) {
            const QString hash = QString::fromLatin1(row.logoHash.data(), qsizetype(row.logoHash.size()));
            list.append(TVChannel{
                .name = text(row.name),
                .logo = QStringLiteral("https://%1/img/ch/%2/%3/%4.png?w=570&format=webp")
                            .arg(imageHost, hash.left(2), hash.mid(2, 2), hash),
            });
        }
        return list;
    }();
    return channels;
}

const QHash<QString, qsizetype> &catalogIndex()
{
    static const QHash<QString, qsizetype> index = [] {
        QHash<QString, qsizetype> byName;
        byName.reserve(qsizetype(TVChannelData::channelRows.size()));
        for (qsizetype i = 0; i < catalog().size(); ++i)
            byName.insert(catalog().at(i).name, i);
        return byName;
    }();
    return index;
}
} // namespace

QList<TVChannel> TVChannel::channels(const QString &packageID)
{
    for (const auto &package : TVChannelData::packageRows) {
        if (text(package.code) != packageID)
            continue;
        QList<TVChannel> result;
        result.reserve(qsizetype(package.channels.size()));
        for (const std::uint16_t channel : package.channels)
            result.append(catalog().at(channel));
        return result;
    }
    return {};
}

std::optional<TVChannel> TVChannel::channel(const QString &name)
{
    const auto it = catalogIndex().constFind(name);
    if (it == catalogIndex().constEnd())
        return std::nullopt;
    return catalog().at(*it);
}

qsizetype TVChannel::catalogSize()
{
    return catalog().size();
}
