#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <QVBoxLayout>
#include <memory>
#include <semaphore>

#include "CToolWindow.h"
#include "NamedRuns.h"
#include "SuiteMain.h"
#include "ToolWindows.h"
#include "WindowFixture.h"

namespace {

// A tool window with one long job: Run counts to 100, stopping at 50 until the test opens the gate, and
// shows the count only once the job is done.
class CCountingWindow : public CToolWindow {
public:
    explicit CCountingWindow(const ToolContext& context)
        : CToolWindow(context, QStringLiteral("CountingTest"), QStringLiteral("Counting"), nullptr) {
        m_pShown = new QLabel(QStringLiteral("nothing yet"), this);
        Body().addWidget(m_pShown);
        m_pRun = AddButton(QStringLiteral("&Run"), QDialogButtonBox::ActionRole);
        SetDefaultButton(m_pRun);
        connect(m_pRun, &QPushButton::clicked, this, &CCountingWindow::Start);
    }

    void Start() {
        RunJob<int>(
            QStringLiteral("Counting"),
            [pGate = m_pGate](std::stop_token token, const JobProgress& progress) {
                int nCount = 0;
                for (int i = 1; i <= 100; ++i) {
                    if (i == 50) {
                        progress(0.5);
                        pGate->acquire();
                    }
                    if (token.stop_requested()) return nCount;
                    ++nCount;
                }
                return nCount;
            },
            [this](int&& nCount) { m_pShown->setText(QString::number(nCount)); });
    }

    QLabel* m_pShown;
    QPushButton* m_pRun;
    std::shared_ptr<std::binary_semaphore> m_pGate = std::make_shared<std::binary_semaphore>(0);
};

QProgressBar& ProgressOf(QWidget& window) { return *window.findChild<QProgressBar*>(); }

}  // namespace

// What every tool window does the same way: Enter and Esc, a long job that can be cancelled
// without anything half-done showing, its size remembered, its texts fitting at any font size.
class ToolWindowTest : public QObject {
    Q_OBJECT
private slots:
    void escCancelsAJobHalfwayAndShowsNothingOfIt();
    void finishedJobShowsItsResult();
    void sizeIsRememberedForTheNextOpening();
    void textsFit_data();
    void textsFit();
};

void ToolWindowTest::escCancelsAJobHalfwayAndShowsNothingOfIt() {
    WindowFixture fixture;
    CCountingWindow window(fixture.context);
    window.ShowModeless();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    QTest::keyClick(&window, Qt::Key_Return);  // the default button: Run
    QVERIFY(window.IsJobRunning());
    QTRY_COMPARE(ProgressOf(window).value(), 50);
    QVERIFY(ProgressOf(window).isVisible());

    QTest::keyClick(&window, Qt::Key_Escape);
    window.m_pGate->release();
    QTRY_VERIFY(!window.IsJobRunning());
    QCOMPARE(window.m_pShown->text(), QStringLiteral("nothing yet"));
    QVERIFY(!ProgressOf(window).isVisible());
    QVERIFY(window.isVisible());  // the first Esc only cancelled
    bool bNoteShown = false;
    for (QLabel* pLabel : window.findChildren<QLabel*>())
        bNoteShown |=
            pLabel->isVisible() && pLabel->text() == QStringLiteral("Cancelled: nothing was changed.");
    QVERIFY(bNoteShown);

    QTest::keyClick(&window, Qt::Key_Escape);
    QVERIFY(!window.isVisible());
}

void ToolWindowTest::finishedJobShowsItsResult() {
    WindowFixture fixture;
    CCountingWindow window(fixture.context);
    window.ShowModeless();
    window.m_pGate->release();
    QTest::mouseClick(window.m_pRun, Qt::LeftButton);
    QTRY_COMPARE(window.m_pShown->text(), QStringLiteral("100"));
    QVERIFY(!window.IsJobRunning());
    QVERIFY(!ProgressOf(window).isVisible());
}

void ToolWindowTest::sizeIsRememberedForTheNextOpening() {
    WindowFixture fixture;
    const QSize chosen(640, 420);
    {
        CCountingWindow first(fixture.context);
        first.ShowModeless();
        first.resize(chosen);
        first.close();
    }
    CCountingWindow second(fixture.context);
    second.ShowModeless();
    QCOMPARE(second.size(), chosen);
}

void ToolWindowTest::textsFit_data() {
    QTest::addColumn<bool>("bToolsMenu");
    QTest::addColumn<double>("fontScale");
    QTest::newRow("a small window, usual font") << false << 1.0;
    QTest::newRow("a small window, font twice as large") << false << 2.0;
    QTest::newRow("every window of the Tools menu, usual font") << true << 1.0;
    QTest::newRow("every window of the Tools menu, font twice as large") << true << 2.0;
}

// A size remembered at a small font (here: far too small) must not cut the texts at a larger one.
void ToolWindowTest::textsFit() {
    QFETCH(bool, bToolsMenu);
    QFETCH(double, fontScale);
    WindowFixture fixture;
    fixture.CalculateAndKeep(RunA());
    std::vector<std::unique_ptr<CToolWindow>> windows;
    if (bToolsMenu) {
        for (const ToolWindowEntry& entry : ToolWindowEntries())
            if (entry.make) windows.emplace_back(entry.make(fixture.context, nullptr));
    } else {
        windows.push_back(std::make_unique<CCountingWindow>(fixture.context));
    }
    QStringList problems;
    for (const std::unique_ptr<CToolWindow>& pWindow : windows) {
        QSettings().setValue(QStringLiteral("ToolWindows/%1/size").arg(pWindow->SettingsKey()),
                             QSize(80, 40));
        QFont font = pWindow->font();
        font.setPointSizeF(font.pointSizeF() * fontScale);
        pWindow->setFont(font);
        pWindow->ShowModeless();
        QVERIFY(QTest::qWaitForWindowExposed(pWindow.get()));
        if (const QString found = NamesAndFit(*pWindow); !found.isEmpty())
            problems << pWindow->windowTitle() + QStringLiteral(": ") + found;
        pWindow->close();
    }
    QCOMPARE(problems.join(QLatin1Char('\n')), QString());
}

REGISTER_TEST_SUITE(ToolWindowTest);
#include "ToolWindowTest.moc"
