#include "viewer/core/export_names.h"

#include <gtest/gtest.h>

namespace undertext {
namespace {

TEST(ExportNames, AReportsExportDropsTheSourcesAndTheReportsExtensions) {
    const struct {
        const char* report;
        const char* suffix;
        const char* proposed;
    } cases[] = {
        {"rasskaz.txt_EmbSortByFriq.txt", "_EmbSortByFriq.txt", "rasskaz_EmbSortByFriq"},
        {"A.TXT_EMBSORTBYALF.TXT", "_EmbSortByAlf.txt", "A_EMBSORTBYALF"},
        {"рассказ.v2.txt_RecSortByLen.txt", "_RecSortByLen.txt", "рассказ.v2_RecSortByLen"},
        {"notes_RecSortByFriq.txt", "_RecSortByFriq.txt", "notes_RecSortByFriq"},
        {".hidden_Emb.txt", "_Emb.txt", ".hidden_Emb"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(reportExportStem(c.report, c.suffix), c.proposed) << c.report;
    }
}

TEST(ExportNames, AWordsExportIsNamedByTheWordAsAFileNameCanHoldIt) {
    const std::string longFragment(200, 'a');
    const std::string longCyrillic = [] {
        std::string text;
        for (int letter = 0; letter < 100; ++letter) {
            text += "ж";
        }
        return text;
    }();
    const struct {
        std::string text;
        std::string proposed;
    } cases[] = {
        {"кот", "кот"},
        {" на ", "на"},
        {"мама мыла", "мама мыла"},
        {"a/b\tc", "a_b_c"},
        {"   ", "rasskaz_RecSortByLen"},
        {longFragment, std::string(kMaxTextInName, 'a')},
        {longCyrillic, longCyrillic.substr(0, kMaxTextInName * 2)},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(textExportStem(c.text, "rasskaz_RecSortByLen"), c.proposed) << c.text;
    }
}

}  // namespace
}  // namespace undertext
