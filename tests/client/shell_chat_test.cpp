// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The chat: how lines are shown, what the input line and the phrase buttons
// send, links, smileys, Rovi's chatter and the text options.
#include <cmath>
#include <functional>

#include <gtest/gtest.h>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>

#include "chatpanel.h"
#include "shell_testsupport.h"
#include "smileys.h"

namespace kuvo {
namespace {

using testing::FakeServices;
using testing::TestMenu;

struct Piece {
  QString text;
  QTextCharFormat format;
};

// The pieces of paragraph `block` of the view, as the user sees them.
std::vector<Piece> pieces(const QTextBrowser* view, int block) {
  std::vector<Piece> out;
  const QTextBlock b = view->document()->findBlockByNumber(block);
  for (auto it = b.begin(); !it.atEnd(); ++it) {
    const QTextFragment f = it.fragment();
    if (f.isValid()) out.push_back({f.text(), f.charFormat()});
  }
  return out;
}

class ChatTest : public ::testing::Test {
 protected:
  ChatTest() : board(testing::makeBoard()), chat(board.get(), services, menu.menu) {
    services.clientState.loggedin = true;
    services.clientState.mynumber = 3;
  }

  QString viewText() const { return chat.mainchat()->document()->toPlainText(); }

  void press(QWidget* widget, int key, const QString& text = {}) {
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &down);
  }

  FakeServices services;
  TestMenu menu;
  std::unique_ptr<QWidget> board;
  ChatPanel chat;
  QList<QUrl>& opened = services.dialogs.opened;
  const QStringList& boxes = services.dialogs.notices;
};

TEST_F(ChatTest, ReceivedLineWithSmileyAndLink) {
  chat.chatrecieved("3+Ann chats: hi :)#12 see www.example.com|clRed");

  const auto got = pieces(chat.mainchat(), 0);
  ASSERT_EQ(got.size(), 4u);
  EXPECT_EQ(got[0].text, QStringLiteral("Ann chats:  hi  "));
  EXPECT_EQ(got[0].format.foreground().color(), QColor(255, 0, 0));
  EXPECT_EQ(got[0].format.fontWeight(), QFont::Bold);
  ASSERT_TRUE(got[1].format.isImageFormat());
  EXPECT_EQ(smileyIndexFromUrl(QUrl(got[1].format.toImageFormat().name())), 2);
  EXPECT_EQ(got[2].text, QStringLiteral(" see "));
  EXPECT_EQ(got[3].text, QStringLiteral("www.example.com "));
  EXPECT_TRUE(got[3].format.isAnchor());
  EXPECT_TRUE(got[3].format.fontUnderline());
  EXPECT_EQ(got[3].format.foreground().color(), QColor(Qt::white));

  EXPECT_EQ(chat.lastweblink(), 0);
  EXPECT_EQ(chat.weblinks()[0], QStringLiteral("www.example.com "));
  chat.mainchatJump(0);
  ASSERT_EQ(opened.size(), 1);
  EXPECT_EQ(opened[0], QUrl(QStringLiteral("http://www.example.com")));
}

TEST_F(ChatTest, ReceivedColours) {
  struct Case {
    const char* payload;
    QColor colour;
    const char* text;
  };
  const Case cases[] = {
      {"3+Ann chats: hi|clAqua", QColor(0, 255, 255), "Ann chats:  hi "},
      {"3+Ann chats: hi|$0000FF00", QColor(0, 255, 0), "Ann chats:  hi "},
      {"3+Ann chats: no bar", QColor(255, 0, 0), "Ann chats:  no bar "},
      {"3+Ann chats: hi|clPink", QColor(255, 0, 0), "Ann chats:  hi "},
      {"3+Ann chats: a|b|clLime", QColor(0, 255, 0), "Ann chats:  a|b "},
      {"3+Ann chats: :||clLime", QColor(0, 255, 0), "Ann chats:  :| "},
      {"3+Ann chats: a|b", QColor(255, 0, 0), "Ann chats:  a "},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.payload);
    chat.ClearMainChat1Click();
    chat.chatrecieved(c.payload);
    EXPECT_EQ(viewText(), QString::fromUtf8(c.text));
    EXPECT_EQ(pieces(chat.mainchat(), 0).at(0).format.foreground().color(), c.colour);
  }
}

