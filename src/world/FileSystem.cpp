#include "world/FileSystem.h"

#include <atomic>
#include <cerrno>
#include <string>

#include <fcntl.h>
#include <unistd.h>

namespace golmok {

int FileSystem::Open(const std::filesystem::path& path, int flags, mode_t mode) {
    return ::open(path.c_str(), flags, mode);  // NOLINT(cppcoreguidelines-pro-type-vararg)
}

ssize_t FileSystem::Write(int fd, const char* data, std::size_t size) {
    return ::write(fd, data, size);
}

int FileSystem::Sync(int fd) {
    return ::fsync(fd);
}

int FileSystem::Close(int fd) {
    return ::close(fd);
}

int FileSystem::Rename(const std::filesystem::path& from, const std::filesystem::path& to) {
    return ::rename(from.c_str(), to.c_str());
}

int FileSystem::Remove(const std::filesystem::path& path) {
    return ::unlink(path.c_str());
}

FileSystem& SystemFiles() {
    static FileSystem system;  // holds nothing: every call goes straight to the system
    return system;
}

int WriteWhole(FileSystem& files, const std::filesystem::path& path, std::string_view bytes) {
    static std::atomic<unsigned> counter = 0;
    std::filesystem::path temporary;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        // Appended piece by piece: GCC 12 at -O3 takes a chain of `+` on a short literal for an
        // overlapping copy (-Wrestrict) although none is made.
        std::string suffix = ".";
        suffix += std::to_string(getpid());
        suffix += '-';
        suffix += std::to_string(counter++);
        suffix += kTemporarySuffix;
        temporary = path;
        temporary += suffix;
        fd = files.Open(temporary, O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd < 0 && errno != EEXIST) return errno;
    }
    if (fd < 0) return EEXIST;

    int error = 0;
    for (std::size_t done = 0; done < bytes.size() && error == 0;) {
        const ssize_t written = files.Write(fd, bytes.data() + done, bytes.size() - done);
        if (written > 0) {
            done += static_cast<std::size_t>(written);
        } else if (written < 0 && errno != EINTR) {
            error = errno;
        } else if (written == 0) {
            error = EIO;
        }
    }
    // The data must be on the disk before the name points at it, or a crash could leave an empty
    // file where a game was.
    if (error == 0 && files.Sync(fd) != 0) error = errno;
    if (files.Close(fd) != 0 && error == 0) error = errno;
    if (error == 0 && files.Rename(temporary, path) != 0) error = errno;
    if (error != 0) {
        files.Remove(temporary);
        return error;
    }
    // Make the rename itself durable; a folder that cannot be synced still holds the new file.
    const int folder = files.Open(path.parent_path().empty() ? "." : path.parent_path(),
                                  O_RDONLY | O_DIRECTORY | O_CLOEXEC, 0);
    if (folder >= 0) {
        files.Sync(folder);
        files.Close(folder);
    }
    return 0;
}

}  // namespace golmok
