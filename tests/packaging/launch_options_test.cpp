#include "common/ui/launch_options.h"

#include <gtest/gtest.h>

#include <sstream>

#include "common/ui/scripted_dialogs.h"
#include "tests/support/qt_application.h"
#include "tests/support/temp_folder.h"

namespace undertext::ui {
namespace {

TEST(LaunchOptions, ShowTheNoticeOrReportTheStartFolderAndEnd) {
    testing::TempFolder withModules;
    withModules.write("COMMON.DIC", "a\r\n");
    withModules.write("extra.dic", "b\r\n");
    testing::TempFolder empty;
    struct Case {
        QStringList arguments;
        const testing::TempFolder* folder;
        std::optional<int> status;
        QString box;      // the text of the information box shown, if any
        std::string out;  // after the folder line
        std::string err;
    };
    const auto notice = QStringLiteral("Папка недоступна");
    const Case cases[] = {
        {{QStringLiteral("Embed")}, &empty, std::nullopt, {}, {}, {}},
        {{QStringLiteral("Embed"), QStringLiteral("--notice"), notice},
         &empty,
         std::nullopt,
         notice,
         {},
         {}},
        // A --notice without its text is ignored.
        {{QStringLiteral("Embed"), QStringLiteral("--notice")}, &empty, std::nullopt, {}, {}, {}},
        {{QStringLiteral("Embed"), QStringLiteral("--check-start")},
         &withModules,
         0,
         {},
         "Modules: COMMON.DIC extra.dic\n",
         {}},
        {{QStringLiteral("Embed"), QStringLiteral("--check-start"), QStringLiteral("--notice"),
          notice},
         &empty,
         1,
         {},
         "Modules:\n",
         notice.toStdString() + "\n"},
    };
    for (const auto& c : cases) {
        const auto label = c.arguments.join(QLatin1Char(' ')).toStdString();
        ScriptedDialogs dialogs;
        std::ostringstream out;
        std::ostringstream err;
        EXPECT_EQ(applyLaunchOptions(c.arguments, c.folder->path(), dialogs, out, err), c.status)
            << label;
        const auto boxes = dialogs.shownOfKind(ShownBox::Kind::Information);
        EXPECT_EQ(boxes.size(), c.box.isEmpty() ? 0U : 1U) << label;
        if (!boxes.empty()) {
            EXPECT_EQ(boxes.front().text, c.box) << label;
        }
        const std::string folderLine =
            c.status ? "Start folder: " + c.folder->path().string() + "\n" : std::string();
        EXPECT_EQ(out.str(), folderLine + c.out) << label;
        EXPECT_EQ(err.str(), c.err) << label;
    }
}

}  // namespace
}  // namespace undertext::ui
