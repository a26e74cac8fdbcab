#include "lexcore/ui/lx_richedit.h"

#include <unicode/uchar.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "lexcore/rtl/lx_atomicsave.h"
#include "lexcore/rtl/lx_strings.h"

namespace lx {

namespace {

bool IsWordChar(char16_t c) {
  return u_isalnum(c) || c == u'_';
}

char16_t Fold(char16_t c) {
  return (c >= 0xD800 && c <= 0xDFFF) ? c
                                      : static_cast<char16_t>(u_foldCase(c, U_FOLD_CASE_DEFAULT) & 0xFFFF);
}

std::string Hex2(int v) {
  char b[4];
  std::snprintf(b, sizeof b, "%02x", v & 0xFF);
  return b;
}

std::string CssColour(TColor c) {
  return "#" + Hex2(c) + Hex2(c >> 8) + Hex2(c >> 16);
}

}  // namespace

TRichEdit::TRichEdit() : faces_{u""} {}

void TRichEdit::SetText(std::u16string_view text) {
  text_.clear();
  text_.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'\r') {
      text_ += u'\n';
      if (i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    } else {
      text_ += text[i];
    }
  }
  TRichCharFormat plain;
  plain.Color = Font.Color;
  formats_.assign(text_.size(), plain);
  insertion_ = plain;
  SelStart = SelLength = 0;
  first_visible_ = 0;
}

UnicodeString TRichEdit::Text() const {
  UnicodeString out;
  out.reserve(text_.size() + text_.size() / 40);
  for (char16_t c : text_) {
    if (c == u'\n') out += u'\r';
    out += c;
  }
  return out;
}

void TRichEdit::ApplyToSelection(const std::function<void(TRichCharFormat&)>& change) {
  const int32_t from = std::clamp(SelStart, 0, TextLength());
  const int32_t to = std::clamp(from + std::max(0, SelLength), from, TextLength());
  if (from == to) {
    change(insertion_);
    return;
  }
  for (int32_t i = from; i < to; ++i) change(formats_[static_cast<std::size_t>(i)]);
}

void TRichEdit::SetSelColour(TColor colour) {
  ApplyToSelection([colour](TRichCharFormat& f) { f.Color = colour; });
}

void TRichEdit::SetSelBackColour(TColor colour) {
  ApplyToSelection([colour](TRichCharFormat& f) { f.BackColor = colour; });
}

void TRichEdit::SetSelStyle(TFontStyles style) {
  ApplyToSelection([style](TRichCharFormat& f) { f.Style = style; });
}

void TRichEdit::SetSelFace(const UnicodeString& face) {
  auto it = std::find(faces_.begin(), faces_.end(), face);
  if (it == faces_.end()) {
    if (faces_.size() >= 255) return;  // the face index is one byte
    faces_.push_back(face);
    it = faces_.end() - 1;
  }
  const uint8_t index = static_cast<uint8_t>(it - faces_.begin());
  ApplyToSelection([index](TRichCharFormat& f) { f.Face = index; });
}

void TRichEdit::SetSelText(std::u16string_view text) {
  const int32_t from = std::clamp(SelStart, 0, TextLength());
  const int32_t to = std::clamp(from + std::max(0, SelLength), from, TextLength());
  UnicodeString clean;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'\r') {
      clean += u'\n';
      if (i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    } else {
      clean += text[i];
    }
  }
  text_.replace(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from), clean);
  formats_.erase(formats_.begin() + from, formats_.begin() + to);
  formats_.insert(formats_.begin() + from, clean.size(), insertion_);
  SelStart = from + static_cast<int32_t>(clean.size());
  SelLength = 0;
}

TRichCharFormat TRichEdit::FormatAt(int32_t pos) const {
  return pos >= 0 && pos < TextLength() ? formats_[static_cast<std::size_t>(pos)] : insertion_;
}

int32_t TRichEdit::FindText(std::u16string_view text, int32_t start, int32_t length,
                            TSearchTypes options) const {
  if (text.empty() || start < 0 || length <= 0) return -1;
  const int64_t end = std::min<int64_t>(TextLength(), int64_t{start} + length);
  const bool matchCase = options.Contains(stMatchCase), whole = options.Contains(stWholeWord);
  const int64_t n = static_cast<int64_t>(text.size());
  for (int64_t p = start; p + n <= end; ++p) {
    bool same = true;
    for (int64_t k = 0; k < n && same; ++k) {
      const char16_t a = text_[static_cast<std::size_t>(p + k)], b = text[static_cast<std::size_t>(k)];
      same = matchCase ? a == b : Fold(a) == Fold(b);
    }
    if (!same) continue;
    if (whole && ((p > 0 && IsWordChar(text_[static_cast<std::size_t>(p - 1)])) ||
                  (p + n < TextLength() && IsWordChar(text_[static_cast<std::size_t>(p + n)]))))
      continue;
    return static_cast<int32_t>(p);
  }
  return -1;
}

