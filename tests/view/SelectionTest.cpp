#include <QComboBox>
#include <QTest>

#include "CompactionWindow.h"
#include "Resource.h"
#include "SuiteMain.h"
#include "ViewHarness.h"

// The material decides whether the moisture lists apply; the high grade moves the start time at once.
class SelectionTest : public QObject {
    Q_OBJECT

private slots:
    void boundMaterialsBlankTheMoistureLists();
    void unboundMaterialResetsEarlierMoistureChoices();
    void listsWithoutHandlersChangeNothingYet();
    void gradeChangeMovesTheStartTimeAndKeepsExport();
};

void SelectionTest::boundMaterialsBlankTheMoistureLists() {
    ViewHarness form;
    form.Choose(IDC_MATERIAL_TYPE, "PCC");
    QCOMPARE(form.Shown(IDC_MATERIAL_TYPE), QString("PCC"));
    QCOMPARE(form.Shown(IDC_MOISTURE_CONTENT), QString());
    QCOMPARE(form.Shown(IDC_MOISTURE_STATE), QString());
    QVERIFY(!form.IsEnabled(IDC_MOISTURE_CONTENT) && !form.IsEnabled(IDC_MOISTURE_STATE));
    QVERIFY(!form.IsEnabled(IDC_EXPORT));
    // Reading the form stores "nothing selected".
    form.Enter(IDC_AIR_TEMP, "50");
    QCOMPARE(form.m_pView->m_form.inputs.m_nMoistureContent, -1);
    QCOMPARE(form.m_pView->m_form.inputs.m_nMoistureState, -1);

    form.Choose(IDC_MATERIAL_TYPE, "Subgrade Soil");
    QCOMPARE(form.Shown(IDC_MATERIAL_TYPE), QString("Subgrade Soil"));
    QCOMPARE(form.Shown(IDC_MOISTURE_CONTENT), QString("Dry"));
    QCOMPARE(form.Shown(IDC_MOISTURE_STATE), QString("Unfrozen"));
    QVERIFY(form.IsEnabled(IDC_MOISTURE_CONTENT) && form.IsEnabled(IDC_MOISTURE_STATE));
}

void SelectionTest::unboundMaterialResetsEarlierMoistureChoices() {
    ViewHarness form;
    form.Choose(IDC_MOISTURE_CONTENT, "Wet");
    form.Choose(IDC_MOISTURE_STATE, "Frozen");
    QCOMPARE(form.Shown(IDC_MOISTURE_CONTENT), QString("Wet"));
    QCOMPARE(form.Shown(IDC_MOISTURE_STATE), QString("Frozen"));
    form.Choose(IDC_MATERIAL_TYPE, "Subgrade Soil");
    QCOMPARE(form.Shown(IDC_MOISTURE_CONTENT), QString("Dry"));
    QCOMPARE(form.Shown(IDC_MOISTURE_STATE), QString("Unfrozen"));
    QCOMPARE(form.m_pView->m_form.inputs.m_nMoistureContent, 0);
    QCOMPARE(form.m_pView->m_form.inputs.m_nMoistureState, 1);
}

void SelectionTest::listsWithoutHandlersChangeNothingYet() {
    ViewHarness form;
    form.Click(IDC_CALCULATE);
    form.Choose(IDC_PG_LOW, "-40");
    form.Choose(IDC_SKY, "Overcast");
    form.Choose(IDC_MIX_TYPE, "SMA");
    QCOMPARE(form.Shown(IDC_PG_LOW), QString("-40"));
    QCOMPARE(form.Shown(IDC_MIX_TYPE), QString("SMA"));
    QCOMPARE(form.m_pView->m_form.inputs.m_nPgLow, 4);
    QCOMPARE(form.m_pView->m_form.inputs.m_nSkyCondition, 0);
    QVERIFY(form.IsEnabled(IDC_EXPORT));
}

void SelectionTest::gradeChangeMovesTheStartTimeAndKeepsExport() {
    ViewHarness form;
    form.EnterRunA();
    form.Click(IDC_CALCULATE);
    const int nStartAt120 = FindStartTime(form.m_pView->m_result.curve, 120.0, UnitSystem::SI);
    const int nStartAt110 = FindStartTime(form.m_pView->m_result.curve, 110.0, UnitSystem::SI);
    QVERIFY(nStartAt110 > nStartAt120);  // the run must tell the two grades apart
    QCOMPARE(form.Shown(IDC_START_TIME), QString::number(nStartAt120));

    form.Choose(IDC_PG_HIGH, "52");
    QCOMPARE(form.Shown(IDC_PG_HIGH), QString("52"));
    QCOMPARE(form.m_pView->m_result.summary.start.dStartTemp, 110.0);
    QCOMPARE(form.Shown(IDC_START_TIME), QString::number(nStartAt110));
    QVERIFY(form.IsEnabled(IDC_EXPORT));

    form.Choose(IDC_PG_HIGH, "58");
    QCOMPARE(form.m_pView->m_result.summary.start.dStartTemp, 120.0);
    QCOMPARE(form.Shown(IDC_START_TIME), QString::number(nStartAt120));
}

REGISTER_TEST_SUITE(SelectionTest);
#include "SelectionTest.moc"
