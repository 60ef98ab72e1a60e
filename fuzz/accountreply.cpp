#include "fuzzing.h"
#include "tarvikapiobject.h"

#include <QJsonArray>
#include <QJsonDocument>

// A reply of the personal-account site, read as the client reads it: any JSON, then every field
// as text and every list of objects, as the store's mapping asks for them.
namespace
{
void readObject(const TarvikAPIObject &object, int depth)
{
    for (auto it = object.values().begin(); it != object.values().end(); ++it) {
        const QString text = object.text(it.key());
        FUZZ_ASSERT(!text.isEmpty());
        if (depth < 3) {
            if (const auto rows = object.objects(it.key())) {
                for (const TarvikAPIObject &row : *rows)
                    readObject(row, depth + 1);
            }
        }
    }
    for (const char *key : { "result", "reason", "ab_id", "balance", "payments", "services", "recommendpay", "login", "code" }) {
        Q_UNUSED(object.text(QLatin1String(key), QString()));
        Q_UNUSED(object.objects(QLatin1String(key)));
    }
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(fuzzInput(data, size), &error);
    if (document.isObject())
        readObject(TarvikAPIObject(document.object()), 0);
    for (const QJsonValue &element : document.array())
        readObject(TarvikAPIObject(element.toObject()), 0);
    return 0;
}
