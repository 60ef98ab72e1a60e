#include "fuzzing.h"
#include "supportchatformatter.h"
#include "supportchatmessage.h"

#include <QCoreApplication>

// The support chat history as read back from the settings file: whatever decodes must survive being
// written and read again unchanged, and every date in it must format.
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    new QCoreApplication(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const auto messages = SupportChatCodec::decode(fuzzInput(data, size));
    if (!messages)
        return 0;
    const QByteArray encoded = SupportChatCodec::encode(*messages);
    const auto again = SupportChatCodec::decode(encoded);
    FUZZ_ASSERT(again);
    FUZZ_ASSERT(*again == *messages);
    FUZZ_ASSERT(SupportChatCodec::encode(*again) == encoded);
    const QList<SupportChatMessage> personal = SupportChatCodec::personalize(*messages);
    FUZZ_ASSERT(personal.size() == messages->size());
    for (const SupportChatMessage &message : personal) {
        FUZZ_ASSERT(!SupportChatFormatter::time(message.sentAt).isEmpty());
        FUZZ_ASSERT(!SupportChatFormatter::details(message.sentAt).isEmpty());
        if (message.editedAt)
            FUZZ_ASSERT(!SupportChatFormatter::details(*message.editedAt).isEmpty());
        if (message.readAt)
            FUZZ_ASSERT(!SupportChatFormatter::time(*message.readAt).isEmpty());
    }
    return 0;
}
