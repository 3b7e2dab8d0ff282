// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tdownload.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QNetworkAccessManager>
#include <QNetworkProxy>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPushButton>
#include <QSaveFile>
#include <QSslSocket>
#include <algorithm>

#include "datapaths.h"
#include "jpegdecode.h"
#include "windowart.h"

namespace kuvo {

using namespace windowart;
namespace {

constexpr qint64 kReadBufferBytes = 64 * 1024;

// Everything after the last "/" of the address's path; the query never
// becomes part of a file name.
QString installerFileName(const QUrl& url) {
  const QString path = url.path();
  const QString name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
  if (name.isEmpty() || name == QLatin1String(".") || name == QLatin1String("..") ||
      name.contains(QLatin1Char('\\'))) {
    return QString();
  }
  return name;
}

// Errors that mean the web server or the user ended the transfer: these end
// quietly with "Download Aborted". Everything else is also reported.
bool isTransferLevelError(QNetworkReply::NetworkError error) {
  switch (error) {
    case QNetworkReply::OperationCanceledError:
    case QNetworkReply::RemoteHostClosedError:
      return true;
    default:
      return error >= QNetworkReply::ContentAccessDenied;
  }
}

// Only an address that can be fetched over TLS: everything else could be
// swapped on the way.
bool isHttps(const QUrl& url) {
  return url.scheme() == QLatin1String("https");
}

// Failures that mean the transfer could not be trusted: a certificate that
// does not check out, or a redirect away from HTTPS.
bool isTrustError(QNetworkReply::NetworkError error) {
  return error == QNetworkReply::SslHandshakeFailedError ||
         error == QNetworkReply::InsecureRedirectError;
}

// White under a light theme; under a dark one the panel keeps the theme's
// colours, like the window around it, so its text stays readable.
QFrame* whitePanel(QWidget* parent, const QRect& geometry, const QString& name) {
  auto* panel = new QFrame(parent);
  panel->setFrameShape(QFrame::StyledPanel);
  panel->setAccessibleName(name);
  if (!isDarkTheme(parent)) {
    panel->setAutoFillBackground(true);
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, Qt::white);
    panel->setPalette(palette);
  }
  panel->setGeometry(geometry);
  return panel;
}

// Grows downwards where a language needs more lines than English does.
QLabel* wrappedText(const QString& text, QWidget* parent, const QRect& geometry) {
  auto* label = new QLabel(text, parent);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  label->setGeometry(geometry);
  const int needed = label->heightForWidth(geometry.width());
  if (needed > geometry.height()) label->resize(geometry.width(), needed);
  return label;
}

// Just below `above`, or where the window was drawn to have it if lower.
int belowOf(const QLabel* above, int drawnAt) {
  return std::max(drawnAt, above->geometry().bottom() + 6);
}

}  // namespace

QString defaultLobbyPath() {
#ifdef Q_OS_WIN
  return QStringLiteral("C:\\Program Files\\Orvel\\OrvelLobby.exe");
#else
  return QDir::homePath() + QStringLiteral("/.local/share/orvel/OrvelLobby");
#endif
}

