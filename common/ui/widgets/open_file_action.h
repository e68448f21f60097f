#pragma once

#include <filesystem>
#include <optional>

#include <QString>

#include "common/core/text/text_encoding.h"

class QAbstractButton;
class QLineEdit;
class QWidget;

namespace undertext::ui {

class Dialogs;
class EncodingChooser;
class LanguageOptions;
class ProgressDisplay;
class ResultFileList;

// The result-list patterns of the two programs that open a source text.
inline constexpr const char* kEmbedReportPattern = "_emb*.*";
inline constexpr const char* kEchoscanReportPattern = "_Rec*.*";

// The controls of a main window that the open-file action fills in; only the
// primary button may be null.
struct OpenFileTargets {
    QLineEdit* sourceBox;            // the file name without its folder
    ResultFileList* results;         // the reports of that name
    LanguageOptions* language;       // follows the letters of the file
    QAbstractButton* primaryButton;  // the start button: gets the focus unless disabled
    EncodingChooser* encoding;       // shows the encoding found in the file
    ProgressDisplay* progress;       // shows that nothing ran yet for a new choice
};

// The open-file action of Embed and Echoscan ("Открыть файл" and a double-click
// on the source box). It starts the open dialog in the folder remembered in
// "LastPath.txt" in startFolder (else in SourceFolder) and, on a confirmed choice,
// shows the file name and that nothing ran yet for it, makes its folder SourceFolder, points the
// result list at it with the name + reportPattern, remembers the folder, decodes the file to show
// its encoding and selects the language by counting its decoded letters. A cancelled dialog changes
// nothing. Forcing an encoding decodes the chosen file again to show the encoding in force and the
// bytes it replaces. GUI thread only; dialogs and the target controls must outlive the action.
class OpenFileAction {
  public:
    OpenFileAction(Dialogs& dialogs, std::filesystem::path startFolder, QString reportPattern,
                   OpenFileTargets targets, QWidget* owner);

    void run();

    // A path typed into the source box that names an existing file, absolute or
    // relative to SourceFolder (StartFolder before any choice), is taken as if
    // chosen in the dialog. The name the box already shows for the last choice,
    // and a name that leads nowhere, are left to the search as they stand.
    void takeTypedPath();

    // A file named from outside the window (the command line): taken as if chosen
    // in the dialog when it is a file; otherwise the reason it cannot be read is
    // told and nothing changes.
    void openGiven(const std::filesystem::path& file);

    // SourceFolder: the folder of the last confirmed choice, empty before one.
    const std::filesystem::path& sourceFolder() const { return sourceFolder_; }

  private:
    std::filesystem::path startingFolder() const;
    void take(const std::filesystem::path& chosen);
    void readChosenText(const std::filesystem::path& file);
    void showForcedEncoding();
    // The file decoded as the job will decode it; nullopt (after telling the
    // user) when it cannot be read.
    std::optional<DecodedText> decodeChosen(const std::filesystem::path& file);

    Dialogs& dialogs_;
    std::filesystem::path startFolder_;
    QString reportPattern_;
    OpenFileTargets targets_;
    QWidget* owner_;
    std::filesystem::path sourceFolder_;
    QString chosenName_;  // the name shown for the last choice
};

}  // namespace undertext::ui
