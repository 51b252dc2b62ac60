#include "WindowFixture.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "FormRules.h"
#include "Resource.h"
#include "UserInput.h"

WindowFixture::WindowFixture() : view(std::make_unique<CDravonelView>()), context{*view, kept} {
    view->OnInitialUpdate();
    view->resize(view->Page()->size() + QSize(4, 4));
    ShowActive(*view);
    ClickUnits(UnitSystem::SI);
}

WindowFixture::~WindowFixture() = default;

void WindowFixture::Calculate(const SimulationInputs& inputs) {
    ApplyUnitSystem(view->m_form, UnitSystem::SI);
    view->m_form.inputs = inputs;
    view->UpdateData(false);
    view->OnCalculate();
}

void WindowFixture::CalculateAndKeep(const SimulationInputs& inputs) {
    Calculate(inputs);
    kept.Keep(*view);
}

void WindowFixture::ClickUnits(UnitSystem units) {
    QWidget* pButton = view->GetDlgItem(units == UnitSystem::SI ? IDC_UNITS_SI : IDC_UNITS_ENGLISH);
    QTest::mouseClick(pButton, Qt::LeftButton);
}

QString NamesAndFit(QWidget& window) {
    QStringList problems;
    for (QWidget* pWidget : window.findChildren<QWidget*>()) {
        if (!pWidget->isVisible()) continue;
        const bool bInput = qobject_cast<QLineEdit*>(pWidget) || qobject_cast<QComboBox*>(pWidget) ||
                            qobject_cast<QAbstractButton*>(pWidget) ||
                            qobject_cast<QAbstractSpinBox*>(pWidget) ||
                            qobject_cast<QAbstractItemView*>(pWidget);
        // A list's or table's own scroll bars and editors belong to it.
        if (bInput && !qobject_cast<QAbstractItemView*>(pWidget->parentWidget())) {
            QAccessibleInterface* pAccessible = QAccessible::queryAccessibleInterface(pWidget);
            const QString name = !pWidget->accessibleName().isEmpty() ? pWidget->accessibleName()
                                 : pAccessible                        ? pAccessible->text(QAccessible::Name)
                                                                      : QString();
            if (name.trimmed().isEmpty())
                problems << QStringLiteral("unnamed %1").arg(pWidget->metaObject()->className());
        }
        const bool bText = qobject_cast<QLabel*>(pWidget) || qobject_cast<QAbstractButton*>(pWidget);
        if (bText && pWidget->width() < pWidget->minimumSizeHint().width())
            problems << QStringLiteral("%1 \"%2\" cut: %3 < %4")
                            .arg(pWidget->metaObject()->className(), pWidget->property("text").toString())
                            .arg(pWidget->width())
                            .arg(pWidget->minimumSizeHint().width());
    }
    return problems.join(QStringLiteral("; "));
}
