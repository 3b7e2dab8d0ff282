// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>
#include <QDate>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>

#include "fakeprompts.h"
#include "tabout.h"
#include "thelp.h"
#include "turl.h"
#include "version.h"
#include "windowart.h"

namespace kuvo {

using namespace windowart;
namespace {

const QString kThisYear = QString::number(QDate::currentDate().year());

class HelpTest : public ::testing::Test {
 protected:
  HelpTest() { help.show(); }

  void press(const char* button) {
    auto* b = help.findChild<QPushButton*>(QString::fromLatin1(button));
    ASSERT_NE(b, nullptr) << button;
    QTest::mouseClick(b, Qt::LeftButton);
  }
  QString pageText(const char* memo) {
    auto* page = help.findChild<QTextBrowser*>(QString::fromLatin1(memo));
    return page != nullptr ? page->toPlainText() : QString();
  }

  Tabout about{nullptr};
  Thelp help{nullptr, &about};
};

TEST_F(HelpTest, WindowAsDesigned) {
  EXPECT_EQ(help.windowTitle(), "Kuvo - Help File");
  EXPECT_EQ(help.size(), QSize(523, 431));
  EXPECT_EQ(help.caption(), "Overview");
  EXPECT_EQ(help.currentPageName(), "memo1");
  EXPECT_EQ(help.findChild<QWidget*>(QStringLiteral("panel_side"))->width(), 137);
  EXPECT_EQ(help.findChild<QLabel*>(QStringLiteral("label_year"))->text(), kThisYear);
}

struct PageCase {
  const char* button;
  const char* caption;
  const char* memo;
};

class HelpPages : public HelpTest, public ::testing::WithParamInterface<PageCase> {};

TEST_P(HelpPages, ButtonBringsItsPageAndTitleToTheFront) {
  press(GetParam().button);
  EXPECT_EQ(help.currentPageName(), GetParam().memo);
  EXPECT_EQ(help.caption(), GetParam().caption);
  EXPECT_GT(pageText(GetParam().memo).size(), 400) << "page has real text";
}

INSTANTIATE_TEST_SUITE_P(Pages, HelpPages,
                         ::testing::Values(PageCase{"SelButton1", "Overview", "memo1"},
                                           PageCase{"SelButton2", "Connecting", "memo2"},
                                           PageCase{"SelButton3", "Game Play", "memo3"},
                                           PageCase{"SelButton4", "Scoring", "memo4"},
                                           PageCase{"SelButton5", "Documentation", "memo5"},
                                           PageCase{"SelButton6", "License", "memo6"},
                                           PageCase{"SelButton11", "The Lobby", "memo11"}));

TEST_F(HelpTest, ScoringThenOverview) {
  press("SelButton4");
  EXPECT_EQ(help.currentPageName(), "memo4");
  EXPECT_EQ(help.caption(), "Scoring");
  press("SelButton1");
  EXPECT_EQ(help.currentPageName(), "memo1");
  EXPECT_EQ(help.caption(), "Overview");
}

TEST_F(HelpTest, PagesStateTheFactsOfTheGame) {
  const QString connecting = pageText("memo2");
  for (const char* fact : {"kuvo NAME ADDRESS true", "kuvo NAME ADDRESS false", "kuvo-host", "7772",
                           "Rovi", "Play with Others…", "Host a Table", "host:port"}) {
    EXPECT_TRUE(connecting.contains(QString::fromUtf8(fact))) << fact;
  }
  // Without the lobby, its button opens the game's own finder.
  EXPECT_TRUE(pageText("memo11").contains(QStringLiteral("table finder")));
  const QString play = pageText("memo3");
  for (const char* fact : {"20 pulls", "600 seconds", "one in ten"}) {
    EXPECT_TRUE(play.contains(QString::fromLatin1(fact))) << fact;
  }
  const QString scoring = pageText("memo4");
  for (const char* fact :
       {"100", "200", "extra pull", "500", "1000 + 100 per pull left", "1300", "2000"}) {
    EXPECT_TRUE(scoring.contains(QString::fromLatin1(fact))) << fact;
  }
  EXPECT_TRUE(pageText("memo5").contains(QString::fromLatin1(kVersionText)));
  EXPECT_TRUE(pageText("memo6").contains(QStringLiteral("Orvel")));
}

TEST_F(HelpTest, AboutAndDoneButtons) {
  press("button_about");
  EXPECT_TRUE(about.isVisible());
  press("button_done");
  EXPECT_FALSE(help.isVisible());
}

class AboutTest : public ::testing::Test {
 protected:
  AboutTest() {
    about.setPrompts(prompts);
    about.show();
  }

