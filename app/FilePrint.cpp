#include "FilePrint.h"

#include "CDravonelView.h"
#include "PagePrint.h"
#include "PrintLayout.h"

bool PrintFormPage(const CDravonelView& view, QWidget* pOwner) {
    return PrintOnePage(pOwner, QStringLiteral("KELVANOR cooling curve"),
                        [&view](QPainter& painter, const QRect& pageRect) {
                            PrintCoolingPage(painter, pageRect, view.Record(), view.GetPlotInputs());
                        });
}
