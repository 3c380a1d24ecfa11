#include "support/GarbledSlots.h"

#include <cstdint>

namespace golmok::test {

std::vector<std::string> GarbledSlots(const std::string& good) {
    std::vector<std::string> variants;
    for (std::size_t cut = 0; cut < 80 && cut < good.size(); ++cut)
        variants.push_back(good.substr(0, cut));
    for (std::size_t cut = 80; cut < good.size(); cut += 97)
        variants.push_back(good.substr(0, cut));
    std::uint32_t state = 12345;
    auto next = [&state] {
        state = state * 1664525u + 1013904223u;
        return state >> 8;
    };
    const char specials[] = {'\xA2', '\xAC', '\xAD', '\r', '\n', ' ', '-', '.', '\0', '9'};
    for (int i = 0; i < 2000 && !good.empty(); ++i) {
        std::string v = good;
        const int edits = 1 + static_cast<int>(next() % 3);
        for (int e = 0; e < edits && !v.empty(); ++e) {
            const std::size_t at = next() % v.size();
            switch (next() % 4) {
                case 0:
                    v[at] = static_cast<char>(v[at] ^ (1 << (next() % 8)));
                    break;
                case 1:
                    v[at] = specials[next() % sizeof specials];
                    break;
                case 2:
                    v.insert(at, 1, specials[next() % sizeof specials]);
                    break;
                default:
                    v.erase(at, 1 + next() % 8);
                    break;
            }
        }
        variants.push_back(v);
    }
    return variants;
}

}  // namespace golmok::test
