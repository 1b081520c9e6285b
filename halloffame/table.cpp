// Placeholder definitions; each is replaced by the real procedure as its subsystem lands.
#include "halloffame/table.h"

void clearHallOfFame(HallOfFame&) {}
std::vector<unsigned char> encodeHallOfFame(const HallOfFame&) {
    return {};
}
bool decodeHallOfFame(const std::vector<unsigned char>&, HallOfFame&) {
    return false;
}
bool timeIsBetter(const std::string&, const std::string&) {
    return false;
}
