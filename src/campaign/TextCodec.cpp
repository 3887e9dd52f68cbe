#include "TextCodec.h"

#include "CampaignError.h"
#include "Utf8.h"

#include <cerrno>
#include <iconv.h>

namespace {

struct TConverted {
    std::string Text;
    bool Whole = true; // no sequence needed the replacement
};

} // namespace

struct TTextCodec::Converter {
    iconv_t handle;

    Converter(const std::string& to, const std::string& from)
        : handle(iconv_open(to.c_str(), from.c_str())) {}
    ~Converter() {
        if (valid())
            iconv_close(handle);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return handle != reinterpret_cast<iconv_t>(-1); }

    // Converts all of input; on a sequence the target cannot take, appends `replacement`
    // and skips `skip(rest)` input bytes.
    template <typename Skip>
    TConverted convert(std::string_view input, std::string_view replacement, Skip skip) const {
        iconv(handle, nullptr, nullptr, nullptr, nullptr);
        TConverted converted;
        std::string& output = converted.Text;
        char buffer[1024];
        char* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        while (inLeft > 0) {
            char* out = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t result = iconv(handle, &in, &inLeft, &out, &outLeft);
            output.append(buffer, static_cast<std::size_t>(out - buffer));
            if (result == static_cast<std::size_t>(-1) && (errno == EILSEQ || errno == EINVAL)) {
                output.append(replacement);
                converted.Whole = false;
                const std::size_t count = std::min(inLeft, skip(std::string_view(in, inLeft)));
                in += count;
                inLeft -= count;
                iconv(handle, nullptr, nullptr, nullptr, nullptr);
            }
        }
        char* out = buffer;
        std::size_t outLeft = sizeof buffer;
        iconv(handle, nullptr, nullptr, &out, &outLeft);
        output.append(buffer, static_cast<std::size_t>(out - buffer));
        return converted;
    }

    // Whether input ends with the first bytes of a character that it cuts off.
    bool endsInsideCharacter(std::string_view input) const {
        iconv(handle, nullptr, nullptr, nullptr, nullptr);
        char buffer[1024];
        char* in = const_cast<char*>(input.data());
        std::size_t inLeft = input.size();
        while (inLeft > 0) {
            char* out = buffer;
            std::size_t outLeft = sizeof buffer;
            if (iconv(handle, &in, &inLeft, &out, &outLeft) != static_cast<std::size_t>(-1))
                continue;
            if (errno == EINVAL)
                return true;
            if (errno == EILSEQ) {
                ++in;
                --inLeft;
                iconv(handle, nullptr, nullptr, nullptr, nullptr);
            }
        }
        return false;
    }
};

namespace {

// Length of the UTF-8 sequence that starts the text (1 for a stray byte).
std::size_t utf8SequenceLength(std::string_view text) {
    const auto lead = static_cast<unsigned char>(text.front());
    std::size_t length = 1;
    if (lead >= 0xF0)
        length = 4;
    else if (lead >= 0xE0)
        length = 3;
    else if (lead >= 0xC0)
        length = 2;
    for (std::size_t i = 1; i < length; ++i)
        if (i >= text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80)
            return i;
    return length;
}

} // namespace

TTextCodec::TTextCodec(std::string codePage)
    : m_codePage(std::move(codePage)),
      m_toUnicode(std::make_unique<Converter>("UTF-8", m_codePage)),
      m_fromUnicode(std::make_unique<Converter>(m_codePage, "UTF-8")) {
    if (m_codePage.empty() || !m_toUnicode->valid() || !m_fromUnicode->valid())
        throw ECampaignError("Unknown text encoding " + m_codePage);
}

TTextCodec::~TTextCodec() = default;

namespace {

constexpr std::size_t skipOneByte(std::string_view) {
    return 1;
}

} // namespace

std::string TTextCodec::ToUnicode(std::string_view raw) const {
    // iconv's UTF-8 decoder lets forms through that are no UTF-8 (F4 90 80 80, five-byte forms).
    return ValidUtf8(m_toUnicode->convert(raw, "\xEF\xBF\xBD", skipOneByte).Text);
}

std::optional<std::string> TTextCodec::ToUnicodeIfDefined(std::string_view raw) const {
    TConverted converted = m_toUnicode->convert(raw, {}, skipOneByte);
    if (!converted.Whole || !IsValidUtf8(converted.Text))
        return std::nullopt;
    return std::move(converted.Text);
}

std::string TTextCodec::FromUnicode(std::string_view utf8) const {
    return m_fromUnicode->convert(utf8, "?", utf8SequenceLength).Text;
}

std::string TTextCodec::FitBytes(std::string_view raw, std::size_t maxBytes) const {
    if (raw.size() <= maxBytes)
        return std::string(raw);
    std::size_t length = maxBytes;
    while (length > 0 && m_toUnicode->endsInsideCharacter(raw.substr(0, length)))
        --length;
    return std::string(raw.substr(0, length));
}
