// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "chatpanel.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QDropEvent>
#include <QElapsedTimer>
#include <QFrame>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextImageFormat>
#include <QTimer>

#include <algorithm>
#include <limits>
#include <memory>
#include <utility>
#include <vector>

#include "chatcolours.h"
#include "fields.h"
#include "messages.h"
#include "mnemonics.h"
#include "playerslots.h"
#include "smileys.h"

namespace kuvo {

// The chat view: a read-only rich text view that finds the smiley pictures by
// name, so they survive "Clear Main Chat" (which drops a document's resources).
class ChatView : public QTextBrowser {
 public:
  using QTextBrowser::QTextBrowser;

  QVariant loadResource(int type, const QUrl& name) override {
    if (type == QTextDocument::ImageResource) {
      const int index = smileyIndexFromUrl(name);
      if (index >= 0) return smileyImage(index);
      return {};  // nothing else is ever loaded: no files, no network
    }
    return {};
  }
};

namespace {

constexpr char kLinkScheme[] = "kuvo-link";
constexpr char kSmileyMarker[] = ":)#";
constexpr int kMaxTextSize = 72;
constexpr std::array<int, 4> kTextSizes = {8, 10, 12, 14};
constexpr int kViewMargin = 5;

const std::array<QString, kPhraseCount> kDefaultPhrases = {
    QStringLiteral("Way To Go!"),
    QStringLiteral("Good One!"),
    QStringLiteral("Nice Try!"),
    QStringLiteral("Excellent!"),
    QStringLiteral("Brilliant!"),
    QStringLiteral("Wow, WTG!"),
    QStringLiteral("Thanks!"),
    QStringLiteral("Way To Go Teamie!"),
    QStringLiteral("Good Game Everyone!"),
    QStringLiteral("/me waves \"Good-Bye\""),
};

const std::array<const char*, 24> kRoviPhrases = {
    QT_TRANSLATE_NOOP("kuvo::ChatPanel", "My dad is cool."),
    QT_TRANSLATE_NOOP("kuvo::ChatPanel", "I'm a bit confused"),
    QT_TRANSLATE_NOOP("kuvo::ChatPanel", "I need to find a job."),
    QT_TRANSLATE_NOOP("kuvo::ChatPanel", "I watched TV last night."),
    QT_TRANSLATE_NOOP("kuvo::ChatPanel", "I wish you could see this!"),
    QT_TRANSLATE_NOOP("kuvo::ChatPanel", "I don't think that is a good idea"),
    QT_TRANSLATE_NOOP("kuvo::ChatPanel", "That is very wise of you"),
    QT_TRANSLATE_NOOP("kuvo::ChatPanel", "Tomorrow will be here quickly."),
    QT_TRANSLATE_NOOP("kuvo::ChatPanel", "Stop yelling at me."),
    QT_TRANSLATE_NOOP("kuvo::ChatPanel", "Don't slam the door please."),
    QT_TRANSLATE_NOOP("kuvo::ChatPanel", "I skipped breakfast today."),
    QT_TRANSLATE_NOOP("kuvo::ChatPanel", "Have you seen Fuzzbean today?"),
    QT_TRANSLATE_NOOP("kuvo::ChatPanel", "Is it snack time yet?"),
    QT_TRANSLATE_NOOP("kuvo::ChatPanel", "Do you have a candy bar?"),
    QT_TRANSLATE_NOOP("kuvo::ChatPanel", "Oh the ice cream man is coming!"),
    QT_TRANSLATE_NOOP("kuvo::ChatPanel", "Did you see that?"),
    QT_TRANSLATE_NOOP("kuvo::ChatPanel", "Why did you do that?"),
    QT_TRANSLATE_NOOP("kuvo::ChatPanel", "Who knows.."),
    QT_TRANSLATE_NOOP("kuvo::ChatPanel", "Are you sure you are OK?"),
    QT_TRANSLATE_NOOP("kuvo::ChatPanel", "I'm feeling lucky tonight."),
    QT_TRANSLATE_NOOP("kuvo::ChatPanel", "Will you come and play again sometime?"),
    QT_TRANSLATE_NOOP("kuvo::ChatPanel", "I'm so happy you are here!"),
    QT_TRANSLATE_NOOP("kuvo::ChatPanel", "What is in your lunchbox today?"),
    QT_TRANSLATE_NOOP("kuvo::ChatPanel", "Hey, I found a penny!"),
};

// One received line is one paragraph: line breaks and other control
// characters from a peer become blanks instead of starting lines of their own.
QString flattened(const QString& text) {
  QString out = text;
  for (QChar& c : out) {
    const char16_t u = c.unicode();
    if (u < 0x20 || u == 0x7F || u == 0x2028 || u == 0x2029 || u == 0xFFFC) c = u' ';
  }
  return out;
}

// A link word as an address that the system may open: web addresses only, so
// a word from a peer can never open a local file or another program.
QUrl webAddress(const QString& word) {
  const QString text = word.trimmed();
  if (text.isEmpty()) return {};
  const QUrl url = QUrl::fromUserInput(text);
  if (!url.isValid()) return {};
  const QString scheme = url.scheme().toLower();
  if (scheme != QLatin1String("http") && scheme != QLatin1String("https")) return {};
  return url;
}

// A word of a line cut into the link in it and the punctuation around it:
// "(www.example.com)," opens www.example.com, and the brackets and the comma
// stay beside the link as text. The link keeps the word's trailing blank when
// nothing follows it. `core` is empty when the word holds no link.
struct LinkWord {
  QString before, core, after;
};

LinkWord splitLinkWord(const QString& word) {
  static const QString kLeading = QStringLiteral("([{<\"'\u00AB\u201C\u2018");
  static const QString kTrailing = QStringLiteral(".,;:!?)]}>\"'\u00BB\u201D\u2019");
  if (!isweblink(word)) return {};
  const bool blank = word.endsWith(QLatin1Char(' '));
  qsizetype from = 0, to = word.size() - (blank ? 1 : 0);
  while (from < to && kLeading.contains(word[from])) ++from;
  while (to > from && kTrailing.contains(word[to - 1])) {
    // A closing bracket that closes one inside the address belongs to it
    // (http://en.wikipedia.org/wiki/Foo_(bar)).
    const QChar c = word[to - 1];
    const QChar open = c == u')' ? u'(' : c == u']' ? u'[' : c == u'}' ? u'{' : QChar();
    if (!open.isNull()) {
      const QStringView inside = QStringView(word).mid(from, to - from);
      if (inside.count(open) >= inside.count(c)) break;
    }
    --to;
  }
  const QString core = word.mid(from, to - from);
  if (!isweblink(core)) return {};
  if (to == word.size() - (blank ? 1 : 0)) return {word.left(from), word.mid(from), {}};
  return {word.left(from), core, word.mid(to)};
}

// Text entry into the input line other than a key press: an input method
// composing or committing, a drop, or the middle button pasting the selection.
bool entersText(const QEvent* event, const QObject* input) {
  switch (event->type()) {
    case QEvent::InputMethod: {
      const auto* im = static_cast<const QInputMethodEvent*>(event);
      return !im->commitString().isEmpty() || !im->preeditString().isEmpty();
    }
    case QEvent::Drop:
      // Moving a piece of the line within itself is no new text.
      return static_cast<const QDropEvent*>(event)->source() != input;
    case QEvent::MouseButtonRelease:
      return static_cast<const QMouseEvent*>(event)->button() == Qt::MiddleButton;
    default:
      return false;
  }
}

QString captionNumber(const QAction* action) {
  QString caption = action->text();
  caption.remove(QLatin1Char('&'));
  return caption.trimmed();
}

QPixmap drawBanner() {
  QPixmap pixmap(264, 26);
  QPainter p(&pixmap);
  QLinearGradient gradient(0, 0, 0, 26);
  gradient.setColorAt(0, QColor(0x1E, 0x3A, 0x8A));
  gradient.setColorAt(1, QColor(0x0B, 0x16, 0x3A));
  p.fillRect(pixmap.rect(), gradient);
  p.setPen(QColor(0xFF, 0xD8, 0x00));
  QFont font(QStringLiteral("Arial"));
  font.setPixelSize(15);
  font.setBold(true);
  p.setFont(font);
  p.drawText(pixmap.rect(), Qt::AlignCenter,
             QCoreApplication::translate("kuvo::ChatPanel", "Kuvo  -  pull, roll and fill!"));
  return pixmap;
}

}  // namespace

bool isweblink(const QString& word) {
  if (word.isEmpty()) return false;
  const QString lower = word.toLower();
  return lower.contains(QLatin1String("http://")) || lower.contains(QLatin1String("www."));
}

ChatPanel::ChatPanel(QWidget* board, ClientServices& services, MenuActions& menu)
    : QObject(board), services_(services), menu_(menu) {
  clockMs = [clock = std::make_shared<QElapsedTimer>()]() {
    if (!clock->isValid()) clock->start();
    return clock->elapsed();
  };
  phrases_ = kDefaultPhrases;
  buildStyles();
  buildWidgets(board);
  buildMenus();
  connectMenu();
  setChatColour(kBuiltInChatColour);
}

ChatPanel::~ChatPanel() = default;

void ChatPanel::buildStyles() {
  QFont font(QStringLiteral("Arial"));
  font.setPointSize(kDefaultTextSize);
  for (int s = 0; s < kStyleCount; ++s) {
    QTextCharFormat& f = styles_[static_cast<size_t>(s)];
    f.setFont(font);
    f.setForeground(QApplication::palette().color(QPalette::WindowText));
  }
  styles_[0].setForeground(Qt::yellow);
  styles_[1].setForeground(Qt::yellow);
  styles_[1].setFontWeight(QFont::Bold);
  styles_[2].setForeground(QColor(0x00, 0x00, 0x80));
  styles_[2].setFontWeight(QFont::Bold);
  styles_[3].setForeground(QColor(0x80, 0x00, 0x00));
  styles_[3].setFontItalic(true);
  for (int s : {4, 5}) {
    styles_[static_cast<size_t>(s)].setForeground(Qt::white);
    styles_[static_cast<size_t>(s)].setFontUnderline(true);
  }
  styles_[kLinkStyle].setAnchor(true);
  styles_[6].setForeground(QColor(0xC0, 0xC0, 0xC0));
  styles_[7].setForeground(QColor(0xC0, 0xC0, 0xC0));
}

void ChatPanel::buildWidgets(QWidget* board) {
  auto* frame = new QFrame(board);
  frame->setObjectName(QStringLiteral("panel_chat"));
  frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  frame->setGeometry(424, 232, 281, 249);

  mainchat_ = new ChatView(frame);
  mainchat_->setObjectName(QStringLiteral("mainchat"));
  mainchat_->setGeometry(2, 2, 277, 245);
  mainchat_->setFrameStyle(QFrame::NoFrame);
  mainchat_->setReadOnly(true);
  mainchat_->setOpenLinks(false);
  mainchat_->setOpenExternalLinks(false);
  mainchat_->setUndoRedoEnabled(false);
  mainchat_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard |
                                     Qt::LinksAccessibleByMouse);
  // Keyboard selection keeps a text cursor; nobody types here, so it is not drawn.
  mainchat_->setCursorWidth(0);
  mainchat_->document()->setUndoRedoEnabled(false);
  mainchat_->document()->setDocumentMargin(kViewMargin);
  mainchat_->setContextMenuPolicy(Qt::CustomContextMenu);
  QPalette viewPalette = mainchat_->palette();
  viewPalette.setColor(QPalette::Base, Qt::black);
  mainchat_->setPalette(viewPalette);
  connect(mainchat_, &QTextBrowser::anchorClicked, this, [this](const QUrl& url) {
    if (url.scheme() != QLatin1String(kLinkScheme)) return;
    bool ok = false;
    const long long wrapped = url.path().toLongLong(&ok);
    const long long link = liveLinkSerial(wrapped) - firstLinkSerial_;
    mainchatJump(ok && link >= 0 && link <= std::numeric_limits<int>::max() ? static_cast<int>(link)
                                                                            : -1);
  });
  connect(mainchat_, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { chatMenu_->popup(mainchat_->viewport()->mapToGlobal(at)); });
  mainchat_->viewport()->installEventFilter(this);  // recolours before painting
  mainchat_->setAccessibleName(tr("Chat"));

