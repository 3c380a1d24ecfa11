#include "world/SlotFolder.h"

#include <string_view>

namespace golmok {

namespace {

// Folders the system's package manager owns. Even where the player happens to be allowed to write
// in them (root, a live system), a save there would be lost on the next upgrade or mixed into
// every user's game.
constexpr std::string_view kSystemPrefixes[] = {"/usr", "/opt", "/bin", "/sbin", "/snap"};

bool UnderSystemPrefix(const std::filesystem::path& folder) {
    const std::filesystem::path normal = folder.lexically_normal();
    for (std::string_view prefix : kSystemPrefixes) {
        // Compare whole path elements: /usr/bin is under /usr, /usrlocal is not.
        const std::filesystem::path relative = normal.lexically_relative(prefix);
        if (!relative.empty() && *relative.begin() != "..") return true;
    }
    return false;
}

}  // namespace

std::filesystem::path ChooseSlotFolder(const SlotFolderChoice& choice) {
    if (!choice.dirOption.empty()) return choice.dirOption;
    if (!choice.gameFolderWritable || UnderSystemPrefix(choice.gameFolder)) return choice.userData;
    return choice.gameFolder;
}

}  // namespace golmok
