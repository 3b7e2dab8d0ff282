// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The controls of a window that a screen reader would announce without a
// name: walks the accessible tree as assistive technology sees it.
#pragma once

#include <QAccessible>
#include <QStringList>
#include <QWidget>

namespace kuvo::testing {

inline void collectNameless(QAccessibleInterface* node, int depth, QStringList& nameless) {
  if (node == nullptr || depth > 12 || node->state().invisible) return;
  static const QList<QAccessible::Role> kNeedsName = {
      QAccessible::PushButton, QAccessible::CheckBox,     QAccessible::RadioButton,
      QAccessible::SpinBox,    QAccessible::EditableText, QAccessible::ComboBox,
      QAccessible::List,       QAccessible::Table,        QAccessible::Tree,
      QAccessible::Graphic,    QAccessible::Link,         QAccessible::Border,
      QAccessible::Grouping,   QAccessible::Document};
  const QAccessible::Role role = node->role();
  if (kNeedsName.contains(role) && node->text(QAccessible::Name).trimmed().isEmpty()) {
    const QObject* object = node->object();
    nameless << QStringLiteral("%1 %2 (role %3)")
                    .arg(object ? QString::fromLatin1(object->metaObject()->className())
                                : QStringLiteral("?"),
                         object ? object->objectName() : QString())
                    .arg(static_cast<int>(role));
  }
  // Rows and cells are content, named by what they hold.
  if (role == QAccessible::List || role == QAccessible::Table || role == QAccessible::Tree) return;
  for (int i = 0; i < node->childCount(); ++i) collectNameless(node->child(i), depth + 1, nameless);
}

inline QStringList namelessControls(QWidget* window) {
  QStringList nameless;
  collectNameless(QAccessible::queryAccessibleInterface(window), 0, nameless);
  return nameless;
}

}  // namespace kuvo::testing
