// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// Kuvo speaks the user's language where it has a translation, and English
// otherwise. Only what the user reads is translated: names, settings, files
// and everything on the wire stay as they are.
#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace kuvo {

// Installs Kuvo's own translation and Qt's for the first of `languages` (most
// wanted first, as QLocale::uiLanguages() gives them: "de-AT", "de", "en-US")
// that Kuvo has, replacing what an earlier call installed. English, or no
// language Kuvo knows, leaves every text as written but for the plural forms
// of counts. Returns the language chosen ("de", "de_AT", "pt_BR" for "pt"),
// or an empty string for English.
QString installTranslations(QCoreApplication& app, const QStringList& languages);

}  // namespace kuvo
