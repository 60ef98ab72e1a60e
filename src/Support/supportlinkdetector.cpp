#include "supportlinkdetector.h"

#include <QRegularExpression>

#include <algorithm>

namespace SupportLinkDetector
{
namespace
{
// What may not end a link although a link may hold it inside.
bool isTrailingPunctuation(QChar c)
{
    return QStringLiteral(".,;:!?…'\"»”").contains(c);
}

qsizetype trimmedLinkLength(const QString &text, qsizetype start, qsizetype length)
{
    while (length > 0) {
        const QChar last = text.at(start + length - 1);
        if (isTrailingPunctuation(last)) {
            --length;
            continue;
        }
        if (last == QLatin1Char(')')) {
            const QStringView link = QStringView(text).mid(start, length);
            if (link.count(QLatin1Char('(')) < link.count(QLatin1Char(')'))) {
                --length;
                continue;
            }
        }
        break;
    }
    return length;
}

QList<Match> links(const QString &text)
{
    static const QRegularExpression schemed(QStringLiteral("(?i)\\b(?:https?://|mailto:)[^\\s<>\"«»]+"));
    static const QRegularExpression www(QStringLiteral("(?i)(?<![\\w.@/-])www\\.[^\\s<>\"«»]+"));
    static const QRegularExpression email(QStringLiteral("(?<![\\w.+-])[A-Za-z0-9._%+-]+@[A-Za-z0-9-]+(?:\\.[A-Za-z0-9-]+)*\\.[A-Za-z]{2,24}(?![\\w-])"));
    static const QRegularExpression domain(QStringLiteral(
        "(?i)(?<![\\w.@/-])(?:[a-z0-9](?:[a-z0-9-]*[a-z0-9])?\\.)+(?:ru|рф|su|com|net|org|info|io|me|tv|pro|online|site|biz)"
        "(?![\\w-])(?:/[^\\s<>\"«»]*)?"));

    QList<Match> found;
    const auto collect = [&](const QRegularExpression &pattern, auto makeUrl) {
        for (auto it = pattern.globalMatch(text); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            const qsizetype length = trimmedLinkLength(text, match.capturedStart(), match.capturedLength());
            if (length <= 0)
                continue;
            const QUrl url = makeUrl(text.mid(match.capturedStart(), length));
            if (url.isValid() && !url.isEmpty())
                found.append({Match::Link, match.capturedStart(), length, url});
        }
    };
    collect(schemed, [](const QString &link) { return QUrl(link, QUrl::TolerantMode); });
    collect(www, [](const QString &link) { return QUrl(QStringLiteral("https://") + link, QUrl::TolerantMode); });
    collect(email, [](const QString &link) { return QUrl(QStringLiteral("mailto:") + link); });
    collect(domain, [](const QString &link) { return QUrl(QStringLiteral("https://") + link, QUrl::TolerantMode); });
    return found;
}

QList<Match> phones(const QString &text)
{
    static const QRegularExpression national(
        QStringLiteral("(?<![\\d+])(?:\\+7|8)[ \\t-]?(?:\\(\\d{3}\\)|\\d{3})[ \\t-]?\\d{3}[ \\t-]?\\d{2}[ \\t-]?\\d{2}(?!\\d)"));
    static const QRegularExpression local(QStringLiteral("(?<![\\d+-])\\d{3}-\\d{2}-\\d{2}(?![\\d-])"));
    QList<Match> found;
    for (const QRegularExpression *pattern : {&national, &local}) {
        for (auto it = pattern->globalMatch(text); it.hasNext();) {
            const QRegularExpressionMatch match = it.next();
            QString digits;
            for (const QChar c : match.capturedView()) {
                if (c.isNumber())
                    digits.append(c);
            }
            found.append({Match::Phone, match.capturedStart(), match.capturedLength(), QUrl(QStringLiteral("tel:") + digits)});
        }
    }
    return found;
}
} // namespace

QList<Match> detect(const QString &text)
{
    QList<Match> candidates = links(text) + phones(text);
    // Earlier first; of two starting together the longer (a link before a number in it).
    std::stable_sort(candidates.begin(), candidates.end(), [](const Match &a, const Match &b) {
        return a.start != b.start ? a.start < b.start : a.length > b.length;
    });
    QList<Match> matches;
    qsizetype end = 0;
    for (const Match &candidate : std::as_const(candidates)) {
        if (candidate.start < end)
            continue;
        matches.append(candidate);
        end = candidate.start + candidate.length;
    }
    return matches;
}

QUrl phoneUrl(const QString &text)
{
    for (const Match &match : detect(text)) {
        if (match.kind == Match::Phone)
            return match.url;
    }
    return {};
}

QUrl webUrl(const QString &text)
{
    for (const Match &match : detect(text)) {
        if (match.kind == Match::Link && match.url.scheme().toLower() != QLatin1String("tel"))
            return match.url;
    }
    return {};
}

bool isOpenable(const QUrl &url)
{
    static const QStringList allowed{QStringLiteral("https"), QStringLiteral("http"), QStringLiteral("tel"), QStringLiteral("mailto")};
    return url.isValid() && allowed.contains(url.scheme().toLower());
}
} // namespace SupportLinkDetector
