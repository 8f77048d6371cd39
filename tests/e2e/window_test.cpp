// The program as a whole: its one window, and the keys that end it.

#include "tests/e2e/exhibit_fixture.h"

#include <X11/keysym.h>

#include <ostream>
#include <string>

namespace e2e {
namespace {

using namespace std::chrono_literals;

TEST_F(ExhibitTest, WindowTitledLembovariIs800By600) {
    EXPECT_EQ(exhibit->windowWidth(), 800);
    EXPECT_EQ(exhibit->windowHeight(), 600);
}

TEST_F(ExhibitTest, KeysWithoutAMeaningLeaveItRunning) {
    EXPECT_TRUE(answered([&] {
        for (KeySym key : {XK_q, XK_Return, XK_space, XK_Tab, XK_F4, XK_F12, XK_Home, XK_Delete})
            exhibit->tapKey(key);
    })) << "no frame answered the keys";
    EXPECT_FALSE(exhibit->waitForExit(0ms)) << "a key without a meaning ended the program";
}

struct ExitKey {
    const char* name;
    KeySym key;
};

void PrintTo(const ExitKey& key, std::ostream* out) {
    *out << key.name;
}

class ExitKeyTest : public ExhibitTest, public ::testing::WithParamInterface<ExitKey> {};

TEST_P(ExitKeyTest, EndsTheProgramWithStatusZero) {
    exhibit->tapKey(GetParam().key);
    std::optional<int> status = exhibit->waitForExit(5s);
    ASSERT_TRUE(status) << "still running 5 s after the key";
    EXPECT_EQ(*status, 0);
}

INSTANTIATE_TEST_SUITE_P(Keys, ExitKeyTest,
                         ::testing::Values(ExitKey{"Escape", XK_Escape}, ExitKey{"F1", XK_F1},
                                           ExitKey{"F2", XK_F2}, ExitKey{"F3", XK_F3}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace e2e
