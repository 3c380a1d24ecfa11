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

namespace {

// The length of the well-formed UTF-8 sequence at the start of `text`, or 0.
std::size_t SequenceLength(std::string_view text) {
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(0);
    if (lead < 0x80) return 1;
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;  // the range of the second byte
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;   // no overlong form
        if (lead == 0xED) high = 0x9F;  // no surrogate
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;   // no overlong form
        if (lead == 0xF4) high = 0x8F;  // nothing above U+10FFFF
    } else {
        return 0;
    }
    if (text.size() < length || byte(1) < low || byte(1) > high) return 0;
    for (std::size_t i = 2; i < length; ++i) {
        if (byte(i) < 0x80 || byte(i) > 0xBF) return 0;
    }
    return length;
}

}  // namespace

std::string ValidUtf8(std::string_view text) {
    std::string valid;
    valid.reserve(text.size());
    while (!text.empty()) {
        const std::size_t length = SequenceLength(text);
        if (length == 0) {
            valid += kUnreadable;
            text.remove_prefix(1);
        } else {
            valid += text.substr(0, length);
            text.remove_prefix(length);
        }
    }
    return valid;
}

std::size_t Utf8Length(std::string_view text) {
    std::size_t count = 0;
    for (const char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0U) != 0x80U) ++count;
    }
    return count;
}

std::string CutUtf8(std::string_view text, std::size_t most) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0U) == 0x80U) continue;
        if (count == most) return std::string(text.substr(0, i)) + "…";
        ++count;
    }
    return std::string(text);
}

}  // namespace golmok
