// A canvas that keeps every painting operation with the state it was painted in, so tests (and tools that
// want a display list) can see exactly what display code drew.
#pragma once

#include <string>
#include <vector>

#include "lexcore/ui/lx_canvas.h"

namespace lx {

enum TCanvasOpKind : uint8_t { cop_text, cop_fill, cop_rectangle, cop_line, cop_polygon };

struct TCanvasOp {
  TCanvasOpKind kind = cop_text;
  TPoint at;   // text origin, or a line's start
  TPoint to;   // a line's end
  TRect rect;  // fill, rectangle, or the clip/opaque rectangle of text
  bool has_rect = false;
  uint32_t options = 0;  // ETO_ options of text
  uint32_t text_align = 0;
  UnicodeString text;
  std::vector<TPoint> points;  // polygon corners
  TFont font;
  TBrush brush;
  TPen pen;
  TBackgroundMode background = bkOpaque;
};

// One line per operation, for readable expectations: for example
//   text 4,2 "cat" Tahoma 10 b #0000FF opaque #FFFFFF clip 0,0,80,16
//   fill 0,0,80,16 #FFFFFF
std::string DescribeCanvasOp(const TCanvasOp& op);

class TRecordingCanvas : public TCanvas {
 public:
  std::vector<TCanvasOp> Ops;
  std::vector<std::string> Described() const;
  void Clear() { Ops.clear(); }

 protected:
  void PaintText(int32_t x, int32_t y, uint32_t options, const TRect* clip,
                 std::u16string_view text) override;
  void PaintFill(const TRect& rect) override;
  void PaintRectangle(const TRect& rect) override;
  void PaintLine(TPoint from, TPoint to) override;
  void PaintPolygon(std::span<const TPoint> points) override;

 private:
  TCanvasOp& Record(TCanvasOpKind kind);
};

}  // namespace lx
