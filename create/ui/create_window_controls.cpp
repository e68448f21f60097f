#include "create/ui/create_window_controls.h"

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
      addModules(ui::makeButton(&window, QStringLiteral("Command5"),
                                QStringLiteral("Добавить модули"), ui::ButtonIcon::AddModules)),
      save(ui::makeButton(&window, QStringLiteral("Command1"),
                          QStringLiteral("Сохранить результаты"), ui::ButtonIcon::Save)),
      previous(ui::makeButton(&window, QStringLiteral("Command6"),
                              QStringLiteral("Предыдущий вариант"), ui::ButtonIcon::Previous)),
      next(ui::makeButton(&window, QStringLiteral("Command4"),
                          QStringLiteral("Следующий   вариант"), ui::ButtonIcon::Next)),
      stop(ui::makeButton(&window, QStringLiteral("Command2"), QStringLiteral("Остановить"),
                          ui::ButtonIcon::Stop)),
      exit(ui::makeButton(&window, QStringLiteral("Command3"), QStringLiteral("Выйти"),
                          ui::ButtonIcon::Exit)) {
    auto* title = ui::makeLabel(
        &window, "Label1", QStringLiteral("Программа синтеза подсознательного компонента текста"));
    QFont titleFont = title->font();
    titleFont.setBold(true);
    // A font given in pixels has no point size to scale.
    if (titleFont.pointSizeF() > 0) {
        titleFont.setPointSizeF(titleFont.pointSizeF() * 1.4);
    }
    title->setFont(titleFont);
    title->setWordWrap(true);
    version->setObjectName(QStringLiteral("Label7"));
    phrase->setObjectName(QStringLiteral("Text2"));
    result->setObjectName(QStringLiteral("Text3"));
    modules->setObjectName(QStringLiteral("List1"));
    modules->setSelectionMode(QAbstractItemView::NoSelection);

    auto* top = new QHBoxLayout;
    top->addWidget(title, 1);
    top->addWidget(framed(window, version));

    auto* languageRow = new QGridLayout;
    languageRow->addWidget(ui::makeLabel(&window, "Label6", QStringLiteral("Язык текста:")), 0, 0);
    languageRow->addWidget(languages->russianButton(), 0, 1);
    languageRow->addWidget(languages->englishButton(), 0, 2);
    languageRow->addWidget(progress.bar(), 0, 3);
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
    layout->addWidget(ui::makeLabel(&window, "Label4", QStringLiteral("Исходный текст:")));
    layout->addWidget(phrase);
    layout->addWidget(ui::makeLabel(&window, "Label5", QStringLiteral("Результат:")));
    layout->addWidget(result);
    layout->addLayout(languageRow);
    layout->addWidget(ui::makeLabel(&window, "Label3", QStringLiteral("Модули словаря:")));
    layout->addWidget(modules, 1);
    layout->addLayout(buttons);

    // The phrase first, then the next-variant button.
    ui::chainTabOrder({phrase, next, previous, save, addModules, stop, exit, result,
                       languages->russianButton(), languages->englishButton(), modules});
}

}  // namespace undertext::create
