#pragma once

#include "webmercator.h"

#include <QCoroTask>
#include <QObject>
#include <QUrl>

#include <optional>

// Turns a street address into a coordinate. No answer (nullopt) for a failure of any kind.
class OfficeGeocoder : public QObject
{
    Q_OBJECT

public:
    using QObject::QObject;
    virtual QCoro::Task<std::optional<WebMercator::Coordinate>> geocode(QString address) = 0;
};
