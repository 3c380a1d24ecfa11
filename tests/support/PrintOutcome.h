// Outcomes printed readably in test failures.
#pragma once

#include <ostream>

#include "commands/Dialog.h"

namespace golmok {

inline void PrintTo(const Outcome& outcome, std::ostream* out) {
    *out << (outcome.done ? "done" : "not done") << " {";
    for (const std::string& message : outcome.messages)
        *out << " \"" << message << '"';
    *out << " }";
    if (!outcome.detail.empty()) *out << " detail \"" << outcome.detail << '"';
}

}  // namespace golmok
