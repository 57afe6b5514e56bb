// The finished page shown before it is saved: read it, print it, or save it
// as PDF. It writes nothing unless the user saves a PDF.
#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

class QPagedPaintDevice;

class QTextBrowser;

namespace orrimar {

class PreviewDialog : public QDialog {
    Q_OBJECT
  public:
    // `html` is the page as it would be saved; `name` the PDF's proposed
    // file name without extension (may be empty). With `cards` (a sheet's
    // cards, each one's HTML), the print and the PDF are those cards, laid
    // out by PaintCards; the screen shows the page.
    PreviewDialog(QWidget* parent, const QString& html, const QString& name,
                  const QStringList& cards = {});
    // The page shown, as given.
    const QString& Html() const { return html_; }
    // Writes the page as PDF to `path` (through a temporary file beside
    // it); an empty text on success, else what failed.
    QString SavePdf(const QString& path);

  private:
    void Print();
    void AskAndSavePdf();
    // The page, or the cards, onto `device`.
    void PaintOn(QPagedPaintDevice& device);
    QString html_;
    QString name_;
    QStringList cards_;
    QTextBrowser* page_;
};

}  // namespace orrimar
