#pragma once

#include <string>
#include <unordered_map>

class QWidget;

// A window whose controls are found by their template id: a dialog or the form.
class DlgItemHost {
public:
    virtual ~DlgItemHost() = default;
    // The control with that id, or nullptr.
    virtual QWidget* GetDlgItem(int nId) const = 0;
    // The bindings between controls and members, in their fixed order.
    virtual void DoDataExchange(class CDataExchange* pDX) = 0;

    // true: controls to members, with validation; false: members to controls. Returns false when a
    // control refused its text; its prompt has been shown, the focus is on it with its text selected,
    // and the controls after it were not exchanged.
    // A refused read remembers the controls it did not reach, and the writes that follow leave each of
    // them as the user left it while its member would still write what it held at the refusal; a
    // member changed since (a rule that resets a list, a unit switch) is written. The next read
    // forgets them.
    bool UpdateData(bool bSaveAndValidate = true);

    // Controls the last refused read did not reach, with the text (or index) their members would have
    // written then.
    std::unordered_map<int, std::string> m_unreached;
};

// A control object bound with DDX_Control, so that the owner can enable and disable it.
class CWnd {
public:
    QWidget* GetSafeHwnd() const { return m_pWidget; }
    void Attach(QWidget* pWidget) { m_pWidget = pWidget; }
    void EnableWindow(bool bEnable);
    bool IsWindowEnabled() const;

private:
    QWidget* m_pWidget = nullptr;
};
using CButton = CWnd;
using CComboBox = CWnd;

// One exchange in one direction. After a refusal every further routine does nothing to controls or
// members, which ends the exchange at the refusing control.
class CDataExchange {
public:
    CDataExchange(DlgItemHost& host, bool bSaveAndValidate)
        : m_host(host), m_bSaveAndValidate(bSaveAndValidate) {}

    DlgItemHost& m_host;
    const bool m_bSaveAndValidate;
    int m_idLastControl = 0;  // the control last exchanged, for DDV routines
    bool m_bFailed = false;

    // Looks up a control and remembers it as the last one exchanged.
    QWidget* PrepareControl(int nId);
    // Shows `prompt` in the program's message box, puts the focus on the last control with its
    // text selected, and ends the exchange.
    void Fail(const std::string& prompt);

    // Whether the routine for control nId leaves control and member alone. In a read after a refusal
    // it does, and the control is remembered with `written`, what its member writes; in a write it
    // does for a control the refused read left unread while its member still writes `written`.
    bool LeavesAlone(int nId, const std::string& written);
};

// Text of an edit control as a signed integer; "Please enter an integer." on refusal.
void DDX_Text(CDataExchange* pDX, int nId, int& nValue);
// Text of an edit control as a real number shown with "%.15g"; "Please enter a number." on refusal.
void DDX_Text(CDataExchange* pDX, int nId, double& dValue);
// Text of an edit control, unchanged in both directions.
void DDX_Text(CDataExchange* pDX, int nId, std::string& strValue);
// Selected index of a drop-down list; -1 clears the selection / means nothing selected.
void DDX_CBIndex(CDataExchange* pDX, int nId, int& nIndex);
// Position of the checked radio button in the group starting at nId; -1 when none is checked.
void DDX_Radio(CDataExchange* pDX, int nId, int& nValue);
// Attaches the control object on the first exchange; later exchanges do nothing.
void DDX_Control(CDataExchange* pDX, int nId, CWnd& control);
// When reading: a value outside [nMin, nMax] is refused with "Please enter an integer between %1 and %2.".
void DDV_MinMaxInt(CDataExchange* pDX, int nValue, int nMin, int nMax);
