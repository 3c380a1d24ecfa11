// What the command menu and its dialogs hold between clicks: the district the menu was opened on,
// the person and destination last clicked, the panel as shown and the 재편성 dialog. None of it is
// part of a game: a save holds none of it, and the session keeps one beside the world.
#pragma once

#include <vector>

#include "world/ValueRanges.h"
#include "world/World.h"

namespace golmok {

// The reorganizing dialog (재편성) moves members between people through a pool and has no OK: it
// stays open across many clicks, so its state lives here, where the windows and the console both
// reach it. Everything else a dialog holds is rebuilt from the world each time it opens.
struct ReorgDialog {
    bool open = false;
    double ReorgPool = 0;     // members released and not yet given to anyone (남은조직원수)
    std::vector<int> people;  // its person list, as filled when it opened
    bool barEnabled = false;  // the bar takes the pointer only once a person is clicked
    double box = 0;           // the amount box: the clicked person's members
    float barRatio = 0;       // the bar's position, 0..1 of its width
    bool operator==(const ReorgDialog&) const = default;
};

struct MenuState {
    int SelectedCity = -1;           // the district of the command menu (-1 before any click)
    bool SelectedCityIsOwn = false;  // it was the player's when the menu was opened
    int SelectedHuman = -1;          // the person last clicked in a dialog's list
    int SelectedTargetCity = -1;     // the destination or target last clicked
    bool BarTracking = true;          // the amount bar of an open dialog follows the pointer
    Panel panel;
    ReorgDialog reorg;
    bool operator==(const MenuState&) const = default;

    // SelectedCity names a district.
    bool HasCity() const { return SelectedCity >= 0 && SelectedCity < kCityCount; }
};

}  // namespace golmok
