#include "termination.h"

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
  if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0) return;
  auto* notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read);
  QObject::connect(notifier, &QSocketNotifier::activated, notifier, [handler] {
    char byte;
    [[maybe_unused]] auto got = ::read(signalPipe[1], &byte, 1);
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
