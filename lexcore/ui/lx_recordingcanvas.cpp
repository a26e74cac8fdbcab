#include "lexcore/ui/lx_recordingcanvas.h"

#include <cstdio>

#include "lexcore/rtl/lx_strings.h"

namespace lx {

namespace {

std::string Hex(TColor c) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "#%06X", static_cast<unsigned>(c) & 0xFFFFFFu);
  return buf;
}

std::string Coords(const TRect& r) {
  return std::to_string(r.Left) + "," + std::to_string(r.Top) + "," + std::to_string(r.Right) + "," +
         std::to_string(r.Bottom);
}

std::string Point(TPoint p) {
  return std::to_string(p.x) + "," + std::to_string(p.y);
}

std::string FontText(const TFont& f) {
  std::string s = UTF16ToUTF8(f.Name) + " " + std::to_string(f.Size) + " ";
  if (f.Style.Contains(fsBold)) s += 'b';
  if (f.Style.Contains(fsItalic)) s += 'i';
  if (f.Style.Contains(fsUnderline)) s += 'u';
  if (f.Style.Contains(fsStrikeOut)) s += 's';
  if (f.Style.Empty()) s += '-';
  return s + " " + Hex(f.Color);
}

}  // namespace

std::string DescribeCanvasOp(const TCanvasOp& op) {
  switch (op.kind) {
    case cop_text: {
      std::string s = "text " + Point(op.at) + " \"" + UTF16ToUTF8(op.text) + "\" " + FontText(op.font);
      s += (op.options & ETO_OPAQUE) ? " opaque " + Hex(op.brush.Color) : " transparent";
      if (op.text_align & TA_RTLREADING || op.options & ETO_RTLREADING) s += " rtl";
      if (op.has_rect) s += ((op.options & ETO_CLIPPED) ? " clip " : " in ") + Coords(op.rect);
      return s;
    }
    case cop_fill:
      return "fill " + Coords(op.rect) + " " + Hex(op.brush.Color);
    case cop_rectangle:
      return "rectangle " + Coords(op.rect) + " pen " + Hex(op.pen.Color) + " brush " +
             (op.brush.Style == bsClear ? std::string("clear") : Hex(op.brush.Color));
    case cop_line:
      return "line " + Point(op.at) + " " + Point(op.to) + " " + Hex(op.pen.Color);
    case cop_polygon: {
      std::string s = "polygon";
      for (TPoint p : op.points) s += " " + Point(p);
      return s + " " + Hex(op.brush.Color);
    }
  }
  return "?";
}

std::vector<std::string> TRecordingCanvas::Described() const {
  std::vector<std::string> lines;
  lines.reserve(Ops.size());
  for (const TCanvasOp& op : Ops) lines.push_back(DescribeCanvasOp(op));
  return lines;
}

TCanvasOp& TRecordingCanvas::Record(TCanvasOpKind kind) {
  TCanvasOp& op = Ops.emplace_back();
  op.kind = kind;
  op.font = Font;
  op.brush = Brush;
  op.pen = Pen;
  op.text_align = TextAlign;
  op.background = BackgroundMode;
  return op;
}

void TRecordingCanvas::PaintText(int32_t x, int32_t y, uint32_t options, const TRect* clip,
                                 std::u16string_view text) {
  TCanvasOp& op = Record(cop_text);
  op.at = {x, y};
  op.options = options;
  op.text = UnicodeString(text);
  if (clip) {
    op.rect = *clip;
    op.has_rect = true;
  }
}

void TRecordingCanvas::PaintFill(const TRect& rect) {
  Record(cop_fill).rect = rect;
}

void TRecordingCanvas::PaintRectangle(const TRect& rect) {
  Record(cop_rectangle).rect = rect;
}

void TRecordingCanvas::PaintLine(TPoint from, TPoint to) {
  TCanvasOp& op = Record(cop_line);
  op.at = from;
  op.to = to;
}

void TRecordingCanvas::PaintPolygon(std::span<const TPoint> points) {
  Record(cop_polygon).points.assign(points.begin(), points.end());
}

}  // namespace lx
