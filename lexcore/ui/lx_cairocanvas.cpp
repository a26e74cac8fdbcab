#include "lexcore/ui/lx_cairocanvas.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <mutex>
#include <set>
#include <unordered_map>

#include "lexcore/rtl/lx_atomicsave.h"
#include "lexcore/rtl/lx_strings.h"
#include "lexcore/ui/lx_cairoapi.h"

namespace lx {

namespace {

// Only once a canvas exists, or CairoApi() said the libraries are there.
const TCairoApi& Api() {
  return *CairoApi();
}

std::string Lower(std::string s) {
  for (char& c : s)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return s;
}

const std::set<std::string>& InstalledFamilies() {
  static std::once_flag once;
  static std::set<std::string> families;
  std::call_once(once, [] {
    if (CairoApi() == nullptr) return;  // without the libraries no family can be drawn
    PangoFontMap* map = Api().pango_cairo_font_map_get_default();
    PangoFontFamily** list = nullptr;
    int n = 0;
    Api().pango_font_map_list_families(map, &list, &n);
    for (int i = 0; i < n; ++i) families.insert(Lower(Api().pango_font_family_get_name(list[i])));
    Api().g_free(list);
  });
  return families;
}

// Pango wants valid UTF-8 and reads line breaks as new lines. Every UTF-16 unit keeps a place: a lone
// surrogate becomes U+FFFD, a control a zero-width space, so byte offsets map back to unit indices.
struct TUtf8Text {
  std::string bytes;
  std::vector<int32_t> unitByte;  // byte offset of each UTF-16 unit (both units of a pair share one)
};

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

TUtf8Text ToPangoText(std::u16string_view text) {
  TUtf8Text t;
  t.bytes.reserve(text.size() + text.size() / 2);
  t.unitByte.resize(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t u = text[i];
    t.unitByte[i] = static_cast<int32_t>(t.bytes.size());
    char32_t c = u;
    if (u >= 0xD800 && u <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((char32_t(u) - 0xD800) << 10) + (char32_t(text[i + 1]) - 0xDC00);
      t.unitByte[i + 1] = t.unitByte[i];
      ++i;
    } else if (u >= 0xD800 && u <= 0xDFFF) {
      c = 0xFFFD;
    } else if ((u < 0x20 && u != u'\t') || u == 0x7F || u == 0x2028 || u == 0x2029) {
      c = 0x200B;
    }
    AppendUtf8(t.bytes, c);
  }
  return t;
}

// Colour does not change how text is shaped.
bool SameShape(const TFont& a, const TFont& b) {
  return a.Name == b.Name && a.Size == b.Size && a.Style == b.Style && a.Pitch == b.Pitch &&
         a.PixelsPerInch == b.PixelsPerInch;
}

cairo_status_t AppendToString(void* closure, const unsigned char* data, unsigned int length) {
  static_cast<std::string*>(closure)->append(reinterpret_cast<const char*>(data), length);
  return CAIRO_STATUS_SUCCESS;
}

void SetColour(cairo_t* cr, TColor c) {
  Api().cairo_set_source_rgb(cr, (c & 0xFF) / 255.0, ((c >> 8) & 0xFF) / 255.0, ((c >> 16) & 0xFF) / 255.0);
}

}  // namespace

bool FontFamilyInstalled(const UnicodeString& family) {
  return !family.empty() && InstalledFamilies().count(Lower(UTF16ToUTF8(family))) > 0;
}

UnicodeString DefaultInstalledFontFamily() {
  for (const char16_t* f : {u"DejaVu Sans", u"Noto Sans", u"Liberation Sans", u"FreeSans"})
    if (FontFamilyInstalled(f)) return f;
  return {};
}

struct TCairoCanvas::TImpl {
  cairo_surface_t* surface = nullptr;
  cairo_t* cr = nullptr;
  PangoLayout* layout = nullptr;
  std::string bytes;  // PDF and SVG stream out as they go
  TFont applied;
  bool fontSet = false;
  TTextMetric metrics;
  bool rtl = false;
  // Widths already shaped with the current font: a page measures the same words over and over.
  std::unordered_map<std::u16string, int32_t> widths;

