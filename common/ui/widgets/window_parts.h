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

// The buttons that run a job, made as every main window makes them: "Остановить"
// and "Выйти"; Embed's and Echoscan's "Открыть файл" (named as the window names
// it) and "Начать поиск".
QPushButton* makeOpenFileButton(QWidget* window, const char* objectName);
QPushButton* makeStartSearchButton(QWidget* window);
QPushButton* makeStopButton(QWidget* window);
QPushButton* makeExitButton(QWidget* window);

// A label with its object name and text, owned by parent.
QLabel* makeLabel(QWidget* parent, const char* objectName, const QString& text);

// The size of a window's heading: its label's own font scaled by a factor, or a
// fixed size in points.
struct HeadingSize {
    static HeadingSize scaled(double factor) { return {factor, 0}; }
    static HeadingSize inPoints(int pointSize) { return {1.0, pointSize}; }

    double factor;
    int pointSize;  // 0: the font is scaled
};

// A window's heading: a bold label of the size given that wraps its words. A font
// given in pixels has no point size to scale and keeps its size.
QLabel* makeHeading(QWidget* parent, const char* objectName, const QString& text, HeadingSize size);

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

// A text box that reports a double-click (the source-file box).
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
