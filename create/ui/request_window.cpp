#include "create/ui/request_window.h"

#include <algorithm>
#include <cstdlib>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QVBoxLayout>

#include "create/ui/create_object_names.h"

namespace undertext::create {

const char* const kRequestText =
    QT_TRANSLATE_NOOP("RequestWindow",
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
                      "  В далеком будущем и сегодня.\r\n");

namespace {

// The caption in two lines, broken at the run of blanks nearest its middle.
QString inTwoLines(const QString& caption) {
    const QString text = caption.trimmed();
    qsizetype best = -1;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char(' ') &&
            (best < 0 || std::abs(2 * i - text.size()) < std::abs(2 * best - text.size()))) {
            best = i;
        }
    }
    if (best < 0) {
        return text;
    }
    return text.left(best).trimmed() + QLatin1Char('\n') + text.mid(best).trimmed();
}

// A narrow, tall button whose caption shows on two lines; text() keeps the
// caption exactly as given.
class TallButton final : public QPushButton {
  public:
    TallButton(const QString& caption, const char* objectName, QWidget* parent)
        : QPushButton(caption, parent) {
        setObjectName(QString::fromLatin1(objectName));
        // Enter and keypad Enter press the focused button, as in the other windows.
        setAutoDefault(true);
    }

    QSize sizeHint() const override {
        const QSize lines = fontMetrics().size(0, inTwoLines(text()));
        return {std::max(lines.width() + 24, 110), lines.height() + 20};
    }

  protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        style()->drawControl(QStyle::CE_PushButton, &option, &painter, this);
        const QRect textArea = rect().adjusted(4, 4, -4, -4);
        style()->drawItemText(&painter, textArea, Qt::AlignCenter, palette(), isEnabled(),
                              inTwoLines(text()), QPalette::ButtonText);
    }
};

}  // namespace

RequestWindow::RequestWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QString::fromLatin1(request_names::kWindow));
    setWindowTitle(QCoreApplication::translate("RequestWindow", "Просьба."));

    auto* request = new QPlainTextEdit(this);
    request->setObjectName(QString::fromLatin1(request_names::kRequestText));
    // The box shows lines, not line ends.
    const QString text = QCoreApplication::translate("RequestWindow", kRequestText)
                             .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    request->setPlainText(text);
    request->setReadOnly(true);
    request->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    request->setFocusPolicy(Qt::StrongFocus);
    request->setTabChangesFocus(true);
    const QFontMetrics metrics = request->fontMetrics();
    int widestLine = 0;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        widestLine = std::max(widestLine, metrics.horizontalAdvance(line));
    }
    request->setMinimumSize(widestLine + 40, 13 * metrics.lineSpacing() + 16);

    auto* disagree =
        new TallButton(QCoreApplication::translate("RequestWindow", "Я не согласен Я не согласна"),
                       request_names::kDisagreeButton, this);
    auto* agree =
        new TallButton(QCoreApplication::translate("RequestWindow", "  Я согласен   Я согласна"),
                       request_names::kAgreeButton, this);
    const QSize buttonSize = disagree->sizeHint().expandedTo(agree->sizeHint());
    disagree->setFixedSize(buttonSize);
    agree->setFixedSize(buttonSize);
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
    findChild<QPlainTextEdit*>(QString::fromLatin1(request_names::kRequestText))
        ->setFocus(Qt::ActiveWindowFocusReason);
}

void RequestWindow::keyPressEvent(QKeyEvent* event) {
    // Escape closes the window, which refuses as the window's close button does.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void RequestWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (!agreed_) {
        emit refused();
    }
}

}  // namespace undertext::create
