#include "TemplateBuilder.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QPainter>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>

namespace {

TemplatePictureLoader g_pictureLoader = nullptr;

// The closed height of a drop-down list; the template's height is that of the opened list.
constexpr int kComboClosedHeightDu = 14;
// Room besides the text: a push button's frame, a group box title's indent on either side.
constexpr int kButtonTextMarginPx = 3;
constexpr int kGroupTitleIndentPx = 6;

bool IsDecoration(ControlKind kind) { return kind == ControlKind::GroupBox || kind == ControlKind::Static; }

// Read-only edits look like the window around them, so results do not invite typing; unit labels have
// no background at all.
void UseBackground(QLineEdit& edit, const QColor& color) {
    QPalette palette = edit.palette();
    palette.setColor(QPalette::Base, color);
    edit.setPalette(palette);
}

QWidget* MakeEdit(QWidget& parent, ControlKind kind) {
    auto* pEdit = new CFieldEdit(&parent);
    if (kind == ControlKind::Edit) {
        pEdit->setFocusPolicy(Qt::StrongFocus);
        return pEdit;
    }
    pEdit->setReadOnly(true);
    pEdit->setFocusPolicy(Qt::NoFocus);
    pEdit->setFrame(kind == ControlKind::ReadOnlyEdit);
    UseBackground(*pEdit, kind == ControlKind::ReadOnlyEdit ? pEdit->palette().color(QPalette::Window)
                                                            : QColor(Qt::transparent));
    return pEdit;
}

QWidget* MakeCombo(QWidget& parent, const ControlTemplate& control) {
    auto* pCombo = new QComboBox(&parent);
    pCombo->setEditable(false);
    pCombo->setFocusPolicy(Qt::StrongFocus);
    for (const char* pItem : control.listItems) pCombo->addItem(QString::fromUtf8(pItem));
    pCombo->setMaxVisibleItems(qMax(1, pCombo->count()));
    return pCombo;
}

QWidget* MakeButton(QWidget& parent, const ControlTemplate& control) {
    auto* pButton = new QPushButton(QString::fromUtf8(control.text), &parent);
    pButton->setFocusPolicy(Qt::StrongFocus);
    // Enter presses the push button that has the focus, on a form as in a dialog.
    pButton->setAutoDefault(true);
    pButton->setDefault(control.kind == ControlKind::DefPushButton);
    return pButton;
}

// Tab enters a radio group at its checked button (at its first one while none is checked); the
// others are reached by click or arrow keys.
void UpdateRadioTabStop(const QButtonGroup& group) {
    const QList<QAbstractButton*> buttons = group.buttons();
    QAbstractButton* pTabStop = buttons.isEmpty() ? nullptr : buttons.front();
    for (QAbstractButton* pButton : buttons) {
        if (pButton->isChecked()) pTabStop = pButton;
    }
    for (QAbstractButton* pButton : buttons)
        pButton->setFocusPolicy(pButton == pTabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

QWidget* MakeRadio(QWidget& parent, const ControlTemplate& control, QButtonGroup*& pCurrentGroup) {
    auto* pRadio = new QRadioButton(QString::fromUtf8(control.text), &parent);
    // Exclusivity comes from the button group (which the data exchange makes non-exclusive for a moment to
    // clear it): once a button is in a group, Qt ignores autoExclusive for checking, unchecking and arrow
    // keys. It stays on because assistive technology reads it: a checkable button without it is announced
    // as a check box.
    pRadio->setAutoExclusive(true);
    if (control.kind == ControlKind::RadioGroupStart || !pCurrentGroup) {
        QButtonGroup* pGroup = new QButtonGroup(&parent);
        QObject::connect(pGroup, &QButtonGroup::buttonToggled, pGroup,
                         [pGroup] { UpdateRadioTabStop(*pGroup); });
        pCurrentGroup = pGroup;
    }
    pCurrentGroup->addButton(pRadio);
    UpdateRadioTabStop(*pCurrentGroup);
    return pRadio;
}

QWidget* MakePicture(QWidget& parent, const ControlTemplate& control) {
    auto* pLabel = new QLabel(&parent);
    pLabel->setObjectName(QString::fromUtf8(control.text));
    const QPixmap picture = LoadTemplatePicture(control.text);
    if (!picture.isNull()) pLabel->setPixmap(picture);
    return pLabel;
}

QWidget* MakeControl(QWidget& parent, const ControlTemplate& control, QButtonGroup*& pCurrentGroup) {
    switch (control.kind) {
        case ControlKind::Edit:
        case ControlKind::ReadOnlyEdit:
        case ControlKind::LabelEdit:
            return MakeEdit(parent, control.kind);
        case ControlKind::ComboList:
            return MakeCombo(parent, control);
        case ControlKind::PushButton:
        case ControlKind::DefPushButton:
            return MakeButton(parent, control);
        case ControlKind::RadioGroupStart:
        case ControlKind::Radio:
            return MakeRadio(parent, control, pCurrentGroup);
        case ControlKind::GroupBox:
            return new CGroupFrame(QString::fromUtf8(control.text), &parent);
        case ControlKind::Static:
            return new QLabel(QString::fromUtf8(control.text), &parent);
        case ControlKind::Picture:
            return MakePicture(parent, control);
    }
    return nullptr;
}

QRect ControlGeometry(const ControlTemplate& control, QWidget& widget, const DialogUnits& units) {
    QRect rect = units.ToPixels(control.x, control.y, control.w, control.h);
    if (control.kind == ControlKind::ComboList)
        rect.setHeight(qMin(rect.height(), units.ToPixelsY(kComboClosedHeightDu)));
    if (control.kind == ControlKind::Picture) {
        const auto* pLabel = static_cast<QLabel*>(&widget);
        if (!pLabel->pixmap().isNull()) rect.setSize(pLabel->pixmap().deviceIndependentSize().toSize());
    }
    return rect;
}

// The templates are laid out for a font whose texts fit at its own base; a wider substitute font would
// cut them, so the horizontal base grows by whole pixels until all fit.
DialogUnits UnitsFittingTexts(const DialogTemplate& dialogTemplate, const std::vector<QWidget*>& controls,
                              DialogUnits units) {
    const int nMaxBaseX = 4 * units.BaseX();
    for (int nBaseX = units.BaseX(); nBaseX <= nMaxBaseX; ++nBaseX) {
        const DialogUnits candidate(nBaseX, units.BaseY());
        bool bAllFit = true;
        for (size_t i = 0; i < controls.size() && bAllFit; ++i) {
            const ControlTemplate& control = dialogTemplate.controls[i];
            const int nWidthPx = candidate.ToPixels(control.x, control.y, control.w, control.h).width();
            bAllFit = TextWidthNeededPx(*controls[i], control.kind) <= nWidthPx;
        }
        if (bAllFit) return candidate;
    }
    return units;
}

// Radio buttons all join the chain, in template order, since which of them is the tab stop follows
// the check.
void SetTabOrder(const std::vector<QWidget*>& controls) {
    QWidget* pPrevious = nullptr;
    for (QWidget* pControl : controls) {
        if (!(pControl->focusPolicy() & Qt::TabFocus) && !qobject_cast<QRadioButton*>(pControl)) continue;
        if (pPrevious) QWidget::setTabOrder(pPrevious, pControl);
        pPrevious = pControl;
    }
}

// Names the controls of the template's table. A static text that reads exactly the name also becomes the
// control's buddy: on Linux assistive technology names a list by its value and finds its label through
// that relation. A static text has no '&', so the buddy adds no shortcut and changes nothing else.
void NameControls(const DialogTemplate& dialogTemplate, const BuiltTemplate& built) {
    for (const ControlName& entry : dialogTemplate.accessibleNames) {
        QWidget* pControl = built.controls.value(entry.id, nullptr);
        if (!pControl) continue;
        const QString name = QString::fromUtf8(entry.name);
        pControl->setAccessibleName(name);
        for (std::size_t i = 0; i < built.allInOrder.size(); ++i) {
            if (dialogTemplate.controls[i].kind != ControlKind::Static) continue;
            auto* pLabel = static_cast<QLabel*>(built.allInOrder[i]);
            if (pLabel->text() == name) pLabel->setBuddy(pControl);
        }
    }
}

}  // namespace

CGroupFrame::CGroupFrame(const QString& title, QWidget* pParent) : QWidget(pParent), m_title(title) {}

void CGroupFrame::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const QRect frame = rect().adjusted(0, metrics.height() / 2, -2, -2);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(frame);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(frame.translated(1, 1));
    if (m_title.isEmpty()) return;
    const QRect titleRect(kGroupTitleIndentPx, 0, metrics.horizontalAdvance(m_title) + 4, metrics.height());
    painter.fillRect(titleRect, palette().window());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(titleRect, Qt::AlignCenter, m_title);
}

void CFieldEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    const Qt::FocusReason reason = event->reason();
    if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) emit focusLeft();
}

