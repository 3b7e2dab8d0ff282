// Placeholder until the engine lands; keeps the connection layer's calls real.
#include "engine.h"

namespace kuvo {

GameEngine::GameEngine(PlayerTable& table, Random& random, Timer& timer1, Timer& turntimer)
    : table_(table), random_(random), timer1_(timer1), turntimer_(turntimer) {}

void GameEngine::startgame(std::string_view) {}
void GameEngine::pullhandle(int) {}
void GameEngine::choosedice(int, int, int) {}
void GameEngine::startround() {}
void GameEngine::createboard() {}
bool GameEngine::movesleft(int) const {
  return false;
}
bool GameEngine::noonecango() const {
  for (int slot = 1; slot <= kPlayerSlots; ++slot) {
    const auto& p = table_.players[slot];
    if ((p.connected || slot == kComputerSlot) && p.pullsleft >= 0) return false;
  }
  return true;
}
void GameEngine::endround() {}
bool GameEngine::checkforwin() {
  return false;
}
void GameEngine::Timer1Timer() {}
void GameEngine::turntimerTimer() {}
void GameEngine::computerroll(int) {}
void GameEngine::computerplace(int) {}

}  // namespace kuvo
