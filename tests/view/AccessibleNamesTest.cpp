#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include "Resource.h"
#include "SuiteMain.h"
#include "ViewHarness.h"

namespace {

// The control's own name, else what Qt's accessibility gives for it (a button's text).
QString AccessibleName(QWidget* pWidget) {
    if (!pWidget->accessibleName().isEmpty()) return pWidget->accessibleName();
    QAccessibleInterface* pAccessible = QAccessible::queryAccessibleInterface(pWidget);
    return pAccessible ? pAccessible->text(QAccessible::Name) : QString();
}

}  // namespace

// What a screen reader hears on the form: every input and result by the text of its label, and the unit
// buttons as the radio buttons they are.
class AccessibleNamesTest : public QObject {
    Q_OBJECT

private slots:
    void noInputOrResultIsUnnamed();
    void namesAreTheLabelsTexts_data();
    void namesAreTheLabelsTexts();
    void listsAreLabelledByTheirLabels();
    void unitButtonsAreRadioButtons();
};

void AccessibleNamesTest::noInputOrResultIsUnnamed() {
    ViewHarness form;
    int nChecked = 0;
    for (QWidget* pWidget : form.m_pView->Page()->findChildren<QWidget*>()) {
        const bool bControl = qobject_cast<QLineEdit*>(pWidget) || qobject_cast<QComboBox*>(pWidget) ||
                              qobject_cast<QAbstractButton*>(pWidget);
        if (!bControl || !pWidget->isVisible()) continue;
        ++nChecked;
        QVERIFY2(!AccessibleName(pWidget).trimmed().isEmpty(), pWidget->metaObject()->className());
    }
    QCOMPARE(nChecked, 31);  // 18 inputs, 2 results, 5 unit labels, 2 radio and 4 push buttons
}

void AccessibleNamesTest::namesAreTheLabelsTexts_data() {
    QTest::addColumn<int>("control");
    QTest::addColumn<QString>("name");
    QTest::newRow("air temperature") << IDC_AIR_TEMP << "Ambient Air Temp.";
    QTest::newRow("minutes") << IDC_MINUTE << "Minutes";
    QTest::newRow("high grade") << IDC_PG_HIGH << "PG Grade high";
    QTest::newRow("low grade") << IDC_PG_LOW << "PG Grade low";
    QTest::newRow("start time") << IDC_START_TIME << "The recommended compaction start time is:";
    QTest::newRow("stop time") << IDC_STOP_TIME << "The recommended compaction stop time is:";
    QTest::newRow("air temperature unit") << IDC_AIR_TEMP_UNIT << "Ambient Air Temp. unit";
    QTest::newRow("English") << IDC_UNITS_ENGLISH << "English";
}

void AccessibleNamesTest::namesAreTheLabelsTexts() {
    QFETCH(int, control);
    QFETCH(QString, name);
    ViewHarness form;
    QCOMPARE(AccessibleName(form.m_pView->GetDlgItem(control)), name);
}

// On Linux a list is announced by its value; its label comes through the "labelled by" relation.
void AccessibleNamesTest::listsAreLabelledByTheirLabels() {
    ViewHarness form;
    for (int nId : {IDC_SKY, IDC_MIX_TYPE, IDC_MATERIAL_TYPE, IDC_MOISTURE_CONTENT, IDC_MOISTURE_STATE}) {
        QWidget* pList = form.m_pView->GetDlgItem(nId);
        const auto labels = QAccessible::queryAccessibleInterface(pList)->relations(QAccessible::Label);
        QCOMPARE(labels.size(), 1);
        QCOMPARE(labels.front().first->text(QAccessible::Name), pList->accessibleName());
    }
}

void AccessibleNamesTest::unitButtonsAreRadioButtons() {
    ViewHarness form;
    form.Click(IDC_UNITS_SI);
    for (int nId : {IDC_UNITS_SI, IDC_UNITS_ENGLISH}) {
        QAccessibleInterface* pAccessible =
            QAccessible::queryAccessibleInterface(form.m_pView->GetDlgItem(nId));
        QCOMPARE(pAccessible->role(), QAccessible::RadioButton);
        QCOMPARE(bool(pAccessible->state().checked), nId == IDC_UNITS_SI);
    }
}

REGISTER_TEST_SUITE(AccessibleNamesTest);
#include "AccessibleNamesTest.moc"