  mychat_ = new QLineEdit(board);
  mychat_->setObjectName(QStringLiteral("mychat"));
  mychat_->setGeometry(424, 484, 252, 22);
  mychat_->setFont(QFont(QStringLiteral("Arial")));
  mychat_->setText(tr(kChatPlaceholder));
  mychat_->setMaxLength(kMaxChatInput);
  mychat_->setContextMenuPolicy(Qt::CustomContextMenu);
  mychat_->installEventFilter(this);
  mychat_->setAccessibleName(tr("Chat message"));
  mychat_->setAccessibleDescription(tr("Return sends the message to the table"));
  connect(mychat_, &QWidget::customContextMenuRequested, this,
          [this](const QPoint& at) { inputMenu_->popup(mychat_->mapToGlobal(at)); });

  buttonSmilies_ = new QPushButton(board);
  buttonSmilies_->setObjectName(QStringLiteral("button_smilies"));
  buttonSmilies_->setGeometry(677, 486, 25, 19);
  buttonSmilies_->setIcon(QIcon(QPixmap::fromImage(smileyImage(0))));
  buttonSmilies_->setAccessibleName(tr("Smileys"));
  buttonSmilies_->setAccessibleDescription(tr("Adds a smiley to the chat message"));
  // Tab reaches the smiley and phrase buttons, and Return presses them as Space
  // does; a click leaves the focus in the chat line.
  buttonSmilies_->setFocusPolicy(Qt::TabFocus);
  buttonSmilies_->setAutoDefault(true);
  connect(buttonSmilies_, &QPushButton::clicked, this, [this] { button_smiliesClick(); });

