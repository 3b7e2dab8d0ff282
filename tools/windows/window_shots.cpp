// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// Opens each side window and saves a picture of it, to look at the windows
// under a theme, a style or a language:
//   window_shots <folder> [<suffix>] [<file.qm>]
// writes <folder>/<window>[-<suffix>].png. The theme is the platform's, so run
// it under a display with the theme chosen, for example
//   QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark xvfb-run window_shots docs/themes dark
// A .qm file given last is installed over the language the environment chose,
// which shows a translation before it is built into the program.

#include <QApplication>
#include <QDir>
#include <QLocale>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>
#include <functional>
#include <memory>

#include "playwithothers.h"
#include "tabout.h"
#include "tdownload.h"
#include "tgamestart.h"
#include "thelp.h"
#include "tphrases.h"
#include "translations.h"
#include "tspylist.h"
#include "ttallylist.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() < 2) return 2;
  const QDir folder(args.at(1));
  const QString suffix =
      args.size() > 2 && !args.at(2).isEmpty() ? QStringLiteral("-") + args.at(2) : QString();
  kuvo::installTranslations(app, QLocale().uiLanguages());
  QTranslator extra;
  if (args.size() > 3 && extra.load(args.at(3))) QCoreApplication::installTranslator(&extra);

  QTemporaryDir tallyFolder;
  using Make = std::function<std::unique_ptr<QWidget>()>;
  const std::vector<std::pair<const char*, Make>> windows = {
      {"gamestart", [] { return std::make_unique<kuvo::Tgamestart>(nullptr); }},
      {"about", [] { return std::make_unique<kuvo::Tabout>(nullptr); }},
      {"help", [] { return std::make_unique<kuvo::Thelp>(nullptr, nullptr); }},
      {"phrases", [] { return std::make_unique<kuvo::Tphrases>(nullptr); }},
      {"spylist",
       [] {
         auto list = std::make_unique<kuvo::Tspylist>(nullptr);
         list->addEntry(QStringLiteral("7: Ann"));
         return list;
       }},
      {"download", [] { return std::make_unique<kuvo::Tdownload>(nullptr); }},
      {"playwithothers",
       [] {
         return std::make_unique<kuvo::PlayWithOthers>(
             nullptr, QList<kuvo::FinderTarget>{{QStringLiteral("127.0.0.1"), 9}});
       }},
      {"tally",
       [&tallyFolder] {
         auto tally = std::make_unique<kuvo::Ttallylist>(
             nullptr, tallyFolder.filePath(QStringLiteral("Kuvotally.tld")));
         tally->setSlotSource([] { return QStringList{QStringLiteral("Ann")}; });
         tally->loadchecklist();
         return tally;
       }},
  };
  int failures = 0;
  for (const auto& [name, make] : windows) {
    const std::unique_ptr<QWidget> window = make();
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get(), 2000)) QTest::qWait(200);
    const QString file =
        folder.filePath(QString::fromLatin1(name) + suffix + QStringLiteral(".png"));
    if (!window->grab().save(file)) ++failures;
    window->hide();
  }
  return failures == 0 ? 0 : 1;
}
