#include "common/ui/widgets/about_window.h"

#include <QCoreApplication>
#include <QFont>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QVBoxLayout>

#include "common/ui/widgets/object_names.h"
#include "common/ui/widgets/window_parts.h"

namespace undertext::ui {

QPixmap aboutPicture() {
    QPixmap picture(88, 31);
    QPainter painter(&picture);
    QLinearGradient gradient(0, 0, 88, 31);
    gradient.setColorAt(0, QColor(32, 64, 128));
    gradient.setColorAt(1, QColor(96, 160, 224));
    painter.fillRect(picture.rect(), gradient);
    painter.setPen(QColor(240, 240, 240));
    painter.drawRect(0, 0, 87, 30);
    QFont font = painter.font();
    font.setPixelSize(13);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(picture.rect(), Qt::AlignCenter, QStringLiteral("Undertext"));
    return picture;
}

AboutWindow::AboutWindow(const QString& description, QWidget* parent)
    : QWidget(parent, Qt::Window) {
    setObjectName(QString::fromLatin1(about_names::kWindow));
    setWindowTitle(QCoreApplication::translate("AboutWindow", "О программе"));

    auto* heading = new QLabel(description, this);
    heading->setObjectName(QString::fromLatin1(about_names::kHeading));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    auto* version = new QLabel(versionText(), this);
    version->setObjectName(QString::fromLatin1(about_names::kVersion));
    auto* author = new QLabel(QCoreApplication::translate("AboutWindow", kAuthorText), this);
    author->setObjectName(QString::fromLatin1(about_names::kAuthor));
    auto* picture = new QLabel(this);
    picture->setObjectName(QString::fromLatin1(about_names::kPicture));
    picture->setPixmap(aboutPicture());
    picture->setFixedSize(88, 31);
    auto* address = new QLineEdit(QString::fromUtf8(kWebAddress), this);
    address->setObjectName(QString::fromLatin1(about_names::kAddress));
    address->setReadOnly(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading, 0, Qt::AlignHCenter);
    layout->addWidget(version, 0, Qt::AlignHCenter);
    layout->addWidget(author, 0, Qt::AlignHCenter);
    layout->addWidget(picture, 0, Qt::AlignHCenter);
    layout->addWidget(address);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void AboutWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace undertext::ui
