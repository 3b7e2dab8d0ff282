// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "boardview.h"

#include <algorithm>

#include <QAccessible>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include "tableaccessible.h"

namespace kuvo {
namespace {

constexpr int kCell = BoardPictures::kCell;

// Positions on the board panel.
constexpr QRect kStatusBackground{8, 25, 368, 38};
constexpr QRect kTrack{382, 177, 25, 230};
constexpr QRect kBoardImage{8, 65, 411, 440};
constexpr QRect kStatusLine{15, 35, 355, 18};
constexpr QRect kBoard{11, 68, 360, 360};
constexpr QPoint kHeading{10, 5};
constexpr QRect kPulls{377, 125, 35, 32};
constexpr QRect kBall{378, 162, 32, 32};
constexpr int kBonusTop = 436;
constexpr std::array<int, kTableSize> kBonusLefts{14, 86, 159, 231, 303};
constexpr int kDiceTop = 461;
constexpr std::array<int, kTableSize> kDiceLefts{35, 109, 183, 254, 326};
constexpr QRect kStartButton{110, 232, 161, 32};  // over the middle of the board
constexpr QRect kClockFrame{197, 1, 181, 27};
constexpr QRect kClockBar{202, 6, kClockBarWidth, 17};
constexpr QRect kClockText{203, 6, 169, 17};
// On the main window's client area, over the board.
constexpr QRect kWinnerPanel{17, 160, 356, 41};
constexpr QRect kWinnerShadow{5, 10, 350, 22};
constexpr QRect kWinnerCaption{3, 11, 350, 22};

constexpr unsigned kStatusColour = 0x95CDDD;
constexpr unsigned kPullsColour = 0x346DA7;
constexpr unsigned kWinnerColour = 0x346DA7;

QFont boldPixels(int pixels) {
  QFont font;
  font.setPixelSize(pixels);
  font.setBold(true);
  return font;
}

void setupLabel(QLabel* label, const QRect& geometry, int pixels, const QColor& colour,
                Qt::Alignment alignment) {
  // The status line and the winner banner carry players' names: text, never markup.
  label->setTextFormat(Qt::PlainText);
  label->setGeometry(geometry);
  label->setFont(boldPixels(pixels));
  label->setAlignment(alignment);
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
}

QLabel* makeLabel(QWidget* parent, const QRect& geometry, int pixels, const QColor& colour,
                  Qt::Alignment alignment) {
  auto* label = new QLabel(parent);
  setupLabel(label, geometry, pixels, colour, alignment);
  return label;
}

void showHeading(QLabel* label, const QString& text) {
  label->setText(text);
  label->adjustSize();
}

void showClock(OutlinedLabel* text, PictureBox* bar, const TableModel& model) {
  bar->resize(model.clockBarWidth(), kClockBar.height());
  text->setColour(model.clockColour());
  text->setText(model.clockText());
}

void showWinner(WinnerPanel* panel, QLabel* shadow, QLabel* caption, const QString& line) {
  if (line.isEmpty()) {
    panel->hide();
    return;
  }
  shadow->setText(line);
  caption->setText(line);
  panel->show();
  panel->raise();
}

}  // namespace

QColor colourFromBgr(unsigned bgr) {
  return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                static_cast<int>((bgr >> 16) & 0xFF));
}

CellPictures cellPictures(int code) {
  if (code > kTakenExtraPull)
    return {false, code - kTakenExtraPull, BoardPictures::kBoardExtraPull};
  if (code > kTakenBonus200) return {false, code - kTakenBonus200, BoardPictures::kBoardBonus200};
  if (code > kTakenBonus100) return {false, code - kTakenBonus100, BoardPictures::kBoardBonus100};
  if (code > kTakenPlain) return {false, code - kTakenPlain, BoardPictures::kBoardTaken};
  if (code == 0 || code == -1) return {true, 0, 0};
  return {false, code, 0};
}

// ---- PictureBox ----

