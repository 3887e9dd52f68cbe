// The undo history on the model alone: random edits, undos and redos against a replay of the
// edits still done, through the functions the window edits with today.
#include "CampaignReader.h"
#include "CampaignWriter.h"
#include "ContentCommands.h"
#include "EntryCommands.h"
#include "TempFolder.h"
#include "TextCommands.h"

#include <QUndoStack>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <random>

namespace {

enum class TKind { Add, Remove, Replace, Insert, SetVersion, Options, Move, Rename, Count };

struct TEditStep {
    TKind Kind = TKind::Add;
    std::size_t First = 0;
    std::size_t Second = 0;
    std::vector<std::filesystem::path> Files;
    TScenarioVersion Version = TScenarioVersion::Game111;
    std::string Text;
};

std::vector<std::uint8_t> fileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class CampaignEdits : public ::testing::Test {
protected:
    CampaignEdits() {
        // A scenario with a version text, one without (too short to stamp) and one whose first
        // bytes are no version at all; a path that cannot be read makes an edit fail.
        write("Long.scn", std::string("1.18") + std::string(700, 'L'));
        write("Tiny.scn", "ab");
        write("Odd name.scx", "zzzz-odd-bytes");
        m_scenarios = {m_folder / "Long.scn", m_folder / "Tiny.scn", m_folder / "Odd name.scx",
                       m_folder / "Missing.scn"};
    }

    void write(const std::string& name, const std::string& bytes) {
        std::ofstream(m_folder / name, std::ios::binary) << bytes;
    }

    static TCampaign load(const std::string& sample) {
        return std::get<TCampaign>(
            LoadCampaign(std::string(BRINDLEWICK_TEST_DATA_DIR) + "/good/" + sample));
    }

    std::vector<std::uint8_t> saved(TCampaign& campaign) {
        const auto path = m_folder / "Saved.cpn";
        SaveCampaign(campaign, path, m_codec);
        return fileBytes(path);
    }

    TEditStep randomStep(std::mt19937& random, std::size_t count) {
        auto pick = [&](std::size_t below) {
            return std::uniform_int_distribution<std::size_t>(0, below - 1)(random);
        };
        TEditStep step;
        step.Kind = static_cast<TKind>(pick(static_cast<std::size_t>(TKind::Count)));
        // One past the end now and then, so that some edits are refused.
        step.First = pick(count + 2);
        step.Second = pick(count + 1);
        for (std::size_t i = 0, files = 1 + pick(3); i < files; ++i)
            step.Files.push_back(m_scenarios[pick(12) == 0 ? 3 : pick(3)]);
        step.Version = static_cast<TScenarioVersion>(pick(3));
        step.Text = "Text " + std::to_string(pick(1000));
        return step;
    }

    std::unique_ptr<QUndoCommand> command(TCampaign& campaign, const TEditStep& step) {
        switch (step.Kind) {
        case TKind::Add:
            return TInsertEntriesCommand::Add(campaign, step.Files, m_codec);
        case TKind::Remove:
            return std::make_unique<TRemoveEntryCommand>(campaign, step.First);
        case TKind::Replace:
            return std::make_unique<TReplaceEntryCommand>(campaign, step.First, step.Files[0],
                                                          m_codec);
        case TKind::Insert:
            return TInsertEntriesCommand::Insert(campaign, step.First, step.Files[0], m_codec);
        case TKind::SetVersion:
            return std::make_unique<TSetVersionCommand>(campaign, step.First, step.Version);
        case TKind::Options: {
            auto options = std::make_unique<TCampaignOptions>();
            options->Title = step.Text;
            return std::make_unique<TSetOptionsCommand>(campaign, std::move(options));
        }
        case TKind::Move:
            return std::make_unique<TMoveEntryCommand>(campaign, step.First, step.Second);
        case TKind::Rename:
            return std::make_unique<TRenameEntryCommand>(campaign, step.First, step.Text,
                                                         step.Text + ".scn");
        case TKind::Count:
            break;
        }
        throw std::logic_error("kind");
    }

    // The same edit as the window makes it without a history.
    void replay(TCampaign& campaign, const TEditStep& step) {
        switch (step.Kind) {
        case TKind::Add:
            for (const auto& file : step.Files)
                AddScenarioFile(campaign, file, m_codec);
            break;
        case TKind::Remove:
            campaign.RemoveEntry(step.First);
            break;
        case TKind::Replace:
            ReplaceScenarioFile(campaign, step.First, step.Files[0], m_codec);
            break;
        case TKind::Insert:
            InsertScenarioFile(campaign, step.First, step.Files[0], m_codec);
            break;
        case TKind::SetVersion:
            StampScenarioVersion(*campaign.Entry(step.First).Scenario, step.Version);
            break;
        case TKind::Options: {
            auto options = std::make_unique<TCampaignOptions>();
            options->Title = step.Text;
            campaign.ReplaceCampaignOptions(std::move(options));
            break;
        }
        case TKind::Move:
            campaign.MoveEntry(step.First, step.Second);
            break;
        case TKind::Rename:
            campaign.Entry(step.First).Name = step.Text;
            campaign.Entry(step.First).FileName = step.Text + ".scn";
            break;
        case TKind::Count:
            break;
        }
        campaign.UpdateOffsets();
    }

    // Every step saves twice: on a memory file system when there is one, so that the syncs of
    // the atomic save cost nothing.
    TempFolder m_folder{std::filesystem::is_directory("/dev/shm")
                            ? std::filesystem::path("/dev/shm")
                            : std::filesystem::temp_directory_path()};
    TTextCodec m_codec{"windows-1252"};
    std::vector<std::filesystem::path> m_scenarios;
};

} // namespace