  Tabout about{nullptr};
  testing::FakePrompts prompts;
  const QList<QUrl>& opened = prompts.opened;
  const QStringList& messages = prompts.notices;
};

TEST_F(AboutTest, WindowAsDesigned) {
  EXPECT_EQ(about.windowTitle(), "Kuvo - About");
  EXPECT_EQ(about.size(), QSize(304, 174));
  EXPECT_EQ(about.version(), QString::fromLatin1(kVersionText));
  // The version line reads as the version everything else shows, with nothing after it.
  QStringList texts;
  for (const QLabel* label : about.findChildren<QLabel*>()) texts << label->text();
  EXPECT_TRUE(texts.contains(QString::fromLatin1(kVersionText)));
  EXPECT_FALSE(texts.contains(QStringLiteral(".2")));
  EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("label_year"))->text(), kThisYear);
  EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("image_aboutlogo"))->size(), QSize(264, 75));
  EXPECT_EQ(about.findChild<QLabel*>(QStringLiteral("label_url"))->text(), "www.orvel.example");
}

TEST_F(AboutTest, LinkOpensTheMakersAddressOverHttp) {
  EXPECT_EQ(about.URL1.URLType(), TURL::utHttp);
  EXPECT_TRUE(about.openLink());
  EXPECT_EQ(opened, QList<QUrl>{QUrl(QStringLiteral("http://www.orvel.example"))});
}

TEST_F(AboutTest, ClickingTheAddressOrTheLogoOpensIt) {
  QTest::mouseClick(about.findChild<QLabel*>(QStringLiteral("label_url")), Qt::LeftButton);
  QTest::mouseClick(about.findChild<QLabel*>(QStringLiteral("image_aboutlogo")), Qt::LeftButton);
  EXPECT_EQ(opened.size(), 2);
  EXPECT_TRUE(messages.isEmpty());
  prompts.acceptAddresses = false;
  QTest::mouseClick(about.findChild<QLabel*>(QStringLiteral("label_url")), Qt::LeftButton);
  EXPECT_EQ(messages, QStringList{QStringLiteral("Cannot open Webpage")});
}

TEST_F(AboutTest, DoneHides) {
  QTest::mouseClick(about.findChild<QPushButton*>(QStringLiteral("button_done")), Qt::LeftButton);
  EXPECT_FALSE(about.isVisible());
}

struct PrefixCase {
  TURL::Type type;
  const char* address;
};

class TurlPrefixes : public ::testing::TestWithParam<PrefixCase> {};

TEST_P(TurlPrefixes, PrefixGoesBeforeTheAddress) {
  TURL link(QStringLiteral("orvel.example"), GetParam().type);
  EXPECT_EQ(link.address(), GetParam().address);
}

INSTANTIATE_TEST_SUITE_P(Types, TurlPrefixes,
                         ::testing::Values(PrefixCase{TURL::utFile, "file://orvel.example"},
                                           PrefixCase{TURL::utFtp, "ftp://orvel.example"},
                                           PrefixCase{TURL::utGopher, "gopher://orvel.example"},
                                           PrefixCase{TURL::utHttp, "http://orvel.example"},
                                           PrefixCase{TURL::utHttps, "https://orvel.example"},
                                           PrefixCase{TURL::utMailto, "mailto:orvel.example"},
                                           PrefixCase{TURL::utNews, "news:orvel.example"},
                                           PrefixCase{TURL::utTelnet, "telnet:orvel.example"},
                                           PrefixCase{TURL::utWais, "wais:orvel.example"},
                                           PrefixCase{TURL::utnone, "orvel.example"}));

TEST(Turl, EmptyAddressOpensNothing) {
  TURL link;
  EXPECT_EQ(link.URLType(), TURL::utHttp);
  testing::FakePrompts prompts;
  EXPECT_FALSE(link.open(prompts));
  EXPECT_TRUE(prompts.opened.isEmpty());
  link.setURL(QStringLiteral("info@orvel.example"));
  link.setURLType(TURL::utMailto);
  EXPECT_TRUE(link.open(prompts));
  EXPECT_EQ(prompts.opened, QList<QUrl>{QUrl(QStringLiteral("mailto:info@orvel.example"))});
}

}  // namespace
}  // namespace kuvo
