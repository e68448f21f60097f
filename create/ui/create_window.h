#pragma once

#include <filesystem>
#include <string>
#include <string_view>

#include <QPointer>
#include <QWidget>

#include "common/core/dictionary/dictionary_modules.h"
#include "common/ui/run/run_guard.h"
#include "common/ui/run/run_session.h"
#include "common/ui/widgets/about_window.h"
#include "common/ui/widgets/module_chooser.h"
#include "common/ui/widgets/single_window.h"
#include "create/core/create_job.h"
#include "create/core/create_run.h"
#include "create/core/create_session.h"
#include "create/ui/create_window_controls.h"

class QCloseEvent;

namespace undertext::ui {
class Dialogs;
}

namespace undertext::create {

class RequestWindow;

// Create's main window with the program's session. The job of a run goes to the
// window's run session, which runs it on a worker thread; everything else happens
// on the GUI thread, so the window stays responsive during a run and a stop or a
// phrase edit takes effect at the run's next stop point. A second run never
// starts inside one. Ending the program closes every window of it and reports
// ended(). dialogs must outlive the window.
class CreateWindow final : public QWidget, private CreateEffects {
    Q_OBJECT

  public:
    // job is createJob, or a substitute in tests; it runs on the worker thread
    // under the contract of createJob.
    CreateWindow(std::filesystem::path startFolder, ui::Dialogs& dialogs,
                 JobFunction<CreateRequest, CreateOutcome> job = createJob,
                 QWidget* parent = nullptr);

    // The start-up sequence after the window is made (StopRequested is set and
    // StartFolder captured by then): the request window, the module check, this
    // window with its action buttons disabled, the request window in front.
    void startUp();

    const CreateFlags& flags() const { return session_.flags; }

  signals:
    // Every window of the program is closed; the program ends.
    void ended();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    // What follows a variant that an action composed.
    enum class Then { Nothing, Save };

    void connectActions();
    void giveConsent();
    void endProgram();
    void phraseEdited();
    void composeVariant(Then then);
    void startRun(Then then);
    ui::RunGuard::StopAnswer askStop();
    void finishRun(CreateOutcome outcome);
    void finishVariant(Then then);
    void previousVariant();
    void saveResults();
    void offerSave();
    void addModules();
    void showAbout();
    void showResultLine(const QString& text, const QColor& background, bool enabled);
    // The four action buttons: next, previous, save, add modules.
    void enableRunButtons(bool enabled);
    CreateRequest currentRequest() const;
    std::string phraseText() const;

    // CreateEffects, the job's events among them
    void rewritePhraseBox(std::string_view normalisedPhrase) override;
    void progress(int percent) override;

    std::filesystem::path startFolder_;
    ui::Dialogs& dialogs_;
    JobFunction<CreateRequest, CreateOutcome> job_;
    CreateSession session_;
    DefaultModules defaults_;
    CreateWindowControls controls_;
    ui::RunSession run_;
    ui::SingleWindow<ui::AboutWindow> about_;
    ui::SingleWindow<ui::ModuleChooser> chooser_;
    QPointer<RequestWindow> request_;

    Then afterRun_ = Then::Nothing;
    bool ended_ = false;
};

}  // namespace undertext::create
