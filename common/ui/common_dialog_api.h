#pragma once

#include <functional>

#include <QString>

class QWidget;

namespace undertext::ui {

class Dialogs;

// The name a cancelled dialog leaves behind.
inline constexpr const char* kNoFileName = "none";

// Filters in the form the programs pass them: description, NUL, pattern, NUL.
QString allFilesFilter();   // "All Files (*.*)" NUL "*.*" NUL
QString textFilesFilter();  // "Text Files (*.txt)" NUL "*.txt" NUL

// The same filter as a Qt name filter ("*.*" stands for every file: "*").
QString qtNameFilter(const QString& fileFilter);

// The file-dialog wrapper of the three programs. Each action makes its own
// object, uses it once and drops it. GUI thread only; dialogs must outlive it.
class CommonDialogAPI {
  public:
    explicit CommonDialogAPI(Dialogs& dialogs);

    // The chosen full file name after a confirmed open dialog; "none" after a
    // cancelled dialog of either kind; empty before any dialog.
    const QString& GetName() const { return mFileName; }
    void SetName(const QString& FName) { mFileName = FName; }
    // True after a confirmed dialog, false after a cancelled one and at first.
    bool GetStatus() const { return status_; }
    void SetStatus(bool FStatus) { status_ = FStatus; }

    // The open dialog ("Open File") of Embed and Echoscan, starting in InitDir
    // (empty lets the dialog choose). It always offers all files: FileFilter, the
    // caller's variable too, becomes the all-files filter.
    void SaveFileDialog(QWidget* FormName, const QString& InitDir, QString& FileFilter);

    // The save dialog ("Save File") of Create: proposes proposedName without its
    // leading and trailing blanks, adds ".txt" to a name without extension, and
    // on confirmation calls SaveRez with the chosen full name (GetName stays).
    void OpenFileDialog(QWidget* FormName, const QString& InitDir, const QString& FileFilter,
                        const QString& proposedName,
                        const std::function<void(const QString&)>& SaveRez);

  private:
    Dialogs& dialogs_;
    QString mFileName;
    bool status_ = false;
};

}  // namespace undertext::ui
