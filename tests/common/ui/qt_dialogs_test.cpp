#include "common/ui/qt_dialogs.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "tests/support/qt_application.h"

namespace undertext::ui {
namespace {

struct SeenBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    QString defaultButton;
};

// Once the real box is open, records what it shows and presses the button with
// the given role.
void answerNextBox(SeenBox& seen, QMessageBox::StandardButton press) {
    QTimer::singleShot(0, [&seen, press] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        for (auto* button : box->buttons()) {
            seen.buttons.append(QString::number(box->standardButton(button)));
        }
        if (box->defaultButton() != nullptr) {
            seen.defaultButton = QString::number(box->standardButton(box->defaultButton()));
        }
        box->button(press)->click();
    });
}

TEST(QtDialogs, InformationBoxHasOnlyOkNoIconAndTheProgramTitle) {
    QtDialogs dialogs(QStringLiteral("Embed"));
    SeenBox seen;
    answerNextBox(seen, QMessageBox::Ok);
    dialogs.inform(nullptr, QStringLiteral("Выберите исходный файл"));
    EXPECT_EQ(seen.title, QStringLiteral("Embed"));
    EXPECT_EQ(seen.text, QStringLiteral("Выберите исходный файл"));
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
    EXPECT_EQ(seen.buttons, QStringList{QString::number(QMessageBox::Ok)});
}

TEST(QtDialogs, QuestionHasItsOwnTitleTheIconAndYesAsDefault) {
    QtDialogs dialogs(QStringLiteral("Embed"));
    SeenBox seen;
    answerNextBox(seen, QMessageBox::Yes);
    EXPECT_TRUE(dialogs.ask(nullptr, QStringLiteral("Выход?"), QStringLiteral("Текст")));
    EXPECT_EQ(seen.title, QStringLiteral("Выход?"));
    EXPECT_EQ(seen.icon, QMessageBox::Question);
    EXPECT_EQ(seen.buttons.size(), 2);
    EXPECT_EQ(seen.defaultButton, QString::number(QMessageBox::Yes));

    answerNextBox(seen, QMessageBox::No);
    EXPECT_FALSE(dialogs.ask(nullptr, QStringLiteral("Выход?"), QStringLiteral("Текст")));
}

}  // namespace
}  // namespace undertext::ui
