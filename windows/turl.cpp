// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "turl.h"

#include <QUrl>

namespace kuvo {

QString TURL::prefix(Type type) {
  switch (type) {
    case utFile:
      return QStringLiteral("file://");
    case utFtp:
      return QStringLiteral("ftp://");
    case utGopher:
      return QStringLiteral("gopher://");
    case utHttp:
      return QStringLiteral("http://");
    case utHttps:
      return QStringLiteral("https://");
    case utMailto:
      return QStringLiteral("mailto:");
    case utNews:
      return QStringLiteral("news:");
    case utTelnet:
      return QStringLiteral("telnet:");
    case utWais:
      return QStringLiteral("wais:");
    case utnone:
      return QString();
  }
  return QString();
}

bool TURL::open(Prompts& prompts) const {
  if (url_.isEmpty()) return false;
  const QUrl target(address(), QUrl::TolerantMode);
  if (!target.isValid()) return false;
  return prompts.openUrl(target);
}

}  // namespace kuvo
