// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// What a window asks of the user or hands to the desktop and must wait for:
// a notice to acknowledge, a yes-or-no question, a colour, opening an address,
// starting a program. Windows take one Prompts and call nothing else for
// these, so tests answer them with a recorder instead of a dialog that would
// block, and no window can open one of its own by accident.
#pragma once

#include <optional>

#include <QColor>
#include <QString>
#include <QStringList>

class QUrl;
class QWidget;

namespace kuvo {

class Prompts {
 public:
  enum class Notice { Information, Error };

  virtual ~Prompts() = default;

  // A box with the text and an OK button, over `parent`. The text is shown
  // as plain text: it may carry a host's address, a socket's or a file's words.
  virtual void tell(QWidget* parent, const QString& text, Notice kind = Notice::Information) = 0;
  // True for "Yes"; "No" is the default answer.
  virtual bool askYesNo(QWidget* parent, const QString& text) = 0;
  // The colour the user chose, nothing when the choice was cancelled.
  virtual std::optional<QColor> chooseColour(QWidget* parent, const QColor& current) = 0;
  // True when the desktop accepted the address.
  virtual bool openUrl(const QUrl& address) = 0;
  // Starts a program (or opens a document) with parameters; true when the
  // system accepted it.
  virtual bool launch(const QString& path, const QStringList& parameters) = 0;
};

// The real dialogs and the desktop's own handlers.
Prompts& desktopPrompts();

}  // namespace kuvo