TEST_F(ChatTest, EarlierLinesOfASenderTakeItsLatestColour) {
  chat.chatrecieved("3+Ann chats: one|clAqua");
  chat.chatrecieved("4+Cy chats: mine|clLime");
  chat.chatrecieved("3+Ann chats: two www.example.com|clYellow");
  chat.chatrecieved("3+Ann chats: three|clRed");
  // Until the view is painted only the new lines show the new colour.
  const auto colourAt = [this](int block) {
    return pieces(chat.mainchat(), block).at(0).format.foreground().color();
  };
  EXPECT_EQ(colourAt(0), QColor(0, 255, 255));
  EXPECT_EQ(colourAt(2), QColor(255, 255, 0));
  chat.mainchat()->viewport()->grab();  // painted
  // Ann's earlier lines follow Ann's newest colour; Cy's stays; links stay white.
  EXPECT_EQ(pieces(chat.mainchat(), 0).at(0).format.foreground().color(), QColor(255, 0, 0));
  EXPECT_EQ(pieces(chat.mainchat(), 0).back().format.foreground().color(), QColor(255, 0, 0));
  EXPECT_EQ(pieces(chat.mainchat(), 1).at(0).format.foreground().color(), QColor(0, 255, 0));
  const auto last = pieces(chat.mainchat(), 2);
  EXPECT_EQ(last.at(0).format.foreground().color(), QColor(255, 0, 0));
  EXPECT_EQ(last.back().format.foreground().color(), QColor(Qt::white));
}

TEST_F(ChatTest, RecolouringTakesAtMostAFifthOfTheTime) {
  qint64 now = 1000;
  chat.clockMs = [&now] { return now += 50; };  // every walk seems to take 50 ms
  const auto colourAt = [this](int block) {
    return pieces(chat.mainchat(), block).at(0).format.foreground().color();
  };
  chat.chatrecieved("3+Ann chats: one|clBlue");
  chat.chatrecieved("3+Ann chats: two|clRed");
  chat.mainchat()->viewport()->grab();
  EXPECT_EQ(colourAt(0), QColor(255, 0, 0));
  // The next walk waits four times as long as the last one took.
  chat.chatrecieved("3+Ann chats: three|clLime");
  chat.mainchat()->viewport()->grab();
  EXPECT_EQ(colourAt(0), QColor(255, 0, 0));
  EXPECT_EQ(colourAt(2), QColor(0, 255, 0));
  now = 1300;
  chat.mainchat()->viewport()->grab();
  EXPECT_EQ(colourAt(0), QColor(0, 255, 0));
  EXPECT_EQ(colourAt(1), QColor(0, 255, 0));
}

// Contrast against the chat's black, as the eye sees it (1 to 21).
double contrastOnBlack(const QColor& c) {
  const auto linear = [](double v) {
    return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
  };
  const double l =
      0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
  return (l + 0.05) / 0.05;
}

TEST_F(ChatTest, DarkColoursShowReadablyButAreSentAsChosen) {
  struct Case {
    const char* colour;
    bool changed;
  };
  const Case cases[] = {{"clBlack", true},   {"clNavy", true},    {"clMaroon", true},
                        {"clBlue", true},    {"$00200010", true}, {"clRed", false},
                        {"clYellow", false}, {"clWhite", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.colour);
    const Colour chosen = *colourFromText(c.colour);
    const QColor given = toQColor(chosen);
    chat.ClearMainChat1Click();
    chat.chatrecieved(std::string("4+Cy chats: hi|") + c.colour);
    const QColor shown = pieces(chat.mainchat(), 0).at(0).format.foreground().color();
    EXPECT_GE(contrastOnBlack(shown), 4.5);
    EXPECT_EQ(shown != given, c.changed);
    if (given.hslSaturation() > 0) {
      EXPECT_NEAR(shown.hslHue(), given.hslHue(), 3);
    }

    chat.setChatColour(chosen);
    EXPECT_EQ(chat.mychat()->palette().color(QPalette::Text), shown);
    services.sent.clear();
    chat.mychat()->setText(QStringLiteral("x"));
    chat.sendit();
    EXPECT_EQ(services.sentText(),
              std::vector<std::string>{"CMD_chat+3+x|" + colourToText(chosen)});
  }
}

