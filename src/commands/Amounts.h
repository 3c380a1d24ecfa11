// The rows of amount boxes that the trade, transport and diplomacy dialogs share: one box a good,
// each with its bar, read by the typed-amount rule when OK is pressed.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>

#include "commands/Dialog.h"
#include "world/World.h"

namespace golmok {

// The goods rows in the order of their boxes Text1(0..3).
enum Good : std::size_t { kSwords = 0, kKnives = 1, kSticks = 2, kMoney = 3 };

template <std::size_t N>
using AmountBoxes = std::array<std::string, N>;  // the boxes' texts, typed or set by a bar
template <std::size_t N>
using Amounts = std::array<double, N>;

using ArmsBoxes = AmountBoxes<3>;   // swords, knives, sticks
using GoodsBoxes = AmountBoxes<4>;  // swords, knives, sticks, money

// The boxes as read when OK is pressed: the amounts, or the refusal for the first box holding
// something its bar could not have set.
template <std::size_t N>
struct TypedAmounts {
    Amounts<N> amounts{};
    std::optional<std::string> refusal;
};

// Each box must hold a whole number from 0 up to `most`, what its bar reaches; an empty box is 0.
template <std::size_t N>
TypedAmounts<N> ReadAmountBoxes(const AmountBoxes<N>& boxes, const Amounts<N>& most) {
    TypedAmounts<N> typed;
    for (std::size_t i = 0; i < N; ++i) {
        std::optional<double> amount = AcceptTypedAmount(boxes[i], most[i]);
        if (!amount) {
            typed.refusal = TypedAmountMessage(most[i]);
            return typed;
        }
        typed.amounts[i] = *amount;
    }
    return typed;
}

// What the selected district holds of each good: the bases of the goods bars when the goods come
// out of that district (moving, transport, alliance).
Amounts<4> StockOfSelectedCity(const World& world, const MenuState& menu);

}  // namespace golmok