  static constexpr std::array<int, kPhraseCount> kLefts = {423, 451, 480, 508, 536,
                                                           565, 593, 621, 650, 678};
  for (int i = 0; i < kPhraseCount; ++i) {
    auto* button = new QPushButton(board);
    button->setObjectName(QStringLiteral("b_phrase%1").arg(i + 1));
    button->setGeometry(kLefts[static_cast<size_t>(i)], 213, 25, 19);
    // Alt and the number sends a phrase from anywhere in the window.
    button->setText(i + 1 < kPhraseCount ? QStringLiteral("&%1").arg(i + 1)
                                         : QStringLiteral("\u266B"));
    button->setFocusPolicy(Qt::TabFocus);
    button->setAutoDefault(true);
    phraseButtons_[static_cast<size_t>(i)] = button;
    // The tenth button opens the chatter sounds; the sound board connects it.
    if (i + 1 < kPhraseCount) {
      connect(button, &QPushButton::clicked, this, [this, i] { b_phrase1Click(i + 1); });
      button->setAccessibleDescription(tr("Says the phrase to the table"));
    } else {
      button->setAccessibleName(tr("Chatter sounds"));
      button->setAccessibleDescription(tr("Plays a sound to the table"));
    }
  }
  for (int n = 1; n <= kPhraseCount; ++n) setPhrase(n, phrases_[static_cast<size_t>(n - 1)]);

