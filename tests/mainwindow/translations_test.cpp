// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The language the windows speak, chosen from the user's list of languages.
#include <QAbstractButton>
#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMenuBar>
#include <QMessageBox>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include "random.h"
#include "tchat.h"
#include "thelp.h"
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

  static QString helpOverview() {
    Thelp help(nullptr, nullptr);
    const auto* page = help.findChild<QTextBrowser*>(QStringLiteral("memo1"));
    return page != nullptr ? page->toPlainText() : QString();
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

// Each language: its menus, its help pages, its plural forms and Qt's own
// buttons; English needs its plural forms too.
TEST_F(Translations, EachLanguageSpeaksThroughout) {
  struct Case {
    QString language;
    QString chosen;
    QString fileMenu;
    QString helpHeading;
    QString oneByte;
    QString qtYes;
  };
  const Case cases[] = {
      {"de", "de", "&Datei", "Willkommen bei Kuvo", "1 Byte", "&Ja"},
      {"fr-FR", "fr_FR", "&Fichier", "Bienvenue dans Kuvo", "1 octet", "&Oui"},
      {"es", "es", "&Archivo", "Bienvenido a Kuvo", "1 byte", "&Sí"},
      {"pt-BR", "pt_BR", "&Arquivo", "Boas-vindas ao Kuvo", "1 byte", "&Sim"},
      // Brazilian Portuguese is the Portuguese Kuvo speaks.
      {"pt-PT", "pt_BR", "&Arquivo", "Boas-vindas ao Kuvo", "1 byte", "&Sim"},
      {"en-GB", "", "&File", "Welcome to Kuvo", "1 byte", "&Yes"},
  };
  const bool qtTranslated = QFileInfo::exists(QLibraryInfo::path(QLibraryInfo::TranslationsPath) +
                                              QStringLiteral("/qtbase_de.qm"));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.language.toStdString());
    EXPECT_EQ(installTranslations(*qApp, {c.language}), c.chosen);
    EXPECT_EQ(fileMenuTitle(), c.fileMenu);
    EXPECT_TRUE(helpOverview().startsWith(c.helpHeading)) << helpOverview().left(40).toStdString();
    EXPECT_EQ(QCoreApplication::translate("kuvo::Tdownload", "%n bytes", nullptr, 1), c.oneByte);
    if (!qtTranslated) continue;
    QMessageBox box(QMessageBox::Question, QStringLiteral("Kuvo"), QStringLiteral("?"),
                    QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text(), c.qtYes);
  }
}

}  // namespace
}  // namespace kuvo
