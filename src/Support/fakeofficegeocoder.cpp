#include "fakeofficegeocoder.h"

#include <QCoroSignal>

QCoro::Task<std::optional<WebMercator::Coordinate>> FakeOfficeGeocoder::geocode(QString address)
{
    ++requestCount;
    addresses.append(address);
    if (held)
        co_await qCoro(this, &FakeOfficeGeocoder::released);
    co_return answer;
}

void FakeOfficeGeocoder::release()
{
    held = false;
    Q_EMIT released();
}