  image2_ = new QLabel(board);
  image2_->setObjectName(QStringLiteral("Image2"));
  image2_->setGeometry(435, 187, 264, 26);
  image2_->setPixmap(drawBanner());
  image2_->setCursor(Qt::PointingHandCursor);
  image2_->installEventFilter(this);
  image2_->setAccessibleName(tr("Kuvo banner"));
  image2_->setAccessibleDescription(tr("A click opens the maker's web page"));
}

void ChatPanel::buildMenus() {
  chatMenu_ = new QMenu(mainchat_);
  auto* selectAll = chatMenu_->addAction(tr("Select &All"));
  connect(selectAll, &QAction::triggered, this, [this] { SelectAll1Click(); });
  auto* copy = chatMenu_->addAction(tr("&Copy"));
  copy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
  copy->setShortcutContext(Qt::WidgetWithChildrenShortcut);
  mainchat_->addAction(copy);
  connect(copy, &QAction::triggered, this, [this] { Copy1Click(); });
  if (menu_.clearMainChat) chatMenu_->addAction(menu_.clearMainChat);
  chatMenu_->addSeparator();
  if (menu_.scrollChatOff) chatMenu_->addAction(menu_.scrollChatOff);

  inputMenu_ = new QMenu(mychat_);
  auto* paste = inputMenu_->addAction(tr("&Paste"));
  paste->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
  connect(paste, &QAction::triggered, this, [this] { Paste1Click(); });

  popupSmilies_ = new QMenu(buttonSmilies_);
  QStringList names;
  for (int i = 0; i < kSmileyCount; ++i) names << smileyName(i);
  names = withMnemonics(names);
  for (int i = 0; i < kSmileyCount; ++i) {
    const int code = kFirstSmileyCode + i;
    // The picture and what it shows in words: the code itself is no name for a screen reader.
    auto* item = popupSmilies_->addAction(QIcon(QPixmap::fromImage(smileyImage(i))), names.at(i));
    connect(item, &QAction::triggered, this, [this, code] { N271Click(code); });
  }
}

void ChatPanel::connectMenu() {
  if (menu_.clearMainChat)
    connect(menu_.clearMainChat, &QAction::triggered, this, [this] { ClearMainChat1Click(); });
  if (menu_.textColor)
    connect(menu_.textColor, &QAction::triggered, this, [this] { TextColor1Click(); });
  for (int i = 0; i < static_cast<int>(menu_.textSize.size()); ++i) {
    if (QAction* item = menu_.textSize[static_cast<size_t>(i)])
      connect(item, &QAction::triggered, this, [this, i] { N14Click(i); });
  }
}

int ChatPanel::styleFor(int number) {
  // Numbers outside the senders 1..kMaxConnections (a confused or hostile peer) fall back to
  // the client's own style rather than a style that does not exist.
  return number >= 1 && number <= kMaxConnections ? number + 5 : 0;
}

