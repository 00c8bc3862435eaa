// zenthar-sim's manual page and its --help name every option its command line takes.
#include "support/galaxy_builder.h"

#include "../../tools/sim/sim_options.h"

namespace zenthar::testing {
namespace {

TEST(SimulatorManual, TheManualPageAndTheHelpTextNameEveryOption) {
    const std::string page = ReadText(fs::path(ZENTHAR_SOURCE_DIR) / "packaging/zenthar-sim.6");
    const std::vector<std::string> options = sim::OptionNames();
    ASSERT_GE(options.size(), 15u);
    for (const std::string& option : options) {
        std::string roff;  // a manual page writes a minus as "\-"
        for (char c : option) roff += c == '-' ? std::string("\\-") : std::string(1, c);
        EXPECT_NE(page.find(roff), std::string::npos) << "the manual page lacks " << option;
        EXPECT_NE(sim::UsageText().find(option), std::string::npos) << "--help lacks " << option;
    }
}

}  // namespace
}  // namespace zenthar::testing
