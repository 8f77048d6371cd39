#include "app/command_line.h"

#include <gtest/gtest.h>

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

} // namespace