int TextWidthNeededPx(const QWidget& control, ControlKind kind) {
    switch (kind) {
        case ControlKind::Static:
        case ControlKind::RadioGroupStart:
        case ControlKind::Radio:
            return control.sizeHint().width();
        case ControlKind::PushButton:
        case ControlKind::DefPushButton: {
            const auto& button = static_cast<const QPushButton&>(control);
            return button.fontMetrics().horizontalAdvance(button.text()) + 2 * kButtonTextMarginPx;
        }
        case ControlKind::GroupBox: {
            const auto& box = static_cast<const CGroupFrame&>(control);
            return box.fontMetrics().horizontalAdvance(box.title()) + 2 * kGroupTitleIndentPx;
        }
        default:
            return 0;
    }
}

BuiltTemplate BuildTemplateControls(QWidget& parent, const DialogTemplate& dialogTemplate,
                                    const QFont& font) {
    parent.setFont(font);
    BuiltTemplate built{{}, {}, {}, DialogUnits(parent.font())};

    QButtonGroup* pCurrentGroup = nullptr;
    for (const ControlTemplate& control : dialogTemplate.controls) {
        QWidget* pWidget = MakeControl(parent, control, pCurrentGroup);
        if (IsDecoration(control.kind)) {
            pWidget->setAttribute(Qt::WA_TransparentForMouseEvents);
            pWidget->lower();
        }
        if (control.id != 0) built.controls.insert(control.id, pWidget);
        built.allInOrder.push_back(pWidget);
    }
    NameControls(dialogTemplate, built);
    built.units = UnitsFittingTexts(dialogTemplate, built.allInOrder, built.units);
    for (size_t i = 0; i < built.allInOrder.size(); ++i)
        built.allInOrder[i]->setGeometry(
            ControlGeometry(dialogTemplate.controls[i], *built.allInOrder[i], built.units));
    built.sizePixels =
        QSize(built.units.ToPixelsX(dialogTemplate.width), built.units.ToPixelsY(dialogTemplate.height));
    SetTabOrder(built.allInOrder);
    return built;
}

QWidget* FirstTabStop(const std::vector<QWidget*>& controls) {
    for (QWidget* pControl : controls) {
        if ((pControl->focusPolicy() & Qt::TabFocus) && pControl->isEnabled()) return pControl;
    }
    return nullptr;
}

void GiveInitialFocus(QWidget* pControl) {
    if (!pControl) return;
    pControl->setFocus(Qt::TabFocusReason);
    if (auto* pEdit = qobject_cast<QLineEdit*>(pControl)) pEdit->selectAll();
}

void SetTemplatePictureLoader(TemplatePictureLoader loader) { g_pictureLoader = loader; }

QPixmap LoadTemplatePicture(const char* name) {
    if (!name) return {};
    if (g_pictureLoader) return g_pictureLoader(name);
    return QPixmap(QString::fromUtf8(name));
}
