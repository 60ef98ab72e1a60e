#pragma once

#include <QList>
#include <QString>
#include <QUrl>

// Finds telephone numbers and web addresses in a chat message, in text order. The forms known:
//   telephone: Russian numbers with the country code "+7" or the trunk prefix "8" and ten more
//     digits, grouped by spaces or dashes, the area code optionally in brackets
//     ("+7 (495) 318-42-77", "8 800 555-35-35", "+74953184277", "8(495)3184277"), and a local
//     seven-digit number written with dashes ("318-42-77");
//   link: addresses with "http://", "https://" or "mailto:", addresses starting with "www.",
//     bare domains under common zones ("tarvik.ru/help", "example.com") and e-mail addresses.
// Trailing punctuation (".,;:!?…" quotes, and a closing bracket with no opening one inside) is
// not part of a link; a number inside a link is not a telephone number.
namespace SupportLinkDetector
{
struct Match {
    enum Kind { Link, Phone };
    Kind kind = Link;
    qsizetype start = 0;
    qsizetype length = 0;
    QUrl url; // the link's address; "tel:" and the digits for a number

    friend bool operator==(const Match &, const Match &) = default;
};

QList<Match> detect(const QString &text);

// "tel:" followed by the first number's digits (every numeric character, nothing else), or empty.
QUrl phoneUrl(const QString &text);
// The first link that is not a telephone address, or empty.
QUrl webUrl(const QString &text);

// Addresses a tap may hand to the system: https, http, tel and mailto only.
bool isOpenable(const QUrl &url);
} // namespace SupportLinkDetector
