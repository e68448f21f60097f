#include "cli/module_folder.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "testing/support/temp_folder.h"

namespace undertext::cli {
namespace {

TEST(ModuleFolder, LooksInTheCurrentThenTheUsersThenTheInstalledFolder) {
    const std::filesystem::path installed = "/opt/share/undertext/dictionaries";
    struct Case {
        const char* xdgDataHome;
        const char* home;
        std::optional<std::filesystem::path> user;
    };
    const Case cases[] = {
        {"/data", "/home/u", "/data/undertext"},
        {nullptr, "/home/u", "/home/u/.local/share/undertext"},
        // An empty or relative XDG_DATA_HOME is ignored.
        {"", "/home/u", "/home/u/.local/share/undertext"},
        {"data", "/home/u", "/home/u/.local/share/undertext"},
        {nullptr, nullptr, std::nullopt},
        {nullptr, "", std::nullopt},
    };
    for (const auto& c : cases) {
        std::vector<std::filesystem::path> expected{"."};
        if (c.user) {
            expected.push_back(*c.user);
        }
        expected.push_back(installed);
        EXPECT_EQ(moduleFolderCandidates(c.xdgDataHome, c.home, installed), expected)
            << (c.xdgDataHome ? c.xdgDataHome : "unset") << " " << (c.home ? c.home : "unset");
    }
}

TEST(ModuleFolder, TakesTheFirstFolderHoldingAModule) {
    testing::TempFolder root;
    for (const auto* name : {"empty", "linked", "lower", "upper"}) {
        std::filesystem::create_directory(root / name);
    }
    // A dangling link is no module; a lower-case name is one.
    std::filesystem::create_symlink(root / "gone.dic", root / "linked/COMMON.DIC");
    root.write("lower/common_e.dic", "cat\r\n");
    root.write("upper/COMMON.DIC", "a\r\n");
    const auto at = [&](std::vector<const char*> names) {
        std::vector<std::filesystem::path> folders;
        for (const auto* name : names) {
            folders.push_back(root / name);
        }
        return folders;
    };
    EXPECT_EQ(firstFolderWithModules(at({"empty", "linked", "lower", "upper"})), root / "lower");
    EXPECT_EQ(firstFolderWithModules(at({"upper", "lower"})), root / "upper");
    EXPECT_EQ(firstFolderWithModules(at({"missing", "empty", "linked"})), root / "missing");
}

}  // namespace
}  // namespace undertext::cli
