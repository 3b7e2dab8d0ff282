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

class QWidget;

namespace kuvo::windowart {

// Makes sure the windows' Qt resources (banner, help pages) are registered;
// needed because the library is linked statically.
void ensureWindowResources();

// Kuvo's icon (the menu entry's), for every window's frame and task bar button.
QIcon applicationIcon();

// Gives the window the common background (a soft vertical gradient).
void applyWindowBackground(QWidget* window);

// Centres the window over `anchor`, or on its screen when there is none.
void centreOver(QWidget* window, const QWidget* anchor);

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
