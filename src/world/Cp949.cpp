#include "world/Cp949.h"

#include <iconv.h>
#include <cerrno>

namespace golmok {

namespace {

// One conversion descriptor for the length of one call.
class Converter {
  public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (ok()) iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;
    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Converts as much of [in, in + inLeft) as it can and appends it to out. Returns 0 when all
    // was converted, otherwise the errno that stopped it; in and inLeft then point at the
    // sequence that could not be converted.
    int Convert(char*& in, std::size_t& inLeft, std::string& out) {
        char chunk[4096];
        while (inLeft > 0) {
            char* next = chunk;
            std::size_t room = sizeof chunk;
            std::size_t result = iconv(cd_, &in, &inLeft, &next, &room);
            out.append(chunk, next);
            if (result == static_cast<std::size_t>(-1) && errno != E2BIG) return errno;
        }
        return 0;
    }

  private:
    iconv_t cd_;
};

}  // namespace

std::string DecodeCp949(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size() * 3 / 2);
    Converter converter("UTF-8", "CP949");
    if (!converter.ok()) {
        // Without the converter only ASCII can be trusted.
        for (unsigned char c : bytes)
            out += c < 0x80 ? std::string(1, char(c)) : std::string(kUnreadable);
        return out;
    }
    std::string input(bytes);
    char* in = input.data();
    std::size_t inLeft = input.size();
    while (inLeft > 0) {
        int error = converter.Convert(in, inLeft, out);
        if (error == 0) break;
        // EILSEQ: a byte that starts no character; EINVAL: a character cut off at the end.
        out += kUnreadable;
        // The C library's converter may report a bad sequence after having stepped over all
        // that was left; then nothing remains to skip.
        if (inLeft == 0) break;
        ++in;
        --inLeft;
    }
    return out;
}

std::optional<std::string> EncodeCp949(std::string_view utf8) {
    Converter converter("CP949", "UTF-8");
    if (!converter.ok()) return std::nullopt;
    std::string input(utf8);
    char* in = input.data();
    std::size_t inLeft = input.size();
    std::string out;
    if (converter.Convert(in, inLeft, out) != 0) return std::nullopt;
    return out;
}

}  // namespace golmok
