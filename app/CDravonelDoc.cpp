#include "CDravonelDoc.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <cstdlib>
#include <ctime>
#include <variant>

#include "CDravonelView.h"
#include "FileNamePrompt.h"
#include "FormSnapshot.h"
#include "JobContents.h"
#include "KeptScenarios.h"
#include "LiftsWindow.h"
#include "Resource.h"
#include "ToolWindows.h"
#include "UiServices.h"

namespace {

constexpr const char* kUntitled = "Untitled";

// The form's inputs, in form order: what a job keeps of it.
constexpr int kInputControls[] = {
    IDC_DAY,
    IDC_MONTH,
    IDC_YEAR,
    IDC_HOUR,
    IDC_MINUTE,
    IDC_UNITS_SI,
    IDC_UNITS_ENGLISH,
    IDC_AIR_TEMP,
    IDC_WIND_SPEED,
    IDC_SKY,
    IDC_LATITUDE,
    IDC_MIX_TYPE,
    IDC_PG_HIGH,
    IDC_PG_LOW,
    IDC_LIFT_THICKNESS,
    IDC_DELIVERY_TEMP,
    IDC_MATERIAL_TYPE,
    IDC_MOISTURE_CONTENT,
    IDC_MOISTURE_STATE,
    IDC_SURFACE_TEMP,
};

}  // namespace

CDravonelDoc::CDravonelDoc() : m_strTitle(QString::fromUtf8(kUntitled)) {}

CDravonelDoc::~CDravonelDoc() = default;

void CDravonelDoc::Attach(CDravonelView& view, CToolWindowHost& tools, QWidget* pOwner) {
    m_pView = &view;
    m_pTools = &tools;
    m_pOwner = pOwner;
    // Every way an input can change on the form; the comparison with the saved state decides.
    connect(&view, &CDravonelView::inputsChanged, this, &CDravonelDoc::UpdateModified);
    connect(&view, &CDravonelView::unitsChanged, this, &CDravonelDoc::UpdateModified);
    for (int nId : kInputControls) {
        QWidget* pControl = view.GetDlgItem(nId);
        if (auto* pEdit = qobject_cast<QLineEdit*>(pControl))
            connect(pEdit, &QLineEdit::textChanged, this, &CDravonelDoc::UpdateModified);
        else if (auto* pList = qobject_cast<QComboBox*>(pControl))
            connect(pList, &QComboBox::currentIndexChanged, this, &CDravonelDoc::UpdateModified);
        else if (auto* pButton = qobject_cast<QAbstractButton*>(pControl))
            connect(pButton, &QAbstractButton::toggled, this, &CDravonelDoc::UpdateModified);
    }
    connect(&tools.Kept(), &CKeptScenarios::changed, this, &CDravonelDoc::NoteContentChanged);
    connect(&tools, &CToolWindowHost::windowMade, this, [this](int nId) {
        if (nId == ID_TOOLS_LIFTS) WatchLiftsWindow();
    });
    WatchLiftsWindow();
    SetModifiedFlag(false);
}

bool CDravonelDoc::OnNewDocument() {
    SetPathName({});
    SetModifiedFlag(false);
    return true;
}

bool CDravonelDoc::NewJob() {
    if (!m_pView || !SaveModified()) return false;
    m_bLoading = true;
    m_pView->ResetToFreshStart();
    m_pTools->Kept().Clear();
    if (CLiftsWindow* pLifts = LiftsWindow()) pLifts->Reset();
    m_bLoading = false;
    return OnNewDocument();
}

