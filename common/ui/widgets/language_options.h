#pragma once

#include <optional>
#include <string>
#include <vector>

#include <QObject>

#include "common/core/dictionary/dictionary_modules.h"
#include "common/core/text/letters.h"

class QButtonGroup;
class QListWidget;
class QRadioButton;
class QWidget;

namespace undertext::ui {

// The language options "Русский" and "Английский": selecting one
// clears the other. Neither is selected until the window selects one at load.
// The buttons are children of the parent given, which owns them. GUI thread only.
class LanguageOptions final : public QObject {
    Q_OBJECT

  public:
    explicit LanguageOptions(QWidget* parent);

    QRadioButton* russianButton() const { return russian_; }
    QRadioButton* englishButton() const { return english_; }

    // The selected language; Russian while none is selected.
    Language language() const;
    std::optional<Language> selected() const { return selected_; }

    // Selects a language as the program does; selecting the one already selected
    // changes nothing.
    void select(Language language);

    // Both options at once; a run disables them so that its language stays put.
    void setEnabled(bool enabled);

  signals:
    // The selection changed, by the user or by select().
    void languageChanged(undertext::Language language);

  private:
    void onToggled();

    QRadioButton* russian_;
    QRadioButton* english_;
    QButtonGroup* group_;
    std::optional<Language> selected_;
};

// SelectedModules as the module list shows them, in list order.
std::vector<std::string> moduleListEntries(const QListWidget& list);

// The reset on a change of language: the list is emptied and the language's
// default module added when it exists.
void resetModuleList(QListWidget& list, Language language, const DefaultModules& defaults);

}  // namespace undertext::ui
