#pragma once

#include <QHash>
#include <QScrollArea>
#include <functional>
#include <vector>

#include "DataExchange.h"
#include "DialogTemplate.h"
#include "DialogUnits.h"

class QPainter;
class CFormView;

// The page that carries the form's controls, of the template's size in pixels; its paint is the view's
// OnDraw, in page coordinates.
class CFormPage : public QWidget {
    Q_OBJECT
public:
    explicit CFormPage(CFormView& view);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CFormView& m_view;
};

// A form view: the controls of a template on a page inside a scroll area, so the form scrolls when the
// window is smaller than the form. Handlers are connected by control id, as a message map does.
class CFormView : public QScrollArea, public DlgItemHost {
    Q_OBJECT
public:
    explicit CFormView(const DialogTemplate& formTemplate, QWidget* pParent = nullptr);

    // The control with that id, or nullptr.
    QWidget* GetDlgItem(int nId) const override;
    // 1 when the radio button or check box nId is checked, else 0 (also for an unknown id).
    int IsDlgButtonChecked(int nId) const;
    // The framework's first update: writes the members into the controls and repaints the page. While
    // no control of the form has the focus, the first tab stop gets it with its text selected.
    virtual void OnInitialUpdate();
    // A message box owned by the view, through the installed UiServices.
    int MessageBox(const QString& text, const QString& caption, unsigned type);

    // The page widget; its coordinates are the view's logical coordinates.
    QWidget* Page() const { return m_pPage; }
    const DialogUnits& Units() const { return m_units; }

protected:
    friend class CFormPage;
    // Paints the page; `rectUpdate` is the part to paint, in page pixels.
    virtual void OnDraw(QPainter& dc, const QRect& rectUpdate);

    // Message map entries. A handler never runs while another handler of this view is running, so a
    // handler that moves the focus or shows a box cannot start a cascade of further handlers.
    void OnClicked(int nId, std::function<void()> handler);
    void OnKillFocus(int nId, std::function<void()> handler);
    void OnSelChange(int nId, std::function<void()> handler);

    // Runs `handler` unless another handler is already running.
    void RunHandler(const std::function<void()>& handler);

private:
    CFormPage* m_pPage;
    QHash<int, QWidget*> m_controls;
    std::vector<QWidget*> m_controlsInOrder;
    DialogUnits m_units;
    bool m_bInHandler = false;
};