void ChatPanel::addlinetochat(const QString& line, Colour colour) {
  const qsizetype plus = line.indexOf(QLatin1Char('+'));
  if (plus < 0) return;
  const auto number = parseInt(line.left(plus).toStdString());
  if (!number) return;  // not a chat line; dropped like any malformed field
  const int s = styleFor(*number);

  QString text = flattened(line.mid(plus + 1));
  const qsizetype colon = text.indexOf(QLatin1Char(':'));
  const QString head = colon >= 0 ? text.left(colon + 1) : QString();
  QString body = colon >= 0 ? text.mid(colon + 1) : text;

  // A style takes the colour of its newest line, and so do the earlier lines
  // of that style: each sender's lines show in the sender's latest colour. The
  // earlier lines follow when the view is next painted, so a sender that changes
  // colour with every line costs one walk of the view per frame, not per line.
  QTextCharFormat& style = styles_[static_cast<size_t>(s)];
  const QColor newColour = readableOnChat(toQColor(colour));
  if (style.foreground().color() != newColour) {
    recolourPending_[static_cast<size_t>(s)] = true;
    mainchat_->viewport()->update();
  }
  style.setForeground(newColour);
  style.setFontWeight(QFont::Bold);
  QTextCharFormat format = style;
  format.setProperty(kStyleProperty, s);

  QTextCursor cursor(mainchat_->document());
  cursor.movePosition(QTextCursor::End);
  cursor.beginEditBlock();
  if (empty_) {
    cursor.setCharFormat(format);
    empty_ = false;
  } else {
    cursor.insertBlock(QTextBlockFormat(), format);
  }
  cursor.insertText(head + QLatin1Char(' '), format);

  const QString marker = QString::fromLatin1(kSmileyMarker);
  for (qsizetype at = body.indexOf(marker); at >= 0; at = body.indexOf(marker)) {
    addWords(cursor, body.left(at), format);
    body.remove(0, at + marker.size());
    const QString codeText = body.left(2);
    body.remove(0, codeText.size());
    auto code = parseInt(codeText.toStdString());
    if (!code || *code < kFirstSmileyCode || *code >= kFirstSmileyCode + kSmileyCount)
      code = kFirstSmileyCode;
    QTextImageFormat image;
    image.setName(smileyUrl(*code - kFirstSmileyCode).toString());
    image.setWidth(kSmileyWidth);
    image.setHeight(kSmileyHeight);
    image.setVerticalAlignment(QTextCharFormat::AlignBaseline);
    cursor.insertImage(image);
  }
  if (!body.isEmpty()) addWords(cursor, body, format);
  cursor.endEditBlock();
  dropOldestLines();
  scrollToEndUnlessOff();
}

long long ChatPanel::liveLinkSerial(long long wrapped) const {
  if (wrapped < 0 || wrapped >= kLinkSerialCycle) return -1;
  const long long offset =
      ((wrapped - firstLinkSerial_ % kLinkSerialCycle) + kLinkSerialCycle) % kLinkSerialCycle;
  return firstLinkSerial_ + offset;
}

void ChatPanel::dropOldestLines() {
  QTextDocument* document = mainchat_->document();
  const int excess = document->blockCount() - kMaxChatLines;
  if (excess < kChatTrimBatch) return;
  const QTextBlock keep = document->findBlockByNumber(excess);
  // The links that go with the lines: the newest of them tells how many
  // targets leave the front of the list.
  long long newestGone = -1;
  for (QTextBlock block = document->begin(); block.isValid() && block != keep;
       block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextCharFormat format = it.fragment().charFormat();
      if (!format.isAnchor()) continue;
      bool ok = false;
      const long long wrapped = QUrl(format.anchorHref()).path().toLongLong(&ok);
      if (ok) newestGone = std::max(newestGone, liveLinkSerial(wrapped));
    }
  }
  // A removal of its own, apart from the line just added: the view then lays
  // out only what changed instead of the whole text.
  QTextCursor cursor(document);
  cursor.setPosition(keep.position(), QTextCursor::KeepAnchor);
  cursor.removeSelectedText();
  while (!linkTargets_.empty() && firstLinkSerial_ <= newestGone) {
    linkTargets_.pop_front();
    ++firstLinkSerial_;
  }
}

