// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "logging.h"

namespace kuvo {

Q_LOGGING_CATEGORY(logHost, "kuvo.host", QtInfoMsg)
Q_LOGGING_CATEGORY(logClient, "kuvo.client", QtInfoMsg)
Q_LOGGING_CATEGORY(logTally, "kuvo.tally", QtInfoMsg)

void enableHostDebugLog() {
  QLoggingCategory::setFilterRules(QStringLiteral("kuvo.host.debug=true"));
}

}  // namespace kuvo
