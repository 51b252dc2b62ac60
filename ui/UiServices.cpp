#include "UiServices.h"

#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <QThread>

namespace {

QMessageBox::Icon IconOfType(unsigned type) {
    switch (type & 0xF0u) {
        case MB_ICONSTOP:
            return QMessageBox::Critical;
        case MB_ICONEXCLAMATION:
            return QMessageBox::Warning;
        case MB_ICONINFORMATION:
            return QMessageBox::Information;
        default:
            return QMessageBox::NoIcon;
    }
}

// A modal window shown during a wait (a calculation's notice) gets the ordinary arrow, since it waits for
// the user rather than the program, and the wait cursor comes back when it closes.
class ArrowWhileModal {
public:
    ArrowWhileModal() : m_bWaiting(QApplication::overrideCursor() != nullptr) {
        if (m_bWaiting) QApplication::setOverrideCursor(Qt::ArrowCursor);
    }
    ~ArrowWhileModal() {
        if (m_bWaiting) QApplication::restoreOverrideCursor();
    }
    ArrowWhileModal(const ArrowWhileModal&) = delete;
    ArrowWhileModal& operator=(const ArrowWhileModal&) = delete;

private:
    bool m_bWaiting;
};

// The desktop program's services: real modal windows, a real pause, the real cursor.
class QtUiServices final : public UiServices {
public:
    int MessageBox(QWidget* owner, const QString& text, const QString& caption, unsigned type) override {
        const ArrowWhileModal arrow;
        QMessageBox box(IconOfType(type), caption, text, QMessageBox::Ok,
                        owner ? owner : QApplication::activeWindow());
        box.exec();
        return IDOK;
    }
    int DoModal(QDialog& dialog) override {
        const ArrowWhileModal arrow;
        return dialog.exec();
    }
    void Sleep(int milliseconds) override { QThread::msleep(static_cast<unsigned long>(milliseconds)); }
    void BeginWaitCursor() override { QApplication::setOverrideCursor(Qt::WaitCursor); }
    void EndWaitCursor() override { QApplication::restoreOverrideCursor(); }
};

// The process has one user-interface thread; the seam is read and replaced only on it.
UiServices* g_pInstalled = nullptr;

}  // namespace

UiServices& UiServices::Current() {
    static QtUiServices realServices;
    return g_pInstalled ? *g_pInstalled : realServices;
}

UiServices* UiServices::Install(UiServices* services) {
    UiServices* pPrevious = g_pInstalled;
    g_pInstalled = services;
    return pPrevious;
}

int AfxMessageBox(const QString& text, unsigned type) {
    return UiServices::Current().MessageBox(nullptr, text, QString::fromUtf8(kAppName), type);
}
