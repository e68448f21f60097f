#pragma once

#include <filesystem>
#include <map>

#include <QPointer>
#include <QString>
#include <QWidget>

class QAbstractButton;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

namespace undertext::ui {

// The module chooser: the modules of startFolder on the left, the chosen ones on
// the right. "Готово" writes the choice position by
// position into the main window's module list; "Готово" and "Отменить" give the
// focus to the main window's primary button unless it is disabled; the close box
// changes nothing. Not modal; show it through SingleWindow so that only one
// exists. The main list and the button are watched, so either may go first.
// "Готово" is disabled while the primary button is (a run is under way); Escape
// is "Отменить". Below the lists (ModuleCount) the module highlighted on the left
// is counted: its words, and how many of them can never match (see
// canNeverMatch).
class ModuleChooser final : public QWidget {
    Q_OBJECT

  public:
    ModuleChooser(const std::filesystem::path& startFolder, QListWidget* mainList,
                  QAbstractButton* primaryButton, QWidget* parent = nullptr);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void addHighlighted();
    void addAll();
    void removeHighlighted();
    void confirm();
    void cancel();
    void addModule(const QString& name);
    void removeEntry(QListWidgetItem* item);
    void showCount(const QListWidgetItem* item);

    std::filesystem::path startFolder_;
    std::map<QString, QString> counts_;  // what was counted, by module name
    QListWidget* available_;
    QListWidget* chosen_;
    QPushButton* done_;
    QLabel* count_;
    QPointer<QListWidget> mainList_;
    QPointer<QAbstractButton> primaryButton_;
};

}  // namespace undertext::ui
