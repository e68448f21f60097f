#include "echoscan/ui/echoscan_window_controls.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "common/ui/widgets/encoding_chooser.h"
#include "common/ui/widgets/language_options.h"
#include "common/ui/widgets/result_file_list.h"
#include "common/ui/widgets/window_parts.h"
#include "echoscan/ui/echoscan_object_names.h"

namespace undertext::echoscan {
namespace {

constexpr int kShortestListedLength = 1;
constexpr int kLongestMinLength = 39;
constexpr int kLongestMaxLength = 40;
// A length box shows this many digits in full.
constexpr int kLengthBoxDigits = 10;

// An editable length box whose list holds 1 to last and whose text is shown.
QComboBox* makeLengthBox(QWidget& window, const char* objectName, int last, int shown) {
    auto* box = new QComboBox(&window);
    box->setObjectName(QString::fromLatin1(objectName));
    box->setEditable(true);
    // A typed length is used as it stands and never joins the list.
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);
    box->setMinimumContentsLength(kLengthBoxDigits);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    for (int length = kShortestListedLength; length <= last; ++length) {
        box->addItem(QString::number(length));
    }
    box->setCurrentIndex(shown - kShortestListedLength);
    return box;
}

}  // namespace

EchoscanWindowControls::EchoscanWindowControls(QWidget& window)
    : version(new ui::ClickableLabel(ui::versionText(), &window)),
      minLength(makeLengthBox(window, names::kMinLengthBox, kLongestMinLength, 4)),
      maxLength(makeLengthBox(window, names::kMaxLengthBox, kLongestMaxLength, 40)),
      source(new ui::DoubleClickLineEdit(&window)),
      encoding(new ui::EncodingChooser(&window)),
      languages(new ui::LanguageOptions(&window)),
      results(new ui::ResultFileList(&window)),
      progress(&window),
      openFile(ui::makeOpenFileButton(&window, names::kOpenFileButton)),
      start(ui::makeStartSearchButton(&window)),
      stop(ui::makeStopButton(&window)),
      exit(ui::makeExitButton(&window)) {
    version->setObjectName(QString::fromLatin1(names::kVersion));
    source->setObjectName(QString::fromLatin1(names::kSourceBox));
    auto* heading = ui::makeHeading(&window, names::kHeading,
                                    QCoreApplication::translate("EchoscanWindow", kWindowTitle),
                                    ui::HeadingSize::inPoints(12));

    auto* lengths = new QHBoxLayout;
    lengths->addWidget(ui::makeLabel(&window, names::kFromLabel,
                                     QCoreApplication::translate("EchoscanWindow", "от")));
    lengths->addWidget(minLength);
    lengths->addSpacing(8);
    lengths->addWidget(ui::makeLabel(&window, names::kToLabel,
                                     QCoreApplication::translate("EchoscanWindow", "до")));
    lengths->addWidget(maxLength);
    lengths->addWidget(ui::makeLabel(&window, names::kUnitLabel,
                                     QCoreApplication::translate("EchoscanWindow", "знаков")));
    lengths->addStretch();

    auto* language = new QGridLayout;
    language->addWidget(
        ui::makeLabel(&window, names::kLanguageCaption,
                      QCoreApplication::translate("EchoscanWindow", "Язык текста:")),
        0, 0, 2, 1, Qt::AlignVCenter);
    language->addWidget(languages->russianButton(), 0, 1);
    language->addWidget(languages->englishButton(), 1, 1);
    language->setColumnStretch(2, 1);

    auto* openRow = new QHBoxLayout;
    openRow->addStretch();
    openRow->addWidget(openFile);
    openRow->addStretch();

    auto* left = new QVBoxLayout;
    left->addWidget(
        ui::makeLabel(&window, names::kLengthsCaption,
                      QCoreApplication::translate("EchoscanWindow", "Размеры фрагментов")));
    left->addLayout(lengths);
    left->addSpacing(12);
    left->addLayout(language);
    left->addSpacing(12);
    left->addWidget(ui::makeLabel(
        &window, names::kSourceCaption,
        QCoreApplication::translate("EchoscanWindow", "Исходный текстовый файл (click)")));
    left->addWidget(source);
    left->addWidget(encoding);
    left->addStretch();
    left->addWidget(ui::makeLine(&window, names::kOpenFileLine, QFrame::HLine));
    left->addLayout(openRow);

    // The label spans the column, its text centred in it.
    progress.label()->setAlignment(Qt::AlignCenter);

    // Two rows, so that the window fits a small screen.
    auto* runRow = new QGridLayout;
    runRow->addWidget(start, 0, 0);
    runRow->addWidget(stop, 0, 1);
    runRow->addWidget(exit, 1, 1);

    auto* right = new QVBoxLayout;
    right->addWidget(
        ui::makeLabel(&window, names::kResultsCaption,
                      QCoreApplication::translate("EchoscanWindow", "Файлы результатов:")));
    right->addWidget(results, 1);
    right->addSpacing(12);
    right->addWidget(progress.bar());
    right->addWidget(progress.label());
    right->addWidget(ui::makeLine(&window, names::kRunButtonsLine, QFrame::HLine));
    right->addLayout(runRow);

    auto* areas = new QHBoxLayout;
    areas->addLayout(left, 1);
    areas->addWidget(ui::makeLine(&window, names::kAreasLine, QFrame::VLine));
    areas->addLayout(right, 1);

    auto* headingRow = new QHBoxLayout;
    headingRow->addWidget(heading, 1);
    headingRow->addWidget(version, 0, Qt::AlignTop);

    auto* layout = new QVBoxLayout(&window);
    layout->addLayout(headingRow);
    layout->addWidget(ui::makeLine(&window, names::kHeadingLine, QFrame::HLine));
    layout->addLayout(areas, 1);
    results->setMinimumHeight(71);

    ui::chainTabOrder({minLength, maxLength, languages->russianButton(), languages->englishButton(),
                       source, openFile, results, start, stop, exit});
}

}  // namespace undertext::echoscan
