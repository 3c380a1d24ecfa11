// A session on the shipped world, the player leading `player`, with 자동저장 as asked.
#pragma once

#include "game/NewWorld.h"
#include "session/Session.h"
#include "support/TestWorld.h"

namespace golmok::test {

inline Session ShippedSession(int player, bool autosave) {
    Session session(BuildNewWorld(ShippedData()));
    session.world().options.autosave = autosave;
    session.StartNewGame(player);
    return session;
}

}  // namespace golmok::test
