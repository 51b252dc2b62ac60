#pragma once

#include <QDialog>
#include <QDialogButtonBox>
#include <QString>
#include <functional>
#include <stop_token>

#include "BackgroundJob.h"
#include "StudyInputs.h"
#include "ToolContext.h"
#include "UnitSystem.h"

class QChart;
class QChartView;
class QLabel;
class QPainter;
class QProgressBar;
class QPushButton;
class QVBoxLayout;

// The conduct every tool window shares; a window gets all of it by deriving from this class.
//  - Modeless: ShowModeless() shows the window, or raises it when it is open, and never blocks the main
//    window.
//  - Keyboard: the tab order is the order widgets are added; Enter presses the default button (the one
//    given to SetDefaultButton, else Close); Esc cancels a running job, or closes the window when none
//    runs.
//  - Size: remembered between runs in QSettings under "ToolWindows/<settings key>/size" (organisation and
//    application names as the program sets them). The contents sit in layouts, so their texts fit at any
//    font size or screen scaling, and a remembered size never squeezes them below what they need.
//  - The form: OnUnitsChanged, OnResultChanged and OnInputsChanged follow the form's signals; Units()
//    gives the form's display units now.
//  - Long work: RunJob shows a progress bar with a Cancel button, runs the job off the user-interface
//    thread and applies its result only when it completed uncancelled (CBackgroundJob).
class CToolWindow : public QDialog {
    Q_OBJECT
public:
    // pOwner: the main frame (the window stays above it and closes with it). settingsKey: a short name
    // without slashes, unique among the tool windows ("CompareScenarios"). title: the window's caption.
    CToolWindow(const ToolContext& context, const QString& settingsKey, const QString& title,
                QWidget* pOwner);
    ~CToolWindow() override;

    // Shows the window without making it modal (restoring its remembered size the first time), or raises
    // and activates it when it is open already.
    void ShowModeless();

    const ToolContext& Context() const { return m_context; }
    // The form's display units now (its SI / English buttons).
    UnitSystem Units() const;
    const QString& SettingsKey() const { return m_settingsKey; }

    // Runs work(stopToken, progress) on a worker thread while the window shows `what` with a progress bar
    // and Cancel; apply(result) runs on the user-interface thread only when the job completed
    // uncancelled. A job still running is cancelled first. `work` must not touch widgets or the form; give
    // it copies of what it needs.
    template <typename Result>
    void RunJob(const QString& what, std::function<Result(std::stop_token, const JobProgress&)> work,
                std::function<void(Result&&)> apply) {
        BeginJob(what);
        m_job.Start<Result>(std::move(work), std::move(apply));
    }
    bool IsJobRunning() const { return m_job.IsRunning(); }
    // Requests the running job to stop; nothing of it will be shown.
    void CancelJob();

    // Draws the window's printed page into pageRect of the painter's device; nothing unless overridden.
    virtual void PaintPage(QPainter& painter, const QRect& pageRect);

signals:
    // A job started (true) or ended (false); a window disables its own run buttons meanwhile.
    void jobRunningChanged(bool bRunning);

protected:
    // The window's own widgets go into this layout, above the progress line and the button row.
    QVBoxLayout& Body() const { return *m_pBody; }
    // Adds a push button to the button row (placed by the platform's button order for its role).
    QPushButton* AddButton(const QString& text, QDialogButtonBox::ButtonRole role);
    // The button Enter presses (nullptr: the Close button).
    void SetDefaultButton(QPushButton* pButton);
    QPushButton* CloseButton() const { return m_pCloseButton; }
    // One line under the body for what the window says without a box ("Exported 3 scenarios to ...");
    // an empty text hides it.
    void ShowNote(const QString& text);
    // The size the window opens with before any is remembered; the layout's own size unless overridden.
    virtual QSize DefaultSize() const;

    // A label for sentences the window writes (word-wrapped, selectable with the mouse), showing `text`.
    QLabel* MakeTextLabel(const QString& text = {});
    // A chart in a view for this window: antialiased, out of the tab order (it takes no keys), named for
    // assistive technology, and never smaller than nWidthChars average characters by nHeightLines lines
    // of the window's font, so its axes' labels and legend are not elided. pChart receives the chart.
    QChartView* MakeChartView(QChart*& pChart, const QString& accessibleName, int nWidthChars,
                              int nHeightLines);
    // Says `message` in a warning box titled with the window's title.
    void Warn(const QString& message);
    // What a window does with a finished study: true when it is Done; false after a warning that says the
    // refusal as a sentence when Refused; false without a word when Cancelled.
    bool IsDoneElseSay(StudyOutcome outcome, const StudyFault& fault);
    // Prints PaintPage on one page, the print job named `docName`; false when cancelled or refused.
    bool PrintPage(const QString& docName);

    // After the form switched to `units`: show every value in them.
    virtual void OnUnitsChanged(UnitSystem units);
    // After a calculation wrote its result to the form, or a new high grade moved its start.
    virtual void OnResultChanged();
    // After the user changed an input on the form.
    virtual void OnInputsChanged();

    void reject() override;
    void closeEvent(QCloseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void BeginJob(const QString& what);
    void OnJobFinished(bool bApplied);
    void RestoreSize();
    void SaveSize() const;
    QString SizeKey() const;

    ToolContext m_context;
    QString m_settingsKey;
    QVBoxLayout* m_pBody = nullptr;
    QWidget* m_pJobBar = nullptr;
    QLabel* m_pJobLabel = nullptr;
    QProgressBar* m_pProgress = nullptr;
    QPushButton* m_pCancelJob = nullptr;
    QLabel* m_pNote = nullptr;
    QDialogButtonBox* m_pButtons = nullptr;
    QPushButton* m_pCloseButton = nullptr;
    bool m_bSizeRestored = false;
    bool m_bCancelRequested = false;
    CBackgroundJob m_job;
};
