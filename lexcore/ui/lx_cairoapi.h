// Cairo and Pango, opened when the first canvas needs them rather than when a program starts. Most runs of
// the runtime's programs draw nothing, and the two bring some forty libraries with them, whose loading cost
// every start-up about 8 ms. Only the canvas (lx_cairocanvas.cpp) calls them, through this table.
#pragma once

#include <cairo-pdf.h>
#include <cairo-svg.h>
#include <cairo.h>
#include <pango/pangocairo.h>

#include <string>

namespace lx {

// Every function the canvas calls.
// clang-format off
#define LX_CAIRO_FUNCTIONS(X) \
  X(cairo_clip) \
  X(cairo_close_path) \
  X(cairo_create) \
  X(cairo_destroy) \
  X(cairo_fill) \
  X(cairo_fill_preserve) \
  X(cairo_font_options_create) \
  X(cairo_font_options_destroy) \
  X(cairo_font_options_set_hint_metrics) \
  X(cairo_font_options_set_hint_style) \
  X(cairo_identity_matrix) \
  X(cairo_image_surface_create) \
  X(cairo_image_surface_get_data) \
  X(cairo_image_surface_get_stride) \
  X(cairo_line_to) \
  X(cairo_move_to) \
  X(cairo_paint) \
  X(cairo_pdf_surface_create_for_stream) \
  X(cairo_rectangle) \
  X(cairo_restore) \
  X(cairo_save) \
  X(cairo_scale) \
  X(cairo_set_line_width) \
  X(cairo_set_source_rgb) \
  X(cairo_show_page) \
  X(cairo_status_to_string) \
  X(cairo_stroke) \
  X(cairo_surface_destroy) \
  X(cairo_surface_finish) \
  X(cairo_surface_flush) \
  X(cairo_surface_status) \
  X(cairo_surface_write_to_png_stream) \
  X(cairo_svg_surface_create_for_stream) \
  X(g_free) \
  X(g_object_unref) \
  X(pango_attr_list_insert) \
  X(pango_attr_list_new) \
  X(pango_attr_list_unref) \
  X(pango_attr_strikethrough_new) \
  X(pango_attr_underline_new) \
  X(pango_cairo_context_set_font_options) \
  X(pango_cairo_context_set_resolution) \
  X(pango_cairo_create_layout) \
  X(pango_cairo_font_map_get_default) \
  X(pango_cairo_show_layout) \
  X(pango_context_set_base_dir) \
  X(pango_font_description_free) \
  X(pango_font_description_new) \
  X(pango_font_description_set_absolute_size) \
  X(pango_font_description_set_family) \
  X(pango_font_description_set_style) \
  X(pango_font_description_set_weight) \
  X(pango_font_family_get_name) \
  X(pango_font_map_list_families) \
  X(pango_layout_context_changed) \
  X(pango_layout_get_baseline) \
  X(pango_layout_get_context) \
  X(pango_layout_get_extents) \
  X(pango_layout_get_pixel_extents) \
  X(pango_layout_index_to_pos) \
  X(pango_layout_set_attributes) \
  X(pango_layout_set_auto_dir) \
  X(pango_layout_set_font_description) \
  X(pango_layout_set_single_paragraph_mode) \
  X(pango_layout_set_text)
// clang-format on

struct TCairoApi {
#define LX_CAIRO_POINTER(name) decltype(&::name) name = nullptr;
  LX_CAIRO_FUNCTIONS(LX_CAIRO_POINTER)
#undef LX_CAIRO_POINTER
};

// The functions, loaded by the first call of any thread; nullptr when the libraries or one of the functions
// cannot be found, and then why in failure (when given).
const TCairoApi* CairoApi(std::string* failure = nullptr);

}  // namespace lx