int32_t TRichEdit::LineCount() const {
  return 1 + static_cast<int32_t>(std::count(text_.begin(), text_.end(), u'\n'));
}

int32_t TRichEdit::LineFromChar(int32_t pos) const {
  pos = std::clamp(pos, 0, TextLength());
  return static_cast<int32_t>(std::count(text_.begin(), text_.begin() + pos, u'\n'));
}

int32_t TRichEdit::LineStart(int32_t line) const {
  if (line <= 0) return 0;
  int32_t seen = 0;
  for (int32_t i = 0; i < TextLength(); ++i)
    if (text_[static_cast<std::size_t>(i)] == u'\n' && ++seen == line) return i + 1;
  return -1;
}

int32_t TRichEdit::LineHeight() const {
  TCanvas measure;
  measure.Font = Font;
  return std::max(1, measure.GetTextMetrics().tmHeight);
}

int32_t TRichEdit::VisibleLines() const {
  return std::max(1, ClientHeight / LineHeight());
}

void TRichEdit::LineScroll(int32_t lines) {
  first_visible_ =
      static_cast<int32_t>(std::clamp<int64_t>(int64_t{first_visible_} + lines, 0, LineCount() - 1));
}

void TRichEdit::ScrollCaret() {
  const int32_t line = LineFromChar(SelStart);
  if (line < first_visible_)
    first_visible_ = line;
  else if (line >= first_visible_ + VisibleLines())
    first_visible_ = line - VisibleLines() + 1;
}

template <typename F>
void TRichEdit::ForEachRun(int32_t from, int32_t to, F f) const {
  for (int32_t i = from; i < to;) {
    int32_t j = i + 1;
    while (j < to && formats_[static_cast<std::size_t>(j)] == formats_[static_cast<std::size_t>(i)] &&
           text_[static_cast<std::size_t>(j)] != u'\n' && text_[static_cast<std::size_t>(i)] != u'\n')
      ++j;
    f(i, j);
    i = j;
  }
}

std::string TRichEdit::RTFText() const {
  // Colour table: index 0 is "auto"; every colour used gets its own entry.
  std::vector<TColor> colours;
  auto colourIndex = [&colours](TColor c) {
    auto it = std::find(colours.begin(), colours.end(), c);
    if (it == colours.end()) {
      colours.push_back(c);
      return static_cast<int>(colours.size());
    }
    return static_cast<int>(it - colours.begin()) + 1;
  };
  std::string body;
  ForEachRun(0, TextLength(), [&](int32_t a, int32_t b) {
    const TRichCharFormat& f = formats_[static_cast<std::size_t>(a)];
    body += "{\\f" + std::to_string(f.Face) + "\\cf" + std::to_string(colourIndex(f.Color));
    if (f.BackColor != clNoColour) body += "\\highlight" + std::to_string(colourIndex(f.BackColor));
    if (f.Style.Contains(fsBold)) body += "\\b";
    if (f.Style.Contains(fsItalic)) body += "\\i";
    if (f.Style.Contains(fsUnderline)) body += "\\ul";
    if (f.Style.Contains(fsStrikeOut)) body += "\\strike";
    body += ' ';
    for (int32_t i = a; i < b; ++i) {
      const char16_t c = text_[static_cast<std::size_t>(i)];
      if (c == u'\n')
        body += "\\par\n";
      else if (c == u'\\' || c == u'{' || c == u'}')
        (body += '\\') += static_cast<char>(c);
      else if (c == u'\t')
        body += "\\tab ";
      else if (c >= 0x20 && c < 0x80)
        body += static_cast<char>(c);
      else if (c < 0x20)
        continue;
      else
        body += "\\u" + std::to_string(static_cast<int16_t>(c)) + "?";
    }
    body += '}';
  });
  std::string rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl";
  for (std::size_t i = 0; i < faces_.size(); ++i) {
    std::string face = UTF16ToUTF8(i == 0 || faces_[i].empty() ? Font.Name : faces_[i]);
    face.erase(std::remove_if(face.begin(), face.end(),
                              [](char c) { return c == '{' || c == '}' || c == ';' || c == '\\'; }),
               face.end());
    rtf += "{\\f" + std::to_string(i) + "\\fnil " + face + ";}";
  }
  rtf += "}{\\colortbl;";
  for (TColor c : colours)
    rtf += "\\red" + std::to_string(c & 0xFF) + "\\green" + std::to_string((c >> 8) & 0xFF) + "\\blue" +
           std::to_string((c >> 16) & 0xFF) + ";";
  rtf += "}\n\\fs" + std::to_string(std::clamp(Font.Size, 1, 1638) * 2) + " " + body + "}\n";
  return rtf;
}

