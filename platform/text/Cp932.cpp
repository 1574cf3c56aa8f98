#include "Cp932.h"

#include <iconv.h>

#include <cerrno>
#include <cstdint>
#include <functional>

namespace platform {
namespace {

// glibc's "SHIFT_JIS" turns 0x5C into a yen sign and 0x7E into an overline
// and lacks the NEC/IBM extensions (circled digits, etc.); "CP932" is the
// Windows table our files were written with.
constexpr const char* kCodePage = "CP932";
constexpr std::string_view kReplacement = "\xEF\xBF\xBD";  // U+FFFD

const iconv_t kNoDescriptor = reinterpret_cast<iconv_t>(-1);

// An iconv descriptor carries conversion state, so each thread keeps its own.
class IconvHandle {
public:
    IconvHandle(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~IconvHandle() {
        if (cd_ != kNoDescriptor) iconv_close(cd_);
    }
    IconvHandle(const IconvHandle&) = delete;
    IconvHandle& operator=(const IconvHandle&) = delete;

    iconv_t get() const { return cd_; }

private:
    iconv_t cd_;
};

iconv_t Decoder() {
    thread_local IconvHandle handle("UTF-8", kCodePage);
    return handle.get();
}

iconv_t Encoder() {
    thread_local IconvHandle handle(kCodePage, "UTF-8");
    return handle.get();
}

// Called where conversion stopped: appends a stand-in to out and returns how
// many input bytes it covers (at least one, so the loop always advances).
using BadInputHandler = std::function<size_t(std::string_view rest, std::string& out)>;

// Without the converter (a system stripped of its gconv modules) ASCII is
// still the same on both sides; everything else counts as bad input.
std::string ConvertAsciiOnly(std::string_view in, const BadInputHandler& onBad) {
    std::string out;
    while (!in.empty()) {
        size_t used = 1;
        if (static_cast<unsigned char>(in.front()) < 0x80) {
            out += in.front();
        } else {
            used = onBad(in, out);
        }
        in.remove_prefix(used);
    }
    return out;
}

std::string Convert(iconv_t cd, std::string_view in, const BadInputHandler& onBad) {
    if (cd == kNoDescriptor) return ConvertAsciiOnly(in, onBad);

    iconv(cd, nullptr, nullptr, nullptr, nullptr);  // forget any earlier call's state
    std::string out;
    out.reserve(in.size() * 3 / 2);
    char* src = const_cast<char*>(in.data());  // iconv never writes through it
    size_t srcLeft = in.size();
    char buffer[1024];
    while (srcLeft > 0) {
        char* dst = buffer;
        size_t dstLeft = sizeof buffer;
        const size_t result = iconv(cd, &src, &srcLeft, &dst, &dstLeft);
        out.append(buffer, static_cast<size_t>(dst - buffer));
        if (result != static_cast<size_t>(-1) || errno == E2BIG) continue;
        // EILSEQ (bad or unmappable input) or EINVAL (cut off at the end).
        const size_t used = onBad(std::string_view(src, srcLeft), out);
        src += used;
        srcLeft -= used;
    }
    return out;
}

// Length of the well-formed UTF-8 sequence that starts text, or 0 if none.
size_t Utf8SequenceLength(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text.front());
    size_t length = 0;
    uint32_t smallest = 0;
    if (lead < 0x80) return 1;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        smallest = 0x10000;
    } else {
        return 0;
    }
    if (text.size() < length) return 0;
    uint32_t code = lead & (0x7Fu >> length);
    for (size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(text[i]);
        if ((next & 0xC0) != 0x80) return 0;
        code = (code << 6) | (next & 0x3Fu);
    }
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    if (code < smallest || code > 0x10FFFF || surrogate) return 0;
    return length;
}

}  // namespace

std::string Cp932ToUtf8(std::string_view cp932) {
    // One replacement per byte: a bad lead byte must not swallow the ASCII
    // character after it, which is usually a field separator.
    return Convert(Decoder(), cp932, [](std::string_view, std::string& out) {
        out += kReplacement;
        return size_t{1};
    });
}

std::string Utf8ToCp932(std::string_view utf8, bool* ok) {
    bool clean = true;
    std::string result = Convert(Encoder(), utf8, [&clean](std::string_view rest, std::string& out) {
        clean = false;
        out += '?';
        // A whole character the code page lacks is one "?"; a broken
        // sequence is skipped byte by byte.
        const size_t length = Utf8SequenceLength(rest);
        return length == 0 ? size_t{1} : length;
    });
    if (ok != nullptr) *ok = clean;
    return result;
}

void AppendCp932(std::string& out, std::string_view utf8) {
    // A multi-byte UTF-8 sequence has no byte below 0x80, so cutting at the
    // edges of ASCII runs never splits a character.
    auto isAscii = [](char c) { return static_cast<unsigned char>(c) < 0x80; };
    const char* p = utf8.data();
    const char* const end = p + utf8.size();
    while (p < end) {
        const char* run = p;
        while (p < end && isAscii(*p)) ++p;
        out.append(run, static_cast<size_t>(p - run));
        run = p;
        while (p < end && !isAscii(*p)) ++p;
        if (p > run) out += Utf8ToCp932(std::string_view(run, static_cast<size_t>(p - run)));
    }
}

}  // namespace platform
