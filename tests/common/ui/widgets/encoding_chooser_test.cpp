#include "common/ui/widgets/encoding_chooser.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QVBoxLayout>

#include "testing/support/qt_application.h"
#include "testing/support/shown_whole.h"

namespace undertext::ui {
namespace {

TEST(EncodingChooser, TheLabelKeepsOneWidthForEveryEncodingAndCountsReplacedBytes) {
    QWidget window;
    auto* chooser = new EncodingChooser(&window);
    chooser->showDetected({}, 0);
    const int width = chooser->sizeHint().width();
    struct Shown {
        SourceEncoding encoding;
        std::size_t replaced;
        const char* label;
    };
    const Shown cases[] = {
        {{TextEncoding::Utf8, false}, 0, "Кодировка: UTF-8"},
        {{TextEncoding::Windows1251, false}, 0, "Кодировка: Windows-1251"},
        {{TextEncoding::Utf16Be, true}, 0, "Кодировка: UTF-16BE BOM"},
        {{TextEncoding::Utf8, false}, 1214, "Кодировка: UTF-8, заменено неверных байтов: 1214"},
    };
    for (const auto& [encoding, replaced, label] : cases) {
        chooser->showDetected(encoding, replaced);
        EXPECT_EQ(chooser->label()->text(), QString::fromUtf8(label));
        EXPECT_EQ(chooser->replacedBytes(), replaced);
        EXPECT_EQ(chooser->sizeHint().width(), width) << label;
    }
    // A forced encoding keeps the box as chosen; a detected one sets it back to «Авто».
    chooser->box()->setCurrentText(QStringLiteral("UTF-8"));
    chooser->showInForce({TextEncoding::Utf8, false}, 5);
    EXPECT_EQ(chooser->forced(), TextEncoding::Utf8);
    EXPECT_EQ(chooser->label()->text(),
              QStringLiteral("Кодировка: UTF-8, заменено неверных байтов: 5"));
    chooser->showDetected({}, 0);
    EXPECT_EQ(chooser->forced(), std::nullopt);
    EXPECT_EQ(replacedBytesText(0), QString());
}

// In a row as narrow as the window allows, every encoding's name shows whole on
// one line, and a count of replaced bytes shows whole too, on further lines.
TEST(EncodingChooser, EveryEncodingAndCountShowsWholeInTheNarrowestRow) {
    QWidget window;
    auto* chooser = new EncodingChooser(&window);
    (new QVBoxLayout(&window))->addWidget(chooser);
    struct Shown {
        SourceEncoding encoding;
        std::size_t replaced;
        bool oneLine;
    };
    const Shown cases[] = {
        {{TextEncoding::Windows1251, false}, 0, true}, {{TextEncoding::Iso8859_5, false}, 0, true},
        {{TextEncoding::Utf32Be, true}, 0, true},      {{TextEncoding::Utf16Le, true}, 0, true},
        {{TextEncoding::Koi8R, false}, 0, true},       {{TextEncoding::Utf8, false}, 1214, false},
    };
    for (const auto& [encoding, replaced, oneLine] : cases) {
        chooser->showDetected(encoding, replaced);
        QApplication::processEvents();  // the layouts learn the label's new height
        window.resize(window.minimumSizeHint().width(),
                      window.heightForWidth(window.minimumSizeHint().width()));
        window.show();
        window.layout()->activate();
        testing::expectShownWhole(*chooser->label(), oneLine);
    }
}

}  // namespace
}  // namespace undertext::ui
