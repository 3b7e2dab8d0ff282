// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QSslCertificate>
#include <QSslConfiguration>
#include <QSslKey>
#include <QSslServer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>
#include <vector>

#include "fakeprompts.h"
#include "tdownload.h"

namespace kuvo {
namespace {

QByteArray testData(const char* name) {
  QFile file(QStringLiteral(KUVO_TEST_TLS_DIR "/") + QString::fromLatin1(name));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The TLS settings of a client that trusts the tests' own CA and nothing else.
QSslConfiguration trustingTheTestCa() {
  QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
  configuration.setCaCertificates(QSslCertificate::fromData(testData("test-ca.pem")));
  return configuration;
}

// A web server answering one request by hand, one scripted step at a time:
// each step waits until its condition holds, then acts on the connection.
// It speaks HTTPS with the test certificate for 127.0.0.1 unless told to
// speak plain HTTP.
class ScriptedServer : public QObject {
 public:
  struct Step {
    std::function<bool()> ready;  // null: at once
    std::function<void(QTcpSocket&)> act;
  };

  explicit ScriptedServer(bool tls = true) : tls_(tls) {
    if (tls) {
      auto server = std::make_unique<QSslServer>();
      QSslConfiguration configuration = QSslConfiguration::defaultConfiguration();
      configuration.setLocalCertificate(QSslCertificate(testData("server.pem")));
      configuration.setPrivateKey(QSslKey(testData("server.key"), QSsl::Rsa));
      server->setSslConfiguration(configuration);
      server_ = std::move(server);
    } else {
      server_ = std::make_unique<QTcpServer>();
    }
    server_->listen(QHostAddress::LocalHost, 0);
    // Announced once a connection is ready to use: for TLS, after its handshake.
    QObject::connect(server_.get(), &QTcpServer::pendingConnectionAvailable, this, [this] {
      while (QTcpSocket* socket = server_->nextPendingConnection()) {
        connections_ += 1;
        if (socket_ == nullptr) {
          socket_ = socket;
          QObject::connect(socket, &QTcpSocket::readyRead, this, [this] { readRequest(); });
          readRequest();
        } else {
          // A client retrying after a dropped connection gets dropped again.
          socket->disconnectFromHost();
        }
      }
    });
    ticker_.setInterval(2);
    QObject::connect(&ticker_, &QTimer::timeout, this, [this] { runSteps(); });
  }

  QUrl url(const QString& path) const {
    return QUrl(QStringLiteral("%1://127.0.0.1:%2%3")
                    .arg(tls_ ? QStringLiteral("https") : QStringLiteral("http"))
                    .arg(server_->serverPort())
                    .arg(path));
  }

  std::vector<Step> steps;
  QByteArray request;
  int connections() const { return connections_; }

 private:
  void readRequest() {
    request += socket_->readAll();
    if (!started_ && request.contains("\r\n\r\n")) {
      started_ = true;
      ticker_.start();
    }
  }
  void runSteps() {
    while (next_ < steps.size()) {
      Step& step = steps[next_];
      if (step.ready && !step.ready()) return;
      ++next_;
      if (step.act && socket_ != nullptr) step.act(*socket_);
    }
    ticker_.stop();
  }

  bool tls_;
  std::unique_ptr<QTcpServer> server_;
  QTimer ticker_;
  QTcpSocket* socket_ = nullptr;
  size_t next_ = 0;
  bool started_ = false;
  int connections_ = 0;
};

ScriptedServer::Step send(const QByteArray& bytes, std::function<bool()> ready = {}) {
  return {std::move(ready), [bytes](QTcpSocket& socket) { socket.write(bytes); }};
}

ScriptedServer::Step closeConnection(std::function<bool()> ready = {}) {
  return {std::move(ready), [](QTcpSocket& socket) { socket.disconnectFromHost(); }};
}

QByteArray headers(int status, const char* reason, qint64 length) {
  return QStringLiteral(
             "HTTP/1.1 %1 %2\r\nContent-Type: application/octet-stream\r\n"
             "Content-Length: %3\r\nConnection: close\r\n\r\n")
      .arg(status)
      .arg(QString::fromLatin1(reason))
      .arg(length)
      .toLatin1();
}

struct Launch {
  QString path;
  QStringList parameters;
  QString infolabel;
  QString infolabel3;
  QByteArray content;
};

class DownloadTest : public ::testing::Test {
 protected:
  DownloadTest() {
    window.setInstallFolder(folder.path());
    window.setSslConfiguration(trustingTheTestCa());
    // Most tests follow the installer to its start, as on Windows.
    window.setStartsInstaller(true);
    window.setPrompts(prompts);
    QObject::connect(&window, &Tdownload::exitGameRequested, [this] { exits += 1; });
    window.show();
    // However a test goes wrong, the download is stopped after a while.
    safety.setSingleShot(true);
    safety.setInterval(10'000);
    QObject::connect(&safety, &QTimer::timeout, &window, [this] {
      if (!window.downloading()) return;
      timedOut = true;
      button("abortbutton")->click();
    });
  }

  QString label(const char* name) const {
    return window.findChild<QLabel*>(QString::fromLatin1(name))->text();
  }
  QPushButton* button(const char* name) const {
    return window.findChild<QPushButton*>(QString::fromLatin1(name));
  }
  QStringList filesLeft() const {
    return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::System);
  }
  std::function<bool()> labelIs(const char* name, const QString& text) {
    return [this, name, text] { return label(name) == text; };
  }
  // Runs the blocking download; returns when it has ended.
  void download(const QUrl& url) {
    window.setInstallerUrl(url);
    safety.start();
    button("getbutton")->click();
    safety.stop();
    EXPECT_FALSE(timedOut) << "the scripted transfer never ended by itself";
  }

  // Keeps what the window showed and what the installer's file held when it was started.
  struct LaunchRecorder : testing::FakePrompts {
    explicit LaunchRecorder(DownloadTest& test) : test(test) {}
    bool launch(const QString& path, const QStringList& parameters) override {
      QFile file(path);
      test.launches.push_back({path, parameters, test.label("infolabel"), test.label("infolabel3"),
                               file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray()});
      return acceptLaunches;
    }
    DownloadTest& test;
  };

  QTemporaryDir folder;
  LaunchRecorder prompts{*this};
  Tdownload window{nullptr};
  ScriptedServer server;
  QTimer safety;
  std::vector<Launch> launches;
  const QStringList& messages = prompts.notices;
  int exits = 0;
  bool timedOut = false;
};

TEST_F(DownloadTest, WindowAsDesigned) {
  EXPECT_EQ(window.windowTitle(), "Download The Orvel Lobby");
  EXPECT_EQ(window.size(), QSize(724, 500));
  EXPECT_TRUE(window.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_EQ(button("getbutton")->text(), "&Download And Install The Orvel Lobby Now");
  EXPECT_EQ(button("abortbutton")->text(), "&Stop Download");
  EXPECT_EQ(button("Button1")->text(), "&Play Solo Game");
  EXPECT_TRUE(button("Button1")->isDefault());
  EXPECT_EQ(button("Button2")->text(), "Play with &Others");
  // Its text tells what the button does where no lobby is installed too.
  bool toldOfTheFinder = false;
  for (const QLabel* text : window.findChildren<QLabel*>())
    toldOfTheFinder |= text->text().contains(QStringLiteral("lists the tables on your network"));
  EXPECT_TRUE(toldOfTheFinder);
  EXPECT_TRUE(button("getbutton")->isEnabled());
  EXPECT_FALSE(button("abortbutton")->isEnabled());
  EXPECT_EQ(label("infolabel"), "");
  EXPECT_EQ(label("infolabel3"), "");
  EXPECT_FALSE(window.findChild<QLabel*>(QStringLiteral("infolabel2"))->isVisible());
  EXPECT_FALSE(window.findChild<QLabel*>(QStringLiteral("picture"))->pixmap().isNull());
  EXPECT_EQ(QUrl(QString::fromLatin1(kLobbyInstallerUrl)).fileName(), "OrvelLobbySetup.exe");
  EXPECT_EQ(QUrl(QString::fromLatin1(kLobbyInstallerUrl)).scheme(), "https");
}

TEST_F(DownloadTest, CompleteTransferShowsProgressThenInstallsAndEndsTheGame) {
  const QByteArray body = QByteArray(100, 'a') + QByteArray(200, 'b');
  QString afterHeaders;
  QString afterFirstPiece;
  bool abortEnabledDuring = false;
  bool getEnabledDuring = true;
  server.steps = {
      send(headers(200, "OK", body.size())),
      send(body.left(100),
           [&] {
             if (!label("infolabel3").startsWith(QStringLiteral("Downloading: "))) return false;
             afterHeaders = label("infolabel");
             abortEnabledDuring = button("abortbutton")->isEnabled();
             getEnabledDuring = button("getbutton")->isEnabled();
             return true;
           }),
      send(body.mid(100),
           [&] {
             if (label("infolabel") != QStringLiteral("100 bytes")) return false;
             afterFirstPiece = label("infolabel3");
             return true;
           }),
  };
  download(server.url(QStringLiteral("/files/OrvelLobbySetup.exe?mirror=2")));

  // One dot for each of the three header lines.
  EXPECT_EQ(afterHeaders, "Loading...");
  EXPECT_EQ(afterFirstPiece, "Downloading: OrvelLobbySetup.exe");
  EXPECT_TRUE(abortEnabledDuring);
  EXPECT_FALSE(getEnabledDuring);
  ASSERT_EQ(launches.size(), 1u);
  const QString expectedPath = QDir(folder.path()).filePath(QStringLiteral("OrvelLobbySetup.exe"));
  EXPECT_EQ(launches[0].path, expectedPath);
  EXPECT_EQ(launches[0].parameters, QStringList({"/SP-", "/silent", "/noicons"}));
  EXPECT_EQ(launches[0].infolabel, "Received 300 bytes");
  EXPECT_EQ(launches[0].infolabel3, "Installing");
  EXPECT_EQ(launches[0].content, body);
  EXPECT_EQ(exits, 1);
  EXPECT_TRUE(messages.isEmpty());
  EXPECT_EQ(filesLeft(), QStringList{QStringLiteral("OrvelLobbySetup.exe")});
  EXPECT_TRUE(button("getbutton")->isEnabled());
  EXPECT_FALSE(button("abortbutton")->isEnabled());
}

TEST_F(DownloadTest, RequestCarriesTheClientsHeaders) {
  server.steps = {send(headers(200, "OK", 3) + "abc")};
  download(server.url(QStringLiteral("/OrvelLobbySetup.exe")));
  const QString request = QString::fromLatin1(server.request);
  EXPECT_TRUE(request.startsWith(QStringLiteral("GET /OrvelLobbySetup.exe HTTP/1.")));
  EXPECT_TRUE(request.contains(QStringLiteral("\r\nUser-Agent: Mozilla/3.0 (compatible)\r\n")));
  EXPECT_TRUE(request.contains(
      QStringLiteral("\r\nAccept: image/gif, image/x-xbitmap, image/jpeg, image/pjpeg, */*\r\n")));
}

TEST_F(DownloadTest, StopDownloadLeavesNoFileAndStartsNothing) {
  server.steps = {
      send(headers(200, "OK", 10'000)),
      send(QByteArray(100, 'x')),
      {labelIs("infolabel", QStringLiteral("100 bytes")),
       [this](QTcpSocket&) { QTest::mouseClick(button("abortbutton"), Qt::LeftButton); }},
  };
  download(server.url(QStringLiteral("/OrvelLobbySetup.exe")));

  EXPECT_EQ(label("infolabel"), "Download Aborted");
  EXPECT_EQ(label("infolabel3"), "Download Aborted");
  EXPECT_EQ(window.state(), Tdownload::Aborted);
  EXPECT_TRUE(button("getbutton")->isEnabled());
  EXPECT_FALSE(button("abortbutton")->isEnabled());
  EXPECT_TRUE(launches.empty());
  EXPECT_EQ(exits, 0);
  EXPECT_TRUE(messages.isEmpty());
  EXPECT_TRUE(filesLeft().isEmpty()) << filesLeft().join(',').toStdString();
}

TEST_F(DownloadTest, StopDownloadKeepsAnEarlierCompleteInstaller) {
  const QString installer = QDir(folder.path()).filePath(QStringLiteral("OrvelLobbySetup.exe"));
  {
    QFile earlier(installer);
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier");
  }
  server.steps = {
      send(headers(200, "OK", 10'000) + QByteArray(50, 'x')),
      {labelIs("infolabel", QStringLiteral("50 bytes")),
       [this](QTcpSocket&) { button("abortbutton")->click(); }},
  };
  download(server.url(QStringLiteral("/OrvelLobbySetup.exe")));
  QFile kept(installer);
  ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
  EXPECT_EQ(kept.readAll(), "earlier");
  EXPECT_EQ(filesLeft().size(), 1);
}

struct FailureCase {
  const char* name;
  std::function<std::vector<ScriptedServer::Step>()> script;
};

class DownloadFailures : public DownloadTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(DownloadFailures, EndAbortedWithNothingLeftOrStarted) {
  server.steps = GetParam().script();
  download(server.url(QStringLiteral("/OrvelLobbySetup.exe")));
  EXPECT_EQ(label("infolabel"), "Download Aborted");
  EXPECT_EQ(window.state(), Tdownload::Aborted);
  EXPECT_TRUE(button("getbutton")->isEnabled());
  EXPECT_FALSE(button("abortbutton")->isEnabled());
  EXPECT_TRUE(launches.empty());
  EXPECT_EQ(exits, 0);
  EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
  EXPECT_TRUE(filesLeft().isEmpty()) << filesLeft().join(',').toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Server, DownloadFailures,
    ::testing::Values(FailureCase{"NotFound",
                                  [] {
                                    return std::vector<ScriptedServer::Step>{
                                        send(headers(404, "Not Found", 9) + "not found")};
                                  }},
                      FailureCase{"ServerError",
                                  [] {
                                    return std::vector<ScriptedServer::Step>{
                                        send(headers(500, "Internal Server Error", 0))};
                                  }},
                      FailureCase{"ClosedInTheMiddle",
                                  [] {
                                    return std::vector<ScriptedServer::Step>{
                                        send(headers(200, "OK", 5000) + QByteArray(1000, 'p')),
                                        closeConnection()};
                                  }},
                      FailureCase{
                          "ClosedBeforeAnswering",
                          [] { return std::vector<ScriptedServer::Step>{closeConnection()}; }}),
    [](const ::testing::TestParamInfo<FailureCase>& info) { return info.param.name; });

// Anything but HTTPS from a server whose certificate checks out is refused
// before a byte of it could be started.
struct RefusalCase {
  const char* name;
  // Sets the window and the servers up; returns the address to fetch.
  std::function<QUrl(Tdownload&, ScriptedServer& https, ScriptedServer& http)> setUp;
};

class DownloadRefusals : public DownloadTest, public ::testing::WithParamInterface<RefusalCase> {};

TEST_P(DownloadRefusals, EndAbortedWithTheErrorAndNothingStarted) {
  ScriptedServer http(false);
  http.steps = {send(headers(200, "OK", 4) + "MZ!!")};
  download(GetParam().setUp(window, server, http));
  EXPECT_EQ(label("infolabel"), "Download Aborted");
  EXPECT_EQ(window.state(), Tdownload::Aborted);
  EXPECT_EQ(messages, QStringList{QStringLiteral("An Error has Occurred.")});
  EXPECT_EQ(http.connections(), 0);
  EXPECT_TRUE(launches.empty());
  EXPECT_EQ(exits, 0);
  EXPECT_TRUE(filesLeft().isEmpty()) << filesLeft().join(',').toStdString();
  EXPECT_TRUE(button("getbutton")->isEnabled());
}

INSTANTIATE_TEST_SUITE_P(
    NotVerifiedHttps, DownloadRefusals,
    ::testing::Values(
        RefusalCase{"PlainHttp",
                    [](Tdownload&, ScriptedServer&, ScriptedServer& http) {
                      return http.url(QStringLiteral("/OrvelLobbySetup.exe"));
                    }},
        RefusalCase{"CertificateOfAnUntrustedIssuer",
                    [](Tdownload& window, ScriptedServer& https, ScriptedServer&) {
                      // The system's own CAs know nothing of the test CA.
                      window.setSslConfiguration(QSslConfiguration::defaultConfiguration());
                      https.steps = {send(headers(200, "OK", 4) + "MZ!!")};
                      return https.url(QStringLiteral("/OrvelLobbySetup.exe"));
                    }},
        RefusalCase{"RedirectToPlainHttp",
                    [](Tdownload&, ScriptedServer& https, ScriptedServer& http) {
                      const QByteArray location =
                          http.url(QStringLiteral("/OrvelLobbySetup.exe")).toEncoded();
                      https.steps = {send("HTTP/1.1 302 Found\r\nLocation: " + location +
                                          "\r\nContent-Length: 0\r\nConnection: close\r\n\r\n")};
                      return https.url(QStringLiteral("/OrvelLobbySetup.exe"));
                    }}),
    [](const ::testing::TestParamInfo<RefusalCase>& info) { return info.param.name; });

TEST_F(DownloadTest, WhereTheInstallerCannotRunItIsOnlySavedAndShown) {
  window.setStartsInstaller(false);
  server.steps = {send(headers(200, "OK", 4) + "MZ!!")};
  download(server.url(QStringLiteral("/OrvelLobbySetup.exe")));
  const QString saved = QDir(folder.path()).filePath(QStringLiteral("OrvelLobbySetup.exe"));
  EXPECT_TRUE(launches.empty());
  EXPECT_EQ(exits, 0);
  EXPECT_TRUE(messages.isEmpty()) << messages.join('|').toStdString();
  EXPECT_EQ(label("infolabel"), "Received 4 bytes");
  EXPECT_TRUE(label("infolabel3").startsWith(QStringLiteral("Saved: ")));
  EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("infolabel3"))->toolTip(),
            QDir::toNativeSeparators(saved));
  EXPECT_FALSE(QFileInfo(saved).isExecutable());
  QFile file(saved);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), "MZ!!");
}

TEST_F(DownloadTest, UnreachableServerIsReportedAndNothingStarts) {
  QTcpServer closed;
  ASSERT_TRUE(closed.listen(QHostAddress::LocalHost, 0));
  const quint16 port = closed.serverPort();
  closed.close();
  download(QUrl(QStringLiteral("https://127.0.0.1:%1/OrvelLobbySetup.exe").arg(port)));
  EXPECT_EQ(label("infolabel"), "Download Aborted");
  EXPECT_EQ(messages.size(), 1);
  EXPECT_TRUE(launches.empty());
  EXPECT_TRUE(filesLeft().isEmpty());
}

TEST_F(DownloadTest, AnAddressWithoutAFileNameDownloadsNothing) {
  download(server.url(QStringLiteral("/downloads/")));
  EXPECT_EQ(server.connections(), 0);
  EXPECT_EQ(messages, QStringList{QStringLiteral("An Error has Occurred.")});
  EXPECT_TRUE(launches.empty());
  EXPECT_TRUE(filesLeft().isEmpty());
}

TEST_F(DownloadTest, InstallerThatWillNotStartShowsTheErrorAndTheGameGoesOn) {
  prompts.acceptLaunches = false;
  server.steps = {send(headers(200, "OK", 4) + "MZ!!")};
  download(server.url(QStringLiteral("/OrvelLobbySetup.exe")));
  ASSERT_EQ(launches.size(), 1u);
  EXPECT_EQ(messages, QStringList{QStringLiteral("An Error has Occurred.")});
  EXPECT_EQ(exits, 0);
  EXPECT_EQ(label("infolabel"), "Received 4 bytes");
  EXPECT_EQ(label("infolabel3"), "Installing");
}

TEST_F(DownloadTest, PlaySoloGameHidesTheWindow) {
  QTest::mouseClick(button("Button1"), Qt::LeftButton);
  EXPECT_FALSE(window.isVisible());
  EXPECT_EQ(exits, 0);
}

TEST_F(DownloadTest, PlayWithOthersOpensAnInstalledLobbyAndEndsTheGame) {
  const QString lobby = QDir(folder.path()).filePath(QStringLiteral("OrvelLobby"));
  QFile file(lobby);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  window.setLobbyPath(lobby);
  QTest::mouseClick(button("Button2"), Qt::LeftButton);
  ASSERT_EQ(launches.size(), 1u);
  EXPECT_EQ(launches[0].path, lobby);
  EXPECT_TRUE(launches[0].parameters.isEmpty());
  EXPECT_EQ(exits, 1);
}

TEST_F(DownloadTest, PlayWithOthersWithoutTheLobbyOpensTheTableFinder) {
  window.setLobbyPath(QDir(folder.path()).filePath(QStringLiteral("missing")));
  window.show();
  QSignalSpy finder(&window, &Tdownload::playWithOthersRequested);
  QTest::mouseClick(button("Button2"), Qt::LeftButton);
  EXPECT_EQ(finder.count(), 1);
  EXPECT_FALSE(window.isVisible());
  EXPECT_TRUE(launches.empty());
  EXPECT_EQ(exits, 0);
  EXPECT_TRUE(messages.isEmpty());
}

TEST_F(DownloadTest, PlayWithOthersStaysWhenTheLobbyWillNotStart) {
  prompts.acceptLaunches = false;
  const QString lobby = QDir(folder.path()).filePath(QStringLiteral("OrvelLobby"));
  QFile file(lobby);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.close();
  window.setLobbyPath(lobby);
  QTest::mouseClick(button("Button2"), Qt::LeftButton);
  EXPECT_EQ(exits, 0);
  EXPECT_EQ(messages, QStringList{QStringLiteral("An Error has Occurred.")});
}

// Where the installer puts the lobby: a whole path, on Windows under the
// program files, elsewhere in the user's own files, whoever starts the game.
TEST(DownloadPaths, LobbyPathByPlatform) {
  const QString path = defaultLobbyPath();
  EXPECT_TRUE(QDir::isAbsolutePath(path)) << path.toStdString();
#ifdef Q_OS_WIN
  EXPECT_TRUE(path.startsWith("C:\\Program Files\\")) << path.toStdString();
  EXPECT_TRUE(path.endsWith(".exe")) << path.toStdString();
#else
  EXPECT_TRUE(path.startsWith(QDir::homePath() + "/.local/share/")) << path.toStdString();
  EXPECT_FALSE(path.contains("/./") || path.contains("/../")) << path.toStdString();
#endif
}

}  // namespace
}  // namespace kuvo