void ChatPanel::applyPendingColours() {
  if (std::none_of(recolourPending_.begin(), recolourPending_.end(), [](bool on) { return on; }))
    return;
  const qint64 start = clockMs();
  if (start < recolourNotBefore_) {
    if (!recolourScheduled_) {
      recolourScheduled_ = true;
      QTimer::singleShot(recolourNotBefore_ - start, this, [this] {
        recolourScheduled_ = false;
        mainchat_->viewport()->update();
      });
    }
    return;
  }
  QTextDocument* document = mainchat_->document();
  struct Range {
    int from, to, style;
  };
  std::vector<Range> ranges;
  for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      const QTextCharFormat format = fragment.charFormat();
      if (!format.hasProperty(kStyleProperty)) continue;
      const int s = format.intProperty(kStyleProperty);
      if (s < 0 || s >= kStyleCount || !recolourPending_[static_cast<size_t>(s)]) continue;
      ranges.push_back({fragment.position(), fragment.position() + fragment.length(), s});
    }
  }
  recolourPending_.fill(false);
  QTextCursor cursor(document);
  // One edit block, so the view lays the text out once rather than once per range.
  cursor.beginEditBlock();
  for (const Range& range : ranges) {
    QTextCharFormat change;
    change.setForeground(styles_[static_cast<size_t>(range.style)].foreground());
    cursor.setPosition(range.from);
    cursor.setPosition(range.to, QTextCursor::KeepAnchor);
    cursor.mergeCharFormat(change);
  }
  cursor.endEditBlock();
  const qint64 end = clockMs();
  recolourNotBefore_ = end + 4 * std::max<qint64>(0, end - start);
}

void ChatPanel::addWords(QTextCursor& cursor, const QString& text, const QTextCharFormat& format) {
  const QString words = text + QLatin1Char(' ');
  QString plain;  // consecutive ordinary words go in as one piece
  qsizetype start = 0;
  while (start < words.size()) {
    qsizetype end = words.indexOf(QLatin1Char(' '), start);
    if (end < 0) end = words.size() - 1;
    const QString word = words.mid(start, end - start + 1);
    start = end + 1;
    const LinkWord link = splitLinkWord(word);
    // Past the links the view can tell apart, a web address shows as text.
    if (link.core.isEmpty() || static_cast<long long>(linkTargets_.size()) >= kLinkSerialCycle) {
      plain += word;
      continue;
    }
    plain += link.before;
    if (!plain.isEmpty()) {
      cursor.insertText(plain, format);
      plain.clear();
    }
    addLink(cursor, link.core);
    plain += link.after;
  }
  if (!plain.isEmpty()) cursor.insertText(plain, format);
}

void ChatPanel::addLink(QTextCursor& cursor, const QString& word) {
  lastweblink_ += 1;
  if (lastweblink_ >= kWeblinkCount) lastweblink_ = 1;
  weblinks_[static_cast<size_t>(lastweblink_)] = word;
  // The view's own link keeps its target, so a click opens what it shows even
  // after a clear or past the 101 entries of the table.
  QTextCharFormat link = styles_[kLinkStyle];
  link.setFontPointSize(textSize_);
  QUrl href;
  href.setScheme(QString::fromLatin1(kLinkScheme));
  // The document keeps every distinct format it ever held, so serials go round
  // a cycle: a chat of many links must not grow the memory for ever. No more
  // links than the cycle are in the view at once (addWords), so a serial in
  // view is never ambiguous.
  href.setPath(QString::number((firstLinkSerial_ + static_cast<long long>(linkTargets_.size())) %
                               kLinkSerialCycle));
  link.setAnchorHref(href.toString());
  linkTargets_.push_back(word);
  cursor.insertText(word, link);
}

void ChatPanel::scrollToEndUnlessOff() {
  if (menu_.scrollChatOff && menu_.scrollChatOff->isChecked()) return;
  QScrollBar* bar = mainchat_->verticalScrollBar();
  bar->setValue(bar->maximum());
}

void ChatPanel::chatrecieved(std::string_view payload) {
  const QString text = QString::fromUtf8(payload.data(), static_cast<qsizetype>(payload.size()));
  // The colour is the last field the sender appended, so a bar typed in the
  // text (":|", "a|b") stays text.
  const qsizetype bar = text.lastIndexOf(QLatin1Char('|'));
  const QString line = bar < 0 ? text : text.left(bar);
  const auto colour = bar < 0 ? std::nullopt : colourFromText(text.mid(bar + 1).toStdString());
  addlinetochat(line, colour.value_or(kRed));
  emit lineReceived(line);
}

