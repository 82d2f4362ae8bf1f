#include "app/logcategories.h"

Q_LOGGING_CATEGORY(lcLink, "voltaro.link", QtInfoMsg)
Q_LOGGING_CATEGORY(lcMonitor, "voltaro.monitor", QtInfoMsg)
Q_LOGGING_CATEGORY(lcHistory, "voltaro.history", QtInfoMsg)
Q_LOGGING_CATEGORY(lcUpdate, "voltaro.update", QtInfoMsg)
Q_LOGGING_CATEGORY(lcFiles, "voltaro.files", QtInfoMsg)
