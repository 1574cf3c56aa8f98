// The printer object the programs print through: a page-by-page document in
// character cells or millimetres, on the process's current printer. With
// no system printer installed or chosen, the current printer is a PDF file
// the caller names, so printing always produces something.
//
// Positions are in scale units from an origin the caller may move: in the
// character scale a unit is 1/12 inch across and 1/6 inch down; in the
// millimetre scale a millimetre both ways. ScaleLeft and ScaleTop are the
// scale coordinates of the printable area's left and top edges (ScaleLeft
// -6 puts x = 0 six character units in from the edge).
#ifndef PLATFORM_UI_PRINTER_H
#define PLATFORM_UI_PRINTER_H

#include <QString>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

class QWidget;

namespace platform {

class Printer {
public:
    // What the dialogs show as the device while printing goes to a PDF file.
    static constexpr char kPdfDeviceName[] = "PDFファイル";

    enum class Scale { Characters, Millimetres };

    // --- the process's current printer -------------------------------------
    // The system printer in use; empty while printing goes to a PDF file. At
    // first the system's default printer (or the first one installed), else
    // the PDF file.
    static QString Current();
    static void SetCurrent(const QString& printerName);
    static bool PrintsToPdf() { return Current().isEmpty(); }
    // The current printer's name as the dialogs show it; nullopt when the
    // current printer is a system printer that is no longer installed.
    static std::optional<QString> DeviceName();
    // The printer set-up dialog over owner. OK makes the chosen printer (and
    // its paper) current and returns true; Cancel changes nothing.
    // hidePrintToFile keeps the PDF entry out of the list while system
    // printers exist.
    static bool SetupDialog(QWidget* owner, bool hidePrintToFile);

    Printer();
    // Discards a document that was started and not ended.
    ~Printer();
    Printer(const Printer&) = delete;
    Printer& operator=(const Printer&) = delete;

    // Starts a document on the current printer. pdfPath is where a PDF
    // document goes (unused for a system printer); the file there is only
    // replaced once EndDoc has written the whole document. False, with
    // ErrorText(), when no document could be started.
    bool StartDoc(const std::string& pdfPath = {});
    bool Started() const;

    // --- settings; they may change at any time -------------------------------
    void ScaleMode(Scale scale);
    void ScaleLeft(double value);
    void ScaleTop(double value);
    // A design font name ("ＭＳ 明朝", "MS GOTHIC"), mapped to the system's
    // face of the same pitch.
    void FontName(std::string_view designName);
    void FontSize(double points);

    double CurrentX() const;
    void CurrentX(double value);
    double CurrentY() const;
    void CurrentY(double value);
    // The height of one printed line, in scale units.
    double TextHeight() const;
    // The printable area's size in scale units; 0 before StartDoc.
    double ScaleWidth() const;
    double ScaleHeight() const;

    // --- output ---------------------------------------------------------------
    // Prints utf8 with its top left at the current position, then moves to
    // x = 0 on the next line. A line that would run past the bottom of the
    // page goes to the top of a new page instead.
    void Print(std::string_view utf8);
    // Ends the page; the next output goes to the top left of a new one.
    void NewPage();
    // The number of the page being printed, from 1.
    int Page() const;
    // Ends the document: the job goes to the printer, or the PDF file takes
    // its name. False when that failed; an existing file keeps its bytes.
    bool EndDoc();
    // Throws the document away: nothing is printed and no file is written.
    void KillDoc();

    // errno of a file failure, -1 for a printer failure, 0 while all is well.
    int Error() const;
    std::string ErrorText() const;

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

}  // namespace platform

#endif
