// The helper scripts run on a fresh machine: the source listing of the format
// check needs neither version control nor a checkout, only the basic tools.
#include "support/temp_tree.hpp"

#include <cstdlib>
#include <filesystem>
#include <sys/wait.h>

#include <gtest/gtest.h>

namespace orve::cli {
namespace {

namespace fs = std::filesystem;

TEST(Scripts, SourcesAreListedWithoutVersionControl) {
    const orve::test::TempTree tree; // a plain folder, no repository around it
    const fs::path root = tree.path("copy");
    fs::create_directories(root / "scripts");
    fs::copy_file(fs::path(ORVE_EXAMPLES_DIR) / "../scripts/list-sources.sh",
                  root / "scripts/list-sources.sh");
    for (const std::string file :
         {"src/core/a.cpp", "src/core/a.hpp", "src/notes.txt", "src/build/generated.cpp",
          "tests/build-asan/generated.cpp", "tests/cli/b_test.cpp", "fuzz/f.cpp", "bench/g.cpp"}) {
        tree.write("copy/" + file, "");
    }
    // Only the tools the script may use are on the PATH.
    const std::string command =
        "cd '" + root.string() +
        "' && mkdir tools && for tool in bash find sort dirname; do "
        "ln -s \"$(command -v $tool)\" tools/$tool || exit 1; done && "
        "PATH=\"$PWD/tools\" scripts/list-sources.sh | tr '\\0' '\\n' > listed.txt";
    const int status = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
    EXPECT_EQ(orve::test::read_file(root / "listed.txt"),
              "bench/g.cpp\nfuzz/f.cpp\nsrc/core/a.cpp\nsrc/core/a.hpp\ntests/cli/b_test.cpp\n");
}

} // namespace
} // namespace orve::cli
