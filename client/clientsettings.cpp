// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "clientsettings.h"

#include <algorithm>

#include <QGuiApplication>
#include <QScreen>
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

// Numbers from the file far beyond any screen are cut first, so that no sum
// of a place and a size can overflow.
constexpr int kMaxCoordinate = 1 << 20;

bool saveWithBounds(const QString& path, const SettingsTargets& targets, const QRect& bounds) {
  const SettingsValues options = optionValues(targets);
  SettingsSession* session = targets.session;
  const bool everything = !session || session->loaded;
  if (!everything) {
    for (size_t i = 0; i < options.size() && i < session->builtIn.size(); ++i) {
      const QString& name = options[i].first;
      if (options[i].second != session->builtIn[i].second && !session->touched.contains(name))
        session->touched << name;
    }
    if (session->touched.isEmpty()) return false;
  }
  SettingsFile file(path);
  file.load();
  auto write = [&](const QString& name, const QString& value) {
    if (everything || session->touched.contains(name)) file.writeText(name, value);
  };
  write(options[0].first, options[0].second);  // Textsize
  // The window place is the user's only once read from the file.
  if (everything) {
    file.writeInt(key("Top"), bounds.y());
    file.writeInt(key("Left"), bounds.x());
    file.writeInt(key("Width"), bounds.width());
    file.writeInt(key("Height"), bounds.height());
  }
  for (size_t i = 1; i < options.size(); ++i) write(options[i].first, options[i].second);
  return file.save();
}

QList<QRect> screenAreas() {
  QList<QRect> areas;
  for (const QScreen* screen : QGuiApplication::screens()) areas << screen->availableGeometry();
  return areas;
}

qint64 distanceSquared(const QRect& area, const QPoint& point) {
  const qint64 dx = point.x() < area.left()    ? area.left() - point.x()
                    : point.x() > area.right() ? point.x() - area.right()
                                               : 0;
  const qint64 dy = point.y() < area.top()      ? area.top() - point.y()
                    : point.y() > area.bottom() ? point.y() - area.bottom()
                                                : 0;
  return dx * dx + dy * dy;
}

}  // namespace

SettingsValues optionValues(const SettingsTargets& targets) {
  const int textSize = targets.chat ? targets.chat->textSize() : kDefaultTextSize;
  const Colour colour = targets.chat ? targets.chat->chatColour() : kBuiltInChatColour;
  const bool turnNew = targets.sounds && targets.sounds->turnsound() == 1;
  const bool sounds = !targets.sounds || targets.sounds->playSoundsOn();
  const bool chatter = targets.sounds && targets.sounds->chatterSoundsOn();
  const StartOptions* options = targets.startOptions;
  auto truth = [](bool on) { return on ? QStringLiteral("true") : QStringLiteral("false"); };
  return {
      {key("Textsize"), QString::number(textSize)},
      {key("Playtoscore"), options ? options->roundsText() : QStringLiteral("3")},
      {key("Timeperround"), options ? options->timeText() : QStringLiteral("0")},
      {key("Textcolor"), QString::fromStdString(colourToText(colour))},
      {key("Turnsound"), turnNew ? QStringLiteral("1") : QStringLiteral("0")},
      {key("Playsounds"), truth(sounds)},
      {key("ChatterSounds"), truth(chatter)},
  };
}

QRect fitOnScreens(const QRect& bounds, const QList<QRect>& workAreas) {
  const QRect* best = nullptr;
  qint64 bestOverlap = 0;
  for (const QRect& area : workAreas) {
    if (area.isEmpty()) continue;
    const QRect overlap = area.intersected(bounds);
    const qint64 size = overlap.isEmpty() ? 0 : qint64{overlap.width()} * overlap.height();
    if (size > bestOverlap) {
      bestOverlap = size;
      best = &area;
    }
  }
  // Off every screen: the screen nearest to the window's top left corner,
  // where its title bar was.
  if (!best) {
    qint64 bestDistance = 0;
    for (const QRect& area : workAreas) {
      if (area.isEmpty()) continue;
      const qint64 distance = distanceSquared(area, bounds.topLeft());
      if (!best || distance < bestDistance) {
        bestDistance = distance;
        best = &area;
      }
    }
  }
  if (!best) return bounds;
  const QRect& area = *best;
  const int width = std::clamp(bounds.width(), 1, area.width());
  const int height = std::clamp(bounds.height(), 1, area.height());
  const int left = std::clamp(bounds.x(), area.x(), area.x() + area.width() - width);
  const int top = std::clamp(bounds.y(), area.y(), area.y() + area.height() - height);
  return {left, top, width, height};
}

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
  auto coordinate = [&](const char* name, int fallback) {
    return std::clamp(file.readInt(key(name), fallback), -kMaxCoordinate, kMaxCoordinate);
  };
  const QRect stored(coordinate("Left", kDefaultLeft), coordinate("Top", kDefaultTop),
                     std::max(1, coordinate("Width", defaultWidth)),
                     std::max(1, coordinate("Height", defaultHeight)));
  // A place saved on a screen that is gone, or a size no screen holds, would
  // put the window out of reach.
  const QRect bounds = fitOnScreens(stored, targets.workAreas ? *targets.workAreas : screenAreas());
  if (targets.state) targets.state->savedbounds = bounds;
  setWindowBounds(targets.window, bounds);

  const QString colourText = file.readText(key("Textcolor"), QStringLiteral("clyellow"));
  const Colour colour = colourFromText(colourText.toStdString()).value_or(kYellowColour);
  if (targets.chat) targets.chat->setChatColour(colour);

  const QString rounds = file.readText(key("Playtoscore"), QStringLiteral("3"));
  StartOptions* options = targets.startOptions;
  if (const auto value = parseInt(rounds.toStdString()); value && options)
    options->setRoundsPosition(*value);
  // The time goes to the host as it stands in the dialog: only a number the
  // dialog could have chosen is taken.
  const auto seconds = parseInt(file.readText(key("Timeperround"), QString()).toStdString());
  const bool secondsFit = seconds && *seconds >= kMinRoundSeconds && *seconds <= kMaxRoundSeconds;
  if (options) options->setTimePosition(secondsFit ? *seconds : 0);

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
  if (targets.session) targets.session->loaded = true;
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
  if (targets.session && !targets.session->loaded) return false;
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
