#include "app/command_line.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

using Action = StartupChoice::Action;
using Args = std::vector<std::string>;
const Args registeredKeys{"KleinBottle1", "Moebius", "ProjectivePlane1", "ring"};

TEST(StartupOptions, GlutsOwnOptionsPassThroughInOrder) {
    Args args{"lembovari", "-display", ":3", "--scenes", "ring,Moebius", "-geometry", "640x480"};
    const StartupChoice choice = takeStartupOptions(args, registeredKeys);
    EXPECT_EQ(choice.action, Action::Run);
    ASSERT_TRUE(choice.keys);
    EXPECT_EQ(*choice.keys, (Args{"ring", "Moebius"}));
    EXPECT_EQ(args, (Args{"lembovari", "-display", ":3", "-geometry", "640x480"}));
}

TEST(StartupOptions, NoOptionKeepsTheBuiltInList) {
    Args args{"lembovari", "-iconic"};
    const StartupChoice choice = takeStartupOptions(args, registeredKeys);
    EXPECT_EQ(choice.action, Action::Run);
    EXPECT_FALSE(choice.keys);
    EXPECT_EQ(args.size(), 2u);
}

TEST(StartupOptions, AllIsEveryRegisteredSceneAndTheEqualsFormWorks) {
    Args args{"lembovari", "--scenes=all"};
    EXPECT_EQ(*takeStartupOptions(args, registeredKeys).keys, registeredKeys);
    Args single{"lembovari", "--scenes=ring"};
    EXPECT_EQ(*takeStartupOptions(single, registeredKeys).keys, Args{"ring"});
}

TEST(StartupOptions, ListAndVersionAreAskedForAndVersionWins) {
    Args args{"lembovari", "--list"};
    EXPECT_EQ(takeStartupOptions(args, registeredKeys).action, Action::List);
    Args both{"lembovari", "--list", "--version", "-display", ":3"};
    EXPECT_EQ(takeStartupOptions(both, registeredKeys).action, Action::Version);
    Args refused{"lembovari", "--version", "--scenes", "Nope"};
    EXPECT_EQ(takeStartupOptions(refused, registeredKeys).action, Action::Refuse);
}

TEST(StartupOptions, BadListsAreRefusedWithOneLineNamingTheFault) {
    const std::vector<std::pair<Args, std::string>> cases{
        {{"lembovari", "--scenes", "ring,Nope"}, "Nope"},
        {{"lembovari", "--scenes", ""}, "empty"},
        {{"lembovari", "--scenes=ring,,Moebius"}, "empty"},
        {{"lembovari", "--scenes", "ring,"}, "empty"},
        {{"lembovari", "--scenes"}, "--scenes"},
        {{"lembovari", "--scene", "all"}, "--scene"},
        {{"lembovari", "--scenes", "ALL"}, "ALL"},
    };
    for (const auto& [given, named] : cases) {
        Args args = given;
        const StartupChoice choice = takeStartupOptions(args, registeredKeys);
        EXPECT_EQ(choice.action, Action::Refuse) << given.back();
        EXPECT_NE(choice.error.find(named), std::string::npos) << choice.error;
        EXPECT_EQ(choice.error.find('\n'), std::string::npos);
    }
    Args none{"lembovari", "--scenes", "all"};
    EXPECT_EQ(takeStartupOptions(none, {}).action, Action::Refuse);
}

TEST(StartupOptions, IdleResetTakesWholeSecondsAndAttractNeedsIt) {
    Args args{"lembovari", "--attract", "-iconic", "--idle-reset", "86400"};
    StartupChoice choice = takeStartupOptions(args, registeredKeys);
    EXPECT_EQ(choice.action, Action::Run);
    EXPECT_EQ(choice.idleResetSeconds, 86400);
    EXPECT_TRUE(choice.attract);
    EXPECT_EQ(args, (Args{"lembovari", "-iconic"}));

    // The option the refusal must name comes first.
    const std::vector<Args> refusedLines{{"--idle-reset", "0"},         {"--idle-reset", "86401"},
                                         {"--idle-reset", "1.5"},       {"--idle-reset", ""},
                                         {"--idle-reset=99999999999"},  {"--idle-reset"},
                                         {"--idle-reset", "--attract"}, {"--attract"}};
    for (const Args& given : refusedLines) {
        Args line{"lembovari"};
        line.insert(line.end(), given.begin(), given.end());
        choice = takeStartupOptions(line, registeredKeys);
        EXPECT_EQ(choice.action, Action::Refuse) << given.back();
        EXPECT_NE(choice.error.find(given[0].substr(0, 12)), std::string::npos) << choice.error;
    }
}

