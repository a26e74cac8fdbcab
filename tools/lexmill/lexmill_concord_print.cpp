#include "tools/lexmill/lexmill_concord_print.h"

#include <algorithm>
#include <cstdio>

#include "lexcore/drawing/print_utilities.h"
#include "lexcore/painting/RTL_and_LTR_Painting.h"
#include "lexcore/rtl/lx_exceptions.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexcore/ui/lx_cairocanvas.h"
#include "tools/lexmill/lexmill_print_job.h"

namespace lx {

namespace {

constexpr int32_t kPointSize = 10;
constexpr double kMarginInches = 0.6;
constexpr int32_t kPrintDotsPerInch = 300;

bool ParsePaper(const std::string& paper, int16_t& code, TPrinterOrientation& orientation) {
  std::string p = paper;
  orientation = poPortrait;
  const std::string land = "-landscape";
  if (p.size() > land.size() && p.compare(p.size() - land.size(), land.size(), land) == 0) {
    orientation = poLandscape;
    p.resize(p.size() - land.size());
  }
  if (p == "a4")
    code = DMPAPER_A4;
  else if (p == "letter")
    code = DMPAPER_LETTER;
  else
    return false;
  return true;
}

// The page as the organiser sees it at a given resolution: a PDF at print resolution, a picture at screen
// resolution, laid out by the same code.
struct TPageGeometry {
  TRect area;  // inside the margins, device dots
  int32_t dpi = 96;
};

TPageGeometry Geometry(TPrinter& printer, int32_t dpi) {
  printer.DotsPerInch = dpi;
  TPrinterOrganiser organiser(&printer);
  organiser.GetCurrentPrinterInfo();
  organiser.SetPrinterSizesToMargins(kMarginInches, kMarginInches, kMarginInches, kMarginInches, sm_inches);
  return {organiser.fp_rec.print_to_area, dpi};
}

UnicodeString Replaced(UnicodeString s, std::u16string_view code, const UnicodeString& by) {
  for (std::size_t p = s.find(code); p != UnicodeString::npos; p = s.find(code, p + by.size()))
    s.replace(p, code.size(), by);
  return s;
}

}  // namespace

std::string PaperFault(const std::string& paper) {
  int16_t code;
  TPrinterOrientation o;
  return ParsePaper(paper, code, o)
             ? std::string()
             : "--paper is a4, letter, a4-landscape or letter-landscape, not '" + paper + "'";
}

TConcordPrinter::TConcordPrinter(const TLexmillOptions& options, const UnicodeString& searchWord)
    : pdf_(options.concordPdf),
      png_(options.concordPng),
      paper_(options.paper),
      print_(options.concordPrint),
      searchWord_(searchWord),
      lcid_(options.lcid) {}

void TConcordPrinter::Add(std::string_view left, std::string_view hit, std::string_view right,
                          const std::string& file, int32_t word) {
  TLine l;
  l.text = UTF8ToUTF16(left);
  l.hitAt = static_cast<int32_t>(l.text.size()) + 1;
  const UnicodeString h = UTF8ToUTF16(hit);
  l.hitLength = static_cast<int32_t>(h.size());
  l.text += h;
  l.text += UTF8ToUTF16(right);
  l.file = file;
  l.word = word;
  lines_.push_back(std::move(l));
}

void TConcordPrinter::Finish(TLexmillProblems& problems) {
  if (!Wanted()) return;
  int16_t paperCode = DMPAPER_A4;
  TPrinterOrientation orientation = poPortrait;
  ParsePaper(paper_, paperCode, orientation);
  TPrinter printer;
  printer.DeviceMode.dmPaperSize = paperCode;
  printer.SetOrientation(orientation);

  TMyTextDrawer drawer;
  TPrinterOrganiser prefs;
  prefs.SetHeaderOrFooterAndWanted(
      u"Concordance of \"" + searchWord_ + u"\"    page <page number> of <pages>", true, true);

  // Lays out (and, with a canvas, paints) page `page` of the lines; returns the lines a page holds. Given
  // linesPerPage, a page holds that many, closer together where the canvas's whole pixels need it: the
  // picture shows the printed page's lines.
  auto layout = [&](TCanvas& canvas, const TPageGeometry& g, int32_t page, int32_t pages, bool paint,
                    int32_t linesPerPage = 0) {
    canvas.Font.Size = kPointSize;
    canvas.Font.PixelsPerInch = g.dpi;
    canvas.Font.Style = {};
    canvas.Font.Color = 0;
    const int32_t lineHeight = canvas.TextHeight(u"yTTG");
    int32_t step = lineHeight + drawer.interline_spacing * g.dpi / kScreenPixelsPerInch;
    const int32_t bodyTop = g.area.Top + 2 * step, bodyBottom = g.area.Bottom - 2 * step;
    const int32_t perPage = linesPerPage > 0 ? linesPerPage : std::max(1, (bodyBottom - bodyTop) / step);
    if (linesPerPage > 0) step = std::max(1, std::min(step, (bodyBottom - bodyTop) / perPage));
    if (!paint) return perPage;
    const std::size_t first = static_cast<std::size_t>(page) * perPage;
    const std::size_t last = std::min(lines_.size(), first + perPage);
    const UnicodeString header =
        Replaced(Replaced(prefs.HeaderText(), u"<page number>", UTF8ToUTF16(std::to_string(page + 1))),
                 u"<pages>", UTF8ToUTF16(std::to_string(pages)));
    canvas.TextAlign = TA_LEFT;
    canvas.Brush.Style = bsClear;
    canvas.ExtTextOut(g.area.Left, g.area.Top, ETO_CLIPPED, &g.area, header);
    canvas.Pen.Color = 0xC0C0C0;
    canvas.MoveTo(g.area.Left, g.area.Top + step + step / 4);
    canvas.LineTo(g.area.Right, g.area.Top + step + step / 4);
    for (std::size_t i = first; i < last; ++i) {
      const TLine& l = lines_[i];
      TExtraFontList fonts;
      TExtraFontRec centre;
      centre.switch_on_at_char = l.hitAt;
      centre.switch_off_at_char = l.hitAt + l.hitLength;
      centre.colour_rec = drawer.search_colours_and_style.colourset;
      centre.default_typeface = drawer.search_colours_and_style.default_typeface;
      centre.highlight_typeface = drawer.search_colours_and_style.highlight_typeface;
      centre.applies_to = efc_centre_word;
      fonts.AddOne(centre);
      const int32_t top = bodyTop + static_cast<int32_t>(i - first) * step;
      TRect row = Rect(g.area.Left, top, g.area.Right, top + lineHeight);
      drawer.DrawConcText(l.text, l.hitAt, l.hitLength, canvas, lcid_, &fonts, row, false, u' ', pra_printer);
    }
    if (first < last) {
      const TLine& a = lines_[first];
      const TLine& b = lines_[last - 1];
      std::string footer = a.file + "  w" + std::to_string(a.word);
      if (last - first > 1)
        footer +=
            "  to  " + (b.file == a.file ? std::string() : b.file + "  ") + "w" + std::to_string(b.word);
      canvas.TextAlign = TA_LEFT;
      canvas.Brush.Style = bsClear;
      canvas.Font.Style = {};
      canvas.Font.Color = 0x404040;
      canvas.MoveTo(g.area.Left, g.area.Bottom - step - step / 4);
      canvas.LineTo(g.area.Right, g.area.Bottom - step - step / 4);
      canvas.ExtTextOut(g.area.Left, g.area.Bottom - step, ETO_CLIPPED, &g.area, UTF8ToUTF16(footer));
    }
    return perPage;
  };

  // Printing without --pdf goes through a file of its own that is gone once queued.
  std::string pdf = pdf_;
  const bool temporary = print_ && pdf.empty();
  if (temporary && (pdf = TemporaryPdfName()).empty()) {
    problems.Report("cannot print the concordance: no temporary file for the PDF");
    return;
  }
  try {
    if (!pdf.empty()) {
      const TPageGeometry g = Geometry(printer, kPrintDotsPerInch);
      printer.Port = UTF8ToUTF16(pdf);
      printer.BeginDoc();
      TCairoCanvas& canvas = printer.Canvas();
      canvas.Font.Name = canvas.FallbackFamily();
      const int32_t perPage = layout(canvas, g, 0, 0, false);
      const int32_t pages = std::max<int32_t>(
          1, static_cast<int32_t>((lines_.size() + perPage - 1) / static_cast<std::size_t>(perPage)));
      for (int32_t p = 0; p < pages; ++p) {
        if (p > 0) printer.NewPage();
        layout(canvas, g, p, pages, true);
      }
      printer.EndDoc();
      std::fprintf(stderr, "lexmill: %zu line%s on %d page%s of %d lines written to %s\n", lines_.size(),
                   lines_.size() == 1 ? "" : "s", pages, pages == 1 ? "" : "s", perPage, pdf.c_str());
      std::string fault;
      if (print_ && !SendToPrinter(pdf, fault)) problems.Report("cannot print the concordance: " + fault);
    }
    if (!png_.empty()) {
      // The first printed page: its lines and page count are the printed ones, measured at the printer's
      // resolution, then drawn at the screen's.
      const TPageGeometry screen = Geometry(printer, kScreenPixelsPerInch);  // sizes the sheet in pixels
      TCairoCanvas canvas(csk_png, printer.PhysicalWidth(), printer.PhysicalHeight());
      canvas.Font.Name = canvas.FallbackFamily();
      const int32_t perPage = layout(canvas, Geometry(printer, kPrintDotsPerInch), 0, 0, false);
      const int32_t pages = std::max<int32_t>(
          1, static_cast<int32_t>((lines_.size() + perPage - 1) / static_cast<std::size_t>(perPage)));
      layout(canvas, screen, 0, pages, true, perPage);
      canvas.SaveToFile(UTF8ToUTF16(png_));
    }
  } catch (const Exception& e) {
    printer.Abort();
    problems.Report(std::string("cannot print the concordance: ") + e.what());
  }
  if (temporary) std::remove(pdf.c_str());
}

}  // namespace lx
