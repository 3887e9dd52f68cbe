#include "StoredTextValidator.h"

#include <gtest/gtest.h>

namespace {

struct TValidatorCase {
    const char* CodePage;
    TStoredTextField Field;
    QString StartText;
    QString Text;
    QString Refusal; // empty when the text is accepted
};

const QString nameTooLong = QStringLiteral("A scenario name holds at most 254 bytes.");
const QString fileNameTooLong = QStringLiteral("A scenario file name holds at most 256 bytes.");

const TValidatorCase validatorCases[] = {
    {"WINDOWS-1252", TStoredTextField::Name, {}, QStringLiteral("Ödland"), {}},
    {"WINDOWS-1252", TStoredTextField::Name, {}, QString(254, u'a'), {}},
    {"WINDOWS-1252", TStoredTextField::Name, {}, QString(255, u'a'), nameTooLong},
    {"WINDOWS-1252", TStoredTextField::FileName, {}, QString(256, u'é'), {}},
    {"WINDOWS-1252", TStoredTextField::FileName, {}, QString(257, u'é'), fileNameTooLong},
    {"WINDOWS-1252",
     TStoredTextField::Name,
     {},
     QStringLiteral("Kiev ж"),
     QStringLiteral("The code page WINDOWS-1252 cannot hold “ж”.")},
    // A character the code page cannot hold is refused before the length is looked at.
    {"WINDOWS-1252",
     TStoredTextField::Name,
     {},
     QString(300, u'a') + u'ж',
     QStringLiteral("The code page WINDOWS-1252 cannot hold “ж”.")},
    {"WINDOWS-1252",
     TStoredTextField::FileName,
     {},
     QStringLiteral("a\nb.scn"),
     QStringLiteral("A scenario file name cannot hold control characters.")},
    {"GBK", TStoredTextField::Name, {}, QString(127, u'中'), {}},
    {"GBK", TStoredTextField::Name, {}, QString(127, u'中') + u'a', nameTooLong},
    {"GBK", TStoredTextField::Name, {}, QStringLiteral("中ж"), {}},
    {"GBK",
     TStoredTextField::Name,
     {},
     QStringLiteral("中한"),
     QStringLiteral("The code page GBK cannot hold “한”.")},
    // What the stored text held is kept while editing around it, never typed anew: undefined
    // bytes shown as U+FFFD, a tab read from a file.
    {"WINDOWS-1252", TStoredTextField::Name, QStringLiteral("a\tb"), QStringLiteral("a\tbc"), {}},
    {"WINDOWS-1252",
     TStoredTextField::Name,
     QStringLiteral("A\uFFFD"),
     QStringLiteral("AB\uFFFD"),
     {}},
    {"WINDOWS-1252", TStoredTextField::Name, QStringLiteral("A"), QStringLiteral("A\uFFFD"),
     QStringLiteral("The code page WINDOWS-1252 cannot hold “\uFFFD”.")},
};

void PrintTo(const TValidatorCase& test, std::ostream* out) {
    *out << test.CodePage << " \"" << test.Text.left(12).toStdString()
         << (test.Text.size() > 12 ? "…" : "") << "\" (" << test.Text.size() << ")";
}

class StoredTextValidator : public ::testing::TestWithParam<TValidatorCase> {};

} // namespace

TEST_P(StoredTextValidator, RefusesWhatTheFieldCannotStore) {
    const TValidatorCase& test = GetParam();
    const TTextCodec codec(test.CodePage);
    const TStoredTextValidator validator(codec, test.Field, test.StartText);
    QString text = test.Text;
    int position = 0;
    const QValidator::State state = validator.validate(text, position);
    EXPECT_EQ(text, test.Text);
    if (test.Refusal.isEmpty()) {
        EXPECT_EQ(state, QValidator::Acceptable);
    } else {
        EXPECT_EQ(state, QValidator::Invalid);
        EXPECT_EQ(validator.LastRefusal(), test.Refusal);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, StoredTextValidator, ::testing::ValuesIn(validatorCases));
