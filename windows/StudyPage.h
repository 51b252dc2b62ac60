#pragma once

#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>

class QAbstractItemModel;
class QGraphicsView;
class QPainter;

// A printed page of a study window, written from the top down: a title, lines of text, charts and a
// table, each below the last, in black on white at print sizes (title 14 pt, text 9 pt, table 8 pt).
class CStudyPage {
public:
    CStudyPage(QPainter& painter, const QRect& pageRect);
    ~CStudyPage();
    CStudyPage(const CStudyPage&) = delete;
    CStudyPage& operator=(const CStudyPage&) = delete;

    void Title(const QString& text);
    // Each line word-wrapped to the page's width.
    void Lines(const QStringList& lines);
    // What `view` shows, across the page's width and dHeightShare (0 to 1) of its height; a chart is laid
    // out for paper (its texts about 7 pt) whatever the size of the window showing it.
    void Chart(QGraphicsView& view, double dHeightShare);
    // The model's header and rows, each column as wide as its widest text (narrowed alike when the
    // page is too narrow for all). Rows are bold where the model gives a bold font. A first column whose
    // cells carry a colour or an icon (DecorationRole) shows it as a swatch before the text. Rows that do
    // not fit end in a line saying how many were left out.
    void Table(const QAbstractItemModel& model);

private:
    QPainter& m_painter;
    QRect m_page;
    QFont m_body;
    int m_y;
};
