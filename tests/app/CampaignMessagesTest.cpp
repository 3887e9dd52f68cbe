// The campaign library's English errors and findings reach the user translated, with the
// names and figures they hold kept as they were.
#include "CampaignMessages.h"

#include "CampaignCheck.h"
#include "CampaignError.h"
#include "CampaignReader.h"
#include "ProgramTranslation.h"
#include "TempFolder.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

namespace {

// What the library says: some of its errors, and every finding of the check on the samples.
std::vector<std::string> libraryTexts() {
    std::vector<std::string> texts = {
        CampaignErrors::CannotOpen("/tmp/a.cpn", "No such file or directory").what(),
        CampaignErrors::CannotCreate("/tmp/b.cpn", "Permission denied").what(),
        CampaignErrors::StreamRead().what(),
        CampaignErrors::StreamWrite("/tmp/c.cpn", 5).what(),
        CampaignErrors::StreamWrite("/tmp/c.cpn", 5).Detail(),
        ECampaignRejected("d.cpn").what(),
    };
    for (const auto& entry : std::filesystem::recursive_directory_iterator(SampleFile("broken")))
        if (entry.is_regular_file())
            for (const TCampaignFinding& finding : CheckCampaign(entry.path()).Findings)
                texts.push_back(finding.Text);
    return texts;
}

TEST(CampaignMessages, EveryLibraryTextIsTranslatedAndKeepsItsNames) {
    const TProgramTranslation german(QStringLiteral("de"));
    ASSERT_EQ(german.Language(), QStringLiteral("de"));
    const std::vector<std::string> texts = libraryTexts();
    ASSERT_GT(texts.size(), 10u) << "the broken samples give findings";
    for (const std::string& english : texts) {
        const QString shown = TranslatedCampaignMessage(english);
        EXPECT_NE(shown, QString::fromStdString(english)) << english << " is not translated";
        EXPECT_FALSE(shown.contains(QRegularExpression(QStringLiteral("%\\d"))))
            << english << " leaves a placeholder";
        EXPECT_FALSE(shown.contains(QStringLiteral("scenario "))) << english;
    }
    EXPECT_TRUE(TranslatedCampaignMessage(std::string("Cannot open file /tmp/a.cpn"))
                    .contains(QStringLiteral("/tmp/a.cpn")));
}

TEST(CampaignMessages, UnknownTextsAndEnglishStayAsTheyAre) {
    EXPECT_EQ(TranslatedCampaignMessage(std::string("something else")),
              QStringLiteral("something else"));
    EXPECT_EQ(
        TranslatedCampaignMessage(std::string("the payloads of scenario 2 and scenario 3 overlap")),
        QStringLiteral("the payloads of scenario 2 and scenario 3 overlap"));
}

} // namespace
