#include "clientsettings.h"

#include <QWidget>

#include "chatpanel.h"
#include "clientstate.h"
#include "colortext.h"
#include "fields.h"
#include "settingsfile.h"
#include "soundboard.h"

namespace kuvo {
namespace {

constexpr int kBoardBottomMargin = 7;
constexpr int kBoardRightMargin = 3;
constexpr int kMaxSettingsTextSize = 72;
constexpr Colour kYellowColour = 0x00FFFF;

QString key(const char* name) {
  return QString::fromLatin1(name);
}

bool saveWithBounds(const QString& path, const SettingsTargets& targets, const QRect& bounds) {
  SettingsFile file(path);
  file.load();
  const int textSize = targets.chat ? targets.chat->textSize() : kDefaultTextSize;
  file.writeInt(key("Textsize"), textSize);
  file.writeInt(key("Top"), bounds.y());
  file.writeInt(key("Left"), bounds.x());
  file.writeInt(key("Width"), bounds.width());
  file.writeInt(key("Height"), bounds.height());
  file.writeText(key("Playtoscore"),
                 targets.roundsText ? targets.roundsText() : QStringLiteral("3"));
  file.writeText(key("Timeperround"), targets.timeText ? targets.timeText() : QStringLiteral("0"));
  const Colour colour = targets.chat ? targets.chat->chatColour() : kBuiltInChatColour;
  file.writeText(key("Textcolor"), QString::fromStdString(colourToText(colour)));
  const bool turnNew = targets.sounds && targets.sounds->turnsound() == 1;
  file.writeText(key("Turnsound"), turnNew ? QStringLiteral("1") : QStringLiteral("0"));
  const bool sounds = !targets.sounds || targets.sounds->playSoundsOn();
  file.writeText(key("Playsounds"), sounds ? QStringLiteral("true") : QStringLiteral("false"));
  const bool chatter = targets.sounds && targets.sounds->chatterSoundsOn();
  file.writeText(key("ChatterSounds"), chatter ? QStringLiteral("true") : QStringLiteral("false"));
  return file.save();
}

}  // namespace

QRect windowBounds(const QWidget* window) {
  if (!window) return {};
  const QRect frame = window->frameGeometry();
  return {frame.x(), frame.y(), frame.width(), frame.height()};
}

void setWindowBounds(QWidget* window, const QRect& bounds) {
  if (!window) return;
  // The frame (title bar, borders) is the window system's; the bounds include it.
  const QSize frameExtra = window->frameGeometry().size() - window->geometry().size();
  window->move(bounds.topLeft());
  window->resize(std::max(1, bounds.width() - frameExtra.width()),
                 std::max(1, bounds.height() - frameExtra.height()));
}

void loadinifile(const QString& path, SettingsTargets& targets) {
  SettingsFile file(path);
  file.load();

  // Sizes a chat cannot sensibly show (0, negative, huge) count as unreadable.
  int textSize = file.readInt(key("Textsize"), kSettingsTextSize);
  if (textSize < 1 || textSize > kMaxSettingsTextSize) textSize = kSettingsTextSize;
  if (targets.chat) targets.chat->setTextSize(textSize);

  const int defaultWidth = targets.state ? targets.state->defaultwidth : kDefaultWidth;
  const int defaultHeight = targets.state ? targets.state->defaultheight : kDefaultHeight;
  const QRect bounds(file.readInt(key("Left"), kDefaultLeft), file.readInt(key("Top"), kDefaultTop),
                     file.readInt(key("Width"), defaultWidth),
                     file.readInt(key("Height"), defaultHeight));
  if (targets.state) targets.state->savedbounds = bounds;
  setWindowBounds(targets.window, bounds);

  const QString colourText = file.readText(key("Textcolor"), QStringLiteral("clyellow"));
  const Colour colour = colourFromText(colourText.toStdString()).value_or(kYellowColour);
  if (targets.chat) targets.chat->setChatColour(colour);

  const QString rounds = file.readText(key("Playtoscore"), QStringLiteral("3"));
  if (const auto value = parseInt(rounds.toStdString()); value && targets.setRoundsPosition)
    targets.setRoundsPosition(*value);
  const QString time = file.readText(key("Timeperround"), QStringLiteral("0"));
  if (!time.isEmpty()) {
    if (targets.setTimePosition) targets.setTimePosition(parseInt(time.toStdString()).value_or(0));
    if (targets.setTimeText) targets.setTimeText(time);
  }

  if (targets.chat) {
    for (int n = 1; n <= kPhraseCount; ++n) {
      const QString phrase = file.readText(QStringLiteral("Phrase%1").arg(n), QString());
      if (!phrase.isEmpty()) targets.chat->setPhrase(n, phrase);
    }
  }

  if (targets.sounds) {
    targets.sounds->setTurnsound(
        file.readText(key("Turnsound"), QStringLiteral("0")) == QLatin1String("1") ? 1 : 0);
    // Only the exact text "false" switches an option off.
    targets.sounds->setPlaySounds(file.readText(key("Playsounds"), QStringLiteral("true")) !=
                                  QLatin1String("false"));
    targets.sounds->setChatterSounds(file.readText(key("ChatterSounds"), QStringLiteral("true")) !=
                                     QLatin1String("false"));
  }
}

bool saveinifile(const QString& path, const SettingsTargets& targets) {
  return saveWithBounds(path, targets, windowBounds(targets.window));
}

bool writePhrases(const QString& path, const QStringList& ten) {
  SettingsFile file(path);
  file.load();
  for (int n = 1; n <= kPhraseCount; ++n)
    file.writeText(QStringLiteral("Phrase%1").arg(n), n <= ten.size() ? ten.at(n - 1) : QString());
  return file.save();
}

bool FormClose(const QString& path, SettingsTargets& targets, const QRect& workArea) {
  if (!targets.window || !targets.state) return false;
  QRect bounds = windowBounds(targets.window);
  if (bounds == targets.state->savedbounds) return false;
  bool shrunk = false;
  if (bounds.width() > workArea.width()) {
    bounds.setWidth(bounds.width() - kOversizeShrink);
    shrunk = true;
  }
  if (bounds.height() > workArea.height()) {
    bounds.setHeight(bounds.height() - kOversizeShrink);
    shrunk = true;
  }
  if (shrunk) setWindowBounds(targets.window, bounds);
  targets.state->savedbounds = bounds;
  return saveWithBounds(path, targets, bounds);
}

void ResetScreenLocation1Click(QWidget* window) {
  setWindowBounds(window, QRect(kDefaultLeft, kDefaultTop, kDefaultWidth, kDefaultHeight));
}

void FormResize(QWidget* window, QWidget* board) {
  if (!window || !board) return;
  // The client area is what holds the board: below the menu bar of the window.
  const QWidget* client = board->parentWidget() ? board->parentWidget() : window;
  const QPoint clientOrigin = client == window ? QPoint() : client->mapTo(window, QPoint());
  const int clientWidth = window->width() - clientOrigin.x();
  const int clientHeight = window->height() - clientOrigin.y();
  const int minWidth = board->width() + kBoardRightMargin;
  const int minHeight = board->height() + kBoardBottomMargin;
  int width = window->width();
  int height = window->height();
  if (clientHeight < minHeight) height += minHeight - clientHeight;
  if (clientWidth < minWidth) width += minWidth - clientWidth;
  if (width != window->width() || height != window->height()) window->resize(width, height);
}

}  // namespace kuvo
