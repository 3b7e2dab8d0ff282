// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The pictures the auxiliary windows share: the soft background every one of
// them wears, the drawn start button and the maker's logo. Drawn at run time,
// so they stay sharp and the repository holds no binaries for them.
#pragma once

#include <QAbstractButton>
#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>

#include "theme.h"

class QWidget;

namespace kuvo::windowart {

// Makes sure the windows' Qt resources (banner, help pages) are registered;
// needed because the library is linked statically.
void ensureWindowResources();

// Kuvo's icon (the menu entry's), for every window's frame and task bar button.
QIcon applicationIcon();

// Gives the window the common background (a soft vertical gradient) under a
// light theme. Under a dark one the window keeps the theme's own colours: a
// light picture behind the theme's light text would be unreadable, and a
// player who chose dark or inverted colours chose them to read by.
void applyWindowBackground(QWidget* window);

// Centres the window over `anchor`, or on its screen when there is none.
void centreOver(QWidget* window, const QWidget* anchor);

// Called as a window is shown: it comes to the front and takes the focus, so
// that the keyboard and a screen reader move to it rather than stay behind.
void takeFocusOnShow(QWidget* window);

inline constexpr QSize kStartButtonSize{161, 32};
inline constexpr QSize kAboutLogoSize{264, 75};

QPixmap drawStartButton(bool pressed);
QPixmap drawAboutLogo();

// A picture that acts as a button: shows one picture, another while held down.
class PictureButton : public QAbstractButton {
 public:
  PictureButton(const QPixmap& normal, const QPixmap& pressed, QWidget* parent);
  QSize sizeHint() const override { return normal_.size(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QPixmap normal_;
  QPixmap pressed_;
};

}  // namespace kuvo::windowart
