// A sheet of stat-block cards on printed pages: two to a row, as many rows
// as a page holds, none split across pages (the page's own layout would
// cut a card at the foot of a page).
#pragma once

#include <QStringList>

class QPagedPaintDevice;

namespace orrimar {

// Paints `cards` (each a card's HTML) onto `device`, page after page.
void PaintCards(QPagedPaintDevice& device, const QStringList& cards);

}  // namespace orrimar
