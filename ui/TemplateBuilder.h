#pragma once

#include <QHash>
#include <QLineEdit>
#include <QPixmap>
#include <QSize>
#include <vector>

#include "DialogTemplate.h"
#include "DialogUnits.h"

// An edit control that reports losing the focus after its own focus handling has run, so that a handler
// may put the focus and a selection back without the edit undoing them.
class CFieldEdit : public QLineEdit {
    Q_OBJECT
public:
    using QLineEdit::QLineEdit;

signals:
    // The focus left this edit for another control (not a mere change of the active window).
    void focusLeft();

protected:
    void focusOutEvent(QFocusEvent* event) override;
};

// A group box: an etched frame with the title on its top line, the same on every style and platform.
// It leaves its inside untouched, so whatever the page paints there (the chart) keeps its colours.
class CGroupFrame : public QWidget {
    Q_OBJECT
public:
    CGroupFrame(const QString& title, QWidget* pParent);
    QString title() const { return m_title; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_title;
};

// The controls made from one template on a parent widget.
struct BuiltTemplate {
    QHash<int, QWidget*> controls;     // controls that have an id; a later id replaces an earlier one
    std::vector<QWidget*> allInOrder;  // every control, in template order
    QSize sizePixels;                  // the template's client area
    DialogUnits units;
};

// Makes every control of `dialogTemplate` as a child of `parent` in `font` (the template font unless a
// test scales it), placed by dialog units; lists filled, radio groups formed, tab order = template order
// over tab-stop controls (a radio group is entered at its checked button), accessible names from the
// template's table. Group boxes and static texts sit below the other controls and let clicks through. The
// units are the font's; when the machine's font is wider than the one the template was drawn for, the
// horizontal base grows by whole pixels until every text fits its control.
BuiltTemplate BuildTemplateControls(QWidget& parent, const DialogTemplate& dialogTemplate,
                                    const QFont& font = DialogUnits::TemplateFont());

// The first enabled tab stop among controls in template order; nullptr when there is none.
QWidget* FirstTabStop(const std::vector<QWidget*>& controls);
// Focuses the control as a dialog does when it opens: an edit gets its whole text selected, so that
// typing replaces it. Does nothing for nullptr.
void GiveInitialFocus(QWidget* pControl);

// Pixels a control's text needs across, frame and indicator included; 0 for controls without text.
int TextWidthNeededPx(const QWidget& control, ControlKind kind);

// Pictures named by a template: the loader turns a name into a pixmap (default: QPixmap(name), a file
// or a ":/" resource path). Set once at start-up by whoever owns the pictures; nullptr restores the default.
using TemplatePictureLoader = QPixmap (*)(const char* name);
void SetTemplatePictureLoader(TemplatePictureLoader loader);
QPixmap LoadTemplatePicture(const char* name);
