#include "world/SmallFiles.h"

#include <algorithm>
#include <cerrno>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace golmok {

namespace {

// Closes the descriptor when reading is over, whichever way it ends.
class Descriptor {
  public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
};

SmallFile Refused(std::string why) {
    return {SmallFile::State::Refused, std::move(why), 0};
}

SmallFile SystemRefused(int error) {
    return {SmallFile::State::Refused, SystemErrorText(error), error};
}

}  // namespace

SmallFile ReadSmallFile(const std::filesystem::path& path, std::uintmax_t maxBytes) {
    // O_NONBLOCK: opening a FIFO for reading would otherwise wait for a writer for ever. The file
    // is judged by what was opened, not by a look at the path beforehand, so nothing can be put in
    // its place between the two.
    const Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (file.get() < 0) {
        if (errno == ENOENT) return {SmallFile::State::Missing, {}, 0};
        return SystemRefused(errno);
    }
    struct stat info {};
    if (::fstat(file.get(), &info) != 0) return SystemRefused(errno);
    if (S_ISDIR(info.st_mode)) return Refused("파일이 아니라 폴더입니다");
    if (!S_ISREG(info.st_mode)) return Refused("보통 파일이 아닙니다");
    if (info.st_size < 0 || static_cast<std::uintmax_t>(info.st_size) > maxBytes) {
        return Refused("파일이 너무 큽니다 (" + std::to_string(maxBytes / 1024) + " KB까지)");
    }
    // Room for the size the file has now and one byte more, so that a file that grows while it
    // is read is seen growing; it may then grow up to one byte past the limit, so that it is
    // found too large, not cut short. Sizing by the limit instead would clear megabytes for a
    // file of a few kilobytes at every read.
    const std::size_t most = static_cast<std::size_t>(maxBytes) + 1;
    std::string bytes(std::min(static_cast<std::size_t>(info.st_size) + 1, most), '\0');
    std::size_t done = 0;
    while (done < most) {
        if (done == bytes.size()) bytes.resize(std::min(bytes.size() * 2, most));
        const ssize_t got = ::read(file.get(), bytes.data() + done, bytes.size() - done);
        if (got == 0) break;
        if (got < 0) {
            if (errno == EINTR) continue;
            return SystemRefused(errno);
        }
        done += static_cast<std::size_t>(got);
    }
    if (done > maxBytes) {
        return Refused("파일이 너무 큽니다 (" + std::to_string(maxBytes / 1024) + " KB까지)");
    }
    bytes.resize(done);
    return {SmallFile::State::Read, std::move(bytes), 0};
}

std::string SystemErrorText(int error) {
    switch (error) {
        case ENOSPC:
            return "디스크가 가득 찼습니다";
        case EDQUOT:
            return "디스크 사용 한도를 넘었습니다";
        case EACCES:
        case EPERM:
            return "권한이 없습니다";
        case EROFS:
            return "읽기 전용 디스크입니다";
        case EISDIR:
            return "같은 이름의 폴더가 있습니다";
        case EEXIST:
            return "같은 이름의 파일이 있습니다";
        case ENOENT:
        case ENOTDIR:
            return "폴더가 없습니다";
        case EFBIG:
            return "파일 크기 제한을 넘었습니다";
        case EIO:
            return "디스크를 읽거나 쓰는 중에 오류가 났습니다";
        case ELOOP:
            return "심볼릭 링크가 너무 많이 이어집니다";
        case ENAMETOOLONG:
            return "경로가 너무 깁니다";
        case EMFILE:
        case ENFILE:
            return "열린 파일이 너무 많습니다";
        default:
            return "시스템 오류 " + std::to_string(error);
    }
}

}  // namespace golmok
