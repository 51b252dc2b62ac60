#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <string>

#include "RecentFiles.h"

class CDravonelView;
class CLiftsWindow;
class CToolWindowHost;
class QWidget;

// The program's single document: the job. Its contents live in the windows that show them - the form's
// inputs, the scenarios kept for comparison and the lifts of the Lifts window - and a job file (".dravonel",
// the jobs library) stores and restores all three. The document knows the file, whether anything changed
// since it was last saved, opened or started, and the recent files.
//
// Unsaved changes: the form's inputs as its fields show them differ from those of the last save, open or
// new job, or a scenario was kept, relabelled or removed, or a lift was edited since.
class CDravonelDoc : public QObject {
    Q_OBJECT
public:
    CDravonelDoc();
    ~CDravonelDoc() override;

    // The windows whose contents make the job, and the owner of the document's dialogs and messages. Called
    // once, before any command; until then the document saves and opens nothing.
    void Attach(CDravonelView& view, CToolWindowHost& tools, QWidget* pOwner);

    // No file, title "Untitled", nothing changed (the form as it stands is the new job's start). Always
    // succeeds.
    bool OnNewDocument();
    // File > New after SaveModified: the form back to a fresh start's defaults, no kept scenarios, the lifts
    // back to the form's lift, no file. False when the question was cancelled or the save it asked for
    // failed; nothing changed then.
    bool NewJob();
    // Reads the job file pathName and, once it is whole and sound and SaveModified agreed, puts it into the
    // windows: the form (through its write; the result stays, out of date), the kept scenarios (calculated
    // again from their inputs) and the lifts. A file that cannot be read, is not a job, is empty or holds a
    // refused value is reported with the file, the key and the reason, and nothing changes. True once
    // opened; the file then heads the recent files.
    bool OpenJob(const QString& pathName);
    // Recent file nIndex (0 based): opened as OpenJob does; a file that is gone is said and taken off the
    // list.
    bool OpenRecent(int nIndex);
    // Writes the job to pathName all or nothing; a failure is said with the file and the reason (an existing
    // file is then unchanged) and returns false. The form is read as it shows itself; a field it refuses
    // stops the save. True once written: the document takes the name and nothing counts as changed.
    bool OnSaveDocument(const QString& pathName);
    // Ctrl+S: writes to the job's file, or asks for a name (as Save As) when it has none.
    bool DoFileSave();
    // Asks for a name (proposing the job's) and saves there.
    bool DoSaveAs();
    // With unsaved changes, asks whether to save them (Save, Discard, Cancel): true to go on (saved,
    // discarded, or nothing to save), false for Cancel or when the save did not happen.
    bool SaveModified();

    // Whether there are unsaved changes (looked at anew on every call).
    bool IsModified();
    // Whether there were unsaved changes when TitleChanged was last emitted, for the title.
    bool IsMarkedModified() const { return m_bModified; }
    // Makes the windows' present contents the saved state (false), or marks them changed (true).
    void SetModifiedFlag(bool bModified);

    // "Untitled", or the file's name.
    const QString& GetTitle() const { return m_strTitle; }
    // The job's file (absolute); empty for a job never saved or opened.
    const QString& GetPathName() const { return m_strPathName; }
    CRecentFiles& Recent() { return m_recent; }

signals:
    // The title, the file or whether there are unsaved changes changed.
    void TitleChanged();
    // A short note for the status bar ("Saved job.dravonel").
    void statusMessage(const QString& text);

private:
    void SetPathName(const QString& pathName);
    // The form's inputs as its controls show them, one text a control.
    QStringList FormState() const;
    void NoteContentChanged();
    void UpdateModified();
    CLiftsWindow* LiftsWindow() const;
    void WatchLiftsWindow();
    void Report(const QString& text) const;
    // Shows the Lifts window with the focus on the field a job file's key names.
    void FocusLiftsField(const std::string& key);

    CDravonelView* m_pView = nullptr;
    CToolWindowHost* m_pTools = nullptr;
    QWidget* m_pOwner = nullptr;
    CRecentFiles m_recent;
    QString m_strTitle;
    QString m_strPathName;
    QStringList m_savedFormState;
    bool m_bContentChanged = false;  // kept scenarios or lifts changed since the saved state
    bool m_bModified = false;        // as last told by TitleChanged
    bool m_bLoading = false;         // the document itself is filling the windows
};