TEST_F(ChatTest, LinesGoToTheirSendersStyles) {
  chat.addlinetochat(QStringLiteral("0+You are Connected."), kSystemColour);
  chat.addlinetochat(QStringLiteral("4+Cy chats: yo"), 0xFFFFFF);
  EXPECT_EQ(chat.mainchat()->document()->blockCount(), 2);
  EXPECT_EQ(chat.mainchat()->document()->findBlockByNumber(0).text(),
            QStringLiteral(" You are Connected. "));
  EXPECT_EQ(ChatPanel::styleFor(0), 0);
  EXPECT_EQ(ChatPanel::styleFor(1), 6);
  EXPECT_EQ(ChatPanel::styleFor(9), 14);
  EXPECT_EQ(ChatPanel::styleFor(42), 0);
  EXPECT_EQ(chat.style(9).foreground().color(), QColor(255, 255, 255));
  EXPECT_EQ(chat.style(0).foreground().color(), QColor(255, 128, 0));
}

TEST_F(ChatTest, MalformedLinesNeverBreakTheView) {
  const char* lines[] = {"no number at all", "x+text",       "99+Odd: text", "-4+Neg: text",
                         "3+end:)#12",       "3+Al: x:)#99", "3+Al: y:)#1",  "3+a\nb\r\nc"};
  for (const char* line : lines) chat.addlinetochat(QString::fromUtf8(line), kRed);
  // The first two are not chat lines; the rest are one paragraph each.
  const QTextDocument* doc = chat.mainchat()->document();
  EXPECT_EQ(doc->blockCount(), 6);
  // A head that ends inside a smiley code leaves the rest of the code as text.
  EXPECT_EQ(doc->findBlockByNumber(2).text(), QStringLiteral("end: )#12 "));
  for (int block : {3, 4}) {
    const auto got = pieces(chat.mainchat(), block);
    ASSERT_FALSE(got.empty());
    ASSERT_TRUE(got.back().format.isImageFormat());
    EXPECT_EQ(smileyIndexFromUrl(QUrl(got.back().format.toImageFormat().name())), 0);
  }
  EXPECT_EQ(doc->lastBlock().text(), QStringLiteral(" a b  c "));
}

TEST_F(ChatTest, MarkupFromPeersIsShownAsText) {
  chat.chatrecieved("3+Ann chats: <b>bold</b> <img src=\"x.png\"> <a href=x>y</a>|clRed");
  EXPECT_EQ(viewText(),
            QStringLiteral("Ann chats:  <b>bold</b> <img src=\"x.png\"> <a href=x>y</a> "));
  for (const auto& p : pieces(chat.mainchat(), 0)) {
    EXPECT_FALSE(p.format.isImageFormat());
    EXPECT_FALSE(p.format.isAnchor());
  }
}

TEST_F(ChatTest, LinksOnlyOpenWebAddresses) {
  chat.chatrecieved("3+Ann chats: file:///bin/www.sh href=http://x.org>y|clRed");
  ASSERT_EQ(chat.linkTargets().size(), 2u);
  chat.mainchatJump(0);
  chat.mainchatJump(1);
  chat.mainchatJump(2);   // no such link
  chat.mainchatJump(-1);  // nor this
  EXPECT_TRUE(opened.isEmpty());
  EXPECT_EQ(boxes, QStringList(4, QStringLiteral("Cannot open Webpage")));
}