PictureBox::PictureBox(QWidget* parent, const QRect& geometry) : QWidget(parent) {
  setGeometry(geometry);
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PictureBox::setPicture(const QPixmap& picture, int index) {
  picture_ = picture;
  index_ = index;
  update();
}

void PictureBox::paintEvent(QPaintEvent*) {
  if (picture_.isNull()) return;
  QPainter painter(this);
  painter.drawPixmap(0, 0, picture_);
}

void PictureBox::mousePressEvent(QMouseEvent* event) {
  emit pressed(event);
}

void PictureBox::mouseMoveEvent(QMouseEvent* event) {
  emit moved(event);
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event) {
  emit released(event);
}

// ---- TablePictureButton ----

TablePictureButton::TablePictureButton(QWidget* parent, const QRect& geometry,
                                       const QPixmap& picture)
    : QAbstractButton(parent), picture_(picture) {
  setGeometry(geometry);
  setCursor(Qt::PointingHandCursor);
  // Tab reaches it and Space presses it, for players without a mouse.
  setFocusPolicy(Qt::TabFocus);
}

void TablePictureButton::keyPressEvent(QKeyEvent* event) {
  // Return presses it as Space does, as a push button's Return does.
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    animateClick();
    return;
  }
  QAbstractButton::keyPressEvent(event);
}

void TablePictureButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawPixmap(0, isDown() ? 1 : 0, picture_);
  if (hasFocus()) {
    painter.setPen(QPen(QColor(255, 210, 60), 2, Qt::DotLine));
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
  }
}

// ---- OutlinedLabel ----

OutlinedLabel::OutlinedLabel(QWidget* parent, const QRect& geometry, int pixelSize)
    : QWidget(parent) {
  setGeometry(geometry);
  setFont(boldPixels(pixelSize));
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void OutlinedLabel::setText(const QString& text) {
  if (text == text_) return;
  text_ = text;
  update();
  QAccessibleEvent event(this, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&event);
}

// ---- StatusLine ----

void StatusLine::announce(const QString& text) {
  // A repeated text ("PULL AGAIN!" after every pull) is news too.
  const bool same = text == this->text();
  setText(text);
  if (same) {
    QAccessibleEvent event(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&event);
  }
}

void OutlinedLabel::setColour(const QColor& colour) {
  if (colour == colour_) return;
  colour_ = colour;
  update();
}

void OutlinedLabel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QFontMetricsF metrics(font());
  const qreal x = (width() - metrics.horizontalAdvance(text_)) / 2.0;
  const qreal y = (height() + metrics.ascent() - metrics.descent()) / 2.0;
  QPainterPath path;
  path.addText(QPointF(x, y), font(), text_);
  const QColor halo = colour_.lightness() > 128 ? QColor(0, 0, 0, 200) : QColor(255, 255, 255, 170);
  painter.strokePath(path, QPen(halo, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  painter.fillPath(path, colour_);
}

// ---- BoardSurface ----

BoardSurface::BoardSurface(QWidget* parent, const QRect& geometry, const TableState& state,
                           const QPixmap& background, QPoint backgroundOffset)
    : QWidget(parent), state_(state), background_(background), backgroundOffset_(backgroundOffset) {
  installTableAccessibility();
  setGeometry(geometry);
  setFocusPolicy(Qt::TabFocus);
  setAccessibleName(QCoreApplication::translate("kuvo::BoardView", "Board"));
  setAccessibleDescription(QCoreApplication::translate(
      "kuvo::BoardView", "Arrow keys move the cursor, Return takes the cell, Space pulls"));
}

void BoardSurface::setCursorCell(int column, int row) {
  const QPoint next(std::clamp(column, 0, kTableSize - 1), std::clamp(row, 0, kTableSize - 1));
  if (next == cursor_) return;
  drawCell(cursor_.x(), cursor_.y());
  cursor_ = next;
  drawCell(cursor_.x(), cursor_.y());
  if (hasFocus()) announceCursor();
}

void BoardSurface::announceCursor() {
  // The cursor is the board's focused child: a screen reader follows it.
  QAccessibleEvent event(this, QAccessible::Focus);
  event.setChild(cellChild(cursor_.x(), cursor_.y()));
  QAccessible::updateAccessibility(&event);
}

QString BoardSurface::cellName(int column, int row) const {
  if (column < 0 || column >= kTableSize || row < 0 || row >= kTableSize) return QString();
  const CellPictures cell = cellPictures(state_.boardcells[column][row]);
  if (cell.numeral >= 1 && cell.numeral <= 6)
    return QCoreApplication::translate("kuvo::BoardView", "Column %1, row %2: %3")
        .arg(column + 1)
        .arg(row + 1)
        .arg(cell.numeral);
  return QCoreApplication::translate("kuvo::BoardView", "Column %1, row %2")
      .arg(column + 1)
      .arg(row + 1);
}

QString BoardSurface::cellDescription(int column, int row) const {
  if (column < 0 || column >= kTableSize || row < 0 || row >= kTableSize) return QString();
  const int code = state_.boardcells[column][row];
  const CellPictures cell = cellPictures(code);
  switch (cell.overlay) {
    case BoardPictures::kBoardTaken:
      return QCoreApplication::translate("kuvo::BoardView", "taken");
    case BoardPictures::kBoardBonus100:
      return QCoreApplication::translate("kuvo::BoardView", "taken, 100 bonus points");
    case BoardPictures::kBoardBonus200:
      return QCoreApplication::translate("kuvo::BoardView", "taken, 200 bonus points");
    case BoardPictures::kBoardExtraPull:
      return QCoreApplication::translate("kuvo::BoardView", "taken, extra pull");
    default:
      break;
  }
  // A cell that came taken (its number lost) or as a scored diagonal's corner.
  if (code == kCellUnknownTaken || code == -1)
    return QCoreApplication::translate("kuvo::BoardView", "taken");
  return QString();
}

void BoardSurface::drawCell(int column, int row) {
  if (column < 0 || column >= kTableSize || row < 0 || row >= kTableSize) return;
  update(column * kCell, row * kCell, kCell, kCell);
}

void BoardSurface::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  boardPaint(painter, event->rect());
  if (hasFocus()) paintCursor(painter);
}

void BoardSurface::paintCursor(QPainter& painter) const {
  // A double frame, light inside dark, reads on the pale numerals and on the
  // dark crosses of taken cells alike.
  const QRect cell(cursor_.x() * kCell, cursor_.y() * kCell, kCell, kCell);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(20, 20, 60), 5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  painter.drawRect(QRectF(cell).adjusted(3.5, 3.5, -3.5, -3.5));
  painter.setPen(QPen(QColor(255, 210, 60), 2.5, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  painter.drawRect(QRectF(cell).adjusted(3.5, 3.5, -3.5, -3.5));
}

void BoardSurface::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Left:
      setCursorCell(cursor_.x() - 1, cursor_.y());
      return;
    case Qt::Key_Right:
      setCursorCell(cursor_.x() + 1, cursor_.y());
      return;
    case Qt::Key_Up:
      setCursorCell(cursor_.x(), cursor_.y() - 1);
      return;
    case Qt::Key_Down:
      setCursorCell(cursor_.x(), cursor_.y() + 1);
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      // A held key repeats; one press is one request, like one click.
      if (!event->isAutoRepeat()) emit chooseKey(cursor_.x(), cursor_.y());
      return;
    case Qt::Key_Space:
      if (!event->isAutoRepeat()) emit pullKey();
      return;
    default:
      QWidget::keyPressEvent(event);
  }
}

void BoardSurface::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  drawCell(cursor_.x(), cursor_.y());
  announceCursor();
}

