#pragma once

#include <QWidget>

class QCloseEvent;
class QKeyEvent;

namespace undertext::create {

// The request text of the start-up window: 12 lines, each ended by CR LF.
extern const char* const kRequestText;

// The start-up request window ("Просьба."): the request, agree and disagree.
// Agreeing reports agreed() and closes the window; disagreeing, or closing it in
// any other way before agreeing (Escape included), reports refused(). Not modal. GUI thread only.
class RequestWindow final : public QWidget {
    Q_OBJECT

  public:
    explicit RequestWindow(QWidget* parent = nullptr);

    // Brings the window to the front with the focus on its first control.
    void bringToFront();

  signals:
    void agreed();
    void refused();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    bool agreed_ = false;
};

}  // namespace undertext::create