TEST_F(ChatTest, PunctuationAroundALinkStaysTextBesideIt) {
  struct Case {
    const char* word;
    const char* shown;  // the line with its link in [brackets]
    const char* opens;
  };
  const Case cases[] = {
      {"(www.example.com),", "Al:  ([www.example.com]), ", "http://www.example.com"},
      {"\"http://x.org/a.\"", "Al:  \"[http://x.org/a].\" ", "http://x.org/a"},
      {"http://x.org/Foo_(bar).", "Al:  [http://x.org/Foo_(bar)]. ", "http://x.org/Foo_(bar)"},
      {"www.example.com", "Al:  [www.example.com ]", "http://www.example.com"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.word);
    chat.ClearMainChat1Click();
    opened.clear();
    chat.addlinetochat(QStringLiteral("1+Al: ") + QString::fromUtf8(c.word), kRed);
    QString shown;
    for (const auto& p : pieces(chat.mainchat(), 0))
      shown += p.format.isAnchor() ? u'[' + p.text + u']' : p.text;
    EXPECT_EQ(shown, QString::fromUtf8(c.shown));
    chat.mainchatJump(0);
    ASSERT_EQ(opened.size(), 1);
    EXPECT_EQ(opened[0], QUrl(QString::fromUtf8(c.opens)));
  }
}

TEST_F(ChatTest, LinkTableWrapsAndClicksOpenWhatTheyShow) {
  for (int i = 0; i < 102; ++i)
    chat.addlinetochat(QStringLiteral("1+Al chats: http://x%1.org").arg(i), kRed);
  EXPECT_EQ(chat.lastweblink(), 1);
  EXPECT_EQ(chat.weblinks()[100], QStringLiteral("http://x100.org "));
  EXPECT_EQ(chat.weblinks()[1], QStringLiteral("http://x101.org "));
  chat.mainchatJump(101);
  ASSERT_EQ(opened.size(), 1);
  EXPECT_EQ(opened.back(), QUrl(QStringLiteral("http://x101.org")));

  chat.ClearMainChat1Click();
  EXPECT_EQ(viewText(), QString());
  chat.addlinetochat(QStringLiteral("1+Al chats: www.after.org"), kRed);
  EXPECT_EQ(chat.lastweblink(), 2);  // the table goes on across a clear
  chat.mainchatJump(0);
  EXPECT_EQ(opened.back(), QUrl(QStringLiteral("http://www.after.org")));
  EXPECT_TRUE(boxes.isEmpty());
}

TEST_F(ChatTest, KeepsTheNewestLinesAndTheirLinks) {
  // Old lines leave in batches; the newest kMaxChatLines always stay.
  constexpr int kExtra = kChatTrimBatch + 3;
  const QTextDocument* doc = chat.mainchat()->document();
  for (int i = 0; i < kMaxChatLines + kExtra; ++i) {
    chat.addlinetochat(QStringLiteral("1+Al chats: %1 www.x%1.org").arg(i), kRed);
    ASSERT_LT(doc->blockCount(), kMaxChatLines + kChatTrimBatch);
  }
  EXPECT_EQ(doc->blockCount(), kMaxChatLines + 3);
  EXPECT_EQ(doc->firstBlock().text(),
            QStringLiteral("Al chats:  %1 www.x%1.org ").arg(kChatTrimBatch));
  EXPECT_EQ(chat.linkTargets().size(), static_cast<size_t>(kMaxChatLines + 3));
  // A click on a link shown opens that link, at the top and at the bottom.
  const auto click = [&](const QTextBlock& block) {
    const auto got = pieces(chat.mainchat(), block.blockNumber());
    ASSERT_TRUE(got.back().format.isAnchor());
    emit chat.mainchat()->anchorClicked(QUrl(got.back().format.anchorHref()));
  };
  click(doc->firstBlock());
  click(doc->lastBlock());
  ASSERT_EQ(opened.size(), 2);
  EXPECT_EQ(opened[0], QUrl(QStringLiteral("http://www.x%1.org").arg(kChatTrimBatch)));
  EXPECT_EQ(opened[1], QUrl(QStringLiteral("http://www.x%1.org").arg(kMaxChatLines + kExtra - 1)));
  EXPECT_TRUE(boxes.isEmpty());
}

