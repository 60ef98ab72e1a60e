#include "logging.h"

Q_LOGGING_CATEGORY(lcHttp, "tarvik.http", QtWarningMsg)
Q_LOGGING_CATEGORY(lcSession, "tarvik.session", QtWarningMsg)
Q_LOGGING_CATEGORY(lcSecrets, "tarvik.secrets", QtWarningMsg)
Q_LOGGING_CATEGORY(lcNotifications, "tarvik.notifications", QtWarningMsg)
Q_LOGGING_CATEGORY(lcSettings, "tarvik.settings", QtWarningMsg)