Tdownload::Tdownload(QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::WindowStaysOnTopHint),
      installerUrl_(QString::fromLatin1(kLobbyInstallerUrl)),
      lobbyPath_(defaultLobbyPath()),
      sslConfiguration_(QSslConfiguration::defaultConfiguration()),
      HttpCli1_(new QNetworkAccessManager(this)) {
  ensureWindowResources();
  setObjectName(QStringLiteral("download"));
  setWindowTitle(tr("Download The Orvel Lobby"));
  setFixedSize(724, 500);
  applyWindowBackground(this);
  HttpCli1_->setProxy(QNetworkProxy::NoProxy);

  // Left: the download.
  QFrame* left = whitePanel(this, QRect(6, 6, 450, 487), tr("Download"));
  auto* picture = new QLabel(left);
  picture->setObjectName(QStringLiteral("picture"));
  picture->setAccessibleName(tr("The Orvel Lobby banner"));
  picture->setGeometry(7, 7, 436, 360);
  QFile bannerFile(QStringLiteral(":/windows/banner.jpg"));
  if (bannerFile.open(QIODevice::ReadOnly)) {
    const QImage banner = decodeJpeg(bannerFile.readAll());
    if (!banner.isNull()) {
      picture->setPixmap(QPixmap::fromImage(
          banner.scaled(436, 360, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    }
  }
  auto* closed = new QLabel(tr("IS CLOSED"), left);
  closed->setObjectName(QStringLiteral("label_closed"));
  closed->setAlignment(Qt::AlignCenter);
  closed->setStyleSheet(QStringLiteral(
      "color: white; background-color: rgba(178, 34, 34, 215); font-weight: bold;"
      "font-size: 20px; letter-spacing: 3px; border: 2px solid white; border-radius: 6px;"));
  closed->setGeometry(133, 296, 184, 40);
  wrappedText(tr("Download The Orvel Lobby Now to play this  and other exciting games "
                 "online with other players! "),
              left, QRect(12, 371, 426, 34));

  getbutton_ = new QPushButton(tr("&Download And Install The Orvel Lobby Now"), left);
  getbutton_->setObjectName(QStringLiteral("getbutton"));
  getbutton_->setAutoDefault(false);
  getbutton_->setGeometry(12, 408, 292, 28);
  abortbutton_ = new QPushButton(tr("&Stop Download"), left);
  abortbutton_->setObjectName(QStringLiteral("abortbutton"));
  abortbutton_->setAutoDefault(false);
  abortbutton_->setGeometry(312, 408, 126, 28);
  abortbutton_->setEnabled(false);
  infolabel_ = new QLabel(left);
  infolabel_->setObjectName(QStringLiteral("infolabel"));
  infolabel_->setAlignment(Qt::AlignCenter);
  infolabel_->setGeometry(7, 441, 436, 18);
  infolabel3_ = new QLabel(left);
  infolabel3_->setObjectName(QStringLiteral("infolabel3"));
  infolabel3_->setTextFormat(Qt::PlainText);
  infolabel3_->setAlignment(Qt::AlignCenter);
  infolabel3_->setGeometry(7, 462, 436, 18);
  infolabel2_ = new QLabel(left);
  infolabel2_->setObjectName(QStringLiteral("infolabel2"));
  infolabel2_->hide();
  connect(getbutton_, &QPushButton::clicked, this, &Tdownload::getbuttonClick);
  connect(abortbutton_, &QPushButton::clicked, this, &Tdownload::abortbuttonClick);

  // Upper right: solo play.
  QFrame* solo = whitePanel(this, QRect(461, 6, 257, 228), tr("Solo game"));
  const QLabel* soloText =
      wrappedText(tr("To proceed to the game without the ability to play against others "
                     "click the button below."),
                  solo, QRect(10, 12, 237, 54));
  auto* Button1 = new QPushButton(tr("&Play Solo Game"), solo);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setDefault(true);
  // The window opens on the harmless choice: Space or Return plays solo.
  Button1->setFocus();
  Button1->setGeometry(58, belowOf(soloText, 74), 141, 30);
  connect(Button1, &QPushButton::clicked, this, &Tdownload::Button1Click);
  wrappedText(tr("Note: Even if you are playing offline, you will need to configure "
                 "your FIREWALL to allow the game to access the internet components."),
              solo, QRect(10, belowOf(soloText, 74) + 44, 237, 96));

  // Lower right: playing with others, through the lobby where it is installed
  // and through the game's own table finder everywhere else.
  QFrame* others = whitePanel(this, QRect(461, 236, 257, 257), tr("Playing with others"));
  const QLabel* othersText =
      wrappedText(tr("To play with others, click the button below: it lists the tables on "
                     "your network, where you can join one or host your own. If The Orvel "
                     "Lobby is installed, it closes this game and opens The Orvel Lobby "
                     "instead."),
                  others, QRect(10, 12, 237, 100));
  auto* Button2 = new QPushButton(tr("Play with &Others"), others);
  Button2->setObjectName(QStringLiteral("Button2"));
  Button2->setAutoDefault(false);
  Button2->setGeometry(58, belowOf(othersText, 118), 141, 30);
  connect(Button2, &QPushButton::clicked, this, &Tdownload::Button2Click);
}

void Tdownload::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  takeFocusOnShow(this);
}

Tdownload::~Tdownload() {
  if (reply_ != nullptr) reply_->abort();
}

void Tdownload::setInstallerUrl(const QUrl& url) {
  installerUrl_ = url;
}

void Tdownload::setInstallFolder(const QString& folder) {
  installFolder_ = folder;
}

void Tdownload::setLobbyPath(const QString& path) {
  lobbyPath_ = path;
}

void Tdownload::setSslConfiguration(const QSslConfiguration& configuration) {
  sslConfiguration_ = configuration;
}

void Tdownload::setStartsInstaller(bool starts) {
  startsInstaller_ = starts;
}

void Tdownload::exitGame() {
  emit exitGameRequested();
}

void Tdownload::getbuttonClick() {
  if (reply_ != nullptr) return;  // one transfer at a time
  state_ = Started;
  const QString fileName = installerFileName(installerUrl_);
  infolabel2_->setText(fileName);
  const auto failBeforeStart = [this](const QString& why) {
    state_ = Aborted;
    infolabel_->setText(tr("Download Aborted"));
    prompts_->tell(this, why);
  };
  if (fileName.isEmpty() || !isHttps(installerUrl_)) {
    failBeforeStart(tr("An Error has Occurred."));
    return;
  }
  const QString folder = installFolder_.isEmpty() ? dataFolder() : installFolder_;
  const QString path = QDir(folder).filePath(fileName);

  // The body goes to a temporary file that only becomes the installer when
  // the whole transfer succeeded; a broken or stopped download leaves nothing
  // that could be started later.
  QSaveFile body(path);
  if (!body.open(QIODevice::WriteOnly)) {
    failBeforeStart(body.errorString());
    return;
  }
  body_ = &body;
  received_ = 0;
  bodyFailed_ = false;
  docBegun_ = false;
  QString failure;

  getbutton_->setEnabled(false);
  abortbutton_->setEnabled(true);
  infolabel_->setText(tr("Loading"));

  // Qt always speaks HTTP/1.1 here; the rest of the old client's request is kept.
  QNetworkRequest request(installerUrl_);
  request.setHeader(QNetworkRequest::UserAgentHeader, QString::fromLatin1(kDownloadUserAgent));
  request.setRawHeader("Accept", kDownloadAccept);
  request.setAttribute(QNetworkRequest::Http2AllowedAttribute, false);
  request.setTransferTimeout(static_cast<int>(kDownloadStallTimeout.count()));
  // The server must prove who it is, whatever settings were handed in, and a
  // redirect may only lead to another HTTPS address.
  QSslConfiguration tls = sslConfiguration_;
  tls.setPeerVerifyMode(QSslSocket::VerifyPeer);
  request.setSslConfiguration(tls);
  request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                       QNetworkRequest::NoLessSafeRedirectPolicy);
  QNetworkReply* reply = HttpCli1_->get(request);
  reply->setReadBufferSize(kReadBufferBytes);
  reply_ = reply;
  connect(reply, &QNetworkReply::metaDataChanged, this, [this] {
    HttpCli1HeaderData();
    HttpCli1DocBegin();
  });
  connect(reply, &QNetworkReply::readyRead, this, &Tdownload::HttpCli1DocData);

  // The one place the program waits inside a handler: the window stays alive
  // so that "Stop Download" can be pressed.
  QEventLoop loop;
  connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
  if (!reply->isFinished()) loop.exec();
  // The application may be quitting, which ends every event loop.
  if (!reply->isFinished()) reply->abort();
  if (reply->error() == QNetworkReply::NoError) HttpCli1DocData();
  const QNetworkReply::NetworkError error = reply->error();
  // What arrived counts only when it came over TLS from the address's own
  // server, after any redirects.
  const bool trusted = error == QNetworkReply::NoError && isHttps(reply->url()) &&
                       reply->attribute(QNetworkRequest::ConnectionEncryptedAttribute).toBool();
  if (isTrustError(error) || (error == QNetworkReply::NoError && !trusted)) {
    failure = tr("An Error has Occurred.");
  } else if (error != QNetworkReply::NoError && !isTransferLevelError(error)) {
    failure = reply->errorString();
  }
  reply_ = nullptr;
  reply->disconnect(this);
  reply->deleteLater();
  body_ = nullptr;

  getbutton_->setEnabled(true);
  abortbutton_->setEnabled(false);

  bool completed = trusted && !bodyFailed_ && state_ != Aborted;
  if (completed && !body.commit()) {
    completed = false;
    failure = body.errorString();
  }
  if (!completed) {
    body.cancelWriting();
    if (bodyFailed_ && failure.isEmpty()) failure = tr("An Error has Occurred.");
    infolabel_->setText(tr("Download Aborted"));
    state_ = Aborted;
    if (!failure.isEmpty()) prompts_->tell(this, failure);
    return;
  }
  infolabel_->setText(tr("Received %n bytes", nullptr, static_cast<int>(QFileInfo(path).size())));

  if (!startsInstaller_) {
    // Not a program this system runs: it is never started, nor made
    // executable. The player learns where it is and takes it from there.
    const QString where = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    infolabel3_->setToolTip(where);
    infolabel3_->setText(infolabel3_->fontMetrics().elidedText(
        tr("Saved: %1").arg(where), Qt::ElideMiddle, infolabel3_->width()));
    return;
  }
  infolabel3_->setText(tr("Installing"));
  if (!prompts_->launch(path, kInstallerParameters)) {
    prompts_->tell(this, tr("An Error has Occurred."));
    return;
  }
  exitGame();
}

void Tdownload::abortbuttonClick() {
  if (reply_ != nullptr) reply_->abort();
  infolabel_->setText(tr("Download has been aborted."));
  state_ = Aborted;
  infolabel3_->setText(tr("Download Aborted"));
}

void Tdownload::HttpCli1HeaderData() {
  if (reply_ == nullptr) return;
  // One dot per header line received.
  const qsizetype lines = reply_->rawHeaderPairs().size();
  infolabel_->setText(infolabel_->text() + QString(lines, QLatin1Char('.')));
}

void Tdownload::HttpCli1DocBegin() {
  if (docBegun_) return;
  docBegun_ = true;
  infolabel3_->setText(tr("Downloading: %1").arg(infolabel2_->text()));
}

void Tdownload::HttpCli1DocData() {
  if (reply_ == nullptr || body_ == nullptr || bodyFailed_) return;
  const QByteArray piece = reply_->readAll();
  if (piece.isEmpty()) return;
  if (received_ + piece.size() > kMaxInstallerBytes ||
      body_->write(piece) != static_cast<qint64>(piece.size())) {
    bodyFailed_ = true;
    reply_->abort();
    return;
  }
  received_ += piece.size();
  infolabel_->setText(tr("%n bytes", nullptr, static_cast<int>(received_)));
}

void Tdownload::Button1Click() {
  hide();
}

void Tdownload::Button2Click() {
  // Without the lobby the game finds and joins tables itself.
  if (!QFileInfo::exists(lobbyPath_)) {
    hide();
    emit playWithOthersRequested();
    return;
  }
  // Only leave when the lobby really started; otherwise the player would be
  // left with neither.
  if (!prompts_->launch(lobbyPath_, {})) {
    prompts_->tell(this, tr("An Error has Occurred."));
    return;
  }
  exitGame();
}

}  // namespace kuvo
