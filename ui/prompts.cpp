// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "prompts.h"

#include <QColorDialog>
#include <QDesktopServices>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>

namespace kuvo {

namespace {

class DesktopPrompts final : public Prompts {
 public:
  void tell(QWidget* parent, const QString& text, Notice kind) override {
    QMessageBox box(kind == Notice::Error ? QMessageBox::Critical : QMessageBox::Information,
                    QStringLiteral("Kuvo"), text, QMessageBox::Ok, parent);
    box.setTextFormat(Qt::PlainText);
    box.exec();
  }

  bool askYesNo(QWidget* parent, const QString& text) override {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Kuvo"), text,
                    QMessageBox::Yes | QMessageBox::No, parent);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::No);
    return box.exec() == QMessageBox::Yes;
  }

  std::optional<QColor> chooseColour(QWidget* parent, const QColor& current) override {
    const QColor chosen = QColorDialog::getColor(current, parent);
    if (!chosen.isValid()) return std::nullopt;
    return chosen;
  }

  bool openUrl(const QUrl& address) override { return QDesktopServices::openUrl(address); }

  bool launch(const QString& path, const QStringList& parameters) override {
#ifdef Q_OS_WIN
    // Windows opens a document by its type only through the shell.
    if (parameters.isEmpty()) return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
#endif
    return QProcess::startDetached(path, parameters, QFileInfo(path).absolutePath());
  }
};

}  // namespace

Prompts& desktopPrompts() {
  static DesktopPrompts prompts;
  return prompts;
}

}  // namespace kuvo
