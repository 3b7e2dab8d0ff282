// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

#include "termination.h"

#include <QtGlobal>

#include "logging.h"

#if defined(Q_OS_UNIX)

#include <sys/socket.h>
#include <unistd.h>
#include <csignal>

#include <QSocketNotifier>

namespace kuvo {
namespace {

int signalPipe[2] = {-1, -1};

void writeToPipe(int) {
  const char byte = 1;
  // Only async-signal-safe work here; the event loop does the rest.
  [[maybe_unused]] auto written = ::write(signalPipe[0], &byte, 1);
}

}  // namespace

void onTerminationRequest(std::function<void()> handler) {
  if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0) {
    qCWarning(logClient) << "no socket pair for termination signals; they end the program unsaved";
    return;
  }
  auto* notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read);
  QObject::connect(notifier, &QSocketNotifier::activated, notifier, [handler] {
    char byte;
    [[maybe_unused]] auto got = ::read(signalPipe[1], &byte, 1);
    qCDebug(logClient) << "termination signal: closing as File > Exit does";
    handler();
  });
  struct sigaction action {};
  action.sa_handler = writeToPipe;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  sigaction(SIGTERM, &action, nullptr);
  sigaction(SIGINT, &action, nullptr);
}

}  // namespace kuvo

#else

namespace kuvo {

// Without POSIX signals the desktop ends the program through its windows,
// which save on closing anyway.
void onTerminationRequest(std::function<void()>) {
  qCDebug(logClient) << "termination signals are not watched on this platform";
}

}  // namespace kuvo

#endif
