// Reading the game's own small files (record files, save slots) without trusting what lies at the
// path: a folder, a FIFO, a device or a huge file there must give a reason, never block the game,
// eat its memory or throw.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace golmok {

struct SmallFile {
    enum class State {
        Read,     // bytes holds the whole file
        Missing,  // nothing at the path
        Refused,  // bytes holds the reason, in Korean
    };
    State state = State::Missing;
    std::string bytes;
    int error = 0;  // the errno of a refusal the system gave; 0 for the game's own
};

// Reads a regular file of at most `maxBytes` bytes whole. Symbolic links are followed; anything
// that is not a regular file is refused without being read, and opening never waits for a writer.
SmallFile ReadSmallFile(const std::filesystem::path& path, std::uintmax_t maxBytes);

// The system's reason for a failed file operation, said in Korean for the cases a player meets
// (a folder in the way, a full disk, no permission, a read-only disk, a size limit).
std::string SystemErrorText(int error);

}  // namespace golmok
