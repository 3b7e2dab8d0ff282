// SPDX-FileCopyrightText: 2026 Orvel Games
// SPDX-License-Identifier: GPL-3.0-or-later

// SIGTERM and SIGINT end the program the way File > "Exit" does, so the
// settings and the tally are saved on a logout or a Ctrl+C. Where there are
// no POSIX signals this does nothing.
#pragma once

#include <functional>

namespace kuvo {

void onTerminationRequest(std::function<void()> handler);

}  // namespace kuvo
