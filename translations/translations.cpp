// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

// The resource is in a static library: its registration has to be pulled in
// by hand, outside any namespace.
static void initTranslationResources() {
  Q_INIT_RESOURCE(kuvo_translations_translations);
}

namespace kuvo {
namespace {

constexpr char kOwnFolder[] = ":/kuvo/i18n";
constexpr char kTranslatorName[] = "kuvo-translator";

// "de-AT" first as it is, then as "de": a German speaker in Austria reads
// the German translation. Portuguese has only the Brazilian translation, which
// a reader from Portugal reads far more easily than English.
QStringList candidates(const QString& language) {
  QString name = language.trimmed();
  name.replace(QLatin1Char('-'), QLatin1Char('_'));
  const qsizetype dot = name.indexOf(QLatin1Char('.'));  // "de_DE.UTF-8"
  if (dot >= 0) name.truncate(dot);
  const qsizetype at = name.indexOf(QLatin1Char('@'));  // "de_DE@euro"
  if (at >= 0) name.truncate(at);
  QStringList names;
  if (name.isEmpty()) return names;
  names << name;
  const qsizetype underscore = name.indexOf(QLatin1Char('_'));
  if (underscore > 0) names << name.left(underscore);
  if (names.last().compare(QLatin1String("pt"), Qt::CaseInsensitive) == 0)
    names << QStringLiteral("pt_BR");
  return names;
}

// "en_US" too: English in any country reads the texts as written.
bool isEnglish(const QString& name) {
  return name.section(QLatin1Char('_'), 0, 0).compare(QLatin1String("en"), Qt::CaseInsensitive) ==
             0 ||
         name.compare(QLatin1String("C"), Qt::CaseInsensitive) == 0 ||
         name.compare(QLatin1String("POSIX"), Qt::CaseInsensitive) == 0;
}

void removeInstalled(QCoreApplication& app) {
  const auto installed =
      app.findChildren<QTranslator*>(QLatin1String(kTranslatorName), Qt::FindDirectChildrenOnly);
  for (QTranslator* translator : installed) {
    QCoreApplication::removeTranslator(translator);
    delete translator;
  }
}

void install(QTranslator* translator) {
  translator->setObjectName(QLatin1String(kTranslatorName));
  QCoreApplication::installTranslator(translator);
}

// The texts are written in English, all but the two forms of a count ("1
// byte", "2 bytes"), which only a translation can choose between.
void installEnglishPlurals(QCoreApplication& app) {
  auto* plurals = new QTranslator(&app);
  if (plurals->load(QStringLiteral("kuvo_en"), QLatin1String(kOwnFolder)))
    install(plurals);
  else
    delete plurals;
}

}  // namespace

QString installTranslations(QCoreApplication& app, const QStringList& languages) {
  initTranslationResources();
  removeInstalled(app);
  for (const QString& language : languages) {
    for (const QString& name : candidates(language)) {
      // The texts are written in English: a user who puts English before
      // another language gets them as written.
      if (isEnglish(name)) {
        installEnglishPlurals(app);
        return QString();
      }
      auto* own = new QTranslator(&app);
      if (!own->load(QStringLiteral("kuvo_") + name, QLatin1String(kOwnFolder))) {
        delete own;
        continue;
      }
      install(own);
      // Qt's own texts (the buttons of a message box, the colour dialog) in
      // the same language, where the system has them; without, they stay English.
      auto* qt = new QTranslator(&app);
      if (qt->load(QStringLiteral("qtbase_") + name,
                   QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        install(qt);
      } else {
        delete qt;
      }
      return name;
    }
  }
  installEnglishPlurals(app);
  return QString();
}

}  // namespace kuvo