bool CDravonelDoc::OpenJob(const QString& pathName) {
    if (!m_pView) return false;
    const QString shown = QDir::toNativeSeparators(pathName);
    JobFileRead read = ReadJobFile(pathName.toStdString());
    if (const auto* pError = std::get_if<JobFileError>(&read)) {
        Report(QString::fromStdString(JobFileErrorText(*pError)) + QStringLiteral("\nNothing was changed."));
        return false;
    }
    auto contents = ContentsOfJob(std::get<JobFile>(read), std::time(nullptr));
    if (const auto* pError = std::get_if<std::string>(&contents)) {
        Report(QStringLiteral("%1: %2\nNothing was changed.").arg(shown, QString::fromStdString(*pError)));
        return false;
    }
    if (!SaveModified()) return false;

    JobContents& job = std::get<JobContents>(contents);
    m_bLoading = true;
    m_pView->LoadInputs(job.form);
    m_pTools->Kept().Assign(std::move(job.kept));
    CLiftsWindow* pLifts = LiftsWindow();
    if (job.lifts && !pLifts) pLifts = qobject_cast<CLiftsWindow*>(m_pTools->MakeWindow(ID_TOOLS_LIFTS));
    if (pLifts) {
        pLifts->Reset();
        if (job.lifts) pLifts->SetEntries(*job.lifts);
    }
    m_bLoading = false;
    SetPathName(pathName);
    SetModifiedFlag(false);
    m_recent.Add(pathName);
    emit statusMessage(QStringLiteral("Opened %1").arg(shown));
    return true;
}

bool CDravonelDoc::OpenRecent(int nIndex) {
    const QStringList paths = m_recent.Paths();
    if (nIndex < 0 || nIndex >= paths.size()) return false;
    const QString pathName = paths[nIndex];
    if (!QFileInfo(pathName).isFile()) {
        Report(QStringLiteral("The job file \"%1\" is no longer there; it was taken off the recent files.")
                   .arg(QDir::toNativeSeparators(pathName)));
        m_recent.Remove(pathName);
        return false;
    }
    return OpenJob(pathName);
}

bool CDravonelDoc::OnSaveDocument(const QString& pathName) {
    if (!m_pView) return false;
    const std::optional<FormRecord> form = ReadFormAsShown(*m_pView);
    if (!form) {
        // The form has said what it refused and put the cursor there.
        Report(QStringLiteral("Nothing was saved: correct the field the form refused, then save again."));
        return false;
    }
    JobContents contents;
    contents.form = *form;
    contents.kept = m_pTools->Kept().Scenarios();
    if (const CLiftsWindow* pLifts = LiftsWindow(); pLifts && pLifts->IsEdited())
        contents.lifts = pLifts->Entries();
    const JobFile job = JobOfContents(contents);
    // A file Open would refuse is never written: the job is read back by Open's own rules first. The lifts,
    // which the user may leave half done, fail here; so does a value typed on the form past its range and
    // not yet left (the form clamps it only when the field is left).
    const JobFileRead check = ParseJobText(JobFileText(job), QFileInfo(pathName).fileName().toStdString());
    if (const auto* pError = std::get_if<JobFileError>(&check)) {
        const std::string& key = pError->strKey;
        const QString where = key.rfind("lifts", 0) == 0 ? QStringLiteral("in Tools > Lifts")
                              : key.rfind("scenarios", 0) == 0
                                  ? QStringLiteral("in Tools > Compare Scenarios")
                                  : QStringLiteral("on the form");
        Report(QStringLiteral("The job cannot be saved as it stands: %1: %2\nCorrect it %3, then save again. "
                              "Nothing was saved.")
                   .arg(QString::fromStdString(key), QString::fromStdString(pError->strReason), where));
        FocusLiftsField(pError->strKey);
        return false;
    }
    std::string error;
    if (!WriteJobFile(pathName.toStdString(), job, &error)) {
        Report(QString::fromStdString(error) + QStringLiteral("\nNothing was saved."));
        return false;
    }
    SetPathName(pathName);
    SetModifiedFlag(false);
    m_recent.Add(pathName);
    emit statusMessage(QStringLiteral("Saved %1").arg(QDir::toNativeSeparators(m_strPathName)));
    return true;
}

bool CDravonelDoc::DoFileSave() {
    return m_strPathName.isEmpty() ? DoSaveAs() : OnSaveDocument(m_strPathName);
}

bool CDravonelDoc::DoSaveAs() {
    const QString proposed =
        m_strPathName.isEmpty() ? m_strTitle + QString::fromUtf8(kJobFileExtension) : m_strPathName;
    const QString pathName = PromptFileName(m_pOwner, false, proposed);
    return !pathName.isEmpty() && OnSaveDocument(pathName);
}

