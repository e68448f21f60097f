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

#include "common/ui/window_parts.h"
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
    : version(new ui::ClickableLabel(QString::fromUtf8(ui::kVersionText), &window)),
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

    auto* buttons = new QHBoxLayout;
    for (auto* button : {addModules, save, previous, next, stop, exit}) {
        // Enter presses the focused button, as Space does.
        button->setAutoDefault(true);
        buttons->addWidget(button);
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
    QWidget* order[] = {phrase,
                        next,
                        previous,
                        save,
                        addModules,
                        stop,
                        exit,
                        result,
                        languages->russianButton(),
                        languages->englishButton(),
                        modules};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) {
        QWidget::setTabOrder(order[i], order[i + 1]);
    }
}

}  // namespace undertext::create
