#include "ui/qt/CardSheet.h"

#include <QAbstractTextDocumentLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>
#include <algorithm>
#include <memory>
#include <vector>

namespace orrimar {

namespace {

// The look of a card on paper, as the sheet's own style gives it.
constexpr const char* CardStyle =
    "h2 { font-size: 10pt; margin: 0; } p { margin: 0; } a { color: black; "
    "text-decoration: none; } .seed { color: #555555; font-size: 8pt; }";

}  // namespace

void PaintCards(QPagedPaintDevice& device, const QStringList& cards) {
    QPainter painter(&device);
    if (!painter.isActive()) return;
    QRectF page = device.pageLayout().paintRectPixels(device.logicalDpiX());
    page.moveTo(0, 0);
    const double mm = device.logicalDpiX() / 25.4;
    const double gap = 3 * mm, pad = 1.5 * mm;
    const double width = (page.width() - gap) / 2;

    // Each card laid out at the printer's own resolution, a column wide.
    std::vector<std::unique_ptr<QTextDocument>> docs;
    for (const QString& card : cards) {
        auto doc = std::make_unique<QTextDocument>();
        doc->documentLayout()->setPaintDevice(&device);
        QFont font("Sans Serif", 9);
        doc->setDefaultFont(font);
        doc->setDefaultStyleSheet(CardStyle);
        doc->setDocumentMargin(0);
        doc->setHtml(card);
        doc->setTextWidth(width - 2 * pad);
        docs.push_back(std::move(doc));
    }
    painter.setPen(QPen(QColor(0x66, 0x66, 0x66), std::max(1.0, mm / 4)));
    double y = 0;
    for (size_t i = 0; i < docs.size(); i += 2) {
        const size_t end = std::min(docs.size(), i + 2);
        double height = 0;
        for (size_t k = i; k < end; ++k)
            height = std::max(height, docs[k]->size().height() + 2 * pad);
        // A row that does not fit goes onto the next page; a card taller
        // than a page is made smaller to fit one.
        if (y > 0 && y + height > page.height()) {
            device.newPage();
            y = 0;
        }
        const double scale = height > page.height() ? page.height() / height : 1.0;
        for (size_t k = i; k < end; ++k) {
            const double x = static_cast<double>(k - i) * (width + gap);
            painter.save();
            painter.translate(x, y);
            painter.scale(scale, scale);
            painter.drawRect(QRectF(0, 0, width, docs[k]->size().height() + 2 * pad));
            painter.translate(pad, pad);
            docs[k]->drawContents(&painter);
            painter.restore();
        }
        y += height * scale + gap;
    }
}

}  // namespace orrimar
