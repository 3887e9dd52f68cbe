#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>

// Converts the single-byte (or multi-byte, for code pages such as GBK) texts of campaign
// files to and from UTF-8. Only the user interface and the command line use it: the campaign
// model keeps the raw bytes exactly as read.
class TTextCodec {
public:
    static constexpr const char* DefaultCodePage = "WINDOWS-1252";

    // Throws ECampaignError when the code page is unknown (an empty name names none).
    explicit TTextCodec(std::string codePage = DefaultCodePage);
    ~TTextCodec();
    TTextCodec(const TTextCodec&) = delete;
    TTextCodec& operator=(const TTextCodec&) = delete;

    const std::string& CodePage() const { return m_codePage; }

    // Bytes the code page does not define become U+FFFD; the result is always valid UTF-8.
    std::string ToUnicode(std::string_view raw) const;
    // The UTF-8 text of raw when the code page defines every byte of it; nothing otherwise.
    std::optional<std::string> ToUnicodeIfDefined(std::string_view raw) const;
    // Characters the code page cannot hold become "?".
    std::string FromUnicode(std::string_view utf8) const;
    // The longest start of raw, at most maxBytes long, that does not end inside a character.
    std::string FitBytes(std::string_view raw, std::size_t maxBytes) const;

private:
    struct Converter;
    std::string m_codePage;
    std::unique_ptr<Converter> m_toUnicode;
    std::unique_ptr<Converter> m_fromUnicode;
};
