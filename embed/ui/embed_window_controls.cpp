#include "embed/ui/embed_window_controls.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "common/ui/widgets/about_window.h"
#include "common/ui/widgets/encoding_chooser.h"
#include "common/ui/widgets/language_options.h"
#include "common/ui/widgets/result_file_list.h"
#include "common/ui/widgets/window_parts.h"
#include "embed/ui/embed_object_names.h"

namespace undertext::embed {

EmbedWindowControls::EmbedWindowControls(QWidget& window)
    : version(new ui::ClickableLabel(ui::versionText(), &window)),
      source(new ui::DoubleClickLineEdit(&window)),
      encoding(new ui::EncodingChooser(&window)),
      modules(new QListWidget(&window)),
      results(new ui::ResultFileList(&window)),
      languages(new ui::LanguageOptions(&window)),
      significance(new QCheckBox(QCoreApplication::translate("EmbedWindow", "Оценить случайность"),
                                 &window)),
      progress(&window),
      addModules(ui::makeButton(&window, QString::fromLatin1(names::kAddModulesButton),
                                QCoreApplication::translate("EmbedWindow", "Добавить модули"),
                                ui::ButtonIcon::AddModules)),
      openFile(ui::makeOpenFileButton(&window, names::kOpenFileButton)),
      start(ui::makeStartSearchButton(&window)),
      stop(ui::makeStopButton(&window)),
      exit(ui::makeExitButton(&window)) {
    version->setObjectName(QString::fromLatin1(names::kVersion));
    source->setObjectName(QString::fromLatin1(names::kSourceBox));
    modules->setObjectName(QString::fromLatin1(names::kModuleList));
    significance->setObjectName(QString::fromLatin1(names::kSignificanceCheck));
    auto* heading = ui::makeHeading(
        &window, names::kHeading, QCoreApplication::translate("AboutWindow", ui::kEmbedDescription),
        ui::HeadingSize::scaled(1.2));
    auto* sourceCaption = ui::makeLabel(
        &window, names::kSourceCaption,
        QCoreApplication::translate("EmbedWindow", "Исходный текстовый файл (Click)"));
    auto* modulesCaption =
        ui::makeLabel(&window, names::kModulesCaption,
                      QCoreApplication::translate("EmbedWindow", "Модули словаря (Click)"));
    auto* resultsCaption =
        ui::makeLabel(&window, names::kResultsCaption,
                      QCoreApplication::translate("EmbedWindow", "Файлы результатов:"));
    auto* languageCaption =
        ui::makeLabel(&window, names::kLanguageCaption,
                      QCoreApplication::translate("EmbedWindow", "Язык текста:"));
    progress.label()->setAlignment(Qt::AlignCenter);

    auto* headingRow = new QHBoxLayout;
    headingRow->addWidget(heading, 1);
    headingRow->addWidget(version);

    auto* sourceColumn = new QVBoxLayout;
    sourceColumn->addWidget(sourceCaption);
    sourceColumn->addWidget(source);
    sourceColumn->addWidget(encoding);
    sourceColumn->addSpacing(6);
    sourceColumn->addWidget(modulesCaption);
    sourceColumn->addWidget(modules, 1);

    auto* resultsColumn = new QVBoxLayout;
    resultsColumn->addWidget(resultsCaption);
    resultsColumn->addWidget(results, 1);

    auto* options = new QVBoxLayout;
    options->addWidget(languages->russianButton());
    options->addWidget(languages->englishButton());
    auto* languageRow = new QHBoxLayout;
    languageRow->addWidget(languageCaption);
    languageRow->addLayout(options);
    languageRow->addStretch(1);
    auto* optionsColumn = new QVBoxLayout;
    optionsColumn->addLayout(languageRow);
    optionsColumn->addWidget(significance);

    auto* progressColumn = new QVBoxLayout;
    progressColumn->addWidget(progress.bar());
    progressColumn->addWidget(progress.label());

    auto* leftButtons = new QHBoxLayout;
    leftButtons->addWidget(addModules);
    leftButtons->addWidget(openFile);
    leftButtons->addStretch(1);
    auto* rightButtons = new QHBoxLayout;
    rightButtons->addWidget(start);
    rightButtons->addWidget(stop);
    rightButtons->addWidget(exit);

    // Two areas side by side, split by a vertical line; three more divide the rows.
    auto* layout = new QGridLayout(&window);
    layout->addLayout(headingRow, 0, 0, 1, 3);
    layout->addWidget(ui::makeLine(&window, names::kHeadingLine, QFrame::HLine), 1, 0, 1, 3);
    layout->addLayout(sourceColumn, 2, 0);
    layout->addWidget(ui::makeLine(&window, names::kAreasLine, QFrame::VLine), 2, 1);
    layout->addLayout(resultsColumn, 2, 2);
    layout->addWidget(ui::makeLine(&window, names::kOptionsLine, QFrame::HLine), 3, 0, 1, 3);
    layout->addLayout(optionsColumn, 4, 0);
    layout->addLayout(progressColumn, 4, 2);
    layout->addWidget(ui::makeLine(&window, names::kButtonsLine, QFrame::HLine), 5, 0, 1, 3);
    layout->addLayout(leftButtons, 6, 0);
    layout->addLayout(rightButtons, 6, 2);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(2, 1);
    layout->setRowStretch(2, 1);
}

}  // namespace undertext::embed
