#include "common/ui/widgets/window_parts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>

#include "common/core/version.h"
#include "common/ui/widgets/object_names.h"

namespace undertext::ui {

QString versionText() {
    return QCoreApplication::translate("WindowParts", "Версия %1")
        .arg(QString::fromLatin1(kVersion));
}
namespace {

struct IconSource {
    const char* themeName;
    QStyle::StandardPixmap fallback;
};

IconSource iconSource(ButtonIcon icon) {
    switch (icon) {
        case ButtonIcon::AddModules:
            return {"list-add", QStyle::SP_FileDialogNewFolder};
        case ButtonIcon::OpenFile:
            return {"document-open", QStyle::SP_DialogOpenButton};
        case ButtonIcon::Start:
            return {"media-playback-start", QStyle::SP_MediaPlay};
        case ButtonIcon::Stop:
            return {"media-playback-stop", QStyle::SP_MediaStop};
        case ButtonIcon::Exit:
            return {"application-exit", QStyle::SP_DialogCloseButton};
        case ButtonIcon::Save:
            return {"document-save", QStyle::SP_DialogSaveButton};
        case ButtonIcon::Previous:
            return {"go-previous", QStyle::SP_ArrowLeft};
        case ButtonIcon::Next:
            return {"go-next", QStyle::SP_ArrowRight};
    }
    return {"", QStyle::SP_FileIcon};
}

}  // namespace

QIcon buttonIcon(ButtonIcon icon) {
    const auto source = iconSource(icon);
    const QString themeName = QString::fromLatin1(source.themeName);
    if (QIcon::hasThemeIcon(themeName)) {
        return QIcon::fromTheme(themeName);
    }
    return QApplication::style()->standardIcon(source.fallback);
}

QPushButton* makeButton(QWidget* parent, const QString& objectName, const QString& caption,
                        ButtonIcon icon) {
    auto* button = new QPushButton(buttonIcon(icon), caption, parent);
    button->setObjectName(objectName);
    // Enter presses the focused button, as Space does.
    button->setAutoDefault(true);
    return button;
}

QPushButton* makeOpenFileButton(QWidget* window, const char* objectName) {
    return makeButton(window, QString::fromLatin1(objectName),
                      QCoreApplication::translate("WindowParts", "Открыть файл"),
                      ButtonIcon::OpenFile);
}

QPushButton* makeStartSearchButton(QWidget* window) {
    return makeButton(window, QString::fromLatin1(names::kStartButton),
                      QCoreApplication::translate("WindowParts", "Начать поиск"),
                      ButtonIcon::Start);
}

QPushButton* makeStopButton(QWidget* window) {
    return makeButton(window, QString::fromLatin1(names::kStopButton),
                      QCoreApplication::translate("WindowParts", "Остановить"), ButtonIcon::Stop);
}

QPushButton* makeExitButton(QWidget* window) {
    return makeButton(window, QString::fromLatin1(names::kExitButton),
                      QCoreApplication::translate("WindowParts", "Выйти"), ButtonIcon::Exit);
}

QLabel* makeLabel(QWidget* parent, const char* objectName, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(objectName));
    return label;
}

QLabel* makeHeading(QWidget* parent, const char* objectName, const QString& text,
                    HeadingSize size) {
    auto* heading = makeLabel(parent, objectName, text);
    QFont font = heading->font();
    font.setBold(true);
    if (size.pointSize > 0) {
        font.setPointSize(size.pointSize);
    } else if (font.pointSizeF() > 0) {
        font.setPointSizeF(font.pointSizeF() * size.factor);
    }
    heading->setFont(font);
    heading->setWordWrap(true);
    return heading;
}

QFrame* makeLine(QWidget* parent, const char* objectName, QFrame::Shape shape) {
    auto* line = new QFrame(parent);
    line->setObjectName(QString::fromLatin1(objectName));
    line->setFrameShape(shape);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

ClickableLabel::ClickableLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setCursor(Qt::PointingHandCursor);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit clicked();
    }
    QLabel::mouseReleaseEvent(event);
}

DoubleClickLineEdit::DoubleClickLineEdit(QWidget* parent) : QLineEdit(parent) {}

void DoubleClickLineEdit::mouseDoubleClickEvent(QMouseEvent* event) {
    QLineEdit::mouseDoubleClickEvent(event);
    emit doubleClicked();
}

void chainTabOrder(std::initializer_list<QWidget*> order) {
    QWidget* previous = nullptr;
    for (QWidget* widget : order) {
        if (previous != nullptr) {
            QWidget::setTabOrder(previous, widget);
        }
        previous = widget;
    }
}

void focusPrimaryButton(QAbstractButton* button) {
    if (button == nullptr || !button->isEnabled()) {
        return;
    }
    button->window()->activateWindow();
    button->setFocus(Qt::OtherFocusReason);
}

}  // namespace undertext::ui
