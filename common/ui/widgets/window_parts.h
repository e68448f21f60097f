#pragma once

#include <initializer_list>

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QString>

class QAbstractButton;
class QPushButton;
class QWidget;

namespace undertext::ui {

// The small pictures of the main windows' buttons.
enum class ButtonIcon { AddModules, OpenFile, Start, Stop, Exit, Save, Previous, Next };

// The icon from the desktop's theme, or the style's built-in one when the theme
// has none.
QIcon buttonIcon(ButtonIcon icon);

// A push button with its object name, caption and picture, owned by parent;
// Enter presses it while it has the focus.
QPushButton* makeButton(QWidget* parent, const QString& objectName, const QString& caption,
                        ButtonIcon icon);

// A label with its object name and text, owned by parent.
QLabel* makeLabel(QWidget* parent, const char* objectName, const QString& text);

// A sunken dividing line (QFrame::HLine or QFrame::VLine) with its object name.
QFrame* makeLine(QWidget* parent, const char* objectName, QFrame::Shape shape);

// The text of the version label: "Версия " and the version.
QString versionText();

// A label that reports a click with the left button (the version label).
class ClickableLabel final : public QLabel {
    Q_OBJECT

  public:
    explicit ClickableLabel(const QString& text, QWidget* parent = nullptr);

  signals:
    void clicked();

  protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A text box that reports a double-click (the source-file box Text1).
class DoubleClickLineEdit final : public QLineEdit {
    Q_OBJECT

  public:
    explicit DoubleClickLineEdit(QWidget* parent = nullptr);

  signals:
    void doubleClicked();

  protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
};

// The Tab key visits the widgets in the order given.
void chainTabOrder(std::initializer_list<QWidget*> order);

// Gives the focus to the window's primary button unless it is disabled, in which
// case the focus stays where it is.
void focusPrimaryButton(QAbstractButton* button);

}  // namespace undertext::ui
