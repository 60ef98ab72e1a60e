#include "symbolcatalog.h"

#include <QHash>

namespace
{
using Decoration = SymbolCatalog::Decoration;

struct Entry {
    const char *name;
    char16_t codepoint;
    Decoration decoration = Decoration::None;
};

// Codepoints of MaterialIcons-Regular.ttf (fonts-material-design-icons-iconfont 6.7).
constexpr Entry entries[] = {
    {"antenna.radiowaves.left.and.right", 0xebba}, // cell_tower
    {"arrow.down.circle", 0xe5db, Decoration::Ring}, // arrow_downward
    {"arrow.down.left", 0xf1e5}, // south_west
    {"arrow.triangle.2.circlepath", 0xe627}, // sync
    {"arrow.up", 0xe5d8}, // arrow_upward
    {"arrow.up.circle", 0xe5d8, Decoration::Ring},
    {"arrow.up.right", 0xf1e1}, // north_east
    {"arrowshape.turn.up.left.fill", 0xe15e}, // reply
    {"arrowshape.turn.up.right", 0xf060}, // shortcut
    {"bag", 0xf1cc, Decoration::Outline}, // shopping_bag
    {"bag.fill", 0xf1cc},
    {"bell.badge.fill", 0xe7f4, Decoration::Badge}, // notifications
    {"bell.fill", 0xe7f4}, // notifications
    {"bell.slash.fill", 0xe7f6}, // notifications_off
    {"bolt.circle", 0xea0b, Decoration::Ring}, // bolt
    {"calendar", 0xe935}, // calendar_today
    {"calendar.badge.clock", 0xeb7b}, // event_repeat
    {"cart", 0xe8cc}, // shopping_cart
    {"cart.fill", 0xe8cc},
    {"chart.bar.fill", 0xe26b}, // bar_chart
    {"chart.pie", 0xf044}, // pie_chart_outline
    {"chart.pie.fill", 0xe6c4}, // pie_chart
    {"checkmark", 0xe5ca}, // check
    {"checkmark.circle.fill", 0xe86c}, // check_circle
    {"checkmark.shield.fill", 0xe8e8}, // verified_user
    {"chevron.left", 0xe5cb},
    {"chevron.right", 0xe5cc},
    {"chevron.up.chevron.down", 0xe5d7}, // unfold_more
    {"circle", 0xe836}, // radio_button_unchecked
    {"clock.arrow.circlepath", 0xe889}, // history
    {"clock.fill", 0xe8b5}, // schedule
    {"creditcard.fill", 0xe870}, // credit_card
    {"doc.on.doc", 0xe14d}, // content_copy
    {"doc.text", 0xe873}, // description
    {"doc.text.fill", 0xe873},
    {"door.left.hand.open", 0xeb4f}, // meeting_room
    {"envelope", 0xe0e1}, // mail_outline
    {"envelope.badge.fill", 0xf18a}, // mark_email_unread
    {"exclamationmark.circle.fill", 0xe000}, // error
    {"eye.fill", 0xe8f4}, // visibility
    {"eye.slash.fill", 0xe8f5}, // visibility_off
    {"film.stack", 0xe02c}, // movie
    {"gearshape.fill", 0xe8b8}, // settings
    {"gift", 0xe8f6}, // card_giftcard
    {"gift.fill", 0xe8f6},
    {"globe.europe.africa.fill", 0xe80b}, // public
    {"hand.raised.fill", 0xe764}, // back_hand
    {"hand.thumbsdown.fill", 0xe8db}, // thumb_down
    {"hand.thumbsup.fill", 0xe8dc}, // thumb_up
    {"headphones", 0xf01f},
    {"heart", 0xe87e}, // favorite_border
    {"heart.fill", 0xe87d}, // favorite
    {"hourglass", 0xe88b}, // hourglass_empty
    {"house.fill", 0xe88a}, // home
    {"info.circle", 0xe88f}, // info_outline
    {"info.circle.fill", 0xe88e}, // info
    {"iphone", 0xe32c}, // smartphone
    {"key", 0xe73c},
    {"key.fill", 0xe73c},
    {"key.horizontal.fill", 0xe0da}, // vpn_key
    {"lock.fill", 0xe897}, // lock
    {"lock.shield.fill", 0xef3d}, // admin_panel_settings
    {"magnifyingglass", 0xe8b6}, // search
    {"mappin.and.ellipse", 0xe55e}, // pin_drop
    {"message.fill", 0xe0ca}, // chat_bubble
    {"minus", 0xe15b}, // remove
    {"network", 0xeb2f}, // lan
    {"pause.circle", 0xe036}, // pause_circle_outline
    {"pencil", 0xe3c9}, // edit
    {"person.badge.plus", 0xe7fe}, // person_add
    {"person.crop.circle.badge.questionmark", 0xf0e2}, // support_agent
    {"person.crop.circle.fill", 0xe853}, // account_circle
    {"person.text.rectangle", 0xea67}, // badge
    {"phone", 0xe0b0}, // call
    {"phone.fill", 0xe0b0},
    {"pin", 0xf10d}, // push_pin
    {"pin.fill", 0xf10d},
    {"pin.slash", 0xf10d, Decoration::Slash},
    {"play.fill", 0xe037}, // play_arrow
    {"play.rectangle.on.rectangle.fill", 0xe04a}, // video_library
    {"play.tv", 0xe639}, // live_tv
    {"play.tv.fill", 0xe639},
    {"plus", 0xe145}, // add
    {"qrcode", 0xef6b}, // qr_code: qr_code_2's fine pattern smears at the sizes shown
    {"rectangle.portrait.and.arrow.right", 0xe9ba}, // logout
    {"repeat", 0xe040},
    {"rublesign", 0xeaec}, // currency_ruble
    {"rublesign.circle", 0xeaec, Decoration::Ring},
    {"rublesign.circle.fill", 0xeaec, Decoration::Disc},
    {"safari.fill", 0xe87a}, // explore
    {"server.rack", 0xe875}, // dns
    {"shippingbox.fill", 0xe1a1}, // inventory_2
    {"simcard.2.fill", 0xe32b}, // sim_card
    {"slider.horizontal.3", 0xe429}, // tune
    {"sparkles", 0xe65f}, // auto_awesome
    {"speedometer", 0xe9e4}, // speed
    {"square.and.arrow.up", 0xe6b8}, // ios_share
    {"square.grid.2x2.fill", 0xe9b0}, // grid_view
    {"tag.fill", 0xf05b}, // sell
    {"trash", 0xe872}, // delete
    {"tv", 0xe333},
    {"tv.fill", 0xe333, Decoration::Filled},
    {"tv.slash", 0xe647}, // tv_off
    {"video.fill", 0xe04b}, // videocam
    {"wallet.bifold.fill", 0xe850}, // account_balance_wallet
    {"waveform.circle", 0xe1b8, Decoration::Ring}, // graphic_eq
    {"wifi", 0xe63e},
    {"wifi.exclamationmark", 0xf066}, // signal_wifi_statusbar_connected_no_internet_4
    {"wifi.router", 0xe328}, // router
    {"wifi.slash", 0xe648}, // wifi_off
    {"xmark", 0xe5cd}, // close
    {"xmark.circle.fill", 0xe5c9}, // cancel
};

const QHash<QString, SymbolCatalog::Glyph> &table()
{
    static const QHash<QString, SymbolCatalog::Glyph> hash = [] {
        QHash<QString, SymbolCatalog::Glyph> built;
        for (const Entry &entry : entries)
            built.insert(QLatin1String(entry.name), {entry.codepoint, entry.decoration});
        return built;
    }();
    return hash;
}
} // namespace

std::optional<SymbolCatalog::Glyph> SymbolCatalog::glyph(const QString &name)
{
    const auto it = table().constFind(name);
    if (it == table().cend())
        return std::nullopt;
    return *it;
}

bool SymbolCatalog::contains(const QString &name)
{
    return table().contains(name);
}

QStringList SymbolCatalog::names()
{
    QStringList all = table().keys();
    all.sort();
    return all;
}

QString SymbolCatalog::fontFamily()
{
    return QStringLiteral("Material Icons");
}

QString SymbolCatalog::fontFile()
{
    return QStringLiteral("/usr/share/fonts/truetype/material-design-icons-iconfont/MaterialIcons-Regular.ttf");
}
