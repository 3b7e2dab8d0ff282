// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The chat of the main window: the chat view, the input line, the smiley
// button, the ten phrase buttons and the banner above them.
//
// Every line the client shows goes through addlinetochat as "N+text": N is 0
// for the client's own notices and the sender's number otherwise. Text from
// peers is always inserted as plain text with our own character formats, never
// parsed as markup, so a line can carry no links or pictures of its own.
#pragma once

#include <array>
#include <deque>
#include <functional>
#include <string_view>
#include <vector>

#include <QFont>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTextCharFormat>
#include <QUrl>

#include "chatcolours.h"
#include "clientservices.h"
#include "colortext.h"
#include "menuactions.h"

class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QTextBrowser;
class QWidget;

namespace kuvo {

class ChatView;

inline constexpr char kChatPlaceholder[] =
    QT_TRANSLATE_NOOP("kuvo::ChatPanel", "<Enter Chat Here>");
// The longest input, smiley codes counted as the text they are. Even in
// characters of four UTF-8 bytes a line stays far below the frame limit.
inline constexpr int kMaxChatInput = 1000;
inline constexpr int kStyleCount = 16;
inline constexpr int kLinkStyle = 4;
inline constexpr int kWeblinkCount = 101;  // entries 0..100
inline constexpr int kPhraseCount = 10;
// The view keeps this many of the newest lines; older ones leave it, so a
// flood cannot grow it without end. Taking lines off the top makes the view
// lay out all the rest again, so they leave a batch at a time: the view holds
// the newest kMaxChatLines and at most kChatTrimBatch - 1 older ones.
inline constexpr int kMaxChatLines = 5000;
inline constexpr int kChatTrimBatch = 100;
inline constexpr int kPhraseCooldownTicks = 100;
inline constexpr int kDefaultTextSize = 10;
inline constexpr Colour kBuiltInChatColour = 0x0080FF;

// The words that make a link: a word with "http://" or "www." in it.
bool isweblink(const QString& word);

class ChatPanel : public QObject {
  Q_OBJECT
 public:
  ChatPanel(QWidget* board, ClientServices& services, MenuActions& menu);
  ~ChatPanel() override;

  void addlinetochat(const QString& line, Colour colour);
  void chatrecieved(std::string_view payload);  // CMD_chat / CMD_action (UTF-8 payload)
  void klottalk();                              // after a CMD_chat, when the computer holds slot 2
  void phraseTick();                            // every Timer1 tick, after the dispatcher

  int textSize() const { return textSize_; }
  void setTextSize(int size);  // styles 0..14; moves the menu check mark
  Colour chatColour() const { return chatColour_; }
  void setChatColour(Colour colour);  // also the input line's colour

  QString phrase(int n) const;  // n 1..10; empty outside
  void setPhrase(int n, const QString& text);
  QStringList phrases() const;
  QWidget* phraseButton(int n) const;  // b_phrase1..b_phrase10, nullptr outside

  QTextBrowser* mainchat() const;
  QLineEdit* mychat() const { return mychat_; }
  QWidget* smileyButton() const;
  QWidget* banner() const;
  QMenu* chatMenu() const { return chatMenu_; }
  QMenu* smileyMenu() const { return popupSmilies_; }

  // The handlers behind the controls, callable directly.
  void sendit();
  void b_phrase1Click(int n);  // phrase buttons 1..9
  void N271Click(int code);    // smiley menu: codes 10..27
  void button_smiliesClick();
  void mainchatJump(int link);  // the link-th link of the view, counted from 0
  void Copy1Click();
  void SelectAll1Click();
  void ClearMainChat1Click();
  void Paste1Click();
  void TextColor1Click();
  void N14Click(int item);  // "Text Size" item 0..3

  // The link table as the chat keeps it: 101 entries, the one written last.
  const std::array<QString, kWeblinkCount>& weblinks() const { return weblinks_; }
  int lastweblink() const { return lastweblink_; }
  // The targets of the links now in the view, in view order.
  const std::deque<QString>& linkTargets() const { return linkTargets_; }
  // The style a line of this sender number is written in.
  static int styleFor(int number);
  const QTextCharFormat& style(int s) const { return styles_[static_cast<size_t>(s)]; }
  // Gives the earlier lines of every style that changed colour that colour; the view
  // does it before it paints. A walk over a long chat is slow, so after one that took
  // t ms the next waits until 4t ms have passed: recolouring never takes more than a
  // fifth of the time, however often a sender changes colour.
  void applyPendingColours();

  // A steady clock in milliseconds; it paces recolouring. Default QElapsedTimer.
  std::function<qint64()> clockMs;

 signals:
  // The banner (Image2) was clicked; the main window opens the about link.
  void bannerClicked();
  // A chat or action line arrived from the table, as "N+text".
  void lineReceived(const QString& line);

 private:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void buildStyles();
  void buildWidgets(QWidget* board);
  void buildMenus();
  void connectMenu();
  void addWords(QTextCursor& cursor, const QString& text, const QTextCharFormat& format);
  void addLink(QTextCursor& cursor, const QString& word);
  void sendPhrase(const QString& text);
  // A line of the input that starts with "/": answered here, or sent as an action.
  void runCommand(const QString& text);
  // One of the chat's own lines, seen only here.
  void note(const QString& text);
  void clearPlaceholder();
  // Appends as much of `text` as the input still takes, whole characters only.
  void appendToInput(const QString& text);
  void scrollToEndUnlessOff();
  void dropOldestLines();

  ClientServices& services_;
  MenuActions& menu_;
  ChatView* mainchat_ = nullptr;
  QLineEdit* mychat_ = nullptr;
  QPushButton* buttonSmilies_ = nullptr;
  QLabel* image2_ = nullptr;
  std::array<QPushButton*, kPhraseCount> phraseButtons_{};
  std::array<QString, kPhraseCount> phrases_{};
  QMenu* chatMenu_ = nullptr;
  QMenu* inputMenu_ = nullptr;
  QMenu* popupSmilies_ = nullptr;

  std::array<QTextCharFormat, kStyleCount> styles_{};
  // Marks the text of a line with its style, so a style's colour can follow its newest line.
  static constexpr int kStyleProperty = QTextFormat::UserProperty + 1;
  int textSize_ = kDefaultTextSize;
  Colour chatColour_ = kBuiltInChatColour;
  std::array<QString, kWeblinkCount> weblinks_{};
  int lastweblink_ = -1;
  // Each link of the view carries a serial number; linkTargets_ holds the targets of
  // serials firstLinkSerial_ onwards (the older ones left the view with their lines).
  std::deque<QString> linkTargets_;
  long long firstLinkSerial_ = 0;
  // A link's anchor carries its serial modulo this, and at most this many links
  // are in the view: the memory a chat of links takes stays bounded (every
  // distinct anchor is a format the document keeps for ever).
  static constexpr long long kLinkSerialCycle = 8192;
  // The serial of the link in view whose anchor reads `wrapped`.
  long long liveLinkSerial(long long wrapped) const;
  bool empty_ = true;  // no paragraph yet since start-up or the last clear
  std::array<bool, kStyleCount> recolourPending_{};  // styles whose earlier lines await a paint
  qint64 recolourNotBefore_ = 0;                     // clockMs() of the next allowed walk
  bool recolourScheduled_ = false;                   // a repaint waits for that time
};

}  // namespace kuvo
