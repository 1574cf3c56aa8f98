#include "Printer.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QIODevice>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <algorithm>
#include <cerrno>
#include <optional>

#include "FontMap.h"
#include "platform/file/AtomicFile.h"
#include "platform/file/SystemErrorText.h"

namespace platform {

namespace {

constexpr double kTwipsPerInch = 1440.0;
constexpr double kTwipsPerMillimetre = kTwipsPerInch / 25.4;
// A character cell of the character scale.
constexpr double kCharTwipsX = 120.0;
constexpr double kCharTwipsY = 240.0;
constexpr int kPdfResolution = 1200;
constexpr char kDefaultFont[] = "ＭＳ ゴシック";
constexpr double kDefaultFontSize = 10.0;

// The printer the process prints on, like the one printer object of a
// desktop program: chosen once, kept until the user picks another.
struct CurrentPrinter {
    bool known = false;
    QString name;
    std::optional<QPageLayout> layout;
};

CurrentPrinter& CurrentState() {
    static CurrentPrinter state;
    if (!state.known && QCoreApplication::instance() != nullptr) {
        state.known = true;
        state.name = QPrinterInfo::defaultPrinterName();
        if (state.name.isEmpty()) state.name = QPrinterInfo::availablePrinterNames().value(0);
    }
    return state;
}

QPageLayout PdfLayout() {
    if (const auto& chosen = CurrentState().layout) return *chosen;
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                       QPageLayout::Millimeter);
}

// A write-only device over the atomic file writer, so that a PDF replaces
// the file of its name only once it is complete.
class AtomicFileDevice final : public QIODevice {
public:
    explicit AtomicFileDevice(const std::string& path) : file_(path) { open(QIODevice::WriteOnly); }

    bool isSequential() const override { return true; }
    bool Commit() { return file_.Commit(); }
    int Error() const { return file_.error(); }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override {
        file_.Write(data, static_cast<size_t>(size));
        return file_.ok() ? size : -1;
    }

private:
    AtomicFile file_;
};

}  // namespace

struct Printer::Impl {
    Scale scale = Scale::Characters;
    double scaleLeft = 0;
    double scaleTop = 0;
    QString fontName = QString::fromUtf8(kDefaultFont);
    double fontSize = kDefaultFontSize;
    double x = 0;
    double y = 0;
    int page = 0;
    bool started = false;
    int error = 0;
    std::string errorText;

    std::unique_ptr<QPrinter> printer;
    std::unique_ptr<AtomicFileDevice> file;
    std::unique_ptr<QPdfWriter> pdf;
    QPaintDevice* device = nullptr;
    QPainter painter;
    double lineHeight = 0;  // device pixels
    double ascent = 0;
    QFont font;

    double UnitX() const { return scale == Scale::Characters ? kCharTwipsX : kTwipsPerMillimetre; }
    double UnitY() const { return scale == Scale::Characters ? kCharTwipsY : kTwipsPerMillimetre; }
    double DpiX() const { return device != nullptr ? device->logicalDpiX() : 96.0; }
    double DpiY() const { return device != nullptr ? device->logicalDpiY() : 96.0; }
    double DevX(double v) const { return (v - scaleLeft) * UnitX() * DpiX() / kTwipsPerInch; }
    double DevY(double v) const { return (v - scaleTop) * UnitY() * DpiY() / kTwipsPerInch; }
    double UnitsY(double pixels) const { return pixels * kTwipsPerInch / DpiY() / UnitY(); }
    double UnitsX(double pixels) const { return pixels * kTwipsPerInch / DpiX() / UnitX(); }
    double PageHeight() const { return device != nullptr ? device->height() : 0; }
    double PageWidth() const { return device != nullptr ? device->width() : 0; }

    void FontApply() {
        font = MappedFont(fontName.toStdString(), fontSize);
        QFontMetricsF metrics(font, device);
        lineHeight = metrics.lineSpacing();
        ascent = metrics.ascent();
        if (started) painter.setFont(font);
    }

    void Fail(int err, std::string text) {
        if (error != 0) return;
        error = err;
        errorText = std::move(text);
    }

    void FileFailed() {
        const int err = file && file->Error() != 0 ? file->Error() : EIO;
        Fail(err, SystemErrorText(err));
    }

    void StartFailed() {
        if (file) {
            FileFailed();
        } else {
            Fail(-1, "the printer could not start the document");
        }
    }

    void Finish() {
        started = false;
        pdf.reset();
        file.reset();
        printer.reset();
        device = nullptr;
    }

    bool PdfStart(const std::string& path) {
        if (path.empty()) {
            Fail(ENOENT, SystemErrorText(ENOENT));
            return false;
        }
        file = std::make_unique<AtomicFileDevice>(path);
        if (file->Error() != 0) {
            Fail(file->Error(), SystemErrorText(file->Error()));
            return false;
        }
        pdf = std::make_unique<QPdfWriter>(file.get());
        pdf->setResolution(kPdfResolution);
        pdf->setPageLayout(PdfLayout());
        device = pdf.get();
        return true;
    }

    bool PrinterStart(const QString& name) {
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setPrinterName(name);
        if (const auto& chosen = CurrentState().layout) printer->setPageLayout(*chosen);
        if (!printer->isValid()) {
            Fail(-1, "printer not available");
            return false;
        }
        device = printer.get();
        return true;
    }
};

// --- current printer ------------------------------------------------------------

QString Printer::Current() { return CurrentState().name; }

void Printer::SetCurrent(const QString& printerName) {
    CurrentPrinter& state = CurrentState();
    state.known = true;
    state.name = printerName;
}

