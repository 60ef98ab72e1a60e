#include "fuzzing.h"
#include "supportlinkdetector.h"

#include <QCoreApplication>

// The telephone numbers and web addresses found in a chat message: in text order, apart, inside
// the text, each with an address of its kind.
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    new QCoreApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    using SupportLinkDetector::Match;
    const QString text = QString::fromUtf8(fuzzInput(data, size));
    const QList<Match> matches = SupportLinkDetector::detect(text);
    qsizetype end = 0;
    QUrl firstPhone;
    QUrl firstLink;
    for (const Match &match : matches) {
        FUZZ_ASSERT(match.start >= end && match.length > 0 && match.start + match.length <= text.size());
        end = match.start + match.length;
        FUZZ_ASSERT(match.url.isValid() && !match.url.isEmpty());
        if (match.kind == Match::Phone) {
            FUZZ_ASSERT(match.url.scheme() == QLatin1String("tel"));
            FUZZ_ASSERT(SupportLinkDetector::isOpenable(match.url));
            if (firstPhone.isEmpty())
                firstPhone = match.url;
        } else if (firstLink.isEmpty() && match.url.scheme().toLower() != QLatin1String("tel")) {
            firstLink = match.url;
        }
        Q_UNUSED(SupportLinkDetector::isOpenable(match.url));
    }
    FUZZ_ASSERT(SupportLinkDetector::phoneUrl(text) == firstPhone);
    FUZZ_ASSERT(SupportLinkDetector::webUrl(text) == firstLink);
    return 0;
}
