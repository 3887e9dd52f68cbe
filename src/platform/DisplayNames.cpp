#include "DisplayNames.h"

#include <cstdint>

namespace {

// The length of the valid UTF-8 sequence starting at `at`, or 0 when the byte there does not
// start one (stray continuation byte, overlong form, surrogate, beyond U+10FFFF, cut short).
int validSequenceLength(const QByteArray& bytes, qsizetype at) {
    const auto byte = [&bytes](qsizetype i) { return static_cast<std::uint8_t>(bytes[i]); };
    const std::uint8_t lead = byte(at);
    if (lead < 0x80)
        return 1;
    int length = 0;
    std::uint8_t low = 0x80;
    std::uint8_t high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (at + length > bytes.size())
        return 0;
    const std::uint8_t second = byte(at + 1);
    if (second < low || second > high)
        return 0;
    for (int i = 2; i < length; ++i) {
        if ((byte(at + i) & 0xC0) != 0x80)
            return 0;
    }
    return length;
}

void appendByteEscapes(QString& shown, QByteArrayView bytes) {
    static constexpr char16_t kHex[] = u"0123456789ABCDEF";
    for (const char byte : bytes) {
        const auto value = static_cast<std::uint8_t>(byte);
        shown += u'\\';
        shown += u'x';
        shown += QChar(kHex[value >> 4]);
        shown += QChar(kHex[value & 0xF]);
    }
}

// The escape a valid one-byte or two-byte sequence shows as, or nothing when it shows as it is.
QString escapeOf(QByteArrayView sequence) {
    const auto lead = static_cast<std::uint8_t>(sequence[0]);
    switch (lead) {
    case '\\':
        return QStringLiteral("\\\\");
    case '\t':
        return QStringLiteral("\\t");
    case '\n':
        return QStringLiteral("\\n");
    case '\r':
        return QStringLiteral("\\r");
    default:
        break;
    }
    // C0 controls and DEL, and the C1 controls U+0080 to U+009F (0xC2 0x80 to 0xC2 0x9F).
    const bool control = sequence.size() == 1
                             ? lead < 0x20 || lead == 0x7F
                             : sequence.size() == 2 && lead == 0xC2 &&
                                   static_cast<std::uint8_t>(sequence[1]) <= 0x9F;
    if (!control)
        return {};
    QString escape;
    appendByteEscapes(escape, sequence);
    return escape;
}

} // namespace

QString DisplayNameOfBytes(const QByteArray& name) {
    QString shown;
    shown.reserve(name.size());
    // Runs of bytes that show as they are are decoded in one go.
    qsizetype runStart = 0;
    const auto flushRun = [&](qsizetype end) {
        shown += QString::fromUtf8(name.constData() + runStart, end - runStart);
    };
    for (qsizetype at = 0; at < name.size();) {
        const int length = validSequenceLength(name, at);
        const QByteArrayView sequence(name.constData() + at, length == 0 ? 1 : length);
        const QString escape = length == 0 ? QString() : escapeOf(sequence);
        if (length != 0 && escape.isEmpty()) {
            at += length;
            continue;
        }
        flushRun(at);
        if (length == 0)
            appendByteEscapes(shown, sequence);
        else
            shown += escape;
        at += sequence.size();
        runStart = at;
    }
    flushRun(name.size());
    return shown;
}
