// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// A small link object: an address without its scheme, plus the scheme, opened
// through the desktop's default handler.
#pragma once

#include <QString>

#include "prompts.h"

namespace kuvo {

class TURL {
 public:
  // The scheme choices, in this order; each puts its prefix before URL.
  enum Type {
    utFile,
    utFtp,
    utGopher,
    utHttp,
    utHttps,
    utMailto,
    utNews,
    utTelnet,
    utWais,
    utnone
  };

  TURL() = default;
  TURL(const QString& url, Type type) : url_(url), type_(type) {}

  QString URL() const { return url_; }
  void setURL(const QString& url) {
    if (url != url_) url_ = url;
  }
  Type URLType() const { return type_; }
  void setURLType(Type type) {
    if (type != type_) type_ = type;
  }

  static QString prefix(Type type);
  // Prefix followed by URL.
  QString address() const { return prefix(type_) + url_; }

  // Hands the address to the desktop through `prompts`; false when URL is
  // empty or the desktop refuses it.
  bool open(Prompts& prompts) const;

 private:
  QString url_;
  Type type_ = utHttp;
};

}  // namespace kuvo
