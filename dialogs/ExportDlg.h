#pragma once

#include <string>

#include "CDialog.h"

// Asks for the report's file name. "Export" (or Enter) with an empty name warns and stays open; with a
// name it ends with IDOK. Esc or the close box ends with IDCANCEL. The dialog writes nothing itself: the
// caller writes the report and reports success only once the whole file has been written.
class CExportDlg : public CDialog {
    Q_OBJECT
public:
    explicit CExportDlg(QWidget* pParent = nullptr);

    // The name in edit 1046, as typed (relative names are the caller's to resolve) or as browsed
    // (absolute). Set it before DoModal; read it after IDOK.
    std::string m_strFileName;

    void DoDataExchange(CDataExchange* pDX) override;
    // Empty name: "Filename has not been selected" ("Can Not Export"), focus to the edit, stays open.
    void OnOK() override;
    // Picks a name with the file dialog (opened on "*.xls", no overwrite prompt, no default extension);
    // a chosen file's absolute path replaces the name, a cancelled dialog changes nothing.
    void OnBrowse();
};

// The filters of the Browse dialog, in the order offered.
constexpr const char* kExportNameFilters[] = {"Excel Files (*.xls)", "Text Files (*.txt)", "All Files (*.*)"};
constexpr const char* kExportInitialName = "*.xls";