void ChatPanel::klottalk() {
  // The computer chats only with a lone player: itself in slot 2, nobody in 3..6.
  PlayerSlots& seats = services_.playerSlots();
  if (!seats.at(kComputerSlot).computer()) return;
  for (int n = kComputerSlot + 1; n <= PlayerSlots::kCount; ++n)
    if (!seats.at(n).empty()) return;
  const int r = services_.random().random(static_cast<int>(kRoviPhrases.size()) + 1);
  if (r < 1 || r > static_cast<int>(kRoviPhrases.size())) return;
  services_.addlinetochat(
      QStringLiteral("0+") +
          tr("Rovi the bot says: %1").arg(tr(kRoviPhrases[static_cast<size_t>(r - 1)])),
      services_.state().systemcolor);
}

void ChatPanel::phraseTick() {
  ClientState& state = services_.state();
  if (!state.phraseready) state.phrasecooldown += 1;
  if (state.phrasecooldown > kPhraseCooldownTicks) {
    state.phraseready = true;
    state.phrasecooldown = 0;
  }
}

void ChatPanel::setTextSize(int size) {
  if (size < 1 || size > kMaxTextSize) return;
  textSize_ = size;
  for (int s = 0; s < kStyleCount - 1; ++s) styles_[static_cast<size_t>(s)].setFontPointSize(size);
  QTextCharFormat sized;
  sized.setFontPointSize(size);
  QTextCursor all(mainchat_->document());
  all.select(QTextCursor::Document);
  all.mergeCharFormat(sized);
  // New sizes move every line; the newest stay in view.
  scrollToEndUnlessOff();
  for (QAction* item : menu_.textSize)
    if (item) item->setChecked(captionNumber(item) == QString::number(size));
}

void ChatPanel::setChatColour(Colour colour) {
  chatColour_ = colour;
  QPalette palette = mychat_->palette();
  // What is sent stays the colour chosen; the input only shows it readably.
  palette.setColor(QPalette::Text, readableOnChat(toQColor(colour)));
  palette.setColor(QPalette::Base, Qt::black);
  mychat_->setPalette(palette);
}

QString ChatPanel::phrase(int n) const {
  if (n < 1 || n > kPhraseCount) return {};
  return phrases_[static_cast<size_t>(n - 1)];
}

void ChatPanel::setPhrase(int n, const QString& text) {
  if (n < 1 || n > kPhraseCount) return;
  phrases_[static_cast<size_t>(n - 1)] = text;
  QPushButton* button = phraseButtons_[static_cast<size_t>(n - 1)];
  // Tooltips render rich text when it looks like it; a phrase is shown as typed.
  button->setToolTip(
      Qt::mightBeRichText(text) ? QStringLiteral("<qt>%1</qt>").arg(text.toHtmlEscaped()) : text);
  // The tenth button plays the chatter sounds: its phrase is no part of its name.
  if (n < kPhraseCount)
    button->setAccessibleName(tr("Phrase %1: %2").arg(QString::number(n), text));
}

QStringList ChatPanel::phrases() const {
  QStringList out;
  for (const QString& p : phrases_) out << p;
  return out;
}

QWidget* ChatPanel::phraseButton(int n) const {
  if (n < 1 || n > kPhraseCount) return nullptr;
  return phraseButtons_[static_cast<size_t>(n - 1)];
}

QTextBrowser* ChatPanel::mainchat() const {
  return mainchat_;
}
QWidget* ChatPanel::smileyButton() const {
  return buttonSmilies_;
}
QWidget* ChatPanel::banner() const {
  return image2_;
}

void ChatPanel::sendit() {
  const ClientState& state = services_.state();
  if (!state.loggedin) return;
  const QString text = mychat_->text();
  // Blanks alone would show as an empty line for everyone: nothing is sent.
  if (!text.trimmed().isEmpty()) {
    const std::string colour = colourToText(chatColour_);
    if (!text.startsWith(QLatin1Char('/'))) {
      services_.sendToHost(
          build(ToHost::Chat, {state.mynumber, text.toStdString() + '|' + colour}));
    } else {
      runCommand(text);
    }
  }
  mychat_->clear();
}

void ChatPanel::runCommand(const QString& text) {
  // The command is the first word; "/meow" is not "/me" with "ow" after it.
  const QString command = text.section(QLatin1Char(' '), 0, 0);
  if (command == QLatin1String("/me")) {
    // An action without words would show only the name: nothing goes out.
    const QString action = text.mid(4);
    if (action.trimmed().isEmpty()) return;
    services_.sendToHost(build(
        ToHost::Action,
        {services_.state().mynumber, action.toStdString() + '|' + colourToText(chatColour_)}));
  } else if (command == QLatin1String("/help")) {
    note(tr("/me TEXT shows TEXT as something you do, as in \"/me waves\"."));
    note(tr("/help lists these commands."));
  } else {
    note(tr("Unknown command %1. /help lists them.").arg(command));
  }
}

