// Drawing helpers on top of cairo.
#include "paint.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>

namespace bv::gen {

Colour hexColour(uint32_t rgb, double alpha) {
    return {double(rgb >> 16 & 255) / 255.0, double(rgb >> 8 & 255) / 255.0, double(rgb & 255) / 255.0,
            alpha};
}
Colour mix(Colour a, Colour b, double t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}
Colour lighter(Colour c, double t) {
    return mix(c, {1, 1, 1, c.a}, t);
}
Colour darker(Colour c, double t) {
    return mix(c, {0, 0, 0, c.a}, t);
}
Colour withAlpha(Colour c, double a) {
    return {c.r, c.g, c.b, a};
}

Canvas::Canvas(int width, int height) : width_(width), height_(height) {
    surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
    cr_ = cairo_create(surface_);
    cairo_set_line_join(cr_, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_cap(cr_, CAIRO_LINE_CAP_ROUND);
}

Canvas::~Canvas() {
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

Picture Canvas::picture() const {
    cairo_surface_flush(surface_);
    Picture p(width_, height_);
    const unsigned char* data = cairo_image_surface_get_data(surface_);
    const int stride = cairo_image_surface_get_stride(surface_);
    for (int y = 0; y < height_; ++y) {
        const uint32_t* row = reinterpret_cast<const uint32_t*>(data + y * stride);
        for (int x = 0; x < width_; ++x) {
            uint32_t c = row[x]; // premultiplied 0xAARRGGBB
            uint32_t a = c >> 24;
            if (a == 0) {
                p.at(x, y) = 0;
                continue;
            }
            auto un = [a](uint32_t v) { return std::min<uint32_t>(255, (v * 255 + a / 2) / a); };
            p.at(x, y) = a << 24 | un(c >> 16 & 255) << 16 | un(c >> 8 & 255) << 8 | un(c & 255);
        }
    }
    return p;
}

void setColour(cairo_t* cr, Colour c) {
    cairo_set_source_rgba(cr, c.r, c.g, c.b, c.a);
}

void roundedRect(cairo_t* cr, double x, double y, double w, double h, double r) {
    r = std::min({r, w / 2, h / 2});
    cairo_new_sub_path(cr);
    cairo_arc(cr, x + w - r, y + r, r, -M_PI / 2, 0);
    cairo_arc(cr, x + w - r, y + h - r, r, 0, M_PI / 2);
    cairo_arc(cr, x + r, y + h - r, r, M_PI / 2, M_PI);
    cairo_arc(cr, x + r, y + r, r, M_PI, 3 * M_PI / 2);
    cairo_close_path(cr);
}

void starPath(cairo_t* cr, double cx, double cy, double outer, double inner, int points, double turn) {
    cairo_new_sub_path(cr);
    for (int i = 0; i < points * 2; ++i) {
        double r = i % 2 ? inner : outer;
        double a = -M_PI / 2 + turn + i * M_PI / points;
        double x = cx + r * std::cos(a), y = cy + r * std::sin(a);
        if (i == 0)
            cairo_move_to(cr, x, y);
        else
            cairo_line_to(cr, x, y);
    }
    cairo_close_path(cr);
}

void ellipsePath(cairo_t* cr, double cx, double cy, double rx, double ry) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_new_sub_path(cr);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_restore(cr);
}

void polygon(cairo_t* cr, std::initializer_list<double> xy) {
    cairo_new_sub_path(cr);
    bool first = true;
    for (auto it = xy.begin(); it != xy.end() && it + 1 != xy.end(); it += 2) {
        if (first)
            cairo_move_to(cr, *it, *(it + 1));
        else
            cairo_line_to(cr, *it, *(it + 1));
        first = false;
    }
    cairo_close_path(cr);
}

void outline(cairo_t* cr, double lineWidth, Colour c) {
    setColour(cr, c);
    cairo_set_line_width(cr, lineWidth);
    cairo_stroke(cr);
}

void fillAndOutline(cairo_t* cr, Colour fill, double lineWidth, Colour outlineColour) {
    setColour(cr, fill);
    cairo_fill_preserve(cr);
    outline(cr, lineWidth, outlineColour);
}

void litFill(cairo_t* cr, Colour base, double x0, double y0, double x1, double y1, double light,
             double shade) {
    cairo_pattern_t* p = cairo_pattern_create_linear(x0, y0, x1, y1);
    Colour a = lighter(base, light), b = darker(base, shade);
    cairo_pattern_add_color_stop_rgba(p, 0, a.r, a.g, a.b, a.a);
    cairo_pattern_add_color_stop_rgba(p, 1, b.r, b.g, b.b, b.a);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
}

void verticalFill(cairo_t* cr, Colour top, Colour bottom, double y0, double y1) {
    cairo_pattern_t* p = cairo_pattern_create_linear(0, y0, 0, y1);
    cairo_pattern_add_color_stop_rgba(p, 0, top.r, top.g, top.b, top.a);
    cairo_pattern_add_color_stop_rgba(p, 1, bottom.r, bottom.g, bottom.b, bottom.a);
    cairo_set_source(cr, p);
    cairo_fill_preserve(cr);
    cairo_pattern_destroy(p);
}

void gloss(cairo_t* cr, double cx, double cy, double rx, double ry, double strength) {
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_scale(cr, rx, ry);
    cairo_pattern_t* p = cairo_pattern_create_radial(-0.2, -0.3, 0.05, 0, 0, 1);
    cairo_pattern_add_color_stop_rgba(p, 0, 1, 1, 1, strength);
    cairo_pattern_add_color_stop_rgba(p, 1, 1, 1, 1, 0);
    cairo_set_source(cr, p);
    cairo_arc(cr, 0, 0, 1, 0, 2 * M_PI);
    cairo_fill(cr);
    cairo_pattern_destroy(p);
    cairo_restore(cr);
}

namespace {

cairo_font_face_t* fontFace(Face face) {
    static FT_Library library = nullptr;
    static cairo_font_face_t* faces[4] = {};
    static const char* files[4] = {
        "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf",
        "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf",
        "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf",
        "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf",
    };
    int i = int(face);
    if (!faces[i]) {
        if (!library && FT_Init_FreeType(&library)) die("FreeType init failed");
        FT_Face ft = nullptr;
        if (FT_New_Face(library, files[i], 0, &ft)) die("cannot open font %s", files[i]);
        faces[i] = cairo_ft_font_face_create_for_ft_face(ft, 0);
    }
    return faces[i];
}

void prepare(cairo_t* cr, Face face, double size) {
    cairo_set_font_face(cr, fontFace(face));
    cairo_set_font_size(cr, size);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_NONE);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
}

} // namespace

double textWidth(cairo_t* cr, Face face, double size, const std::string& s) {
    prepare(cr, face, size);
    cairo_text_extents_t e;
    cairo_text_extents(cr, s.c_str(), &e);
    return e.x_advance;
}

void textPath(cairo_t* cr, Face face, double size, double x, double y, const std::string& s, int align) {
    double w = textWidth(cr, face, size, s);
    cairo_move_to(cr, x - (align == 1 ? w / 2 : align == 2 ? w : 0), y);
    cairo_text_path(cr, s.c_str());
}

void text(cairo_t* cr, Face face, double size, double x, double y, const std::string& s, int align) {
    double w = textWidth(cr, face, size, s);
    cairo_move_to(cr, x - (align == 1 ? w / 2 : align == 2 ? w : 0), y);
    cairo_show_text(cr, s.c_str());
}

} // namespace bv::gen
