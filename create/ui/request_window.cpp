#include "create/ui/request_window.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QVBoxLayout>

namespace undertext::create {

const char* const kRequestText =
    "  Меня, знающего и знающую,\r\n"
    "           что данная программа\r\n"
    "           позволяет делать внушение.\r\n"
    "\r\n"
    "  Меня просят быть предельно осторожным,\r\n"
    "           использующим эту программу.\r\n"
    "\r\n"
    "  И быть абсолютно убежденным в том, что я делаю.\r\n"
    "\r\n"
    "  Только доброе. И конструктивное.\r\n"
    "\r\n"
    "  В далеком будущем и сегодня.\r\n";

namespace {

// A narrow, tall button whose caption wraps onto two lines; text() keeps the
// caption exactly as given.
class TallButton final : public QPushButton {
  public:
    TallButton(const QString& caption, const QString& objectName, QWidget* parent)
        : QPushButton(caption, parent) {
        setObjectName(objectName);
    }

    QSize sizeHint() const override {
        const QFontMetrics metrics = fontMetrics();
        const int lineWidth = std::max(metrics.horizontalAdvance(QStringLiteral("Я не согласен")),
                                       metrics.horizontalAdvance(QStringLiteral("Я не согласна")));
        return {lineWidth + 20, 2 * metrics.lineSpacing() + 20};
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);
        const QRect textArea = rect().adjusted(4, 4, -4, -4);
        style()->drawItemText(&painter, textArea, Qt::AlignCenter | Qt::TextWordWrap, palette(),
                              isEnabled(), text().trimmed(), QPalette::ButtonText);
    }
};

}  // namespace

RequestWindow::RequestWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Form3"));
    setWindowTitle(QStringLiteral("Просьба."));

    auto* request = new QPlainTextEdit(this);
    request->setObjectName(QStringLiteral("Text1"));
    // The box shows lines, not line ends.
    request->setPlainText(
        QString::fromUtf8(kRequestText).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    request->setReadOnly(true);
    request->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    request->setFocusPolicy(Qt::StrongFocus);
    request->setTabChangesFocus(true);
    const QFontMetrics metrics = request->fontMetrics();
    request->setMinimumSize(metrics.horizontalAdvance(QStringLiteral(
                                "  И быть абсолютно убежденным в том, что я делаю.")) +
                                40,
                            13 * metrics.lineSpacing() + 16);

    auto* disagree = new TallButton(QStringLiteral("Я не согласен Я не согласна"),
                                    QStringLiteral("Command2"), this);
    auto* agree = new TallButton(QStringLiteral("  Я согласен   Я согласна"),
                                 QStringLiteral("Command1"), this);
    connect(agree, &QPushButton::clicked, this, [this] {
        agreed_ = true;
        emit agreed();
        close();
    });
    connect(disagree, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(disagree);
    buttons->addStretch();
    buttons->addWidget(agree);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(request);
    layout->addLayout(buttons);

    setTabOrder(request, agree);
    setTabOrder(agree, disagree);
}

void RequestWindow::bringToFront() {
    raise();
    activateWindow();
    findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->setFocus(Qt::ActiveWindowFocusReason);
}

void RequestWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (!agreed_) {
        emit refused();
    }
}

}  // namespace undertext::create
