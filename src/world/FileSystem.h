// The few file operations a save makes, behind one seam: the game goes to the system, a test can
// make any one of them fail (a full disk at the third write, a rename refused, a sync that never
// returns) and see that the player loses nothing.
#pragma once

#include <sys/types.h>

#include <cstddef>
#include <filesystem>
#include <string_view>

namespace golmok {

// Each call returns what the system call of the same name returns, with errno set on failure.
class FileSystem {
  public:
    FileSystem() = default;
    FileSystem(const FileSystem&) = delete;
    FileSystem& operator=(const FileSystem&) = delete;
    virtual ~FileSystem() = default;

    virtual int Open(const std::filesystem::path& path, int flags, mode_t mode);
    virtual ssize_t Write(int fd, const char* data, std::size_t size);
    virtual int Sync(int fd);
    virtual int Close(int fd);
    virtual int Rename(const std::filesystem::path& from, const std::filesystem::path& to);
    virtual int Remove(const std::filesystem::path& path);
};

// The system itself.
FileSystem& SystemFiles();

// Writes the bytes to a new file beside `path`, puts it on the disk and renames it over `path`,
// so that `path` holds either what it held before or all of the bytes, never part of them. The
// temporary name carries the process id and a counter and is created exclusively, so two copies
// of the game never write into each other's file; it never opens anything already there, so a
// FIFO or a device at `path` cannot make it wait. Returns 0 or the errno that stopped it.
int WriteWhole(FileSystem& files, const std::filesystem::path& path, std::string_view bytes);

// The suffix of those temporary files: "<name>.<process>-<count>.tmp".
inline constexpr std::string_view kTemporarySuffix = ".tmp";

}  // namespace golmok
