// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The lobby download window: play solo, fetch and start the lobby's installer,
// or leave for an installed lobby.
#pragma once

#include <QDialog>
#include <QNetworkReply>
#include <QPointer>
#include <QSslConfiguration>
#include <QStringList>
#include <QUrl>
#include <chrono>

#include "prompts.h"

class QLabel;
class QNetworkAccessManager;
class QPushButton;
class QSaveFile;

namespace kuvo {

// Where the installer is fetched from; its last path segment names the local file.
// Only HTTPS with a certificate that checks out is accepted: the file is a
// program that may be started, so nobody on the way may swap it.
inline constexpr const char* kLobbyInstallerUrl =
    "https://www.orvel.example/downloads/OrvelLobbySetup.exe";
// The installer is a Windows program; elsewhere it is saved but never started.
#ifdef Q_OS_WIN
inline constexpr bool kInstallerStartsHere = true;
#else
inline constexpr bool kInstallerStartsHere = false;
#endif
// The installer is started with these parameters.
inline const QStringList kInstallerParameters{QStringLiteral("/SP-"), QStringLiteral("/silent"),
                                              QStringLiteral("/noicons")};
// What the download asks the web server for.
inline constexpr const char* kDownloadUserAgent = "Mozilla/3.0 (compatible)";
inline constexpr const char* kDownloadAccept =
    "image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*";
// An installer larger than this is refused: the server does not get to fill the disk.
inline constexpr qint64 kMaxInstallerBytes = 256LL * 1024 * 1024;
// A transfer that receives nothing for this long ends as failed.
inline constexpr std::chrono::milliseconds kDownloadStallTimeout{60'000};

// Where an installed lobby lives.
QString defaultLobbyPath();

class Tdownload : public QDialog {
  Q_OBJECT

 public:
  // The download state kept beside infolabel's text.
  enum State { Idle = 0, Started = 1, Aborted = 2 };

  explicit Tdownload(QWidget* mainWindow);
  ~Tdownload() override;

  // Where programs are started and messages told; the desktop unless set.
  void setPrompts(Prompts& prompts) { prompts_ = &prompts; }

  void setInstallerUrl(const QUrl& url);
  void setInstallFolder(const QString& folder);
  void setLobbyPath(const QString& path);  // tests; default defaultLobbyPath()
  // The TLS settings of the transfer, by default the system's; tests trust
  // their own CA here. The server's certificate is always checked, whatever
  // the settings say.
  void setSslConfiguration(const QSslConfiguration& configuration);
  // Whether a completed download is started; default kInstallerStartsHere.
  void setStartsInstaller(bool starts);

  State state() const { return state_; }
  bool downloading() const { return reply_ != nullptr; }

 signals:
  // "Play with Others" where no lobby is installed: the game's own table finder.
  void playWithOthersRequested();
  // The program is to end the way File > "Exit" ends it.
  void exitGameRequested();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void getbuttonClick();
  void abortbuttonClick();
  void Button1Click();
  void Button2Click();
  void HttpCli1HeaderData();
  void HttpCli1DocBegin();
  void HttpCli1DocData();
  void exitGame();

  QUrl installerUrl_;
  QString installFolder_;
  QString lobbyPath_;
  QSslConfiguration sslConfiguration_;
  bool startsInstaller_ = kInstallerStartsHere;
  Prompts* prompts_ = &desktopPrompts();
  State state_ = Idle;

  QPushButton* getbutton_;
  QPushButton* abortbutton_;
  QLabel* infolabel_;
  QLabel* infolabel2_;
  QLabel* infolabel3_;

  QNetworkAccessManager* HttpCli1_;
  QPointer<QNetworkReply> reply_;
  QSaveFile* body_ = nullptr;
  qint64 received_ = 0;
  bool bodyFailed_ = false;
  bool docBegun_ = false;
};

}  // namespace kuvo
