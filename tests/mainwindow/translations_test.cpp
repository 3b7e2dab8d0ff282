// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The language the windows speak, chosen from the user's list of languages.
#include <QAbstractButton>
#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMenuBar>
#include <QMessageBox>

#include <gtest/gtest.h>

#include "random.h"
#include "tchat.h"
#include "translations.h"

namespace kuvo {
namespace {

// Every other test of this program reads the English texts.
class Translations : public ::testing::Test {
 protected:
  void TearDown() override { installTranslations(*qApp, {}); }

  static QString fileMenuTitle() {
    Random random(1);
    Tchat chat(random,
               {QStringLiteral("Ann"), QStringLiteral("127.0.0.1"), QStringLiteral("false")});
    const QList<QAction*> menus = chat.menuBar()->actions();
    return menus.isEmpty() ? QString() : menus.first()->text();
  }
};

TEST_F(Translations, TheFirstLanguageKuvoKnowsIsSpokenAndEnglishOtherwise) {
  struct Case {
    QStringList languages;
    QString chosen;
    QString fileMenu;
  };
  const Case cases[] = {
      {{"de"}, "de", "&Datei"},
      {{"de-AT", "fr"}, "de_AT", "&Datei"},
      {{"xx"}, "", "&File"},
      {{"xx-YY", "de-DE"}, "de_DE", "&Datei"},
      // English put first wins over a translation further down the list.
      {{"en-US", "de"}, "", "&File"},
      {{}, "", "&File"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.languages.join(QLatin1Char(',')).toStdString());
    EXPECT_EQ(installTranslations(*qApp, c.languages), c.chosen);
    EXPECT_EQ(fileMenuTitle(), c.fileMenu);
  }
}

TEST_F(Translations, QtsOwnButtonsFollowInTheSameLanguage) {
  const QString qtGerman =
      QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_de.qm");
  if (!QFileInfo::exists(qtGerman)) GTEST_SKIP() << "no Qt translations on this system";
  installTranslations(*qApp, {QStringLiteral("de")});
  QMessageBox box(QMessageBox::Question, QStringLiteral("Kuvo"), QStringLiteral("?"),
                  QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(box.button(QMessageBox::No)->text(), QStringLiteral("&Nein"));
}

}  // namespace
}  // namespace kuvo
