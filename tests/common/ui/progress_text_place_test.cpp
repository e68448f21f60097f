#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include <QLabel>
#include <QLayout>
#include <QProgressBar>
#include <QStyle>

#include "common/ui/widgets/object_names.h"
#include "create/ui/create_window.h"
#include "echoscan/ui/echoscan_window.h"
#include "embed/ui/embed_window.h"
#include "testing/support/qt_application.h"
#include "testing/support/temp_folder.h"
#include "testing/ui/scripted_dialogs.h"

namespace undertext::ui {
namespace {

enum class Place { CentredUnderTheBar, AtTheBarsRight };

// The progress text of each main window sits where its layout puts it, under
// the bar, whatever the width its label keeps.
TEST(ProgressTextPlace, EachWindowShowsTheProgressTextInItsPlace) {
    testing::TempFolder start;
    ScriptedDialogs dialogs;
    struct Case {
        std::function<std::unique_ptr<QWidget>()> make;
        Place place;
    };
    const Case cases[] = {
        {[&] { return std::make_unique<embed::EmbedWindow>(start.path(), dialogs); },
         Place::CentredUnderTheBar},
        {[&] { return std::make_unique<echoscan::EchoscanWindow>(start.path(), dialogs); },
         Place::CentredUnderTheBar},
        {[&] { return std::make_unique<create::CreateWindow>(start.path(), dialogs); },
         Place::AtTheBarsRight},
    };
    for (const auto& [make, place] : cases) {
        const auto window = make();
        window->show();
        window->layout()->activate();
        const auto* bar =
            window->findChild<QProgressBar*>(QString::fromLatin1(names::kProgressBar));
        const auto* label = window->findChild<QLabel*>(QString::fromLatin1(names::kProgressLabel));
        const QSize textSize(label->fontMetrics().horizontalAdvance(label->text()),
                             label->fontMetrics().height());
        const QRect text = QStyle::alignedRect(label->layoutDirection(), label->alignment(),
                                               textSize, label->contentsRect())
                               .translated(label->mapTo(window.get(), QPoint()));
        const QRect barArea(bar->mapTo(window.get(), QPoint()), bar->size());
        const char* name = window->metaObject()->className();
        if (place == Place::CentredUnderTheBar) {
            EXPECT_LE(std::abs(text.center().x() - barArea.center().x()), 1) << name;
        } else {
            EXPECT_LE(std::abs(text.right() - barArea.right()), 1) << name;
        }
    }
}

}  // namespace
}  // namespace undertext::ui
