#include "common/ui/widgets/language_options.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QListWidget>
#include <QRadioButton>

#include "common/ui/widgets/object_names.h"

namespace undertext::ui {

LanguageOptions::LanguageOptions(QWidget* parent)
    : QObject(parent),
      russian_(new QRadioButton(QCoreApplication::translate("LanguageOptions", "Русский"), parent)),
      english_(
          new QRadioButton(QCoreApplication::translate("LanguageOptions", "Английский"), parent)),
      group_(new QButtonGroup(this)) {
    russian_->setObjectName(QString::fromLatin1(names::kRussianOption));
    english_->setObjectName(QString::fromLatin1(names::kEnglishOption));
    group_->setExclusive(true);
    group_->addButton(russian_);
    group_->addButton(english_);
    connect(russian_, &QRadioButton::toggled, this, &LanguageOptions::onToggled);
    connect(english_, &QRadioButton::toggled, this, &LanguageOptions::onToggled);
}

Language LanguageOptions::language() const {
    return selected_.value_or(Language::Russian);
}

void LanguageOptions::select(Language language) {
    (language == Language::Russian ? russian_ : english_)->setChecked(true);
}

void LanguageOptions::onToggled() {
    // Toggling one button of the group fires for both; act once the new state holds.
    std::optional<Language> now;
    if (russian_->isChecked()) {
        now = Language::Russian;
    } else if (english_->isChecked()) {
        now = Language::English;
    }
    if (!now || now == selected_) {
        return;
    }
    selected_ = now;
    emit languageChanged(*now);
}

void LanguageOptions::setEnabled(bool enabled) {
    russian_->setEnabled(enabled);
    english_->setEnabled(enabled);
}

std::vector<std::string> moduleListEntries(const QListWidget& list) {
    std::vector<std::string> entries;
    entries.reserve(static_cast<std::size_t>(list.count()));
    for (int i = 0; i < list.count(); ++i) {
        entries.push_back(list.item(i)->text().toStdString());
    }
    return entries;
}

void resetModuleList(QListWidget& list, Language language, const DefaultModules& defaults) {
    list.clear();
    for (const auto& name : modulesForLanguage(language, defaults)) {
        list.addItem(QString::fromStdString(name));
    }
}

}  // namespace undertext::ui