TEST_F(CampaignEdits, HistorySavesWhatReplayingTheEditsStillDoneSaves) {
    // The packed samples save as the very bytes of their file; the unordered one is compared
    // with its save before any edit.
    const std::vector<std::pair<std::string, bool>> samples = {
        {"Three.cpx", true}, {"Camp.cpn", true}, {"Empty.cpn", true}, {"Unordered.cpn", false}};
    for (const auto& [sample, savesAsItIs] : samples) {
        for (unsigned seed = 1; seed <= 6; ++seed) {
            SCOPED_TRACE(sample + " seed " + std::to_string(seed));
            std::mt19937 random(seed);
            TCampaign campaign = load(sample);
            TCampaign fresh = load(sample);
            const auto original =
                savesAsItIs ? fileBytes(std::string(BRINDLEWICK_TEST_DATA_DIR) + "/good/" + sample)
                            : saved(fresh);

            QUndoStack stack;
            std::vector<TEditStep> done;
            for (int action = 0; action < 60; ++action) {
                const auto choice = random() % 10;
                if (choice < 6) {
                    const TEditStep step = randomStep(random, campaign.Count());
                    const auto before = saved(campaign);
                    try {
                        stack.push(command(campaign, step).release());
                    } catch (const std::exception&) {
                        // A refused edit leaves the model and the history as they were.
                        ASSERT_EQ(saved(campaign), before);
                        ASSERT_EQ(static_cast<std::size_t>(stack.count()), done.size());
                        continue;
                    }
                    done.resize(static_cast<std::size_t>(stack.index()) - 1);
                    done.push_back(step);
                } else if (choice < 9) {
                    stack.undo();
                } else {
                    stack.redo();
                }
                TCampaign replayed = load(sample);
                for (std::size_t i = 0; i < static_cast<std::size_t>(stack.index()); ++i)
                    replay(replayed, done[i]);
                ASSERT_EQ(saved(campaign), saved(replayed)) << "after action " << action;
            }
            stack.setIndex(0);
            EXPECT_EQ(saved(campaign), original);
        }
    }
}

TEST_F(CampaignEdits, StepsHoldWhatTheyTookAwayNotCopies) {
    TCampaign campaign = load("Three.cpx");
    const TScenario* second = campaign.Entry(1).Scenario.get();
    QUndoStack stack;
    stack.push(new TRemoveEntryCommand(campaign, 1));
    stack.push(new TReplaceEntryCommand(campaign, 0, m_scenarios[0], m_codec));
    stack.push(new TSetVersionCommand(campaign, 0, TScenarioVersion::Trial110));
    stack.setIndex(0);
    // The removed entry comes back as the same object, its bytes still those shared with
    // the loaded file: nothing was copied to keep it.
    EXPECT_EQ(campaign.Entry(1).Scenario.get(), second);
    EXPECT_TRUE(campaign.Entry(1).Scenario->Stream.IsShared());
    EXPECT_TRUE(campaign.Entry(0).Scenario->Stream.IsShared());
}
