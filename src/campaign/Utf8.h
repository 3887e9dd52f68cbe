#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// UTF-8 as the standard defines it: no overlong forms, no UTF-16 surrogates, nothing past
// U+10FFFF. iconv lets some of these through, so texts are checked before they leave the
// program as UTF-8.

// The length of the valid sequence that starts text; 0 when text starts with none (a stray
// byte, a cut sequence or one of the forms above).
std::size_t Utf8SequenceLength(std::string_view text);

// The code point of text's first sequence, which Utf8SequenceLength found valid.
char32_t Utf8CodePoint(std::string_view text);

bool IsValidUtf8(std::string_view text);

// The text with every byte that starts no valid sequence replaced by U+FFFD.
std::string ValidUtf8(std::string_view text);
