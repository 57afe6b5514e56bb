#include "ui/qt/Preview.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QMessageBox>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "output/SaveDialog.h"
#include "text/Files.h"
#include "ui/qt/CardSheet.h"
#include "ui/qt/Dialogs.h"
#include "ui/qt/Keys.h"
#include "ui/qt/QtUi.h"
#include "ui/qt/Screen.h"

namespace orrimar {

PreviewDialog::PreviewDialog(QWidget* parent, const QString& html, const QString& name,
                             const QStringList& cards)
    : QDialog(parent), html_(html), name_(name), cards_(cards) {
    setObjectName("Preview");
    auto* layout = new QVBoxLayout(this);
    page_ = new QTextBrowser;
    page_->setObjectName("Page");
    page_->setOpenLinks(false);
    page_->setHtml(html_);
    layout->addWidget(page_, 1);
    const QString title = page_->documentTitle();
    setWindowTitle(title.isEmpty() ? QString("Preview") : "Preview: " + title);

    auto* row = new QHBoxLayout;
    auto* print = new QPushButton("&Print...");
    print->setObjectName("cmdPrint");
    auto* pdf = new QPushButton("Save as P&DF...");
    pdf->setObjectName("cmdPdf");
    auto* close = new QPushButton("&Close");
    close->setObjectName("cmdClose");
    close->setDefault(true);
    row->addWidget(print);
    row->addWidget(pdf);
    row->addStretch();
    row->addWidget(close);
    layout->addLayout(row);
    connect(print, &QPushButton::clicked, this, [this] { Print(); });
    connect(pdf, &QPushButton::clicked, this, [this] { AskAndSavePdf(); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    AddMnemonics(this);

    // About a printed page's proportions, as much of the screen as it allows.
    const QRect area = AvailableArea(this);
    const int height = area.height() * 9 / 10;
    ResizeWithin(this, std::max(sizeHint().width(), height * 4 / 5), height);
    CentreOnScreen(this);
    page_->setFocus();
}

void PreviewDialog::Print() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(windowTitle());
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) return;
    PaintOn(printer);
}

void PreviewDialog::PaintOn(QPagedPaintDevice& device) {
    if (cards_.isEmpty())
        page_->print(&device);
    else
        PaintCards(device, cards_);
}

void PreviewDialog::AskAndSavePdf() {
    // Where the last save went, under the name the character's files take.
    const QString folder = QString::fromLocal8Bit(SaveFolder());
    QString path = QFileDialog::getSaveFileName(
        this, "Save as PDF", folder + (name_.isEmpty() ? QString() : name_ + ".pdf"),
        "PDF documents (*.pdf)");
    if (path.isEmpty()) return;
    if (QFileInfo(path).suffix().isEmpty()) path += ".pdf";
    if (const QString problem = SavePdf(path); !problem.isEmpty()) {
        QMessageBox::warning(this, windowTitle(), problem);
        return;
    }
    RememberSaveFolder(QFile::encodeName(path).toStdString());
}

QString PreviewDialog::SavePdf(const QString& path) {
    // Drawn into memory first, then written whole through a temporary file:
    // a failed save leaves any earlier file as it was.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        writer.setTitle(windowTitle());
        writer.setCreator("Orrimar Character Generator");
        PaintOn(writer);
    }
    const std::string failed =
        WriteFileAtomic(QFile::encodeName(path).toStdString(), buffer.data().toStdString());
    return QString::fromLocal8Bit(failed.c_str());
}

}  // namespace orrimar
