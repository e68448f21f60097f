#include "common/ui/widgets/module_chooser.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

#include "common/core/dictionary/dictionary.h"
#include "common/core/dictionary/dictionary_modules.h"
#include "common/core/dictionary/unmatchable_words.h"
#include "common/ui/app/shown_message.h"
#include "common/ui/widgets/object_names.h"
#include "common/ui/widgets/window_parts.h"

namespace undertext::ui {
namespace {

QPushButton* makeArrowButton(QWidget* parent, const char* objectName, const QString& caption) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setAutoDefault(true);
    QFont bold = button->font();
    bold.setBold(true);
    button->setFont(bold);
    return button;
}

// The entry highlighted by the user, or null.
QListWidgetItem* highlighted(const QListWidget& list) {
    const auto selected = list.selectedItems();
    return selected.isEmpty() ? nullptr : selected.constFirst();
}

}  // namespace

ModuleChooser::ModuleChooser(const std::filesystem::path& startFolder, QListWidget* mainList,
                             QAbstractButton* primaryButton, QWidget* parent)
    : QWidget(parent, Qt::Window),
      startFolder_(startFolder),
      available_(new QListWidget(this)),
      chosen_(new QListWidget(this)),
      mainList_(mainList),
      primaryButton_(primaryButton) {
    setObjectName(QString::fromLatin1(chooser_names::kWindow));
    setWindowTitle(QCoreApplication::translate("ModuleChooser", "Выберите модули словаря"));

    auto* heading =
        makeLabel(this, chooser_names::kHeading,
                  QCoreApplication::translate("ModuleChooser", "Выберите модули словаря"));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    auto* availableCaption =
        makeLabel(this, chooser_names::kAvailableCaption,
                  QCoreApplication::translate("ModuleChooser", "Доступные модули:"));
    auto* chosenCaption =
        makeLabel(this, chooser_names::kChosenCaption,
                  QCoreApplication::translate("ModuleChooser", "Выбраные модули:"));
    available_->setObjectName(QString::fromLatin1(chooser_names::kAvailableList));
    chosen_->setObjectName(QString::fromLatin1(chooser_names::kChosenList));
    auto* add = makeArrowButton(this, chooser_names::kAddButton, QStringLiteral(">"));
    auto* addAllButton = makeArrowButton(this, chooser_names::kAddAllButton, QStringLiteral(">>"));
    auto* remove = makeArrowButton(this, chooser_names::kRemoveButton, QStringLiteral("<"));
    auto* removeAll = makeArrowButton(this, chooser_names::kRemoveAllButton, QStringLiteral("<<"));
    done_ = new QPushButton(QCoreApplication::translate("ModuleChooser", "Готово"), this);
    done_->setObjectName(QString::fromLatin1(chooser_names::kDoneButton));
    done_->setAutoDefault(true);
    count_ = makeLabel(this, chooser_names::kModuleCount, QString());
    count_->setWordWrap(true);
    auto* cancelButton =
        new QPushButton(QCoreApplication::translate("ModuleChooser", "Отменить"), this);
    cancelButton->setObjectName(QString::fromLatin1(chooser_names::kCancelButton));
    cancelButton->setAutoDefault(true);

    auto* arrows = new QVBoxLayout;
    arrows->addStretch();
    for (auto* button : {add, addAllButton, remove, removeAll}) {
        arrows->addWidget(button);
    }
    arrows->addStretch();
    auto* grid = new QGridLayout(this);
    grid->addWidget(heading, 0, 0, 1, 3, Qt::AlignHCenter);
    grid->addWidget(availableCaption, 1, 0);
    grid->addWidget(chosenCaption, 1, 2);
    grid->addWidget(available_, 2, 0, 3, 1);
    grid->addLayout(arrows, 2, 1);
    grid->addWidget(chosen_, 2, 2);
    grid->addWidget(done_, 3, 2);
    grid->addWidget(cancelButton, 4, 2);
    grid->addWidget(count_, 5, 0, 1, 3);

    for (const auto& name : availableModules(startFolder)) {
        available_->addItem(QString::fromStdString(name));
    }
    // The Russian default module starts the choice, whatever the main window holds.
    const auto russianDefault = lookUpDefaultModules(startFolder).russian;
    if (!russianDefault.empty()) {
        chosen_->addItem(QString::fromStdString(russianDefault));
    }

    connect(add, &QPushButton::clicked, this, &ModuleChooser::addHighlighted);
    connect(available_, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { addModule(item->text()); });
    connect(available_, &QListWidget::currentItemChanged, this,
            [this](const QListWidgetItem* item) { showCount(item); });
    connect(addAllButton, &QPushButton::clicked, this, &ModuleChooser::addAll);
    connect(remove, &QPushButton::clicked, this, &ModuleChooser::removeHighlighted);
    connect(chosen_, &QListWidget::itemDoubleClicked, this, &ModuleChooser::removeEntry);
    connect(removeAll, &QPushButton::clicked, chosen_, &QListWidget::clear);
    connect(done_, &QPushButton::clicked, this, &ModuleChooser::confirm);
    connect(cancelButton, &QPushButton::clicked, this, &ModuleChooser::cancel);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &ModuleChooser::cancel);

    // A run disables the primary button; the choice must not change the run's modules.
    if (primaryButton_ != nullptr) {
        done_->setEnabled(primaryButton_->isEnabled());
        primaryButton_->installEventFilter(this);
    }
    chainTabOrder({available_, add, addAllButton, remove, removeAll, chosen_, done_, cancelButton});
}

