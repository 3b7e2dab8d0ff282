// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tableannouncer.h"

#include <QNetworkDatagram>

namespace kuvo {

TableAnnouncer::TableAnnouncer(Summary summary, QObject* parent)
    : QObject(parent), summary_(std::move(summary)) {
  clock_.start();
  connect(&socket_, &QUdpSocket::readyRead, this, &TableAnnouncer::readPending);
}

bool TableAnnouncer::start(quint16 port) {
  stop();
  return socket_.bind(QHostAddress::AnyIPv4, port);
}

void TableAnnouncer::stop() {
  socket_.close();
}

void TableAnnouncer::readPending() {
  // Every datagram waiting is read, so none piles up in the socket; only a
  // query of exactly the right bytes is answered.
  while (socket_.hasPendingDatagrams()) {
    const QNetworkDatagram datagram = socket_.receiveDatagram(kMaxFindQueryBytes + 1);
    const QByteArray bytes = datagram.data();
    if (!datagram.isValid()) continue;
    const auto nonce = parseFindQuery({bytes.constData(), size_t(bytes.size())});
    if (!nonce) continue;
    const std::chrono::milliseconds now(clock_.elapsed());
    if (!askers_.allow(datagram.senderAddress().toString().toStdString(), now)) continue;
    if (!limit_.allow(now)) continue;
    TableAnswer table = summary_();
    table.nonce = *nonce;
    const std::string answer = buildTableAnswer(table);
    socket_.writeDatagram(answer.data(), static_cast<qint64>(answer.size()),
                          datagram.senderAddress(), static_cast<quint16>(datagram.senderPort()));
  }
}

}  // namespace kuvo