void BoardSurface::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  drawCell(cursor_.x(), cursor_.y());
}

void BoardSurface::boardPaint(QPainter& painter, const QRect& area) const {
  for (int c = 0; c < kTableSize; ++c) {
    for (int r = 0; r < kTableSize; ++r) {
      if (area.intersects(QRect(c * kCell, r * kCell, kCell, kCell))) paintCell(painter, c, r);
    }
  }
}

void BoardSurface::paintCell(QPainter& painter, int column, int row) const {
  const QPoint corner(column * kCell, row * kCell);
  // The background under the cell, as fillspace restores it: the board
  // picture lies a few pixels up and left of the surface.
  painter.drawPixmap(corner, background_, QRect(corner + backgroundOffset_, QSize(kCell, kCell)));
  const CellPictures cell = cellPictures(state_.boardcells[column][row]);
  if (cell.background) return;
  const auto& pictures = BoardPictures::instance();
  if (cell.numeral > 0) painter.drawPixmap(corner, pictures.board(cell.numeral));
  if (cell.overlay > 0) painter.drawPixmap(corner, pictures.board(cell.overlay));
}

QImage BoardSurface::renderCell(int column, int row) const {
  QImage image(kCell, kCell, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  if (column < 0 || column >= kTableSize || row < 0 || row >= kTableSize) return image;
  QPainter painter(&image);
  painter.translate(-column * kCell, -row * kCell);
  paintCell(painter, column, row);
  return image;
}

void BoardSurface::mousePressEvent(QMouseEvent* event) {
  const QPoint at = event->position().toPoint();
  emit mouseDown(event->button(), at.x(), at.y());
}

// ---- WinnerPanel ----

WinnerPanel::WinnerPanel(QWidget* parent, const QRect& geometry) : QWidget(parent) {
  setGeometry(geometry);
}

void WinnerPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  QPainterPath path;
  path.addRoundedRect(QRectF(1, 1, width() - 2, height() - 2), 10, 10);
  QLinearGradient gold(0, 0, 0, height());
  gold.setColorAt(0.0, QColor(255, 253, 240));
  gold.setColorAt(0.6, QColor(250, 238, 200));
  gold.setColorAt(1.0, QColor(232, 210, 150));
  painter.fillPath(path, gold);
  painter.setPen(QPen(QColor(190, 140, 40), 2.5));
  painter.drawPath(path);
}

