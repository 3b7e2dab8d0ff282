// Loading and saving the client's options in the settings file, and the main
// window's geometry rules (minimum size, reset, saving the bounds on close).
//
// The window's parts are reached through SettingsTargets so that this code
// needs none of the windows' classes. Window bounds are the outer frame, as
// the file has always stored them.
#pragma once

#include <functional>

#include <QRect>
#include <QString>
#include <QStringList>

class QWidget;

namespace kuvo {

class ChatPanel;
class SoundBoard;
struct ClientState;
struct MenuActions;

inline constexpr int kDefaultLeft = 3;
inline constexpr int kDefaultTop = 3;
inline constexpr int kSettingsTextSize = 8;
inline constexpr int kOversizeShrink = 15;  // a window larger than the work area gives this back

struct SettingsTargets {
  QWidget* window = nullptr;
  ChatPanel* chat = nullptr;
  SoundBoard* sounds = nullptr;
  ClientState* state = nullptr;
  MenuActions* menu = nullptr;
  std::function<QString()> roundsText, timeText;  // the game start dialog
  std::function<void(int)> setRoundsPosition, setTimePosition;
  std::function<void(const QString&)> setTimeText;
};

void loadinifile(const QString& path, SettingsTargets& targets);
bool saveinifile(const QString& path, const SettingsTargets& targets);
bool writePhrases(const QString& path, const QStringList& ten);  // Phrase1..Phrase10
// Saves the bounds when they changed since the last load or close; true when written.
bool FormClose(const QString& path, SettingsTargets& targets, const QRect& workArea);
void ResetScreenLocation1Click(QWidget* window);
void FormResize(QWidget* window, QWidget* board);  // the minimum client size rule

// The window's outer bounds (left, top, width, height), and setting them.
QRect windowBounds(const QWidget* window);
void setWindowBounds(QWidget* window, const QRect& bounds);

}  // namespace kuvo
