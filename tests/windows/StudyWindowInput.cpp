#include "StudyWindowInput.h"

#include <QAbstractItemModel>
#include <QApplication>
#include <QAreaSeries>
#include <QChart>
#include <QFileDialog>
#include <QLineSeries>
#include <QPrintDialog>
#include <QPrinter>
#include <QTableView>
#include <QTest>
#include <QXYSeries>

#include "CToolWindow.h"

void TypeIntoCell(QTableView& table, const QModelIndex& index, const QString& text) {
    table.setFocus();
    table.setCurrentIndex(index);
    for (QChar c : text) QTest::keyClicks(QApplication::focusWidget(), QString(c));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    // The view commits the editor's text on its next turn of the event loop, then gets the focus back.
    QVERIFY2(QTest::qWaitFor([&] { return QApplication::focusWidget() == &table; }, 2000),
             "the table did not take the focus back after the edit");
}

bool WaitForJob(const CToolWindow& window) {
    return QTest::qWaitFor([&] { return !window.IsJobRunning(); }, 120000);
}

QStringList ColumnTexts(const QAbstractItemModel& model, int nColumn) {
    QStringList texts;
    for (int r = 0; r < model.rowCount(); ++r) texts << model.index(r, nColumn).data().toString();
    return texts;
}

QList<QAbstractSeries*> SeriesNamed(const QChart& chart, const QString& name) {
    QList<QAbstractSeries*> found;
    for (QAbstractSeries* pSeries : chart.series())
        if (pSeries->name() == name) found << pSeries;
    return found;
}

QList<QPointF> PointsOf(const QAbstractSeries& series) {
    if (const auto* pArea = qobject_cast<const QAreaSeries*>(&series)) return pArea->upperSeries()->points();
    if (const auto* pXy = qobject_cast<const QXYSeries*>(&series)) return pXy->points();
    return {};
}

QList<QPointF> PointsNamed(const QChart& chart, const QString& name) {
    const QList<QAbstractSeries*> found = SeriesNamed(chart, name);
    return found.isEmpty() ? QList<QPointF>{} : PointsOf(*found.front());
}

ScriptedUiServices::DialogHandler PrintToPdf(const QString& path) {
    return [path](QDialog& dialog) {
        QPrinter* pPrinter = static_cast<QPrintDialog&>(dialog).printer();
        pPrinter->setOutputFormat(QPrinter::PdfFormat);
        pPrinter->setOutputFileName(path);
        return IDOK;
    };
}

ScriptedUiServices::DialogHandler ChooseFile(const QString& path) {
    return [path](QDialog& dialog) {
        static_cast<QFileDialog&>(dialog).selectFile(path);
        return IDOK;
    };
}
