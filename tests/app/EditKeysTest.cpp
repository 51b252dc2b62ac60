#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QTest>

#include "AppFixture.h"
#include "CMainFrame.h"
#include "MainFrameResources.h"
#include "SuiteMain.h"

// The accelerator table's edit and pane keys have no command in the program; they must still do their
// ordinary work inside the form's edit fields.
class EditKeysTest : public QObject {
    Q_OBJECT
private slots:
    void editKeysReachTheField_data();
    void editKeysReachTheField();
    void onlyKeysWithCommandsAreBound();
};

void EditKeysTest::editKeysReachTheField_data() {
    QTest::addColumn<bool>("bDeleteFirst");
    QTest::addColumn<QKeyCombination>("keys");
    QTest::addColumn<QString>("clipboardBefore");
    QTest::addColumn<QString>("fieldAfter");
    QTest::addColumn<QString>("clipboardAfter");
    // The air temperature field starts with all of its "50" selected.
    QTest::newRow("Ctrl+C copies") << false << (Qt::CTRL | Qt::Key_C) << "x"
                                   << "50"
                                   << "50";
    QTest::newRow("Ctrl+Insert copies") << false << (Qt::CTRL | Qt::Key_Insert) << "x"
                                        << "50"
                                        << "50";
    QTest::newRow("Ctrl+X cuts") << false << (Qt::CTRL | Qt::Key_X) << "x"
                                 << ""
                                 << "50";
    QTest::newRow("Shift+Delete cuts") << false << (Qt::SHIFT | Qt::Key_Delete) << "x"
                                       << ""
                                       << "50";
    QTest::newRow("Ctrl+V pastes") << false << (Qt::CTRL | Qt::Key_V) << "72"
                                   << "72"
                                   << "72";
    QTest::newRow("Shift+Insert pastes") << false << (Qt::SHIFT | Qt::Key_Insert) << "72"
                                         << "72"
                                         << "72";
    QTest::newRow("Ctrl+Z undoes") << true << (Qt::CTRL | Qt::Key_Z) << "x"
                                   << "50"
                                   << "x";
}

void EditKeysTest::editKeysReachTheField() {
    QFETCH(bool, bDeleteFirst);
    QFETCH(QKeyCombination, keys);
    QFETCH(QString, clipboardBefore);
    QFETCH(QString, fieldAfter);
    QFETCH(QString, clipboardAfter);
    StartedApp started;
    QLineEdit& field = started.Edit(IDC_AIR_TEMP);
    field.setFocus();
    field.selectAll();
    QGuiApplication::clipboard()->setText(clipboardBefore);
    if (bDeleteFirst) QTest::keyClick(&field, Qt::Key_Delete);

    started.Press(keys);

    QCOMPARE(field.text(), fieldAfter);
    QCOMPARE(QGuiApplication::clipboard()->text(), clipboardAfter);
    QCOMPARE(started.ui.m_dialogs.size(), std::size_t{1});  // the disclaimer only
}

void EditKeysTest::onlyKeysWithCommandsAreBound() {
    StartedApp started;
    int nBound = 0;
    for (const AcceleratorResource& accelerator : MainFrameAccelerators()) {
        const QKeySequence keys(accelerator.keys);
        QAction* pBound = nullptr;
        for (QAction* pAction : started.Frame().actions()) {
            if (pAction->shortcuts().contains(keys)) pBound = pAction;
        }
        QCOMPARE(pBound != nullptr, CMainFrame::IsHandledCommand(accelerator.nCommandId));
        if (pBound) {
            QCOMPARE(pBound, started.Frame().CommandAction(accelerator.nCommandId));
            ++nBound;
        }
    }
    // New, Open, Save, Print, Shift+F1, F1 and Ctrl+K (Keep for Comparison).
    QCOMPARE(nBound, 7);
}

REGISTER_TEST_SUITE(EditKeysTest);
#include "EditKeysTest.moc"