  ~TImpl() {
    if (layout) Api().g_object_unref(layout);
    if (cr) Api().cairo_destroy(cr);
    if (surface) Api().cairo_surface_destroy(surface);
  }
};

TCairoCanvas::TCairoCanvas(TCairoSurfaceKind kind, int32_t widthPx, int32_t heightPx,
                           const UnicodeString& fallbackFamily, int32_t dotsPerInch)
    : impl_(std::make_unique<TImpl>()),
      kind_(kind),
      width_(std::max(1, widthPx)),
      height_(std::max(1, heightPx)),
      dpi_(kind == csk_png ? kScreenPixelsPerInch : std::clamp(dotsPerInch, 72, 1200)) {
  Font.PixelsPerInch = dpi_;
  // PDF and SVG measure in points.
  const double kPointsPerPixel = 72.0 / dpi_;
  std::string failure;
  if (CairoApi(&failure) == nullptr) throw ECanvasError("cannot draw: " + failure);
  fallback_ = fallbackFamily.empty() ? DefaultInstalledFontFamily() : fallbackFamily;
  if (fallback_.empty())
    throw ECanvasError(
        "no font family with wide coverage is installed (looked for DejaVu Sans, Noto Sans, Liberation Sans, "
        "FreeSans); install fonts-dejavu-core");
  if (!FontFamilyInstalled(fallback_))
    throw ECanvasError(
        "font family \"" + UTF16ToUTF8(fallback_) +
        "\" is not installed; install it or choose another family (fc-list shows those present)");
  if (width_ > 20000 || height_ > 20000) throw ECanvasError("a page of more than 20000 dots a side");
  TImpl& m = *impl_;
  switch (kind) {
    case csk_png:
      m.surface = Api().cairo_image_surface_create(CAIRO_FORMAT_RGB24, width_, height_);
      break;
    case csk_pdf:
      m.surface = Api().cairo_pdf_surface_create_for_stream(
          AppendToString, &m.bytes, width_ * kPointsPerPixel, height_ * kPointsPerPixel);
      break;
    case csk_svg:
      m.surface = Api().cairo_svg_surface_create_for_stream(
          AppendToString, &m.bytes, width_ * kPointsPerPixel, height_ * kPointsPerPixel);
      break;
  }
  if (Api().cairo_surface_status(m.surface) != CAIRO_STATUS_SUCCESS)
    throw ECanvasError(std::string("cannot create the drawing surface: ") +
                       Api().cairo_status_to_string(Api().cairo_surface_status(m.surface)));
  m.cr = Api().cairo_create(m.surface);
  if (kind != csk_png) Api().cairo_scale(m.cr, kPointsPerPixel, kPointsPerPixel);
  // A white page, as paper and a fresh window are.
  Api().cairo_set_source_rgb(m.cr, 1, 1, 1);
  Api().cairo_paint(m.cr);
  m.layout = Api().pango_cairo_create_layout(m.cr);
  // Unhinted metrics give the same widths on every surface, so a page measured for the screen prints alike.
  cairo_font_options_t* fo = Api().cairo_font_options_create();
  Api().cairo_font_options_set_hint_metrics(fo, CAIRO_HINT_METRICS_OFF);
  Api().cairo_font_options_set_hint_style(fo, CAIRO_HINT_STYLE_NONE);
  Api().pango_cairo_context_set_font_options(Api().pango_layout_get_context(m.layout), fo);
  Api().cairo_font_options_destroy(fo);
  Api().pango_layout_set_single_paragraph_mode(m.layout, TRUE);
}

TCairoCanvas::~TCairoCanvas() = default;

namespace {

// The family Pango is asked for: the font's own when installed, else the canvas's fallback (noted once).
UnicodeString FamilyFor(const TFont& font, const UnicodeString& fallback,
                        std::vector<UnicodeString>& substituted) {
  if (FontFamilyInstalled(font.Name)) return font.Name;
  if (!font.Name.empty() && std::find(substituted.begin(), substituted.end(), font.Name) == substituted.end())
    substituted.push_back(font.Name);
  return fallback;
}

}  // namespace

void TCairoCanvas::UseFont(bool rtl) const {
  TImpl& m = *impl_;
  const TFont& font = Font;
  if (m.fontSet && SameShape(m.applied, font) && m.rtl == rtl) return;
  const UnicodeString family = FamilyFor(font, fallback_, substituted_);
  PangoContext* ctx = Api().pango_layout_get_context(m.layout);
  Api().pango_cairo_context_set_resolution(ctx, std::clamp(font.PixelsPerInch, 1, 2400));
  Api().pango_context_set_base_dir(ctx, rtl ? PANGO_DIRECTION_RTL : PANGO_DIRECTION_LTR);
  Api().pango_layout_set_auto_dir(m.layout, FALSE);
  Api().pango_layout_context_changed(m.layout);
  PangoFontDescription* d = Api().pango_font_description_new();
  Api().pango_font_description_set_family(d, UTF16ToUTF8(family).c_str());
  // Points, kept within the font model's bounds so a corrupt size cannot ask for an absurd font.
  const int32_t em = font.EmPixels();
  Api().pango_font_description_set_absolute_size(d, static_cast<double>(em) * PANGO_SCALE);
  Api().pango_font_description_set_weight(
      d, font.Style.Contains(fsBold) ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
  Api().pango_font_description_set_style(
      d, font.Style.Contains(fsItalic) ? PANGO_STYLE_ITALIC : PANGO_STYLE_NORMAL);
  Api().pango_layout_set_font_description(m.layout, d);
  PangoAttrList* attrs = Api().pango_attr_list_new();
  if (font.Style.Contains(fsUnderline))
    Api().pango_attr_list_insert(attrs, Api().pango_attr_underline_new(PANGO_UNDERLINE_SINGLE));
  if (font.Style.Contains(fsStrikeOut))
    Api().pango_attr_list_insert(attrs, Api().pango_attr_strikethrough_new(TRUE));
  Api().pango_layout_set_attributes(m.layout, attrs);
  Api().pango_attr_list_unref(attrs);
  // Ascent and height from a laid-out line: the context's own metrics come out in the unscaled space of a
  // page whose surface is scaled to points.
  Api().pango_layout_set_text(m.layout, "Xy", 2);
  PangoRectangle logical;
  Api().pango_layout_get_extents(m.layout, nullptr, &logical);
  m.metrics = {};
  m.metrics.tmAscent = PANGO_PIXELS_CEIL(Api().pango_layout_get_baseline(m.layout));
  m.metrics.tmHeight = std::max(m.metrics.tmAscent, PANGO_PIXELS_CEIL(logical.height));
  m.metrics.tmDescent = m.metrics.tmHeight - m.metrics.tmAscent;
  Api().pango_layout_set_text(m.layout, "x", 1);
  Api().pango_layout_get_extents(m.layout, nullptr, &logical);
  m.metrics.tmAveCharWidth = std::max(1, PANGO_PIXELS(logical.width));
  m.metrics.tmMaxCharWidth = em;
  Api().pango_font_description_free(d);
  if (!m.fontSet || !(SameShape(m.applied, font))) m.widths.clear();
  m.applied = font;
  m.rtl = rtl;
  m.fontSet = true;
}

TTextMetric TCairoCanvas::GetTextMetrics() const {
  UseFont(impl_->rtl);
  return impl_->metrics;
}

TSize TCairoCanvas::TextExtent(std::u16string_view text) const {
  TImpl& m = *impl_;
  UseFont(m.rtl);
  if (text.empty()) return {0, m.metrics.tmHeight};
  const bool cacheable = text.size() <= 64;
  if (cacheable) {
    const auto it = m.widths.find(std::u16string(text));
    if (it != m.widths.end()) return {it->second, m.metrics.tmHeight};
  }
  const TUtf8Text t = ToPangoText(text);
  Api().pango_layout_set_text(m.layout, t.bytes.data(), static_cast<int>(t.bytes.size()));
  PangoRectangle logical;
  Api().pango_layout_get_pixel_extents(m.layout, nullptr, &logical);
  if (cacheable) {
    if (m.widths.size() > 50000) m.widths.clear();
    m.widths.emplace(std::u16string(text), logical.width);
  }
  return {logical.width, m.metrics.tmHeight};
}

int32_t TCairoCanvas::GetTextExtentExPoint(std::u16string_view text, int32_t maxExtent,
                                           std::span<int32_t> partial, TSize& size) const {
  TImpl& m = *impl_;
  UseFont(m.rtl);
  size = {0, m.metrics.tmHeight};
  if (text.empty()) return 0;
  const TUtf8Text t = ToPangoText(text);
  Api().pango_layout_set_text(m.layout, t.bytes.data(), static_cast<int>(t.bytes.size()));
  PangoRectangle logical;
  Api().pango_layout_get_pixel_extents(m.layout, nullptr, &logical);
  size.cx = logical.width;
  const bool fill = partial.size() >= text.size();
  int32_t fit = 0, reach = 0;
  bool stopped = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    // The extent after a unit is the far edge of its character; a pair's two units share it.
    PangoRectangle pos;
    Api().pango_layout_index_to_pos(m.layout, t.unitByte[i], &pos);
    const int32_t edge = PANGO_PIXELS(std::max(pos.x, pos.x + pos.width));
    reach = std::max(reach, edge);
    const bool pairStart = i + 1 < text.size() && t.unitByte[i + 1] == t.unitByte[i];
    if (fill) partial[i] = reach;
    if (pairStart) {
      if (fill) partial[i + 1] = reach;
    }
    if (!stopped && reach <= maxExtent)
      fit = static_cast<int32_t>(i + (pairStart ? 2 : 1));
    else
      stopped = true;
    if (pairStart) ++i;
    if (stopped && !fill) break;
  }
  return fit;
}

void TCairoCanvas::NewPage() {
  if (finished_) throw ECanvasError("the canvas is already finished");
  if (kind_ != csk_pdf) throw ECanvasError("only a PDF canvas has more than one page");
  Api().cairo_show_page(impl_->cr);
  Api().cairo_save(impl_->cr);
  Api().cairo_identity_matrix(impl_->cr);
  Api().cairo_restore(impl_->cr);
  ++pages_;
}

std::string TCairoCanvas::FinishToBytes() {
  if (finished_) throw ECanvasError("the canvas is already finished");
  TImpl& m = *impl_;
  finished_ = true;
  if (kind_ == csk_png) {
    Api().cairo_surface_flush(m.surface);
    const cairo_status_t st = Api().cairo_surface_write_to_png_stream(m.surface, AppendToString, &m.bytes);
    if (st != CAIRO_STATUS_SUCCESS)
      throw ECanvasError(std::string("PNG output failed: ") + Api().cairo_status_to_string(st));
  } else {
    Api().cairo_surface_finish(m.surface);
    const cairo_status_t st = Api().cairo_surface_status(m.surface);
    if (st != CAIRO_STATUS_SUCCESS)
      throw ECanvasError(std::string("page output failed: ") + Api().cairo_status_to_string(st));
  }
  return std::move(m.bytes);
}

void TCairoCanvas::SaveToFile(const UnicodeString& fileName) {
  const std::string bytes = FinishToBytes();
  SaveFileDurably(fileName, bytes.data(), bytes.size());
}

TColor TCairoCanvas::PixelAt(int32_t x, int32_t y) {
  if (kind_ != csk_png || x < 0 || y < 0 || x >= width_ || y >= height_) return -1;
  Api().cairo_surface_flush(impl_->surface);
  const unsigned char* data = Api().cairo_image_surface_get_data(impl_->surface);
  if (!data) return -1;
  const int stride = Api().cairo_image_surface_get_stride(impl_->surface);
  uint32_t px;
  std::memcpy(&px, data + static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x) * 4, 4);
  const uint32_t r = (px >> 16) & 0xFF, g = (px >> 8) & 0xFF, b = px & 0xFF;
  return static_cast<TColor>(r | (g << 8) | (b << 16));
}