std::string TRichEdit::HTMLText() const {
  std::string html =
      "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title></title></head>\n<body "
      "style=\"background:" +
      CssColour(Color) + "\"><pre style=\"font-family:'" + UTF16ToUTF8(Font.Name) +
      "',sans-serif;font-size:" + std::to_string(Font.Size) + "pt;white-space:pre-wrap\">";
  ForEachRun(0, TextLength(), [&](int32_t a, int32_t b) {
    const TRichCharFormat& f = formats_[static_cast<std::size_t>(a)];
    std::string style = "color:" + CssColour(f.Color);
    if (f.BackColor != clNoColour) style += ";background-color:" + CssColour(f.BackColor);
    if (f.Style.Contains(fsBold)) style += ";font-weight:bold";
    if (f.Style.Contains(fsItalic)) style += ";font-style:italic";
    if (f.Style.Contains(fsUnderline) || f.Style.Contains(fsStrikeOut))
      style += std::string(";text-decoration:") + (f.Style.Contains(fsUnderline) ? "underline " : "") +
               (f.Style.Contains(fsStrikeOut) ? "line-through" : "");
    if (f.Face > 0 && f.Face < faces_.size()) style += ";font-family:'" + UTF16ToUTF8(faces_[f.Face]) + "'";
    std::string run;
    for (char16_t c :
         std::u16string_view(text_).substr(static_cast<std::size_t>(a), static_cast<std::size_t>(b - a))) {
      switch (c) {
        case u'&':
          run += "&amp;";
          break;
        case u'<':
          run += "&lt;";
          break;
        case u'>':
          run += "&gt;";
          break;
        case u'"':
          run += "&quot;";
          break;
        default:
          run += UTF16ToUTF8(std::u16string_view(&c, 1));
      }
    }
    html += "<span style=\"" + style + "\">" + run + "</span>";
  });
  return html + "</pre></body></html>\n";
}

void TRichEdit::SaveToRTF(const UnicodeString& fileName) const {
  const std::string s = RTFText();
  SaveFileDurably(fileName, s.data(), s.size());
}

void TRichEdit::SaveToHTML(const UnicodeString& fileName) const {
  const std::string s = HTMLText();
  SaveFileDurably(fileName, s.data(), s.size());
}

void TRichEdit::PaintTo(TCanvas& canvas, const TRect& rect) const {
  if (rect.IsEmpty()) return;
  canvas.Brush.Color = Color;
  canvas.Brush.Style = bsSolid;
  canvas.FillRect(rect);
  canvas.Font = Font;
  canvas.TextAlign = TA_LEFT;
  const int32_t h = LineHeight();
  int32_t y = rect.Top;
  const TRect clip = Rect(rect.Left + LeftMargin, rect.Top, rect.Right - RightMargin, rect.Bottom);
  for (int32_t line = first_visible_; line < LineCount() && y < rect.Bottom; ++line, y += h) {
    const int32_t start = LineStart(line);
    if (start < 0) break;
    int32_t end = start;
    while (end < TextLength() && text_[static_cast<std::size_t>(end)] != u'\n') ++end;
    int32_t x = clip.Left;
    ForEachRun(start, end, [&](int32_t a, int32_t b) {
      if (x >= clip.Right) return;
      const TRichCharFormat& f = formats_[static_cast<std::size_t>(a)];
      canvas.Font.Color = f.Color;
      canvas.Font.Style = f.Style;
      canvas.Font.Name = f.Face > 0 && f.Face < faces_.size() ? faces_[f.Face] : Font.Name;
      const std::u16string_view run =
          std::u16string_view(text_).substr(static_cast<std::size_t>(a), static_cast<std::size_t>(b - a));
      const int32_t w = canvas.TextWidth(run);
      TRect box = Rect(x, y, std::min(x + w, clip.Right), std::min(y + h, clip.Bottom));
      uint32_t options = ETO_CLIPPED;
      if (f.BackColor != clNoColour) {
        canvas.Brush.Color = f.BackColor;
        options |= ETO_OPAQUE;
      }
      canvas.ExtTextOut(x, y, options, &box, run);
      x += w;
    });
  }
}

}  // namespace lx
