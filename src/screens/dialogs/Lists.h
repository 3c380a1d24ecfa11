// The lists of the dialogs and set-ups (people, districts, gangs), written once: how they are
// filled, which entry they hold chosen, and how the player chooses one with the mouse or the
// keyboard alike.
#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <vector>

class QListWidget;
class QObject;

namespace golmok::screens {

// Fills `list` with one entry per value, named by `name`, each carrying its value (a human,
// district or gang index). Nothing is current and nothing is selected, and the list does not
// make its first entry current when the keyboard brings it the focus: nothing is chosen until
// the player chooses it.
void FillEntries(QListWidget* list, const std::vector<int>& values,
                 const std::function<QString(int)>& name);

// The value behind the first selected entry, or nothing.
std::optional<int> SelectedEntry(QListWidget* list);

// Runs `chosen` with an entry's value whenever the player makes it the current entry, with a
// click or with the keys (arrows, Page Up/Down, Home, End, a typed first letter): moving onto an
// entry with the keyboard is a click on it. In a list that holds one choice the current entry is
// always the selected one, so the entry shown as chosen is the one 확인 acts on. In a list of
// several choices (the people sent out together) the keys move to an entry and show it as a
// click does, and Space, like the click, adds it or takes it out.
void OnEntryChosen(QListWidget* list, QObject* context, std::function<void(int)> chosen);

}  // namespace golmok::screens