void TCairoCanvas::PaintText(int32_t x, int32_t y, uint32_t options, const TRect* clip,
                             std::u16string_view text) {
  if (finished_) return;
  TImpl& m = *impl_;
  cairo_t* cr = m.cr;
  const bool rtl = (options & ETO_RTLREADING) || (TextAlign & TA_RTLREADING);
  UseFont(rtl);
  const bool clipped = (options & ETO_CLIPPED) && clip;
  if (clipped && clip->IsEmpty()) return;
  Api().cairo_save(cr);
  if (clipped) {
    Api().cairo_rectangle(cr, clip->Left, clip->Top, clip->Width(), clip->Height());
    Api().cairo_clip(cr);
  }
  int32_t w = 0;
  if (!text.empty()) {
    const TUtf8Text t = ToPangoText(text);
    Api().pango_layout_set_text(m.layout, t.bytes.data(), static_cast<int>(t.bytes.size()));
    PangoRectangle logical;
    Api().pango_layout_get_pixel_extents(m.layout, nullptr, &logical);
    w = logical.width;
  }
  int32_t left = x;
  if ((TextAlign & TA_CENTER) == TA_CENTER)
    left = x - w / 2;
  else if (TextAlign & TA_RIGHT)
    left = x - w;
  int32_t top = y;
  if ((TextAlign & TA_BASELINE) == TA_BASELINE)
    top = y - m.metrics.tmAscent;
  else if (TextAlign & TA_BOTTOM)
    top = y - m.metrics.tmHeight;
  if (options & ETO_OPAQUE) {
    SetColour(cr, Brush.Color);
    if (clip)
      Api().cairo_rectangle(cr, clip->Left, clip->Top, std::max(0, clip->Width()),
                            std::max(0, clip->Height()));
    else
      Api().cairo_rectangle(cr, left, top, w, m.metrics.tmHeight);
    Api().cairo_fill(cr);
  }
  if (!text.empty()) {
    SetColour(cr, Font.Color);
    Api().cairo_move_to(cr, left, top);
    Api().pango_cairo_show_layout(cr, m.layout);
  }
  Api().cairo_restore(cr);
}

