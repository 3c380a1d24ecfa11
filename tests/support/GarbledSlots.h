// Truncated and garbled copies of a saved game's bytes, from a fixed sequence so that a failure
// can be replayed: cut at every one of the first 80 bytes and every 97th after, and 2000 copies
// with one to three bit flips, separator bytes, line breaks, blanks, signs, NULs or deletions.
#pragma once

#include <string>
#include <vector>

namespace golmok::test {

std::vector<std::string> GarbledSlots(const std::string& good);

}  // namespace golmok::test
