// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// Time to add one chat line to a chat view that already holds N lines. At the
// view's line limit every new line also pushes the oldest out; neither may
// make a line cost more as the chat grows.
//   chat_bench                       (runs offscreen unless a platform is set)
#include <memory>

#include <benchmark/benchmark.h>
#include <QAction>
#include <QApplication>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTextDocument>
#include <QWidget>

#include "chatpanel.h"
#include "menuactions.h"

#undef slots  // the recorder's member is called that
#include "fakeservices.h"

namespace {

QString sampleLine(int i) {
  return QStringLiteral("%1+Player%1 chats: line %2 with a smiley :)#12 and www.example%2.org")
      .arg(i % 9 + 1)
      .arg(i);
}

// Removes the last paragraph, so that every timed line meets a view of the same length.
void dropLastLine(QTextDocument* document) {
  QTextCursor cursor(document);
  cursor.movePosition(QTextCursor::End);
  cursor.movePosition(QTextCursor::StartOfBlock, QTextCursor::KeepAnchor);
  cursor.removeSelectedText();
  cursor.deletePreviousChar();
}

// Times one line at a time into a view of state.range(0) lines; colourOf(i) is the
// colour of the i-th line added.
template <typename ColourOf>
void addLines(benchmark::State& state, ColourOf colourOf) {
  const int lines = static_cast<int>(state.range(0));
  kuvo::testing::FakeServices services;
  QObject owner;
  kuvo::MenuActions menu;
  menu.scrollChatOff = new QAction(QStringLiteral("Scroll Chat Off"), &owner);
  menu.scrollChatOff->setCheckable(true);
  auto board = std::make_unique<QWidget>();
  board->resize(708, 509);
  kuvo::ChatPanel chat(board.get(), services, menu);
  board->show();
  for (int i = 0; i < lines; ++i) chat.addlinetochat(sampleLine(i), 0x00FFFF);
  QApplication::processEvents();
  const int held = chat.mainchat()->document()->blockCount();

  for (int i = lines; auto _ : state) {
    chat.addlinetochat(sampleLine(i), colourOf(i));
    ++i;
    // Layout and repaint that the line causes happen on the event loop.
    QApplication::processEvents();
    // A full view trims itself, a batch of old lines now and then; a shorter
    // one is brought back to its length.
    if (held < kuvo::kMaxChatLines) {
      state.PauseTiming();
      dropLastLine(chat.mainchat()->document());
      QApplication::processEvents();
      state.ResumeTiming();
    }
  }
  state.counters["lines"] = chat.mainchat()->document()->blockCount();
}

void BM_AddChatLine(benchmark::State& state) {
  addLines(state, [](int) { return kuvo::Colour{0x0000FF}; });
}
BENCHMARK(BM_AddChatLine)->Arg(100)->Arg(4000)->Arg(10000)->Unit(benchmark::kMicrosecond);

// The sender changes its colour with every line, as a hostile peer may: the earlier
// lines of the sender follow the new colour.
void BM_AddRecolouredChatLine(benchmark::State& state) {
  addLines(state, [](int i) { return kuvo::Colour{i % 2 == 0 ? 0x0000FFu : 0x00FF00u}; });
}
BENCHMARK(BM_AddRecolouredChatLine)->Arg(100)->Arg(4000)->Arg(10000)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