TEST_F(ChatTest, InputLineRules) {
  struct Case {
    const char* input;
    std::vector<std::string> sent;
    const char* shown;  // the chat's own answer, in the system colour
  };
  const Case cases[] = {
      {"hello", {"CMD_chat+3+hello|$000080FF"}, ""},
      {"/me waves", {"CMD_action+3+waves|$000080FF"}, ""},
      {"/me", {}, ""},
      {"/me   ", {}, ""},
      {"/meow", {}, "Unknown command /meow. /help lists them."},
      {"/mewaves hi", {}, "Unknown command /mewaves. /help lists them."},
      {"/ME waves", {}, "Unknown command /ME. /help lists them."},
      {"/", {}, "Unknown command /. /help lists them."},
      {"/help", {}, "/help lists these commands."},
      {"", {}, ""},
      {"   ", {}, ""},
      {" x ", {"CMD_chat+3+ x |$000080FF"}, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.input);
    services.sent.clear();
    services.chat.clear();
    services.chatColours.clear();
    chat.mychat()->setText(QString::fromUtf8(c.input));
    press(chat.mychat(), Qt::Key_Return, QStringLiteral("\r"));
    EXPECT_EQ(services.sentText(), c.sent);
    EXPECT_EQ(chat.mychat()->text(), QString());
    if (*c.shown == 0) {
      EXPECT_TRUE(services.chat.isEmpty());
    } else {
      ASSERT_FALSE(services.chat.isEmpty());
      EXPECT_EQ(services.chat.last(), QStringLiteral("0+") + QString::fromUtf8(c.shown));
      EXPECT_EQ(services.chatColours.back(), services.clientState.systemcolor);
    }
  }
}

TEST_F(ChatTest, TypingBeforeLoginKeepsTheText) {
  services.clientState.loggedin = false;
  chat.mychat()->setText(QStringLiteral("early"));
  press(chat.mychat(), Qt::Key_Return, QStringLiteral("\r"));
  EXPECT_TRUE(services.sent.empty());
  EXPECT_EQ(chat.mychat()->text(), QStringLiteral("early"));
}

TEST_F(ChatTest, FirstKeyClearsThePlaceholder) {
  EXPECT_EQ(chat.mychat()->text(), QStringLiteral("<Enter Chat Here>"));
  press(chat.mychat(), Qt::Key_A, QStringLiteral("a"));
  EXPECT_EQ(chat.mychat()->text(), QStringLiteral("a"));
}

