// A 200-page concordance printed to PDF through the printer organiser, the text drawer and Cairo: prints the
// seconds taken and the file's size.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

#include "lexcore/drawing/print_utilities.h"
#include "lexcore/painting/RTL_and_LTR_Painting.h"
#include "lexcore/rtl/lx_strings.h"

int main(int argc, char** argv) {
  const std::string out = argc > 1 ? argv[1] : "/tmp/lexmill-print-job.pdf";
  const int pages = argc > 2 ? std::stoi(argv[2]) : 200;
  static const char16_t* words[] = {u"the",    u"house",   u"of",     u"Elizabeth", u"and",
                                    u"walked", u"towards", u"garden", u"slowly",    u"she",
                                    u"said,",  u"Darcy",   u"was",    u"home"};
  const auto t0 = std::chrono::steady_clock::now();
  lx::TPrinter printer;
  printer.DotsPerInch = 300;
  printer.Port = lx::UTF8ToUTF16(out);
  lx::TPrinterOrganiser organiser(&printer);
  organiser.GetCurrentPrinterInfo();
  const lx::TRect area = organiser.fp_rec.print_to_area;
  printer.BeginDoc();
  lx::TCairoCanvas& canvas = printer.Canvas();
  canvas.Font.Name = canvas.FallbackFamily();
  lx::TMyTextDrawer drawer;
  const int32_t step = canvas.TextHeight(u"yTTG") + 8;
  const int perPage = area.Height() / step;
  uint32_t seed = 1;
  long lines = 0;
  for (int p = 0; p < pages; ++p) {
    if (p) printer.NewPage();
    for (int i = 0; i < perPage; ++i) {
      std::u16string text;
      for (int w = 0; w < 9; ++w) (text += words[(seed = seed * 1103515245u + 12345u) >> 16 & 7]) += u' ';
      const int32_t at = static_cast<int32_t>(text.size()) + 1;
      text += u"house";
      for (int w = 0; w < 9; ++w) (text += u' ') += words[(seed = seed * 1103515245u + 12345u) >> 16 & 7];
      lx::TExtraFontList fonts;
      lx::TExtraFontRec centre;
      centre.switch_on_at_char = at;
      centre.switch_off_at_char = at + 5;
      centre.colour_rec = drawer.search_colours_and_style.colourset;
      fonts.AddOne(centre);
      lx::TRect row = lx::Rect(area.Left, area.Top + i * step, area.Right, area.Top + i * step + step - 8);
      drawer.DrawConcText(text, at, 5, canvas, 0x0809, &fonts, row, false, u' ', lx::pra_printer);
      ++lines;
    }
  }
  printer.EndDoc();
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
  std::printf("%d pages, %ld lines: %.2f s, %.1f pages/s, %ju bytes\n", pages, lines, seconds,
              pages / seconds, static_cast<uintmax_t>(std::filesystem::file_size(out)));
}