bool CDravonelDoc::SaveModified() {
    if (!IsModified()) return true;
    QMessageBox box(QMessageBox::Warning, QString::fromUtf8(kAppName),
                    QStringLiteral("Do you want to save the changes to %1?").arg(m_strTitle),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, m_pOwner);
    box.setInformativeText(
        QStringLiteral("The inputs, kept scenarios or lifts changed since the job was last "
                       "saved. Discard loses those changes."));
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    UiServices::Current().DoModal(box);
    // The button pressed decides; a box closed any other way keeps everything as it was.
    switch (box.standardButton(box.clickedButton())) {
        case QMessageBox::Save:
            return DoFileSave();
        case QMessageBox::Discard:
            return true;
        default:
            return false;
    }
}

bool CDravonelDoc::IsModified() {
    UpdateModified();
    return m_bModified;
}

void CDravonelDoc::SetModifiedFlag(bool bModified) {
    if (!bModified) {
        m_savedFormState = FormState();
        m_bContentChanged = false;
    } else {
        m_bContentChanged = true;
    }
    UpdateModified();
}

void CDravonelDoc::NoteContentChanged() {
    if (m_bLoading) return;
    m_bContentChanged = true;
    UpdateModified();
}

void CDravonelDoc::UpdateModified() {
    if (m_bLoading) return;
    const bool bModified = m_bContentChanged || FormState() != m_savedFormState;
    if (bModified == m_bModified) return;
    m_bModified = bModified;
    emit TitleChanged();
}

QStringList CDravonelDoc::FormState() const {
    QStringList state;
    if (!m_pView) return state;
    for (int nId : kInputControls) {
        QWidget* pControl = m_pView->GetDlgItem(nId);
        if (auto* pEdit = qobject_cast<QLineEdit*>(pControl))
            state << pEdit->text();
        else if (auto* pList = qobject_cast<QComboBox*>(pControl))
            state << QString::number(pList->currentIndex());
        else if (auto* pButton = qobject_cast<QAbstractButton*>(pControl))
            state << QString::number(pButton->isChecked());
    }
    return state;
}

CLiftsWindow* CDravonelDoc::LiftsWindow() const {
    return m_pTools ? qobject_cast<CLiftsWindow*>(m_pTools->Window(ID_TOOLS_LIFTS)) : nullptr;
}

void CDravonelDoc::WatchLiftsWindow() {
    if (CLiftsWindow* pLifts = LiftsWindow())
        connect(pLifts, &CLiftsWindow::liftsEdited, this, &CDravonelDoc::NoteContentChanged,
                Qt::UniqueConnection);
}

// "lifts.lifts[1].lift" -> lift 1, "lift"; "lifts.next-lift-temp" -> the next-lift temperature.
void CDravonelDoc::FocusLiftsField(const std::string& key) {
    CLiftsWindow* pLifts = LiftsWindow();
    if (!pLifts || key.rfind("lifts.", 0) != 0) return;
    const std::string rest = key.substr(6);
    int nLift = -1;
    std::string name = rest;
    if (rest.rfind("lifts[", 0) == 0) {
        const std::size_t nClose = rest.find("].");
        if (nClose == std::string::npos) return;
        nLift = std::atoi(rest.substr(6, nClose - 6).c_str());
        name = rest.substr(nClose + 2);
    }
    pLifts->FocusField(nLift, name);
}

void CDravonelDoc::Report(const QString& text) const {
    UiServices::Current().MessageBox(m_pOwner, text, QString::fromUtf8(kAppName), MB_OK | MB_ICONEXCLAMATION);
}

void CDravonelDoc::SetPathName(const QString& pathName) {
    m_strPathName = pathName.isEmpty() ? QString() : QFileInfo(pathName).absoluteFilePath();
    m_strTitle = pathName.isEmpty() ? QString::fromUtf8(kUntitled) : QFileInfo(pathName).fileName();
    emit TitleChanged();
}
