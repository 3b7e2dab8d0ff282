// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "soundboard.h"

#include <QAbstractButton>
#include <QAudioDevice>
#include <QCoreApplication>
#include <QMediaDevices>
#include <QMenu>
#include <QSoundEffect>
#include <QStringList>
#include <QUrl>

#include "fields.h"
#include "messages.h"
#include "mnemonics.h"
#include "playerslots.h"

// Resources of a static library are registered by hand: nothing else pulls
// them into the program.
static void initShellResources() {
  Q_INIT_RESOURCE(shell);
}

namespace kuvo {
namespace {

constexpr std::array<const char*, 10> kGameSounds = {
    "ENTERED", "DICE2",   "PLACEDICE", "EXTRA",     "INVALID",
    "TURN",    "TURNNEW", "TICK",      "ROUNDOVER", "WINNER",
};

constexpr std::array<const char*, kChatterSoundCount + 1> kCaptions = {
    QT_TRANSLATE_NOOP("kuvo::SoundBoard", "<Cancel>"),
    QT_TRANSLATE_NOOP("kuvo::SoundBoard", "Doh"),
    QT_TRANSLATE_NOOP("kuvo::SoundBoard", "Cough"),
    QT_TRANSLATE_NOOP("kuvo::SoundBoard", "Hello"),
    QT_TRANSLATE_NOOP("kuvo::SoundBoard", "Thank You"),
    QT_TRANSLATE_NOOP("kuvo::SoundBoard", "Where have you been?"),
    QT_TRANSLATE_NOOP("kuvo::SoundBoard", "Snoring"),
    QT_TRANSLATE_NOOP("kuvo::SoundBoard", "Sneezing"),
    QT_TRANSLATE_NOOP("kuvo::SoundBoard", "Sorry"),
    QT_TRANSLATE_NOOP("kuvo::SoundBoard", "Welcome"),
    QT_TRANSLATE_NOOP("kuvo::SoundBoard", "Yeehaa"),
    QT_TRANSLATE_NOOP("kuvo::SoundBoard", "Yippee"),
    QT_TRANSLATE_NOOP("kuvo::SoundBoard", "Oh No"),
    QT_TRANSLATE_NOOP("kuvo::SoundBoard", "Applause"),
    QT_TRANSLATE_NOOP("kuvo::SoundBoard", "Honk"),
    QT_TRANSLATE_NOOP("kuvo::SoundBoard", "Oooh"),
    QT_TRANSLATE_NOOP("kuvo::SoundBoard", "Razzberry"),
    QT_TRANSLATE_NOOP("kuvo::SoundBoard", "Cheer"),
    QT_TRANSLATE_NOOP("kuvo::SoundBoard", "Woman Laughing"),
    QT_TRANSLATE_NOOP("kuvo::SoundBoard", "Man Laughing"),
    QT_TRANSLATE_NOOP("kuvo::SoundBoard", "Crying"),
};

bool isKnownSound(const QString& upper) {
  for (const char* name : kGameSounds)
    if (upper == QLatin1String(name)) return true;
  return chatterNumber(upper) > 0;
}

}  // namespace

QString chatterCaption(int n) {
  if (n < 0 || n > kChatterSoundCount) return {};
  return QCoreApplication::translate("kuvo::SoundBoard", kCaptions[static_cast<size_t>(n)]);
}

int chatterNumber(const QString& name) {
  const QString lower = name.toLower();
  if (!lower.startsWith(QLatin1String("wave"))) return 0;
  const auto n = parseInt(lower.mid(4).toStdString());
  if (!n || *n < 1 || *n > kChatterSoundCount) return 0;
  // Exactly "waveN": no sign, no leading zeros.
  return lower == QStringLiteral("wave%1").arg(*n) ? *n : 0;
}

SoundBoard::SoundBoard(ClientServices& services, MenuActions& menu, QWidget* phraseButton10)
    : QObject(phraseButton10), services_(services), menu_(menu), phraseButton10_(phraseButton10) {
  initShellResources();

  // Without an audio output the effects could only complain; play nothing.
  if (!QMediaDevices::defaultAudioOutput().isNull()) {
    QStringList names;
    for (const char* name : kGameSounds) names << QString::fromLatin1(name);
    for (int n = 1; n <= kChatterSoundCount; ++n) names << QStringLiteral("WAVE%1").arg(n);
    for (const QString& name : names) {
      auto* effect = new QSoundEffect(this);
      effect->setSource(QUrl(QStringLiteral("qrc:/kuvo/sounds/%1.wav").arg(name)));
      effects_[name] = effect;
    }
  }

  popupSounds_ = new QMenu(phraseButton10);
  QStringList captions;
  for (int n = 0; n <= kChatterSoundCount; ++n) captions << chatterCaption(n);
  const QStringList marked = withMnemonics(captions);
  for (int n = 0; n <= kChatterSoundCount; ++n) {
    auto* item = popupSounds_->addAction(marked.at(n));
    item->setToolTip(chatterCaption(n));
    item->setStatusTip(chatterCaption(n));
    connect(item, &QAction::triggered, this, [this, n] { wave12Click(n); });
  }
  if (auto* button = qobject_cast<QAbstractButton*>(phraseButton10))
    connect(button, &QAbstractButton::clicked, this, [this] { b_phrase10Click(); });

  if (menu_.playSounds) {
    menu_.playSounds->setCheckable(true);
    connect(menu_.playSounds, &QAction::triggered, this, [this](bool checked) {
      playSounds_ = checked;
      services_.saveinifile();
    });
  }
  if (menu_.playChatterSounds) {
    menu_.playChatterSounds->setCheckable(true);
    connect(menu_.playChatterSounds, &QAction::triggered, this, [this](bool checked) {
      chatterSounds_ = checked;
      services_.saveinifile();
    });
  }
  if (menu_.turnClassic)
    connect(menu_.turnClassic, &QAction::triggered, this, [this] {
      setTurnsound(0);
      services_.saveinifile();
    });
  if (menu_.turnNew)
    connect(menu_.turnNew, &QAction::triggered, this, [this] {
      setTurnsound(1);
      services_.saveinifile();
    });
  setPlaySounds(true);
  setChatterSounds(false);
  setTurnsound(0);
}

SoundBoard::~SoundBoard() = default;

void SoundBoard::setPlaySounds(bool on) {
  playSounds_ = on;
  if (menu_.playSounds) menu_.playSounds->setChecked(on);
}

void SoundBoard::setChatterSounds(bool on) {
  chatterSounds_ = on;
  if (menu_.playChatterSounds) menu_.playChatterSounds->setChecked(on);
}

void SoundBoard::setTurnsound(int choice) {
  turnsound_ = choice == 1 ? 1 : 0;
  if (menu_.turnClassic) {
    menu_.turnClassic->setCheckable(true);
    menu_.turnClassic->setChecked(turnsound_ == 0);
  }
  if (menu_.turnNew) {
    menu_.turnNew->setCheckable(true);
    menu_.turnNew->setChecked(turnsound_ == 1);
  }
}

void SoundBoard::playsounds(const QString& name) {
  if (playSounds_) play(name);
}

void SoundBoard::play(const QString& name) {
  const QString upper = name.toUpper();
  if (!isKnownSound(upper)) return;
  played_ << name;
  // Only the latest few are kept: a peer may start sounds for as long as it likes.
  if (played_.size() > kPlayedKept) played_.removeFirst();
  const auto found = effects_.find(upper);
  if (found == effects_.end()) return;
  // One sound at a time: a new one cuts off the one still playing.
  if (playing_ && playing_ != found->second) playing_->stop();
  playing_ = found->second;
  playing_->play();
}

void SoundBoard::playasound(std::string_view payload) {
  FieldReader reader(payload);
  const auto number = reader.intField();
  const std::string_view nameField = reader.field();
  const QString name =
      QString::fromUtf8(nameField.data(), static_cast<qsizetype>(nameField.size()));
  if (chatterSounds_) {
    play(name);
    return;
  }
  if (!number || !PlayerSlots::valid(*number)) return;
  const int n = chatterNumber(name);
  if (n == 0) return;
  services_.addlinetochat(
      QStringLiteral("0+") + tr("%1: <Chatter Sound> %2")
                                 .arg(services_.playerSlots().name(*number), chatterCaption(n)),
      services_.state().systemcolor);
}

void SoundBoard::wave12Click(int n) {
  if (n < 1 || n > kChatterSoundCount) return;
  const ClientState& state = services_.state();
  if (state.mynumber > PlayerSlots::kCount || !state.loggedin) return;
  services_.sendToHost(
      build(ToHost::PlayASound, {state.mynumber, "wave" + std::to_string(n), std::string()}));
}

void SoundBoard::b_phrase10Click() {
  if (!phraseButton10_) return;
  popupSounds_->popup(
      phraseButton10_->mapToGlobal(QPoint(phraseButton10_->width(), phraseButton10_->height())));
}

}  // namespace kuvo
