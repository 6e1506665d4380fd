// Start-up values of the whole game: star sets, the identity matrix, the random seed, the
// figure tables.
#include "app/game_ini.h"

#include <cstdlib>

#include "core/game_state.h"
#include "core/options.h"
#include "core/tables.h"
#include "platform/clock.h"
#include "render/stars.h"

void GameIni() {
    InitStarSets();
    g_identity = plat::MatrixIdentity();
    // A given seed makes runs repeatable; otherwise the clock decides.
    const uint64_t now = plat::ClockNow();
    std::srand(g_options.seedGiven ? g_options.seed : static_cast<unsigned>(now ^ (now >> 32)));
    g_clickLatch = 0;
    g_drag.figure = 0;
    FillFigureTables();
}
