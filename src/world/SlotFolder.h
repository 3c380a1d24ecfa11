// Where the five save slots live.
//
// A game played from its build tree or from a copy unpacked anywhere keeps its slots beside the
// program, so that the whole game, saves included, moves as one folder. An installed game cannot
// write there (its program lies under a system prefix such as /usr, or in a folder the player may
// not write), so it keeps them in the player's own data folder. `--dir` names the folder outright,
// for tests and for players who want their saves elsewhere.
#pragma once

#include <filesystem>

namespace golmok {

struct SlotFolderChoice {
    std::filesystem::path dirOption;   // from --dir; empty when not given
    std::filesystem::path gameFolder;  // the folder of the program
    bool gameFolderWritable = true;    // the player may create files in it
    std::filesystem::path userData;    // the player's writable data folder
};

// The folder of save00.sav .. save04.sav.
std::filesystem::path ChooseSlotFolder(const SlotFolderChoice& choice);

}  // namespace golmok