bool ModuleChooser::eventFilter(QObject* watched, QEvent* event) {
    // The type is checked first: while the button is destroyed its events still
    // come here, and the guarded pointer must not be read from a half-gone object.
    if (event->type() == QEvent::EnabledChange && watched == primaryButton_) {
        done_->setEnabled(primaryButton_->isEnabled());
    }
    return QWidget::eventFilter(watched, event);
}

void ModuleChooser::addModule(const QString& name) {
    // Equal only with the same letter case: «COMMON.DIC» and «Common.dic» differ.
    if (chosen_->findItems(name, Qt::MatchExactly | Qt::MatchCaseSensitive).isEmpty()) {
        chosen_->addItem(name);
    }
}

void ModuleChooser::showCount(const QListWidgetItem* item) {
    if (item == nullptr) {
        count_->clear();
        return;
    }
    const QString name = item->text();
    auto counted = counts_.find(name);
    if (counted == counts_.end()) {
        const auto words = loadDicWords(startFolder_, {name.toStdString()});
        QString text = shownMessage(words.error());
        if (words) {
            text = QCoreApplication::translate("ModuleChooser", "Слов в «%1»: %2.")
                       .arg(name)
                       .arg(words->size());
            if (const auto unmatchable = findUnmatchableWords(words.value()).count) {
                text += QCoreApplication::translate(
                            "ModuleChooser",
                            " Из них никогда не совпадут: %1 (в них заглавные буквы, "
                            "пробелы, ё или другие знаки).")
                            .arg(unmatchable);
            }
        }
        counted = counts_.emplace(name, text).first;
    }
    count_->setText(counted->second);
}

void ModuleChooser::addHighlighted() {
    if (auto* item = highlighted(*available_)) {
        addModule(item->text());
    }
}

void ModuleChooser::addAll() {
    chosen_->clear();
    for (int i = 0; i < available_->count(); ++i) {
        chosen_->addItem(available_->item(i)->text());
    }
}

void ModuleChooser::removeHighlighted() {
    if (auto* item = highlighted(*chosen_)) {
        removeEntry(item);
    }
}

void ModuleChooser::removeEntry(QListWidgetItem* item) {
    delete chosen_->takeItem(chosen_->row(item));
    // Nothing is highlighted afterwards, so that a second press removes nothing.
    chosen_->clearSelection();
    chosen_->setCurrentItem(nullptr);
}

void ModuleChooser::confirm() {
    if (!done_->isEnabled()) {
        return;
    }
    // Entry i of the main list becomes entry i of the choice; entries beyond the
    // choice's count stay as they were.
    if (!mainList_.isNull()) {
        for (int i = 0; i < chosen_->count(); ++i) {
            const QString name = chosen_->item(i)->text();
            if (i < mainList_->count()) {
                mainList_->item(i)->setText(name);
            } else {
                mainList_->addItem(name);
            }
        }
    }
    cancel();
}

void ModuleChooser::cancel() {
    QPointer<QAbstractButton> primary = primaryButton_;
    close();
    focusPrimaryButton(primary.data());
}

}  // namespace undertext::ui
