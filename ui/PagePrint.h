#pragma once

#include <QRect>
#include <QString>
#include <functional>

class QPainter;
class QWidget;

// Paints one printed page: the painter's origin is the top left of the printable area, pageRect its size
// in the printer's pixels.
using PagePainter = std::function<void(QPainter& painter, const QRect& pageRect)>;

// Asks for the printer with the print dialog (through the UiServices seam, owned by pOwner), then prints
// one page painted by `paint`; docName names the job in the printer's queue.
// Returns true when the page was printed; false when the dialog was cancelled, or, after a message box
// saying so, when the printer could not be opened or the job failed.
bool PrintOnePage(QWidget* pOwner, const QString& docName, const PagePainter& paint);