// ---- NoticeBox ----

NoticeBox::NoticeBox(QWidget* parent) : QWidget(parent) {
  setGeometry(kStatusLine.x(), kStatusLine.y(), 1, 1);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  hide();
}

void NoticeBox::notify(const QString& text) {
  // Hidden and shown again before anything is painted: the screen does not
  // flicker, and the reader hears it appear.
  hide();
  setAccessibleName(text);
  show();
}

// ---- BoardView ----

BoardView::BoardView(QWidget* panel, QWidget* clientArea, const TableState& state,
                     const TableModel& model)
    : pictures(BoardPictures::instance()) {
  // Before any element exists: an interface, once made, is kept for good.
  installTableAccessibility();
  Image3 = new PictureBox(panel, kStatusBackground);
  Image3->setPicture(pictures.statusBackground);
  Image1 = new PictureBox(panel, kTrack);
  Image1->setPicture(pictures.track);
  boardimage = new PictureBox(panel, kBoardImage);
  boardimage->setPicture(pictures.boardimage);

  label_turn = new StatusLine(panel);
  setupLabel(label_turn, kStatusLine, 16, colourFromBgr(kStatusColour), Qt::AlignCenter);
  label_turn->setObjectName(QStringLiteral("label_turn"));
  label_turn->setText(model.status());

  board = new BoardSurface(panel, kBoard, state, pictures.boardimage,
                           kBoard.topLeft() - kBoardImage.topLeft());
  board->setObjectName(QStringLiteral("board"));

  // The heading sits on a small parchment plate so its black text reads on
  // any window colour.
  label_playtoscore = makeLabel(panel, QRect(kHeading, QSize(10, 10)), 19, Qt::black,
                                Qt::AlignLeft | Qt::AlignVCenter);
  label_playtoscore->setObjectName(QStringLiteral("label_playtoscore"));
  label_playtoscore->setStyleSheet(
      QStringLiteral("QLabel { background: rgba(250, 240, 210, 235); border: 1px solid #8a6a30;"
                     " border-radius: 6px; padding: 0px 6px; }"));
  showHeading(label_playtoscore, model.heading());

  label_numrolls = makeLabel(panel, kPulls, 27, colourFromBgr(kPullsColour), Qt::AlignCenter);
  label_numrolls->setObjectName(QStringLiteral("label_numrolls"));
  label_numrolls->setStyleSheet(
      QStringLiteral("QLabel { background: rgba(250, 240, 210, 235); border: 1px solid #8a6a30;"
                     " border-radius: 8px; }"));
  label_numrolls->setText(model.pulls());

  image_ball = new PictureBox(panel, kBall);
  image_ball->setObjectName(QStringLiteral("image_ball"));
  image_ball->setPicture(pictures.ball);
  image_ball->setAttribute(Qt::WA_TransparentForMouseEvents, false);
  image_ball->setCursor(Qt::OpenHandCursor);
  image_ball->setAccessibleName(QCoreApplication::translate("kuvo::BoardView", "Pull ball"));
  image_ball->setAccessibleDescription(
      QCoreApplication::translate("kuvo::BoardView", "Space on the board pulls"));

  for (int i = 0; i < kTableSize; ++i) {
    image_bonus[i] = new PictureBox(panel, QRect(kBonusLefts[i], kBonusTop, 32, 32));
    image_bonus[i]->setObjectName(QStringLiteral("image_bonus%1").arg(i));
  }
  for (int i = 0; i < kTableSize; ++i) {
    image_dice[i] = new PictureBox(panel, QRect(kDiceLefts[i], kDiceTop, 32, 32));
    image_dice[i]->setObjectName(QStringLiteral("image_dice%1").arg(i));
  }
  for (int i = 0; i < kTableSize; ++i) describeDie(i, 0, 0);

  button_start = new TablePictureButton(panel, kStartButton, pictures.startButton);
  button_start->setObjectName(QStringLiteral("button_start"));
  button_start->setToolTip(QCoreApplication::translate("kuvo::BoardView", "Start Game"));
  button_start->setAccessibleName(QCoreApplication::translate("kuvo::BoardView", "Start Game"));
  button_start->hide();

  Image5 = new PictureBox(panel, kClockFrame);
  Image5->setPicture(pictures.clockFrame);
  image_timer = new PictureBox(panel, kClockBar);
  image_timer->setObjectName(QStringLiteral("image_timer"));
  image_timer->setPicture(pictures.clockBar);
  label_timer = new OutlinedLabel(panel, kClockText, 16);
  label_timer->setObjectName(QStringLiteral("label_timer"));
  showClock(label_timer, image_timer, model);
  label_playtoscore->setAccessibleDescription(
      QCoreApplication::translate("kuvo::BoardView", "Round"));
  label_timer->setAccessibleDescription(
      QCoreApplication::translate("kuvo::BoardView", "Round clock"));

  panel_winner = new WinnerPanel(clientArea, kWinnerPanel);
  panel_winner->setObjectName(QStringLiteral("panel_winner"));
  label_winner1 = makeLabel(panel_winner, kWinnerShadow, 19, Qt::black, Qt::AlignCenter);
  label_winner2 =
      makeLabel(panel_winner, kWinnerCaption, 19, colourFromBgr(kWinnerColour), Qt::AlignCenter);
  label_winner1->setText(QCoreApplication::translate("kuvo::BoardView", "Winner!"));
  label_winner2->setText(QCoreApplication::translate("kuvo::BoardView", "Winner!"));
  panel_winner->hide();

  notice = new NoticeBox(panel);
  notice->setObjectName(QStringLiteral("notice"));

  // Each widget is the context of its connection: a panel closed before the
  // table leaves no connection behind.
  QObject::connect(&model, &TableModel::statusAnnounced, label_turn, &StatusLine::announce);
  QObject::connect(&model, &TableModel::headingChanged, label_playtoscore,
                   [label = label_playtoscore](const QString& text) { showHeading(label, text); });
  QObject::connect(&model, &TableModel::pullsChanged, label_numrolls, &QLabel::setText);
  // The figure alone tells a screen reader's listener nothing: the name says what it counts.
  const auto namePulls = [label = label_numrolls](const QString& pulls) {
    label->setAccessibleName(
        QCoreApplication::translate("kuvo::BoardView", "Pulls left: %1").arg(pulls));
  };
  namePulls(model.pulls());
  QObject::connect(&model, &TableModel::pullsChanged, label_numrolls, namePulls);
  QObject::connect(
      &model, &TableModel::clockChanged, label_timer,
      [text = label_timer, bar = image_timer, &model] { showClock(text, bar, model); });
  QObject::connect(&model, &TableModel::winnerChanged, panel_winner,
                   [panel = panel_winner, shadow = label_winner1, caption = label_winner2](
                       const QString& line) { showWinner(panel, shadow, caption, line); });
}

