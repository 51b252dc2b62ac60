#include <QString>
#include <ctime>

#include "AtomicFile.h"
#include "CDravonelView.h"
#include "ExportDlg.h"
#include "Report.h"
#include "UiServices.h"

namespace {

constexpr const char* kExportedText = "Data has been exported to designated file";
constexpr const char* kExportedCaption = "Export Successful!";
constexpr const char* kExportFailedCaption = "Can Not Export";

std::tm LocalTime(std::time_t when) {
    std::tm local{};
    localtime_r(&when, &local);
    return local;
}

}  // namespace

// Reads the members as they stand (no read of the form). A dialog closed without "Export" writes
// nothing; success is reported only once the whole file is in place, and a failed write leaves any
// existing file of that name as it was.
void CDravonelView::OnExportData() {
    CExportDlg exportDialog;
    exportDialog.m_strFileName = m_strExportFile;
    if (exportDialog.DoModal() != IDOK) return;
    m_strExportFile = exportDialog.m_strFileName;

    const ReportResults results{m_result.summary.start.dStartTemp, m_form.m_nStartTime, m_form.m_dStopTime};
    const std::string report = WriteReport(m_form.inputs, results, m_result.curve, LocalTime(Now()));
    std::string error;
    if (WriteFileAtomically(m_strExportFile, report, &error))
        MessageBox(kExportedText, kExportedCaption, MB_OK | MB_ICONINFORMATION);
    else
        MessageBox(QString::fromStdString(error), kExportFailedCaption, MB_OK | MB_ICONEXCLAMATION);
}