// However the text comes in, it replaces the prompt instead of joining it.
TEST_F(ChatTest, EveryKindOfTextEntryReplacesThePrompt) {
  QApplication::clipboard()->setText(QStringLiteral("pasted"));
  const QString prompt = QStringLiteral("<Enter Chat Here>");
  struct Case {
    const char* what;
    std::function<void()> enter;
    const char* expected;
  };
  const Case cases[] = {
      {"menu paste", [&] { chat.Paste1Click(); }, "pasted"},
      {"input method commit",
       [&] {
         QInputMethodEvent commit;
         commit.setCommitString(QString::fromUtf8("\xE4\xBD\xA0\xE5\xA5\xBD"));
         QApplication::sendEvent(chat.mychat(), &commit);
       },
       "\xE4\xBD\xA0\xE5\xA5\xBD"},
      {"input method composing, then committing",
       [&] {
         QInputMethodEvent compose(QStringLiteral("ni"), {});
         QApplication::sendEvent(chat.mychat(), &compose);
         EXPECT_EQ(chat.mychat()->text(), QString());
         QInputMethodEvent commit;
         commit.setCommitString(QString::fromUtf8("\xE4\xBD\xA0"));
         QApplication::sendEvent(chat.mychat(), &commit);
       },
       "\xE4\xBD\xA0"},
      {"drop",
       [&] {
         QMimeData data;
         data.setText(QStringLiteral("dropped"));
         QDragEnterEvent enter(QPoint(40, 10), Qt::CopyAction, &data, Qt::LeftButton,
                               Qt::NoModifier);
         QApplication::sendEvent(chat.mychat(), &enter);
         QDropEvent drop(QPointF(40, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
         QApplication::sendEvent(chat.mychat(), &drop);
       },
       "dropped"},
      {"middle click",
       [&] {
         QMouseEvent release(QEvent::MouseButtonRelease, QPointF(40, 10), QPointF(40, 10),
                             Qt::MiddleButton, Qt::NoButton, Qt::NoModifier);
         QApplication::sendEvent(chat.mychat(), &release);
       },
       nullptr},  // what it pastes depends on the platform's selection
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    chat.mychat()->setText(prompt);
    c.enter();
    EXPECT_FALSE(chat.mychat()->text().contains(prompt));
    if (c.expected) {
      EXPECT_EQ(chat.mychat()->text(), QString::fromUtf8(c.expected));
    }
  }
}

TEST_F(ChatTest, InputTakesAtMostAThousandCharacters) {
  chat.mychat()->clear();
  QApplication::clipboard()->setText(QString(1500, u'x'));
  chat.Paste1Click();
  EXPECT_EQ(chat.mychat()->text().size(), kMaxChatInput);
  press(chat.mychat(), Qt::Key_A, QStringLiteral("a"));
  EXPECT_EQ(chat.mychat()->text(), QString(kMaxChatInput, u'x'));
  // A smiley that does not fit whole is left out, not cut.
  chat.mychat()->setText(QString(kMaxChatInput - 4, u'x'));
  chat.N271Click(12);
  EXPECT_EQ(chat.mychat()->text().size(), kMaxChatInput - 4);
  // Nor is a character cut in half.
  chat.mychat()->setText(QString(kMaxChatInput - 1, u'x'));
  QApplication::clipboard()->setText(QString::fromUtf8("\xF0\x9F\x98\x80"));
  chat.Paste1Click();
  EXPECT_EQ(chat.mychat()->text().size(), kMaxChatInput - 1);
}

TEST_F(ChatTest, SmileyMenuAppendsItsCode) {
  chat.N271Click(12);
  EXPECT_EQ(chat.mychat()->text(), QStringLiteral(":)#12"));
  chat.N271Click(27);
  EXPECT_EQ(chat.mychat()->text(), QStringLiteral(":)#12:)#27"));
  EXPECT_EQ(chat.smileyMenu()->actions().size(), kSmileyCount);
  EXPECT_EQ(chat.smileyMenu()->actions().at(0)->text(), QStringLiteral("&Smile"));
}

TEST_F(ChatTest, PhraseButtonsAreRateLimited) {
  EXPECT_EQ(chat.phraseButton(1)->toolTip(), QStringLiteral("Way To Go!"));
  EXPECT_EQ(chat.phrase(10), QStringLiteral("/me waves \"Good-Bye\""));
  services.clientState.loggedin = false;  // phrases do not wait for the login
  chat.b_phrase1Click(1);
  chat.b_phrase1Click(1);
  EXPECT_EQ(services.sentText(),
            std::vector<std::string>{"CMD_action+3+says: Way To Go!|$000080FF"});
  for (int tick = 0; tick < 100; ++tick) chat.phraseTick();
  chat.b_phrase1Click(2);
  EXPECT_EQ(services.sent.size(), 1u);
  chat.phraseTick();  // the 101st tick
  chat.setPhrase(2, QStringLiteral("/me dances"));
  chat.b_phrase1Click(2);
  ASSERT_EQ(services.sent.size(), 2u);
  EXPECT_EQ(services.sentText()[1], "CMD_action+3+dances|$000080FF");
  for (int tick = 0; tick < 200; ++tick) chat.phraseTick();
  chat.b_phrase1Click(10);  // the tenth button opens the chatter sounds instead
  EXPECT_EQ(services.sent.size(), 2u);
}

TEST_F(ChatTest, RoviChattersOnlyWithoutOtherPlayers) {
  services.seats.setPlayer(1, QStringLiteral("Al"));
  services.seats.setComputer(2);
  constexpr int kLines = 250;
  for (int i = 0; i < kLines; ++i) chat.klottalk();
  EXPECT_GT(services.chat.size(), 200);
  EXPECT_LT(services.chat.size(), kLines);
  for (const QString& line : services.chat)
    EXPECT_TRUE(line.startsWith(QStringLiteral("0+Rovi the bot says: "))) << line.toStdString();
  for (Colour c : services.chatColours) EXPECT_EQ(c, kSystemColour);

  // Another player, whatever its name: a human called Rovi in the computer's
  // seat, or one called "<Waiting>" beside it.
  const auto seatings = std::vector<std::function<void()>>{
      [&] { services.seats.setPlayer(5, QStringLiteral("Cy")); },
      [&] { services.seats.setPlayer(2, QStringLiteral("Rovi")); },
      [&] { services.seats.setPlayer(4, QStringLiteral("<Waiting>")); },
  };
  for (std::size_t i = 0; i < seatings.size(); ++i) {
    SCOPED_TRACE(i);
    for (int n = 2; n <= 6; ++n) services.seats.setEmpty(n);
    services.seats.setComputer(2);
    seatings[i]();
    services.chat.clear();
    for (int line = 0; line < kLines; ++line) chat.klottalk();
    EXPECT_TRUE(services.chat.isEmpty());
  }
}

TEST_F(ChatTest, TextSizeMovesTheCheckMarkAndSaves) {
  chat.addlinetochat(QStringLiteral("1+Al chats: before"), kRed);
  chat.N14Click(2);
  EXPECT_EQ(chat.textSize(), 12);
  EXPECT_EQ(services.settingsSaves, 1);
  const bool expected[] = {false, false, true, false};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(menu.menu.textSize[i]->isChecked(), expected[i]);
  EXPECT_EQ(pieces(chat.mainchat(), 0).at(0).format.fontPointSize(), 12);
  chat.setTextSize(9);  // no item says 9: the size applies, nothing is checked
  EXPECT_EQ(chat.textSize(), 9);
  for (QAction* item : menu.menu.textSize) EXPECT_FALSE(item->isChecked());
}

TEST_F(ChatTest, TextSizeKeepsTheNewestLinesInView) {
  board->show();
  for (int i = 0; i < 200; ++i) chat.addlinetochat(QStringLiteral("1+Al chats: %1").arg(i), kRed);
  QScrollBar* bar = chat.mainchat()->verticalScrollBar();
  for (int item : {3, 0, 2}) {
    chat.N14Click(item);
    QApplication::processEvents();
    ASSERT_GT(bar->maximum(), 0);
    EXPECT_EQ(bar->value(), bar->maximum()) << "size item " << item;
  }
}

TEST_F(ChatTest, TextColourFromTheChooser) {
  chat.TextColor1Click();  // cancelled
  EXPECT_EQ(chat.chatColour(), kBuiltInChatColour);
  EXPECT_EQ(services.settingsSaves, 0);
  services.dialogs.colour = QColor(0, 0, 255);
  menu.menu.textColor->trigger();
  EXPECT_EQ(chat.chatColour(), 0xFF0000u);
  EXPECT_EQ(chat.mychat()->palette().color(QPalette::Text), readableOnChat(QColor(0, 0, 255)));
  EXPECT_EQ(services.settingsSaves, 1);
  chat.mychat()->setText(QStringLiteral("blue"));
  chat.sendit();
  EXPECT_EQ(services.sentText().back(), "CMD_chat+3+blue|clBlue");
}

TEST_F(ChatTest, CopyGivesPlainText) {
  chat.chatrecieved("3+Ann chats: <i>hi</i> :)#11|clRed");
  chat.SelectAll1Click();
  chat.Copy1Click();
  EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("Ann chats:  <i>hi</i>  "));
}

TEST_F(ChatTest, ClearFromTheOptionsMenu) {
  chat.addlinetochat(QStringLiteral("0+one"), kRed);
  menu.menu.clearMainChat->trigger();
  EXPECT_TRUE(chat.mainchat()->document()->isEmpty());
  chat.addlinetochat(QStringLiteral("0+two"), kRed);
  EXPECT_EQ(chat.mainchat()->document()->blockCount(), 1);
}

}  // namespace
}  // namespace kuvo