TEST(StartupOptions, KioskOptionsAreTakenOutAndRemembered) {
    Args plain{"lembovari"};
    const StartupChoice unchanged = takeStartupOptions(plain, registeredKeys);
    EXPECT_FALSE(unchanged.fullscreen || unchanged.hideCursor || unchanged.overlayScale);
    EXPECT_EQ(unchanged.language, "it");
    Args args{"lembovari",     "--fullscreen",    "-geometry", "1x1",
              "--hide-cursor", "--overlay-scale", "0.5",       "--language=de"};
    const StartupChoice choice = takeStartupOptions(args, registeredKeys);
    EXPECT_TRUE(choice.fullscreen && choice.hideCursor);
    EXPECT_EQ(choice.overlayScale, 0.5);
    EXPECT_EQ(choice.language, "de");
    EXPECT_EQ(args, (Args{"lembovari", "-geometry", "1x1"}));
}

TEST(StartupOptions, BadScalesAndLanguagesAreRefusedNamingTheOption) {
    for (const std::string value :
         {"0", "-1", "nan", "inf", "8.01", "0.4", "2x", "", "=pt", "=IT"}) {
        const bool language = value[0] == '=';
        Args args{"lembovari", language ? "--language" + value : "--overlay-scale", value};
        const StartupChoice choice = takeStartupOptions(args, registeredKeys);
        EXPECT_EQ(choice.action, Action::Refuse) << value;
        EXPECT_NE(choice.error.find(language ? "--language" : "--overlay-scale"), std::string::npos)
            << choice.error;
    }
}

} // namespace

TEST(StartupOptions, KioskKeysVisitLogAndHelp) {
    Args args{"lembovari", "--no-quit-keys", "--idle-reset", "60", "--visit-log", "v.csv"};
    const StartupChoice choice = takeStartupOptions(args, registeredKeys);
    EXPECT_EQ(choice.action, Action::Run);
    EXPECT_FALSE(choice.quitKeys);
    EXPECT_EQ(choice.visitLog, "v.csv");
    Args plain{"lembovari"};
    const StartupChoice usual = takeStartupOptions(plain, registeredKeys);
    EXPECT_TRUE(usual.quitKeys);
    EXPECT_FALSE(usual.visitLog);

    for (const Args& given : std::vector<Args>{{"--visit-log", "v.csv"},
                                               {"--idle-reset", "9", "--visit-log"},
                                               {"--idle-reset", "9", "--visit-log="}}) {
        Args line{"lembovari"};
        line.insert(line.end(), given.begin(), given.end());
        const StartupChoice refused = takeStartupOptions(line, registeredKeys);
        EXPECT_EQ(refused.action, Action::Refuse);
        EXPECT_NE(refused.error.find("--visit-log"), std::string::npos) << refused.error;
        EXPECT_NE(refused.error.find("--help"), std::string::npos) << refused.error;
    }
    Args help{"lembovari", "--scenes", "Nope", "--help"};
    EXPECT_EQ(takeStartupOptions(help, registeredKeys).action, Action::Help);
}

std::string withoutRoffDashes(const std::string& path) {
    std::ifstream file(path);
    std::stringstream text;
    text << file.rdbuf();
    std::string plain = text.str();
    for (auto at = plain.find("\\-"); at != std::string::npos; at = plain.find("\\-", at))
        plain.erase(at, 1);
    return plain;
}

// Every option of the table is in --help with its value, and in the manual
// page and README, which are written by hand.
TEST(StartupOptions, EveryOptionOfTheTableIsInTheHelpTheManualPageAndReadme) {
    const std::string help = startupHelp();
    const std::string page =
        withoutRoffDashes(LEMBOVARI_SOURCE_DIR "/exhibit/install/lembovari.1.in");
    const std::string readme = withoutRoffDashes(LEMBOVARI_SOURCE_DIR "/README.md");
    StartupLine line;
    for (const CommandOption& option : startupOptions(line)) {
        const std::string shown = option.name + (option.value.empty() ? "" : " " + option.value);
        EXPECT_NE(help.find("\n  " + shown + " "), std::string::npos) << shown << "\n" << help;
        EXPECT_NE(page.find(option.name), std::string::npos) << option.name;
        EXPECT_NE(readme.find("`" + option.name), std::string::npos) << option.name;
    }
}

TEST(StartupOptions, MaxHoldTakesWholeSecondsAndNeedsIdleReset) {
    Args args{"lembovari", "--idle-reset", "60", "--max-hold=30", "--no-colour-editor"};
    const StartupChoice choice = takeStartupOptions(args, registeredKeys);
    EXPECT_EQ(choice.maxHoldSeconds, 30);
    EXPECT_FALSE(choice.colourEditor);
    for (const Args& given :
         std::vector<Args>{{"--max-hold", "30"}, {"--idle-reset", "9", "--max-hold", "0"}}) {
        Args line{"lembovari"};
        line.insert(line.end(), given.begin(), given.end());
        const StartupChoice refused = takeStartupOptions(line, registeredKeys);
        EXPECT_EQ(refused.action, Action::Refuse);
        EXPECT_NE(refused.error.find("--max-hold"), std::string::npos) << refused.error;
    }
}
