#pragma once

#include <string>

#include "CDialog.h"

// Asks for the report's file name. "Export" (or Enter) with an empty name, or a name holding * or ?,
// warns and stays open; with any other name it ends with IDOK. Esc or the close box ends with IDCANCEL.
// The dialog writes nothing itself: the caller writes the report and reports success only once the
// whole file has been written.
class CExportDlg : public CDialog {
    Q_OBJECT
public:
    explicit CExportDlg(QWidget* pParent = nullptr);

    // The name in edit 1046, as typed (relative names are the caller's to resolve) or as browsed
    // (absolute). Set it before DoModal; read it after IDOK.
    std::string m_strFileName;

    void DoDataExchange(CDataExchange* pDX) override;
    // A refused name ("Can Not Export"): empty gives "Filename has not been selected"; * or ? anywhere
    // gives a message quoting the name, since a file dialog reads those as patterns and a file so
    // named is rarely meant. The focus goes to the edit and the dialog stays open.
    void OnOK() override;
    // Picks a name with the file dialog (list filtered on "*.xls", name box empty, no overwrite prompt,
    // no default extension); a chosen file's absolute path replaces the name, a cancelled dialog changes
    // nothing. A pattern typed as the name ("*.csv") is not taken as a name: the file dialog opens again
    // in that folder with the pattern as its filter.
    void OnBrowse();
};

// The filters of the Browse dialog, in the order offered; the first is in force when it opens.
constexpr const char* kExportNameFilters[] = {"Excel Files (*.xls)", "Text Files (*.txt)", "All Files (*.*)"};
