#include "corpus/core/text_collection.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <tuple>

#include "testing/support/temp_folder.h"

namespace undertext::corpus {
namespace {

namespace fs = std::filesystem;
using Issues = std::vector<CollectionIssue>;

std::vector<fs::path> pathsOf(const TextCollection& collection) {
    std::vector<fs::path> paths;
    for (const auto& text : collection.texts) {
        paths.push_back(text.path);
    }
    return paths;
}

Issues issuesOf(const TextCollection& collection) {
    Issues issues;
    for (const auto& note : collection.notes) {
        issues.push_back(note.issue);
    }
    return issues;
}

// root: a.TXT, b.txt and what the program writes beside them, a link to b.txt, the
// summary being written, an empty folder, and sub/ (c.txt, deeper/d.txt, a link
// back to root) reached first through the link link-to-sub.
class TextTree : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const char* name : {"a.TXT", "b.txt", "a.TXT_EmbSortByFriq.txt", "b.txt_RecPrep.txt",
                                 "b.txt_Emb.txt", "~$b.txt", "corpus.tsv", "notes.md",
                                 "summary.txt", "sub/c.txt", "sub/deeper/d.txt"}) {
            fs::create_directories((root / name).parent_path());
            folder.write(std::string("root/") + name, "text");
        }
        fs::create_directory(root / "empty");
        fs::create_directory_symlink(root, root / "sub/loop");
        fs::create_directory_symlink("sub", root / "link-to-sub");
        fs::create_symlink("b.txt", root / "same.txt");
    }

    testing::TempFolder folder;
    const fs::path root = folder / "root";
};

TEST_F(TextTree, FolderIsSearchedInSortedOrderOnceThroughLinksWithoutWrittenFiles) {
    const std::vector<fs::path> written = {root / "summary.txt", root / "summary.by-text.txt"};
    const auto collected = collectTexts({root.string()}, written);
    EXPECT_EQ(pathsOf(collected),
              (std::vector<fs::path>{root / "a.TXT", root / "b.txt", root / "link-to-sub/c.txt",
                                     root / "link-to-sub/deeper/d.txt"}));
    EXPECT_EQ(issuesOf(collected), (Issues{CollectionIssue::LinkLoop, CollectionIssue::Repeated,
                                           CollectionIssue::Repeated}));
    EXPECT_EQ(collected.notes[1].message, (root / "same.txt").string() + " is the same text as " +
                                              (root / "b.txt").string() + "; taken once");
    EXPECT_EQ(collected.texts[0].bytes, 4U);
    // Running again, now that the summary exists, gives the same texts.
    folder.write("root/summary.by-text.txt", "summary");
    EXPECT_EQ(pathsOf(collectTexts({root.string()}, written)), pathsOf(collected));
}

TEST_F(TextTree, PathsGivenByNameWithTheirProblems) {
    fs::create_symlink("self", root / "self");
    fs::create_symlink("nowhere.txt", root / "broken.txt");
    const auto collected = collectTexts(
        {(root / "b.txt").string(), (root / "notes.md").string(), (root / "missing.txt").string(),
         (root / "empty").string(), (root / "summary.txt").string(), (root / "self").string(),
         (root / "broken.txt").string(), (root / "sub/../b.txt").string()},
        {root / "summary.txt"});
    // A file given by name is taken whatever its name.
    EXPECT_EQ(pathsOf(collected), (std::vector<fs::path>{root / "b.txt", root / "notes.md"}));
    const std::tuple<CollectionIssue, std::string, bool> expected[] = {
        {CollectionIssue::Missing, "no file or folder " + (root / "missing.txt").string(), true},
        {CollectionIssue::NoTexts, "no texts (*.txt) in the folder " + (root / "empty").string(),
         true},
        {CollectionIssue::Written,
         (root / "summary.txt").string() + " is written by this run; not taken as a text", true},
        {CollectionIssue::Unreadable,
         "cannot look at " + (root / "self").string() + ": Too many levels of symbolic links",
         true},
        {CollectionIssue::Missing, (root / "broken.txt").string() + " is a link to nothing", true},
        {CollectionIssue::Repeated,
         (root / "sub/../b.txt").string() + " is the same text as " + (root / "b.txt").string() +
             "; taken once",
         false}};
    ASSERT_EQ(collected.notes.size(), std::size(expected));
    for (std::size_t i = 0; i < collected.notes.size(); ++i) {
        const auto& [issue, message, lost] = expected[i];
        EXPECT_EQ(collected.notes[i].issue, issue) << i;
        EXPECT_EQ(collected.notes[i].message, message);
        EXPECT_EQ(losesText(issue), lost) << message;
    }
}

TEST_F(TextTree, FileListEntriesAreCollectedLikeArguments) {
    const auto list =
        "b.txt\r\n\r\n   \n\t\nsub/deeper\r\nmissing.txt\n" + root.string() + "/a.TXT";
    const auto entries = fileListEntries(list);
    EXPECT_EQ(entries, (std::vector<std::string>{"b.txt", "sub/deeper", "missing.txt",
                                                 root.string() + "/a.TXT"}));
    const auto current = fs::current_path();
    fs::current_path(root);  // a list's relative paths are the current folder's
    const auto collected = collectTexts(entries);
    fs::current_path(current);
    EXPECT_EQ(pathsOf(collected),
              (std::vector<fs::path>{"b.txt", "sub/deeper/d.txt", root.string() + "/a.TXT"}));
    EXPECT_EQ(issuesOf(collected), (Issues{CollectionIssue::Missing}));
    EXPECT_EQ(collected.notes[0].message, "no file or folder missing.txt");
}

TEST(WrittenByProgram, ReportsLetterAndTemporaryFilesButNotTexts) {
    const std::pair<const char*, bool> cases[] = {{"t.txt_Emb.txt", true},
                                                  {"t.txt_EmbSortByFriq.txt", true},
                                                  {"t.txt_EmbSortByLen.txt", true},
                                                  {"t.txt_EmbSortByAlf.txt", true},
                                                  {"t.txt_RecPrep.txt", true},
                                                  {"t.txt_RecSortByLen.txt", true},
                                                  {"t.txt_RecSortByAlf.txt", true},
                                                  {"t.txt_RecSortByFriq.txt", true},
                                                  {"~$t.txt", true},
                                                  {".ut-Ab12Cd", true},
                                                  {"t.txt", false},
                                                  {"Emb.txt", false},
                                                  {"t_emb.txt", false},
                                                  {"my~$t.txt", false}};
    for (const auto& [name, written] : cases) {
        EXPECT_EQ(isWrittenByProgram(name), written) << name;
    }
}

}  // namespace
}  // namespace undertext::corpus
