#include "common/ui/app/qt_dialogs.h"

#include <gtest/gtest.h>

#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include "testing/support/qt_application.h"
#include "testing/support/temp_folder.h"

namespace undertext::ui {
namespace {

// Once the real box is open, describes it as "title|text|icon|buttons|default"
// and presses the given button.
void answerNextBox(QString& seen, QMessageBox::StandardButton press) {
    QTimer::singleShot(0, [&seen, press] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        QStringList buttons;
        for (auto* button : box->buttons()) {
            buttons.append(QString::number(box->standardButton(button)));
        }
        buttons.sort();
        auto* byDefault = box->defaultButton();
        seen = QStringList{box->windowTitle(), box->text(), QString::number(box->icon()),
                           buttons.join(QLatin1Char(',')),
                           byDefault ? QString::number(box->standardButton(byDefault)) : QString()}
                   .join(QLatin1Char('|'));
        box->button(press)->click();
    });
}

TEST(QtDialogs, InformationHasOnlyOkNoIconAndTheProgramTitleQuestionsTheirOwnTitle) {
    QtDialogs dialogs(QStringLiteral("Embed"));
    QString seen;
    answerNextBox(seen, QMessageBox::Ok);
    dialogs.inform(nullptr, QStringLiteral("Выберите исходный файл"));
    EXPECT_EQ(seen.section(QLatin1Char('|'), 0, 3),
              QStringLiteral("Embed|Выберите исходный файл|%1|%2")
                  .arg(QMessageBox::NoIcon)
                  .arg(QMessageBox::Ok));

    answerNextBox(seen, QMessageBox::Yes);
    EXPECT_TRUE(dialogs.ask(nullptr, QStringLiteral("Выход?"), QStringLiteral("Текст")));
    EXPECT_EQ(seen, QStringLiteral("Выход?|Текст|%1|%2,%3|%2")
                        .arg(QMessageBox::Question)
                        .arg(QMessageBox::Yes)
                        .arg(QMessageBox::No));
    answerNextBox(seen, QMessageBox::No);
    EXPECT_FALSE(dialogs.ask(nullptr, QStringLiteral("Выход?"), QStringLiteral("Текст")));
}

TEST(QtDialogs, SavingOverAnExistingFileAsksFirstAndNoKeepsTheFile) {
    testing::TempFolder folder;
    folder.write("old.txt", "kept");
    QtDialogs dialogs(QStringLiteral("Create"));
    QString asked;
    QTimer::singleShot(0, [&asked] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        // The question opens inside accept(); No leaves the dialog open, then it is cancelled.
        QTimer::singleShot(0, [&asked, dialog] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                asked = box->text();
                box->button(QMessageBox::No)->click();
            }
            dialog->reject();
        });
        QMetaObject::invokeMethod(dialog, "accept", Qt::DirectConnection);
    });
    const auto chosen = dialogs.chooseFileToSave(
        nullptr,
        {QStringLiteral("Save File"), QString::fromStdString(folder.path().string()),
         QStringLiteral("old.txt"), QStringLiteral("Text files (*.txt)"), QStringLiteral("txt")});
    EXPECT_FALSE(chosen.has_value());
    EXPECT_TRUE(asked.contains(QStringLiteral("old.txt"))) << asked.toStdString();
    EXPECT_EQ(folder.read("old.txt"), "kept");
}

}  // namespace
}  // namespace undertext::ui
