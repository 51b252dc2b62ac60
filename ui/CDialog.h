#pragma once

#include <QDialog>
#include <QHash>
#include <functional>
#include <vector>

#include "DataExchange.h"
#include "DialogTemplate.h"
#include "UiServices.h"

// A modal dialog built from a template in dialog units. OK (IDOK, Enter on the default button) ends it
// through OnOK, Esc and the close box through OnCancel; DoModal returns the id it ended with.
class CDialog : public QDialog, public DlgItemHost {
    Q_OBJECT
public:
    // Dialogs are made with no parent window, as every caller does; the frame becomes their owner.
    explicit CDialog(const DialogTemplate& dialogTemplate, QWidget* pParent = nullptr);

    // Runs the dialog through the installed UiServices (tests answer it without blocking).
    int DoModal();
    // Called by DoModal before the dialog runs: writes the members into the controls. true lets
    // DoModal give the first tab stop the focus (an edit with its text selected).
    virtual bool OnInitDialog();
    QWidget* GetDlgItem(int nId) const override;
    void DoDataExchange(CDataExchange*) override {}
    // Ends the modal loop with nResult.
    void EndDialog(int nResult);
    // A message box owned by this dialog.
    int MessageBox(const QString& text, const QString& caption, unsigned type);

    // Called on OK / Enter: UpdateData(true) and, when it succeeds, EndDialog(IDOK).
    virtual void OnOK();
    // Called on Esc / close box: EndDialog(IDCANCEL).
    virtual void OnCancel();

protected:
    void accept() override { OnOK(); }
    void reject() override { OnCancel(); }
    // Connects a push button's click to a handler.
    void OnClicked(int nId, std::function<void()> handler);

private:
    QHash<int, QWidget*> m_controls;
    std::vector<QWidget*> m_controlsInOrder;
};
