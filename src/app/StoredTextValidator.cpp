#include "StoredTextValidator.h"

#include "FileFormat.h"

namespace {

// A stored text's field ends with a terminating zero.
std::size_t maxBytes(TStoredTextField field) {
    return (field == TStoredTextField::Name ? CampaignFormat::NameWidth
                                            : CampaignFormat::FileNameWidth) -
           1;
}

QString tooLongNote(TStoredTextField field) {
    return (field == TStoredTextField::Name
                ? TStoredTextValidator::tr("A scenario name holds at most %1 bytes.")
                : TStoredTextValidator::tr("A scenario file name holds at most %1 bytes."))
        .arg(maxBytes(field));
}

QString controlNote(TStoredTextField field) {
    return field == TStoredTextField::Name
               ? TStoredTextValidator::tr("A scenario name cannot hold control characters.")
               : TStoredTextValidator::tr("A scenario file name cannot hold control characters.");
}

// A zero would end the stored text early; line breaks and the like have no place in a name.
bool isControl(char32_t character) {
    return character < 0x20 || character == 0x7F;
}

// A character is held when it comes back from its bytes as itself: the code page turns one it
// cannot hold into "?".
bool codePageHolds(const TTextCodec& codec, const std::string& utf8) {
    return codec.ToUnicodeIfDefined(codec.FromUnicode(utf8)) == utf8;
}

} // namespace

TStoredTextValidator::TStoredTextValidator(const TTextCodec& codec, TStoredTextField field,
                                           QString startText, QObject* parent)
    : QValidator(parent), m_codec(codec), m_field(field), m_startText(std::move(startText)) {}

QValidator::State TStoredTextValidator::validate(QString& input, int&) const {
    const std::string utf8 = input.toStdString();
    const bool codePageHoldsAll = codePageHolds(m_codec, utf8);
    for (const char32_t character : input.toUcs4()) {
        const QString text = QString::fromUcs4(&character, 1);
        if (m_startText.contains(text))
            continue;
        if (isControl(character)) {
            m_lastRefusal = controlNote(m_field);
            return Invalid;
        }
        if (!codePageHoldsAll && !codePageHolds(m_codec, text.toStdString())) {
            m_lastRefusal = tr("The code page %1 cannot hold “%2”.")
                                .arg(QString::fromStdString(m_codec.CodePage()), text);
            return Invalid;
        }
    }
    if (m_codec.FromUnicode(utf8).size() > maxBytes(m_field)) {
        m_lastRefusal = tooLongNote(m_field);
        return Invalid;
    }
    return Acceptable;
}
