#include "cli/message_language.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>

#include "common/core/dictionary/dictionary_modules.h"
#include "common/core/text/codepage.h"
#include "tests/cli/tool_run.h"

namespace undertext::cli {
namespace {

using testing::runTool;
using testing::TempFolder;

constexpr auto Russian = MessageLanguage::Russian;
constexpr auto English = MessageLanguage::English;

TEST(MessageLanguage, FollowsTheEnvironmentAsTheWindowsDo) {
    using Environment = std::map<std::string, std::string>;
    const struct {
        Environment environment;
        MessageLanguage expected;
    } cases[] = {
        {{}, English},
        {{{"LANG", "ru_RU.UTF-8"}}, Russian},
        {{{"LANG", "C.UTF-8"}}, English},
        {{{"LANG", "de_DE.UTF-8"}}, English},
        {{{"LANG", "en_GB.UTF-8"}}, English},
        {{{"LANG", "ru_RU.UTF-8"}, {"LC_MESSAGES", "en_US.UTF-8"}}, English},
        {{{"LC_MESSAGES", "en_US.UTF-8"}, {"LC_ALL", "ru_RU.KOI8-R"}}, Russian},
        {{{"LC_ALL", ""}, {"LANG", "ru_RU"}}, Russian},
        {{{"LANGUAGE", "en"}, {"LC_ALL", "ru_RU.UTF-8"}}, English},
        {{{"LANGUAGE", "de:ru:en"}, {"LANG", "en_US.UTF-8"}}, Russian},
        {{{"LANGUAGE", "uk"}, {"LANG", "ru_RU.UTF-8"}}, English},
        {{{"LANGUAGE", ""}, {"LANG", "ru_UA@latin"}}, Russian},
        {{{"LANG", "rue_SK"}}, English},
    };
    for (const auto& [environment, expected] : cases) {
        std::string label;
        for (const auto& [name, value] : environment) {
            label += name + "=" + value + " ";
        }
        const auto variable = [&environment](const char* name) -> const char* {
            const auto found = environment.find(name);
            return found == environment.end() ? nullptr : found->second.c_str();
        };
        EXPECT_EQ(messageLanguage(variable), expected) << label;
    }
}

TEST(MessageLanguage, EnglishPutsOnlyTheCoresMessagesIntoEnglish) {
    const std::string own = "--lang takes ru or en";
    const std::string core = noModuleFileMessage("MY.DIC");
    EXPECT_EQ(inMessageLanguage(own, Russian), own);
    EXPECT_EQ(inMessageLanguage(core, Russian), core);
    EXPECT_EQ(inMessageLanguage(own, English), own);
    const std::string english = inMessageLanguage(core, English);
    EXPECT_NE(english, core);
    EXPECT_NE(english.find("MY.DIC"), std::string::npos);
    EXPECT_EQ(cp1251ToUtf8(utf8ToCp1251(english)), english);  // nothing outside Windows-1251
}

// The batch tool run with LANGUAGE set to language for the run.
testing::ToolRun runIn(const char* language, const TempFolder& folder,
                       const std::vector<std::string>& args) {
    const char* before = std::getenv("LANGUAGE");
    const std::string saved = before != nullptr ? before : "";
    ::setenv("LANGUAGE", language, 1);
    auto run = runTool(folder, args);
    before != nullptr ? ::setenv("LANGUAGE", saved.c_str(), 1) : ::unsetenv("LANGUAGE");
    return run;
}

bool hasCyrillic(const std::string& text) {
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 0xD0 && byte <= 0xD3;
    });
}

TEST(MessageLanguage, TheToolSaysTheSameInEitherLanguageWithTheSameStatus) {
    TempFolder folder;
    folder.write("dict/COMMON.DIC", utf8ToCp1251("кот\r\n"));
    folder.write("e.txt", "the cat sat");
    folder.write("a.txt", utf8ToCp1251("Пёс спал."));
    folder.write("both/COMMON_E.DIC", "cat\r\nat\r\n");
    folder.write("d/x", "");
    const std::vector<std::vector<std::string>> runs = {
        {"embed", "e.txt", "--dict-dir", "dict"},                // no English module
        {"embed", "a.txt", "--dict-dir", "dict"},                // nothing found
        {"embed", "missing.txt", "--dict-dir", "dict"},          // a file error
        {"echoscan", "a.txt", "--min", "5", "--max", "2"},       // a refusal
        {"embed", "a.txt", "--lang", "0"},                       // the tool's own message
        {"create", "cat", "--dict-dir", "both", "--save", "d"},  // a write error with a reason
        {"embed", "e.txt", "a.txt", "--dict-dir", "dict"}        // a text of a corpus that fails
    };
    for (const auto& args : runs) {
        const auto russian = runIn("ru", folder, args);
        const auto english = runIn("en", folder, args);
        const std::string label = args[0] + " " + args[1] + " " + args.back();
        EXPECT_EQ(english.status, russian.status) << label;
        EXPECT_EQ(english.out, russian.out) << label;
        EXPECT_FALSE(english.err.empty()) << label;
        EXPECT_FALSE(hasCyrillic(english.err)) << label << ": " << english.err;
        // The tool's own English words read the same in both.
        if (!hasCyrillic(russian.err)) {
            EXPECT_EQ(english.err, russian.err) << label;
        }
    }
}

}  // namespace
}  // namespace undertext::cli
