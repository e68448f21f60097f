#include "create/ui/create_window_controls.h"

#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "common/ui/widgets/window_parts.h"
#include "create/ui/create_object_names.h"
#include "create/ui/phrase_box.h"

namespace undertext::create {
namespace {

// The version label inside its drawn rectangle.
QFrame* framed(QWidget& window, QWidget* inside) {
    auto* frame = new QFrame(&window);
    frame->setFrameShape(QFrame::Box);
    auto* layout = new QHBoxLayout(frame);
    layout->setContentsMargins(6, 2, 6, 2);
    layout->addWidget(inside);
    return frame;
}

}  // namespace

CreateWindowControls::CreateWindowControls(QWidget& window)
    : version(new ui::ClickableLabel(ui::versionText(), &window)),
      phrase(new PhraseBox(&window)),
      result(new QLineEdit(&window)),
      languages(new ui::LanguageOptions(&window)),
      progress(&window),
      modules(new QListWidget(&window)),
      addModules(ui::makeButton(&window, QString::fromLatin1(names::kAddModulesButton),
                                QCoreApplication::translate("CreateWindow", "Добавить модули"),
                                ui::ButtonIcon::AddModules)),
      save(ui::makeButton(&window, QString::fromLatin1(names::kSaveButton),
                          QCoreApplication::translate("CreateWindow", "Сохранить результаты"),
                          ui::ButtonIcon::Save)),
      previous(ui::makeButton(&window, QString::fromLatin1(names::kPreviousButton),
                              QCoreApplication::translate("CreateWindow", "Предыдущий вариант"),
                              ui::ButtonIcon::Previous)),
      next(ui::makeButton(&window, QString::fromLatin1(names::kNextButton),
                          QCoreApplication::translate("CreateWindow", "Следующий   вариант"),
                          ui::ButtonIcon::Next)),
      stop(ui::makeStopButton(&window)),
      exit(ui::makeExitButton(&window)) {
    auto* title =
        ui::makeHeading(&window, names::kHeading,
                        QCoreApplication::translate(
                            "CreateWindow", "Программа синтеза подсознательного компонента текста"),
                        ui::HeadingSize::scaled(1.4));
    version->setObjectName(QString::fromLatin1(names::kVersion));
    phrase->setObjectName(QString::fromLatin1(names::kPhraseBox));
    result->setObjectName(QString::fromLatin1(names::kResultLine));
    modules->setObjectName(QString::fromLatin1(names::kModuleList));
    modules->setSelectionMode(QAbstractItemView::NoSelection);

    auto* top = new QHBoxLayout;
    top->addWidget(title, 1);
    top->addWidget(framed(window, version));

    auto* languageRow = new QGridLayout;
    languageRow->addWidget(
        ui::makeLabel(&window, names::kLanguageCaption,
                      QCoreApplication::translate("CreateWindow", "Язык текста:")),
        0, 0);
    languageRow->addWidget(languages->russianButton(), 0, 1);
    languageRow->addWidget(languages->englishButton(), 0, 2);
    languageRow->addWidget(progress.bar(), 0, 3);
    // The label keeps a steady width, its text at its right as at the row's.
    progress.label()->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    languageRow->addWidget(progress.label(), 1, 3, Qt::AlignRight);
    languageRow->setColumnStretch(3, 1);
    languageRow->setHorizontalSpacing(16);

    // Two rows of three, so that the window fits a small screen.
    auto* buttons = new QGridLayout;
    int place = 0;
    for (auto* button : {addModules, save, previous, next, stop, exit}) {
        buttons->addWidget(button, place / 3, place % 3);
        ++place;
    }

    auto* layout = new QVBoxLayout(&window);
    layout->addLayout(top);
    layout->addWidget(
        ui::makeLabel(&window, names::kPhraseCaption,
                      QCoreApplication::translate("CreateWindow", "Исходный текст:")));
    layout->addWidget(phrase);
    layout->addWidget(ui::makeLabel(&window, names::kResultCaption,
                                    QCoreApplication::translate("CreateWindow", "Результат:")));
    layout->addWidget(result);
    layout->addLayout(languageRow);
    layout->addWidget(
        ui::makeLabel(&window, names::kModulesCaption,
                      QCoreApplication::translate("CreateWindow", "Модули словаря:")));
    layout->addWidget(modules, 1);
    layout->addLayout(buttons);

    // The phrase first, then the next-variant button.
    ui::chainTabOrder({phrase, next, previous, save, addModules, stop, exit, result,
                       languages->russianButton(), languages->englishButton(), modules});
}

}  // namespace undertext::create
