// The small interface sets: the volume meter boxes ("audio_boxes"), the celebration sparks
// ("part") and the number font of flying amounts ("bfnt").
#include <cmath>

#include "ui.h"

namespace bv::gen {

// Ten boxes in a row: lit ones run from green to orange along the meter, dim ones keep a hint of
// their colour, boxes beyond the maximum are empty slots.
std::vector<Picture> drawAudioBoxes() {
    std::vector<Picture> boxes;
    for (int kind = 0; kind < 3; ++kind)
        for (int i = 0; i < 10; ++i) {
            Canvas c(19, 30);
            cairo_t* cr = c.cr();
            double t = i / 9.0;
            Colour lit = t < 0.6 ? mix(hexColour(0x5CC65A), hexColour(0xF7D34A), t / 0.6)
                                 : mix(hexColour(0xF7D34A), hexColour(0xF2873A), (t - 0.6) / 0.4);
            roundedRect(cr, 2, 2, 15, 26, 3.5);
            if (kind == 0) {
                litFill(cr, lit, 2, 2, 17, 28, 0.35, 0.15);
                outline(cr, 1.3);
                gloss(cr, 7.5, 8, 5, 5, 0.6);
            } else if (kind == 1) {
                litFill(cr, mix(lit, hexColour(0x404550), 0.7), 2, 2, 17, 28, 0.15, 0.1);
                outline(cr, 1.3);
            } else {
                setColour(cr, hexColour(0x25282E));
                cairo_fill_preserve(cr);
                outline(cr, 1.1, hexColour(0x555A63));
            }
            Picture p = c.picture();
            p.anchorCentre();
            boxes.push_back(p);
        }
    return boxes;
}

std::vector<Picture> drawSparks() {
    // Drawn large: the celebration scales them by age / 13, so a young spark shows at about half
    // this size and a fading one at up to twice it.
    std::vector<Picture> sparks;
    auto finish = [&](Canvas& c) {
        Picture p = c.picture();
        p.anchorCentre();
        sparks.push_back(p);
    };
    {
        Canvas c(30, 30); // gold twinkle
        starPath(c.cr(), 15, 15, 14.5, 4, 4);
        setColour(c.cr(), hexColour(0xFFD95A));
        cairo_fill(c.cr());
        cairo_arc(c.cr(), 15, 15, 4.5, 0, 2 * M_PI);
        setColour(c.cr(), ink::kWhite);
        cairo_fill(c.cr());
        finish(c);
    }
    {
        Canvas c(24, 24); // soft white glow
        cairo_pattern_t* g = cairo_pattern_create_radial(12, 12, 0, 12, 12, 12);
        cairo_pattern_add_color_stop_rgba(g, 0, 1, 1, 1, 1);
        cairo_pattern_add_color_stop_rgba(g, 0.4, 1, 0.95, 0.75, 0.9);
        cairo_pattern_add_color_stop_rgba(g, 1, 1, 0.85, 0.4, 0);
        cairo_set_source(c.cr(), g);
        cairo_paint(c.cr());
        cairo_pattern_destroy(g);
        finish(c);
    }
    {
        Canvas c(24, 24); // pink confetti diamond
        polygon(c.cr(), {12, 1, 23, 12, 12, 23, 1, 12});
        litFill(c.cr(), hexColour(0xF27BA8), 0, 0, 24, 24, 0.4, 0.1);
        cairo_new_path(c.cr());
        finish(c);
    }
    {
        Canvas c(28, 28); // sky-blue star
        starPath(c.cr(), 14, 15, 13, 5.8, 5);
        litFill(c.cr(), hexColour(0x6EC6F2), 0, 0, 28, 28, 0.45, 0.1);
        cairo_new_path(c.cr());
        finish(c);
    }
    return sparks;
}

// "bfnt": index = character code. Gold digits with a brown rim; every picture is 22 px high
// with one baseline, and its width is its advance (the loader sets advance = width).
std::vector<Picture> drawNumberFont() {
    const int kHeight = 22;
    const double kSize = 19, kBaseline = 17;
    std::vector<Picture> glyphs;
    for (int code = 0; code < 58; ++code) {
        std::string s;
        if (code >= 33) s = std::string(1, char(code));
        Canvas probe(1, 1);
        double advance = s.empty() ? 11 : textWidth(probe.cr(), Face::kSansBold, kSize, s);
        int w = int(std::ceil(advance)) + 3;
        if (code == ' ') w = 8;
        Canvas c(w, kHeight);
        cairo_t* cr = c.cr();
        if (!s.empty()) {
            textPath(cr, Face::kSansBold, kSize, 1.5, kBaseline, s);
            cairo_set_line_width(cr, 3.2);
            setColour(cr, hexColour(0x5A3308));
            cairo_stroke_preserve(cr);
            verticalFill(cr, hexColour(0xFFF6C4), hexColour(0xE9A526), kBaseline - 14, kBaseline);
            cairo_new_path(cr);
        }
        Picture p = c.picture();
        p.anchorTopLeft();
        glyphs.push_back(p);
    }
    return glyphs;
}

} // namespace bv::gen