void TCairoCanvas::PaintFill(const TRect& rect) {
  if (finished_ || rect.IsEmpty()) return;
  SetColour(impl_->cr, Brush.Color);
  Api().cairo_rectangle(impl_->cr, rect.Left, rect.Top, rect.Width(), rect.Height());
  Api().cairo_fill(impl_->cr);
}

void TCairoCanvas::PaintRectangle(const TRect& rect) {
  if (finished_ || rect.IsEmpty()) return;
  cairo_t* cr = impl_->cr;
  if (Brush.Style != bsClear) PaintFill(rect);
  SetColour(cr, Pen.Color);
  Api().cairo_set_line_width(cr, std::max(1, Pen.Width));
  // Half-pixel inset puts a one-pixel outline on whole pixels, inside the rectangle as on a raster device.
  Api().cairo_rectangle(cr, rect.Left + 0.5, rect.Top + 0.5, rect.Width() - 1, rect.Height() - 1);
  Api().cairo_stroke(cr);
}

void TCairoCanvas::PaintLine(TPoint from, TPoint to) {
  if (finished_) return;
  cairo_t* cr = impl_->cr;
  SetColour(cr, Pen.Color);
  Api().cairo_set_line_width(cr, std::max(1, Pen.Width));
  Api().cairo_move_to(cr, from.x + 0.5, from.y + 0.5);
  Api().cairo_line_to(cr, to.x + 0.5, to.y + 0.5);
  Api().cairo_stroke(cr);
}

void TCairoCanvas::PaintPolygon(std::span<const TPoint> points) {
  if (finished_ || points.empty()) return;
  cairo_t* cr = impl_->cr;
  Api().cairo_move_to(cr, points[0].x, points[0].y);
  for (std::size_t i = 1; i < points.size(); ++i) Api().cairo_line_to(cr, points[i].x, points[i].y);
  Api().cairo_close_path(cr);
  if (Brush.Style != bsClear) {
    SetColour(cr, Brush.Color);
    Api().cairo_fill_preserve(cr);
  }
  SetColour(cr, Pen.Color);
  Api().cairo_set_line_width(cr, std::max(1, Pen.Width));
  Api().cairo_stroke(cr);
}

}  // namespace lx
