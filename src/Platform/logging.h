#pragma once

#include <QLoggingCategory>

Q_DECLARE_LOGGING_CATEGORY(lcHttp)
Q_DECLARE_LOGGING_CATEGORY(lcSession)
Q_DECLARE_LOGGING_CATEGORY(lcSecrets)
Q_DECLARE_LOGGING_CATEGORY(lcNotifications)
