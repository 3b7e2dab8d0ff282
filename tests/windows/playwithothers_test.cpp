// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// The "Play with Others" window against a real table on loopback: the table
// answers the finder, its counts follow who joins, watches, starts and
// leaves, and a chosen table is joined with the name typed.
#include <QLineEdit>
#include <QNetworkDatagram>
#include <QPushButton>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTest>
#include <QTreeWidget>
#include <QUdpSocket>

#include <functional>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "discovery.h"
#include "playwithothers.h"
#include "tablefinder.h"
#include "tcphost.h"
#include "version.h"
#include "waituntil.h"

namespace kuvo {
namespace {

const std::string FF(1, '\xFF');

QString row(const QTreeWidget* tables) {
  if (tables->topLevelItemCount() != 1) return QString::number(tables->topLevelItemCount());
  QStringList cells;
  for (int c = 0; c < tables->columnCount(); ++c) cells << tables->topLevelItem(0)->text(c);
  return cells.join(QLatin1Char('|'));
}

TEST(PlayWithOthers, ShowsALoopbackTableAsItChangesAndJoinsIt) {
  Random random(3);
  TcpHost host(random);
  ASSERT_TRUE(host.listen(0, QHostAddress::LocalHost));
  host.setTableName(QStringLiteral("<b>Ann</b>\x1b[2J's table"));
  const QString address = QStringLiteral("127.0.0.1:%1").arg(host.port());

  PlayWithOthers window(nullptr, {{QStringLiteral("127.0.0.1"), host.port()}});
  window.show();
  const auto shows = [&](const QString& players, const QString& watching, const QString& state) {
    const QString want = QStringLiteral("<b>Ann</b> [2J's table|") + address + '|' + players + '|' +
                         watching + '|' + state;
    // The host may not have taken in the change yet when asked, so the test
    // asks again every tenth of a second rather than waiting three.
    QElapsedTimer sinceAsked;
    return waitUntil(
               [&] {
                 if (!sinceAsked.isValid() || sinceAsked.elapsed() >= 100) {
                   window.finder().start();
                   sinceAsked.start();
                 }
                 return row(window.tableList()) == want;
               },
               10000) ||
           (ADD_FAILURE() << row(window.tableList()).toStdString(), false);
  };
  EXPECT_TRUE(shows("0", "0", "Waiting"));

  std::vector<std::unique_ptr<QTcpSocket>> peers;
  for (int n = 1; n <= 7; ++n) {
    peers.push_back(std::make_unique<QTcpSocket>());
    peers.back()->connectToHost(QHostAddress::LocalHost, host.port());
    ASSERT_TRUE(peers.back()->waitForConnected(3000));
  }
  // Players count once logged in, watchers from their connection on.
  peers[0]->write(("CMD_logininfo+1+" + std::string(kuvo::kVersion) + "+Ann" + FF).c_str());
  EXPECT_TRUE(shows("1", "1", "Waiting"));
  peers[0]->write(("CMD_startgame+Ann+4+0+" + FF).c_str());
  ASSERT_TRUE(waitUntil([&] { return host.server().table().host.gameon; }));
  const int round = host.server().table().host.roundnumber;
  EXPECT_TRUE(shows("1", "1", QStringLiteral("Round %1 of 4").arg(round)));
  peers.resize(1);
  EXPECT_TRUE(shows("1", "0", QStringLiteral("Round %1 of 4").arg(round)));

  // Nothing joins without a name; a chosen table and a name join it.
  QSignalSpy joins(&window, &PlayWithOthers::joinRequested);
  auto* join = window.findChild<QPushButton*>(QStringLiteral("join"));
  ASSERT_NE(join, nullptr);
  window.tableList()->setCurrentItem(window.tableList()->topLevelItem(0));
  EXPECT_EQ(window.addressField()->text(), address);
  EXPECT_FALSE(join->isEnabled());
  window.setPlayerName(QStringLiteral("Bob"));
  ASSERT_TRUE(join->isEnabled());
  QTest::mouseClick(join, Qt::LeftButton);
  ASSERT_EQ(joins.count(), 1);
  EXPECT_EQ(joins.at(0).at(0).toString(), QStringLiteral("Bob"));
  EXPECT_EQ(joins.at(0).at(1).toString(), address);
  EXPECT_FALSE(window.isVisible());
}

TEST(PlayWithOthers, TablesThatStopAnsweringAreForgotten) {
  using std::chrono::milliseconds;
  const auto answer = [](int port, int seated) {
    TableAnswer table;
    table.port = port;
    table.seated = seated;
    return table;
  };
  TableList list;
  const QHostAddress ann(QStringLiteral("10.0.0.5"));
  EXPECT_TRUE(list.seen(ann, answer(7772, 1), milliseconds(0)));
  EXPECT_FALSE(list.seen(ann, answer(7772, 1), milliseconds(4000)));  // the same answer again
  EXPECT_TRUE(list.seen(ann, answer(7773, 2), milliseconds(5000)));   // another table there
  EXPECT_TRUE(list.seen(ann, answer(7772, 2), milliseconds(6000)));   // its count changed
  ASSERT_EQ(list.tables().size(), 2u);
  EXPECT_EQ(list.tables()[1].addressText(), QStringLiteral("10.0.0.5:7773"));
  EXPECT_FALSE(list.forgetOld(milliseconds(14999)));
  EXPECT_TRUE(list.forgetOld(milliseconds(15000)));
  ASSERT_EQ(list.tables().size(), 1u);
  EXPECT_EQ(list.tables()[0].addressText(), QStringLiteral("10.0.0.5"));
  EXPECT_TRUE(list.forgetOld(milliseconds(16000)));
  EXPECT_TRUE(list.tables().empty());
}

// Anybody can send an answer: only one from the port a table was asked at,
// for that port, enters the list, and the list stays short.
TEST(PlayWithOthers, MadeUpTablesAreKeptOut) {
  TableList list;
  TableAnswer made;
  for (int i = 0; i < 6; ++i) {
    made.port = 7000 + i;
    list.seen(QHostAddress(QStringLiteral("10.0.0.9")), made, std::chrono::milliseconds(0));
  }
  EXPECT_EQ(list.tables().size(), static_cast<std::size_t>(kMaxTablesPerAddress));
  for (int i = 0; i < 100; ++i)
    list.seen(QHostAddress(QStringLiteral("10.1.0.%1").arg(i)), made, std::chrono::milliseconds(0));
  EXPECT_EQ(list.tables().size(), kMaxFoundTables);

  QUdpSocket table, stranger;
  ASSERT_TRUE(table.bind(QHostAddress::LocalHost, 0));
  ASSERT_TRUE(stranger.bind(QHostAddress::LocalHost, 0));
  const quint16 port = table.localPort();
  TableFinder finder({{QStringLiteral("127.0.0.1"), port}});
  finder.start();
  // The query with a nonce, then the plain one that older tables answer.
  ASSERT_TRUE(waitUntil([&] { return table.hasPendingDatagrams(); }));
  const QNetworkDatagram query = table.receiveDatagram();
  const auto nonce = parseFindQuery(query.data().toStdString());
  ASSERT_TRUE(nonce && !nonce->empty()) << query.data().toStdString();
  ASSERT_TRUE(waitUntil([&] { return table.hasPendingDatagrams(); }));
  EXPECT_EQ(table.receiveDatagram().data().toStdString(), kFindQuery);
  const auto answer = [&](QUdpSocket& from, quint16 claimed, int seated,
                          const std::string& withNonce = {}) {
    const std::string text = buildTableAnswer({claimed, seated, 0, false, 0, 0, "T", withNonce});
    from.writeDatagram(text.data(), static_cast<qint64>(text.size()), query.senderAddress(),
                       static_cast<quint16>(query.senderPort()));
  };
  const auto seatedShown = [&](int seated) {
    return waitUntil([&] {
      return finder.list().tables().size() == 1 && finder.list().tables()[0].info.seated == seated;
    });
  };
  answer(stranger, port, 6);                  // for the table, from elsewhere
  answer(stranger, stranger.localPort(), 5);  // for a port nobody asked
  answer(table, port, 1);                     // as an older table answers
  ASSERT_TRUE(seatedShown(1));
  // Only who saw the query knows its nonce; once a row was confirmed with
  // it, an answer without one changes nothing.
  answer(table, port, 4, "0123456789abcdef");
  answer(table, port, 2, *nonce);
  ASSERT_TRUE(seatedShown(2));
  answer(table, port, 6);
  QTest::qWait(100);
  ASSERT_EQ(finder.list().tables().size(), 1u);
  EXPECT_EQ(finder.list().tables()[0].info.seated, 2);
  EXPECT_TRUE(finder.list().tables()[0].confirmed);
}

TEST(PlayWithOthers, TheFinderLooksOnlyWhereKuvoDiscoverySays) {
  EXPECT_EQ(finderTargets(true, QStringLiteral("127.0.0.1, localhost:7780,[::1]:9,bad:0,:5,")),
            (QList<FinderTarget>{{QStringLiteral("127.0.0.1"), 7772},
                                 {QStringLiteral("localhost"), 7780},
                                 {QStringLiteral("::1"), 9}}));
  EXPECT_TRUE(finderTargets(true, QString()).isEmpty());
  const auto everywhere = finderTargets(false, QString());
  ASSERT_FALSE(everywhere.isEmpty());
  EXPECT_EQ(everywhere.back(), (FinderTarget{QStringLiteral("255.255.255.255"), 7772}));
}

}  // namespace
}  // namespace kuvo
