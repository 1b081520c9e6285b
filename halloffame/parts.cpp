// The hall of fame's parts, held by the session without its knowing their types.
#include "halloffame/parts.h"

#include "session/game.h"

HallOfFame& hallOfFame(const Game& g) {
    return g.parts.part<HallOfFame>();
}

StatisticsState& statisticsState(const Game& g) {
    return g.parts.part<StatisticsState>();
}