std::optional<QString> Printer::DeviceName() {
    const QString name = Current();
    if (name.isEmpty()) return QString::fromUtf8(kPdfDeviceName);
    if (QPrinterInfo::printerInfo(name).isNull()) return std::nullopt;
    return name;
}

bool Printer::SetupDialog(QWidget* owner, bool hidePrintToFile) {
    QPrinter printer(QPrinter::HighResolution);
    CurrentPrinter& state = CurrentState();
    if (!state.name.isEmpty()) {
        printer.setPrinterName(state.name);
    } else {
        printer.setOutputFormat(QPrinter::PdfFormat);
    }
    if (state.layout) printer.setPageLayout(*state.layout);
    QPrintDialog dialog(&printer, owner);
    dialog.setWindowTitle(QStringLiteral("プリンタの設定"));
    const bool printersExist = !QPrinterInfo::availablePrinterNames().isEmpty();
    dialog.setOption(QAbstractPrintDialog::PrintToFile, !(hidePrintToFile && printersExist));
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() != QDialog::Accepted) return false;
    state.known = true;
    state.name = printer.outputFormat() == QPrinter::PdfFormat ? QString() : printer.printerName();
    state.layout = printer.pageLayout();
    return true;
}

// --- one document ------------------------------------------------------------------

Printer::Printer() : d_(std::make_unique<Impl>()) {}

Printer::~Printer() {
    if (d_->started) KillDoc();
}

bool Printer::StartDoc(const std::string& pdfPath) {
    if (d_->started) return true;
    d_->error = 0;
    d_->errorText.clear();
    const QString name = Current();
    const bool ready = name.isEmpty() ? d_->PdfStart(pdfPath) : d_->PrinterStart(name);
    if (ready && !d_->painter.begin(d_->device)) d_->StartFailed();
    if (d_->error != 0) {
        d_->Finish();
        return false;
    }
    d_->started = true;
    d_->page = 1;
    d_->x = std::max(0.0, d_->scaleLeft);
    d_->y = std::max(0.0, d_->scaleTop);
    d_->FontApply();
    return true;
}

bool Printer::Started() const { return d_->started; }

void Printer::ScaleMode(Scale scale) { d_->scale = scale; }
void Printer::ScaleLeft(double value) { d_->scaleLeft = value; }
void Printer::ScaleTop(double value) { d_->scaleTop = value; }

void Printer::FontName(std::string_view designName) {
    d_->fontName = QString::fromUtf8(designName.data(), static_cast<qsizetype>(designName.size()));
    d_->FontApply();
}

void Printer::FontSize(double points) {
    if (points <= 0) return;
    d_->fontSize = points;
    d_->FontApply();
}

double Printer::CurrentX() const { return d_->x; }
void Printer::CurrentX(double value) { d_->x = value; }
double Printer::CurrentY() const { return d_->y; }
void Printer::CurrentY(double value) { d_->y = value; }

double Printer::FontSize() const { return d_->fontSize; }

double Printer::TextHeight() const { return d_->UnitsY(d_->lineHeight); }

double Printer::TextWidth(std::string_view utf8) const {
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    return d_->UnitsX(QFontMetricsF(d_->font, d_->device).horizontalAdvance(text));
}
double Printer::ScaleWidth() const { return d_->UnitsX(d_->PageWidth()); }
double Printer::ScaleHeight() const { return d_->UnitsY(d_->PageHeight()); }

void Printer::Print(std::string_view utf8) {
    if (!d_->started) return;
    Impl& d = *d_;
    // Never past the bottom: a line that does not fit starts a new page,
    // unless it stands at the top already (a font taller than the page).
    const double top = d.DevY(std::max(0.0, d.scaleTop));
    if (d.DevY(d.y) + d.lineHeight > d.PageHeight() && d.DevY(d.y) > top) NewPage();
    if (!utf8.empty()) {
        const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
        d.painter.drawText(QPointF(d.DevX(d.x), d.DevY(d.y) + d.ascent), text);
    }
    d.x = 0;
    d.y += d.UnitsY(d.lineHeight);
}

void Printer::NewPage() {
    if (!d_->started) return;
    auto* paged = dynamic_cast<QPagedPaintDevice*>(d_->device);
    if (paged == nullptr || !paged->newPage()) d_->Fail(-1, "a new page could not be started");
    ++d_->page;
    d_->x = std::max(0.0, d_->scaleLeft);
    d_->y = std::max(0.0, d_->scaleTop);
}

int Printer::Page() const { return d_->page; }

bool Printer::EndDoc() {
    if (!d_->started) return d_->error == 0;
    Impl& d = *d_;
    const bool painted = d.painter.end();
    bool ok = painted && d.error == 0;
    if (d.file) {
        // The writer's trailer is out once the painter has ended.
        d.pdf.reset();
        if (!ok || !d.file->Commit()) {
            ok = false;
            d.FileFailed();
        }
    } else if (d.printer && d.printer->printerState() == QPrinter::Error) {
        ok = false;
        d.Fail(-1, "the printer reported an error");
    }
    if (!ok && d.error == 0) d.Fail(-1, "the document could not be finished");
    d.Finish();
    return ok;
}

void Printer::KillDoc() {
    if (!d_->started) return;
    if (d_->printer) d_->printer->abort();
    d_->painter.end();
    // The atomic file goes without its commit: nothing is left under the name.
    d_->Finish();
}

int Printer::Error() const { return d_->error; }

std::string Printer::ErrorText() const { return d_->errorText; }

}  // namespace platform
