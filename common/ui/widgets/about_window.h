#pragma once

#include <QPixmap>
#include <QString>
#include <QWidget>

namespace undertext::ui {

// The About window's headings of the three programs.
inline constexpr const char* kCreateDescription =
    QT_TRANSLATE_NOOP("AboutWindow", "Синтез подсознательного компонента текста.");
inline constexpr const char* kEmbedDescription =
    QT_TRANSLATE_NOOP("AboutWindow", "Программа поиска \"вложенных\" слов.");
inline constexpr const char* kEchoscanDescription =
    QT_TRANSLATE_NOOP("AboutWindow", "Поиск повторяющихся фрагментов текста.");
inline constexpr const char* kAuthorText =
    QT_TRANSLATE_NOOP("AboutWindow", "Автор и разработчик - команда Undertext");
inline constexpr const char* kWebAddress = "http://www.undertext.example.org/";

// The About window ("О программе"): the program's description, the version,
// the author, an 88 x 31 picture and the web address. It has no actions and is
// closed with its close box or Escape. Shown without blocking (see SingleWindow).
class AboutWindow final : public QWidget {
    Q_OBJECT

  public:
    explicit AboutWindow(const QString& description, QWidget* parent = nullptr);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
};

// The 88 x 31 picture of the About window.
QPixmap aboutPicture();

}  // namespace undertext::ui