void ChatPanel::note(const QString& text) {
  services_.addlinetochat(QStringLiteral("0+") + text, services_.state().systemcolor);
}

void ChatPanel::b_phrase1Click(int n) {
  if (n < 1 || n >= kPhraseCount) return;  // the tenth button opens the chatter sounds
  if (!services_.state().phraseready) return;
  sendPhrase(phrase(n));
  services_.state().phraseready = false;
}

void ChatPanel::sendPhrase(const QString& text) {
  const ClientState& state = services_.state();
  const QString action =
      text.left(4) == QLatin1String("/me ") ? text.mid(4) : QStringLiteral("says: ") + text;
  services_.sendToHost(build(
      ToHost::Action, {state.mynumber, action.toStdString() + '|' + colourToText(chatColour_)}));
}

void ChatPanel::N271Click(int code) {
  if (code < kFirstSmileyCode || code >= kFirstSmileyCode + kSmileyCount) return;
  clearPlaceholder();
  const QString smiley = QString::fromLatin1(kSmileyMarker) + QString::number(code);
  // Half a code would show as text: a smiley that does not fit is left out.
  if (mychat_->text().size() + smiley.size() <= kMaxChatInput) appendToInput(smiley);
  mychat_->deselect();
  mychat_->end(false);
}

void ChatPanel::clearPlaceholder() {
  if (mychat_->text() == tr(kChatPlaceholder)) mychat_->clear();
}

void ChatPanel::appendToInput(const QString& text) {
  clearPlaceholder();
  const QString current = mychat_->text();
  qsizetype room = std::max<qsizetype>(0, kMaxChatInput - current.size());
  if (room < text.size() && room > 0 && text[room].isLowSurrogate()) --room;
  mychat_->setText(current + text.left(room));
}

void ChatPanel::button_smiliesClick() {
  popupSmilies_->popup(
      buttonSmilies_->mapToGlobal(QPoint(buttonSmilies_->width(), buttonSmilies_->height())));
  // The first picture is chosen at once, so the arrows and a screen reader start on it.
  popupSmilies_->setActiveAction(popupSmilies_->actions().value(0));
}

void ChatPanel::mainchatJump(int link) {
  QUrl address;
  if (link >= 0 && link < static_cast<int>(linkTargets_.size()))
    address = webAddress(linkTargets_[static_cast<size_t>(link)]);
  if (!address.isValid() || !services_.prompts().openUrl(address))
    services_.prompts().tell(mychat_->window(), tr("Cannot open Webpage"));
}

void ChatPanel::Copy1Click() {
  QString text = mainchat_->textCursor().selection().toPlainText();
  text.remove(QChar(QChar::ObjectReplacementCharacter));  // the smiley pictures
  if (!text.isEmpty()) QApplication::clipboard()->setText(text);
}

void ChatPanel::SelectAll1Click() {
  mainchat_->selectAll();
  mainchat_->viewport()->update();
}

void ChatPanel::ClearMainChat1Click() {
  mainchat_->document()->clear();
  linkTargets_.clear();
  firstLinkSerial_ = 0;
  empty_ = true;
  mychat_->setFocus();
}

void ChatPanel::Paste1Click() {
  appendToInput(flattened(QApplication::clipboard()->text()));
  mychat_->deselect();
  mychat_->end(false);
}

void ChatPanel::TextColor1Click() {
  const auto chosen = services_.prompts().chooseColour(mychat_->window(), toQColor(chatColour_));
  if (!chosen) return;
  setChatColour(fromQColor(*chosen));
  services_.saveinifile();
}

void ChatPanel::N14Click(int item) {
  if (item < 0 || item >= static_cast<int>(kTextSizes.size())) return;
  setTextSize(kTextSizes[static_cast<size_t>(item)]);
  services_.saveinifile();
}

bool ChatPanel::eventFilter(QObject* watched, QEvent* event) {
  if (watched == mychat_ && event->type() == QEvent::KeyPress) {
    clearPlaceholder();
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
      sendit();
      return true;
    }
  } else if (watched == mychat_ && entersText(event, mychat_)) {
    clearPlaceholder();  // the prompt is replaced, however the text comes in
  } else if (watched == image2_ && event->type() == QEvent::MouseButtonRelease) {
    emit bannerClicked();
    return true;
  }
  if (event->type() == QEvent::Paint && watched == mainchat_->viewport()) applyPendingColours();
  return QObject::eventFilter(watched, event);
}

}  // namespace kuvo
