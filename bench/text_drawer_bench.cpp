// Concordance lines through the text drawer on the measuring canvas: lines per second.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "lexcore/painting/RTL_and_LTR_Painting.h"
#include "lexcore/ui/lx_recordingcanvas.h"

namespace {

struct TLine {
  std::u16string text;
  int32_t hitAt, hitLength;
};

std::vector<TLine> MakeLines(int n) {
  static const char16_t* words[] = {u"the",     u"house",  u"of",     u"Elizabeth", u"and",   u"walked",
                                    u"towards", u"garden", u"slowly", u"she",       u"said,", u"\"Mr.",
                                    u"Darcy",   u"was",    u"not",    u"at",        u"home",  u"today.\""};
  std::vector<TLine> lines;
  uint32_t seed = 12345;
  auto next = [&] { return seed = seed * 1103515245u + 12345u, (seed >> 16) % 18; };
  for (int i = 0; i < n; ++i) {
    TLine l;
    for (int w = 0; w < 8; ++w) (l.text += words[next()]) += u' ';
    l.hitAt = static_cast<int32_t>(l.text.size()) + 1;
    l.text += u"house";
    l.hitLength = 5;
    for (int w = 0; w < 8; ++w) (l.text += u' ') += words[next()];
    lines.push_back(std::move(l));
  }
  return lines;
}

void BM_ConcordanceLinesMeasuringCanvas(benchmark::State& state) {
  const std::vector<TLine> lines = MakeLines(10000);
  lx::TCanvas canvas;
  lx::TMyTextDrawer drawer;
  for (auto _ : state) {
    for (const TLine& l : lines) {
      lx::TExtraFontList fonts;
      lx::TExtraFontRec centre;
      centre.switch_on_at_char = l.hitAt;
      centre.switch_off_at_char = l.hitAt + l.hitLength;
      centre.colour_rec = drawer.search_colours_and_style.colourset;
      fonts.AddOne(centre);
      lx::TRect row = lx::Rect(0, 0, 700, 17);
      drawer.DrawConcText(l.text, l.hitAt, l.hitLength, canvas, 0x0809, &fonts, row, false, u' ',
                          lx::pra_screen);
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(lines.size()));
}
BENCHMARK(BM_ConcordanceLinesMeasuringCanvas)->Unit(benchmark::kMillisecond);

void BM_WrappedCellsMeasuringCanvas(benchmark::State& state) {
  const std::vector<TLine> lines = MakeLines(10000);
  lx::TCanvas canvas;
  lx::TMyTextDrawer drawer;
  drawer.AddASearchRequest(u"house");
  lx::TRect used;
  for (auto _ : state)
    for (const TLine& l : lines)
      drawer.DrawAChunkofText(l.text, canvas, lx::Rect(0, 0, 200, 60), false, true, false, false,
                              lx::default_aligned, 0x0809, used);
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(lines.size()));
}
BENCHMARK(BM_WrappedCellsMeasuringCanvas)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
