// Measures how long the main window takes to appear once the disclaimer is closed: from the moment the
// disclaimer's modal call returns to the moment the form has been painted in the shown window.
// Usage: dravonel-startup-bench [runs]   (default 7; offscreen unless QT_QPA_PLATFORM says otherwise)

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QString>
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "CDravonelApp.h"
#include "CFormView.h"
#include "ScriptedUiServices.h"

namespace {

constexpr qint64 kGiveUpNs = 10'000'000'000;

// Notes the first paint of a form page: the form is on the screen.
class PaintWatcher : public QObject {
public:
    bool m_bPainted = false;

protected:
    bool eventFilter(QObject* pObject, QEvent* pEvent) override {
        if (pEvent->type() == QEvent::Paint && qobject_cast<CFormPage*>(pObject)) m_bPainted = true;
        return false;
    }
};

// One start-up; returns the nanoseconds from the disclaimer's close to the painted form, or -1.
qint64 TimeOneStart() {
    ScriptedUiServices ui;
    QElapsedTimer timer;
    ui.QueueDialog([&timer](QDialog&) {
        timer.start();
        return IDOK;
    });
    PaintWatcher watcher;
    qApp->installEventFilter(&watcher);

    CDravonelApp app;
    app.InitInstance();
    // The watcher sees the paint before it runs; once processEvents returns, the paint has run.
    while (!watcher.m_bPainted && timer.nsecsElapsed() < kGiveUpNs)
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    const qint64 nElapsed = watcher.m_bPainted ? timer.nsecsElapsed() : -1;
    qApp->removeEventFilter(&watcher);
    return nElapsed;
}

}  // namespace

// One decimal with a full stop, whatever locale QApplication has taken from the environment.
static std::string Milliseconds(double dMs) { return QString::number(dMs, 'f', 1).toStdString(); }

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    const int nRuns = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;

    std::vector<double> milliseconds;
    for (int i = 0; i < nRuns; ++i) {
        const qint64 nNs = TimeOneStart();
        if (nNs < 0) {
            std::fprintf(stderr, "run %d: the form was never painted\n", i + 1);
            return 1;
        }
        milliseconds.push_back(static_cast<double>(nNs) / 1e6);
        std::printf("run %d: %s ms\n", i + 1, Milliseconds(milliseconds.back()).c_str());
    }
    const double dFirst = milliseconds.front();
    std::sort(milliseconds.begin(), milliseconds.end());
    const double dMedian = milliseconds[milliseconds.size() / 2];
    std::printf("disclaimer closed to main window painted: median %s ms over %d runs (first run %s ms)\n",
                Milliseconds(dMedian).c_str(), nRuns, Milliseconds(dFirst).c_str());
    return 0;
}