void BoardView::describeDie(int die, int value, int bonus) {
  if (die < 0 || die >= kTableSize) return;
  const int number = die + 1;
  if (value >= 1 && value <= 6) {
    image_dice[die]->setAccessibleName(
        QCoreApplication::translate("kuvo::BoardView", "Die %1: %2").arg(number).arg(value));
  } else {
    image_dice[die]->setAccessibleName(
        QCoreApplication::translate("kuvo::BoardView", "Die %1: none").arg(number));
  }
  QString bonusText;
  switch (bonus) {
    case kDieBonus100:
      bonusText = QCoreApplication::translate("kuvo::BoardView", "100 bonus points");
      break;
    case kDieBonus200:
      bonusText = QCoreApplication::translate("kuvo::BoardView", "200 bonus points");
      break;
    case kDieBonusExtraPull:
      bonusText = QCoreApplication::translate("kuvo::BoardView", "extra pull");
      break;
    default:
      break;
  }
  // The bonus is read with its die, and on its own picture above it.
  image_dice[die]->setAccessibleDescription(bonusText);
  image_bonus[die]->setAccessibleName(
      bonusText.isEmpty()
          ? QCoreApplication::translate("kuvo::BoardView", "Bonus %1: none").arg(number)
          : QCoreApplication::translate("kuvo::BoardView", "Bonus %1: %2")
                .arg(number)
                .arg(bonusText));
}

void BoardView::setBallTop(int top) {
  image_ball->move(image_ball->x(), top);
}

int BoardView::ballTop() const {
  return image_ball->y();
}

}  // namespace kuvo
