#pragma once

#include <optional>

#include <QString>

class QWidget;

namespace undertext::ui {

// What the open dialog is asked for: its title, the folder it starts in (empty
// lets the dialog choose) and a Qt name filter such as "All Files (*)".
struct OpenFileRequest {
    QString title;
    QString initialFolder;
    QString filter;
};

// What the save dialog is asked for; proposedName is the file name offered at
// start and defaultSuffix ("txt") is appended to a name typed without one. The
// filter may offer several file types separated by ";;".
struct SaveFileRequest {
    QString title;
    QString initialFolder;
    QString proposedName;
    QString filter;
    QString defaultSuffix;
};

// A confirmed save dialog: the full file name and the file type chosen (one of
// the request's filters).
struct SaveFileChoice {
    QString file;
    QString filter;
};

// Every message box, file dialog and the text viewer of a program go through this
// one service, which is passed into the windows (never reached as static state).
// GUI thread only. The service must outlive every window that holds it; parent
// may be null.
class Dialogs {
  public:
    virtual ~Dialogs() = default;

    // An information box: only an OK button, no icon, the program's title.
    virtual void inform(QWidget* parent, const QString& text) = 0;

    // A Yes/No question with the question icon, Yes as the default button and a
    // title of its own. True when Yes was pressed.
    virtual bool ask(QWidget* parent, const QString& title, const QString& text) = 0;

    // The chosen full file name, or nullopt when the dialog was cancelled.
    virtual std::optional<QString> chooseFileToOpen(QWidget* parent,
                                                    const OpenFileRequest& request) = 0;
    virtual std::optional<SaveFileChoice> chooseFileToSave(QWidget* parent,
                                                           const SaveFileRequest& request) = 0;

    // Starts the user's text viewer on the file without waiting for it; a viewer
    // that cannot be started is reported in an information box.
    virtual void openInViewer(QWidget* parent, const QString& filePath) = 0;
};

// The text of the box that reports a viewer that could not be started.
QString viewerFailureText(const QString& filePath);

// Where the open and save dialogs start until the user has chosen a folder: the
// user's documents folder when there is one, else the home folder (never the
// folder of the modules, which the launcher makes current).
QString firstFolderToBrowse();

// The open dialog "Open File" of Embed and Echoscan: every file is offered, and it
// starts in folder (empty: firstFolderToBrowse()). The chosen full file name, or
// nullopt when the dialog was cancelled.
std::optional<QString> chooseTextToOpen(Dialogs& dialogs, QWidget* parent, const QString& folder);

// Where Create saves its results file, and whether as UTF-8 instead of Windows-1251.
struct ResultsFileChoice {
    QString file;
    bool utf8 = false;
};

// The save dialog "Save File" of Create: text files (Windows-1251) or «Текст
// UTF-8», starting in folder (empty: firstFolderToBrowse()), offering proposedName without its
// leading and trailing blanks; ".txt" is added to a name typed without an extension. nullopt when
// cancelled.
std::optional<ResultsFileChoice> chooseWhereToSave(Dialogs& dialogs, QWidget* parent,
                                                   const QString& folder,
                                                   const QString& proposedName);

}  // namespace undertext::ui
