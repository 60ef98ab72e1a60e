#pragma once

#include "officegeocoder.h"

#include <QStringList>

// For tests: counts requests and answers with `answer` (none by default), at once or, while
// held, when released.
class FakeOfficeGeocoder : public OfficeGeocoder
{
    Q_OBJECT

public:
    using OfficeGeocoder::OfficeGeocoder;

    QCoro::Task<std::optional<WebMercator::Coordinate>> geocode(QString address) override;

    std::optional<WebMercator::Coordinate> answer;
    bool held = false;
    int requestCount = 0;
    QStringList addresses;
    void release();

Q_SIGNALS:
    void released();
};
