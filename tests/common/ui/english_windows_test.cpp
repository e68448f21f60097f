#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTabWidget>

#include "common/core/dictionary/dictionary_modules.h"
#include "common/core/files/file_io.h"
#include "common/ui/app/interface_language.h"
#include "common/ui/app/shown_message.h"
#include "testing/support/qt_application.h"
#include "testing/support/temp_folder.h"
#include "testing/ui/scripted_dialogs.h"
#include "tests/common/ui/every_window.h"

namespace undertext::ui {
namespace {

// The texts a person reads in widget and its children, each with where it is:
// titles, captions, button texts, placeholders, box items, tabs, column headings
// and tool tips. Typed or loaded data (line edit texts, list items) is left out.
QStringList shownTexts(const QWidget& window) {
    QStringList texts;
    const auto add = [&texts](const QObject& where, const QString& text) {
        if (!text.isEmpty()) {
            texts.append(where.objectName() + QStringLiteral(": ") + text);
        }
    };
    add(window, window.windowTitle());
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets.prepend(const_cast<QWidget*>(&window));
    for (const QWidget* widget : widgets) {
        add(*widget, widget->toolTip());
        if (const auto* label = qobject_cast<const QLabel*>(widget)) {
            add(*label, label->text());
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            add(*button, button->text());
        } else if (const auto* line = qobject_cast<const QLineEdit*>(widget)) {
            add(*line, line->placeholderText());
        } else if (const auto* box = qobject_cast<const QComboBox*>(widget);
                   box && !box->isEditable()) {
            for (int i = 0; i < box->count(); ++i) {
                add(*box, box->itemText(i));
            }
        } else if (const auto* tabs = qobject_cast<const QTabWidget*>(widget)) {
            for (int i = 0; i < tabs->count(); ++i) {
                add(*tabs, tabs->tabText(i));
            }
        } else if (const auto* view = qobject_cast<const QAbstractItemView*>(widget);
                   view && view->model()) {
            for (int i = 0; i < view->model()->columnCount(); ++i) {
                add(*view, view->model()->headerData(i, Qt::Horizontal).toString());
            }
        }
    }
    return texts;
}

class EnglishWindows : public ::testing::Test {
  protected:
    testing::TempFolder start;
    ScriptedDialogs dialogs;

    void SetUp() override { installInterfaceLanguage(*qApp, InterfaceLanguage::English); }
    void TearDown() override { installInterfaceLanguage(*qApp, InterfaceLanguage::Russian); }
};

TEST_F(EnglishWindows, ShowNoRussianWord) {
    const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    for (const auto& window : makeEveryWindow(start, dialogs)) {
        const QStringList texts = shownTexts(*window);
        EXPECT_FALSE(texts.isEmpty()) << window->metaObject()->className();
        for (const QString& text : texts) {
            EXPECT_FALSE(text.contains(cyrillic))
                << window->metaObject()->className() << " " << text.toStdString();
        }
    }
}

TEST_F(EnglishWindows, TheSameWindowsInRussianStillShowTheirRussianTexts) {
    installInterfaceLanguage(*qApp, InterfaceLanguage::Russian);
    const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    for (const auto& window : makeEveryWindow(start, dialogs)) {
        if (window->inherits("QFileDialog")) {
            continue;  // Qt's own texts
        }
        EXPECT_TRUE(shownTexts(*window).join(QLatin1Char('\n')).contains(cyrillic))
            << window->metaObject()->className();
    }
}

TEST_F(EnglishWindows, ShowTheCoresMessagesInEnglishAndInRussianAsTheyAre) {
    const QRegularExpression cyrillic(QStringLiteral("[\\x{0400}-\\x{04FF}]"));
    const std::string messages[] = {
        kChooseModulesMessage,
        noModuleFileMessage("MY.DIC"),  // a message within a message
        tooLargeMessage("/texts/a.txt"),
    };
    for (const auto& message : messages) {
        const QString shown = shownMessage(message);
        EXPECT_FALSE(shown.contains(cyrillic)) << shown.toStdString();
        EXPECT_FALSE(shown.isEmpty());
    }
    EXPECT_TRUE(shownMessage(messages[1]).contains(QStringLiteral("MY.DIC")));
    EXPECT_EQ(shownMessage("a system's own words"), QStringLiteral("a system's own words"));

    installInterfaceLanguage(*qApp, InterfaceLanguage::Russian);
    for (const auto& message : messages) {
        EXPECT_EQ(shownMessage(message).toStdString(), message);
    }
}

}  // namespace
}  // namespace undertext::ui
