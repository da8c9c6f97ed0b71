#include "text/Encoding.h"
#include "text/SystemDecoding.h"

#include <array>
#include <cerrno>
#include <iconv.h>

namespace text {

namespace {

struct IconvName {
    std::string_view Encoding;
    const char* Iconv;
};

// glibc's names where they differ from the encoding's own, and the
// converter that decodes as the web does (Shift_JIS as Microsoft's code
// page, GBK as its superset gb18030, EUC-KR as Microsoft's 949).
constexpr std::array<IconvName, 13> kIconvNames{{
    {"IBM866", "CP866"},
    {"ISO-8859-8-I", "ISO-8859-8"},
    {"macintosh", "MACINTOSH"},
    {"x-mac-cyrillic", "MAC-CYRILLIC"},
    {"windows-874", "CP874"},
    {"GBK", "GB18030"},
    {"gb18030", "GB18030"},
    {"Big5", "BIG5-HKSCS"},
    {"Shift_JIS", "CP932"},
    {"EUC-KR", "CP949"},
    {"windows-1250", "CP1250"},
    {"windows-1251", "CP1251"},
    {"windows-1253", "CP1253"},
}};

std::string IconvNameOf(std::string_view encoding) {
    for (const IconvName& name : kIconvNames) {
        if (name.Encoding == encoding) {
            return name.Iconv;
        }
    }
    if (encoding.substr(0, 8) == "windows-") {
        return "CP" + std::string(encoding.substr(8));
    }
    return std::string(encoding);
}

class Converter {
public:
    explicit Converter(const std::string& from) : Handle_(iconv_open("UTF-8", from.c_str())) {}
    ~Converter() {
        if (IsOpen()) {
            iconv_close(Handle_);
        }
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool IsOpen() const { return Handle_ != reinterpret_cast<iconv_t>(-1); }
    iconv_t Handle() const { return Handle_; }

private:
    iconv_t Handle_;
};

constexpr std::string_view kReplacementUtf8 = "\xEF\xBF\xBD";

} // namespace

bool SystemKnowsEncoding(std::string_view encoding) {
    return Converter(IconvNameOf(encoding)).IsOpen();
}

bool DecodeWithSystem(std::string_view bytes, std::string_view encoding, std::string& out) {
    Converter converter(IconvNameOf(encoding));
    if (!converter.IsOpen()) {
        return false;
    }
    out.clear();
    out.reserve(bytes.size() + bytes.size() / 2);
    std::array<char, 16384> buffer;
    char* input = const_cast<char*>(bytes.data());
    std::size_t inputLeft = bytes.size();
    // Each round either consumes input or ends: a byte that does not decode
    // is passed over as U+FFFD, an incomplete sequence at the end ends it.
    while (inputLeft > 0) {
        char* output = buffer.data();
        std::size_t outputLeft = buffer.size();
        const std::size_t result =
            iconv(converter.Handle(), &input, &inputLeft, &output, &outputLeft);
        const int error = errno;
        out.append(buffer.data(), buffer.size() - outputLeft);
        if (result != static_cast<std::size_t>(-1)) {
            continue;
        }
        if (error == E2BIG) {
            continue;
        }
        out += kReplacementUtf8;
        if (error == EINVAL) {
            break;
        }
        ++input;
        --inputLeft;
        iconv(converter.Handle(), nullptr, nullptr, nullptr, nullptr);
    }
    char* output = buffer.data();
    std::size_t outputLeft = buffer.size();
    iconv(converter.Handle(), nullptr, nullptr, &output, &outputLeft);
    out.append(buffer.data(), buffer.size() - outputLeft);
    return true;
}

} // namespace text
