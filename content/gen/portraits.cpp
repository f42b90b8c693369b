// bvgen_people OUTDIR: "characters" (27 portraits, 128 x 128) and "sml_characters" (the same 27
// drawn again at 50 x 50, plus the placeholder entry the game replaces at start-up).
// Avatars 0..9 are women and 10..19 men (rivals are named by that split), 20..25 further player
// choices; 26 is the bank. Portraits are round busts on a transparent ground: the game puts its
// own backing plate behind them and a ring over them.
#include <cmath>

#include "assets/picture_ids.h"
#include "portrait.h"

namespace bv::gen {

namespace portrait {

void body(cairo_t* cr, const Person& p) {
    Colour skin = hexColour(p.skin), cloth = hexColour(p.clothes);
    cairo_rectangle(cr, kCx - 9, kCy + 18, 18, 20); // neck
    litFill(cr, darker(skin, 0.12), kCx - 9, 0, kCx + 9, 0, 0.1, 0.1);
    outline(cr, 1.4);
    cairo_move_to(cr, kCx - 56, 132);
    cairo_curve_to(cr, kCx - 54, 104, kCx - 40, 94, kCx - 12, 90);
    cairo_line_to(cr, kCx + 12, 90);
    cairo_curve_to(cr, kCx + 40, 94, kCx + 54, 104, kCx + 56, 132);
    cairo_close_path(cr);
    litFill(cr, cloth, kCx - 56, 90, kCx + 56, 132, 0.3, 0.2);
    outline(cr, 1.6);
    switch (p.top) {
    case Top::kSuit:
        polygon(cr, {kCx - 12, 90, kCx, 116, kCx + 12, 90});
        fillAndOutline(cr, hexColour(0xFFFFFF), 1.3);
        polygon(cr, {kCx - 12, 90, kCx - 4, 103, kCx - 14, 100});
        polygon(cr, {kCx + 12, 90, kCx + 4, 103, kCx + 14, 100});
        fillAndOutline(cr, hexColour(0xF4F4F4), 1.1);
        break;
    case Top::kShirt:
        polygon(cr, {kCx - 12, 89, kCx - 2, 100, kCx - 14, 101});
        polygon(cr, {kCx + 12, 89, kCx + 2, 100, kCx + 14, 101});
        fillAndOutline(cr, lighter(cloth, 0.5), 1.2);
        break;
    case Top::kSweater:
        ellipsePath(cr, kCx, 91, 13, 4);
        fillAndOutline(cr, darker(cloth, 0.15), 1.3);
        break;
    case Top::kOveralls:
        roundedRect(cr, kCx - 18, 104, 36, 30, 4);
        fillAndOutline(cr, hexColour(0x3F6FA8), 1.3);
        for (int side : {-1, 1}) {
            cairo_move_to(cr, kCx + side * 14, 106), cairo_line_to(cr, kCx + side * 26, 92);
            outline(cr, 4, hexColour(0x3F6FA8));
        }
        break;
    case Top::kBlouse:
        cairo_move_to(cr, kCx - 12, 90);
        cairo_curve_to(cr, kCx - 8, 102, kCx + 8, 102, kCx + 12, 90);
        setColour(cr, skin);
        cairo_fill_preserve(cr);
        outline(cr, 1.3);
        break;
    }
    if (p.tie) {
        polygon(cr, {kCx - 3, 92, kCx + 3, 92, kCx + 4.5, 110, kCx, 115, kCx - 4.5, 110});
        fillAndOutline(cr, hexColour(0xC0392B), 1.1);
    }
    if (p.bowTie) {
        polygon(cr, {kCx, 93, kCx - 9, 88, kCx - 9, 98});
        polygon(cr, {kCx, 93, kCx + 9, 88, kCx + 9, 98});
        fillAndOutline(cr, hexColour(0x8E3BB8), 1.1);
    }
    if (p.necklace) {
        for (int i = 0; i < 9; ++i) {
            double a = M_PI * (0.15 + i * 0.0875);
            cairo_arc(cr, kCx + 14 * std::cos(a), 88 + 10 * std::sin(a), 1.8, 0, 2 * M_PI);
            fillAndOutline(cr, hexColour(0xFFF8EE), 0.7);
        }
    }
}

void face(cairo_t* cr, const Person& p) {
    Colour skin = hexColour(p.skin);
    for (int side : {-1, 1}) { // ears
        ellipsePath(cr, kCx + side * (kRx - 1), kCy + 2, 5, 7);
        fillAndOutline(cr, darker(skin, 0.05), 1.4);
        if (p.earrings) {
            cairo_arc(cr, kCx + side * (kRx - 1), kCy + 10, 2.4, 0, 2 * M_PI);
            fillAndOutline(cr, ink::kGold, 0.9);
        }
    }
    ellipsePath(cr, kCx, kCy, kRx, kRy);
    litFill(cr, skin, kCx - kRx, kCy - kRy, kCx + kRx, kCy + kRy, 0.18, 0.12);
    outline(cr, 1.6);
    // Cheeks, eyes, brows, nose, mouth.
    for (int side : {-1, 1}) {
        ellipsePath(cr, kCx + side * 13, kCy + 10, 5, 3);
        setColour(cr, withAlpha(hexColour(0xF08080), 0.35));
        cairo_fill(cr);
        ellipsePath(cr, kCx + side * 9.5, kCy + 1, 2.6, 3.6);
        setColour(cr, hexColour(p.eyes));
        cairo_fill(cr);
        cairo_arc(cr, kCx + side * 9.5 - 0.9, kCy - 0.4, 1, 0, 2 * M_PI);
        setColour(cr, ink::kWhite);
        cairo_fill(cr);
        if (p.female) { // lashes
            cairo_move_to(cr, kCx + side * 12, kCy - 1.5), cairo_line_to(cr, kCx + side * 14.2, kCy - 3.2);
            outline(cr, 1.2);
        }
        cairo_move_to(cr, kCx + side * 5.5, kCy - 7);
        cairo_curve_to(cr, kCx + side * 8, kCy - 9.5, kCx + side * 11, kCy - 9.5, kCx + side * 14, kCy - 7.5);
        outline(cr, p.female ? 1.5 : 2.2, darker(hexColour(p.hair == 0xE8E8E8 ? 0xA8A8A8 : p.hair), 0.2));
    }
    if (p.freckles) {
        for (int i = 0; i < 6; ++i) {
            cairo_arc(cr, kCx + (i % 2 ? 1 : -1) * (10 + (i / 2) * 2.5), kCy + 7 + (i % 3), 0.7, 0, 2 * M_PI);
            setColour(cr, hexColour(0xB5653A));
            cairo_fill(cr);
        }
    }
    cairo_move_to(cr, kCx - 1.5, kCy + 6);
    cairo_curve_to(cr, kCx - 3, kCy + 10, kCx + 1, kCy + 11, kCx + 2.5, kCy + 10);
    outline(cr, 1.3, darker(skin, 0.35));
    if (p.beard) {
        cairo_move_to(cr, kCx - kRx + 1, kCy + 2);
        cairo_curve_to(cr, kCx - kRx + 2, kCy + kRy + 6, kCx + kRx - 2, kCy + kRy + 6, kCx + kRx - 1,
                       kCy + 2);
        cairo_curve_to(cr, kCx + 12, kCy + 10, kCx - 12, kCy + 10, kCx - kRx + 1, kCy + 2);
        cairo_close_path(cr);
        litFill(cr, hexColour(p.hair), kCx - kRx, kCy, kCx + kRx, kCy + kRy, 0.2, 0.2);
        outline(cr, 1.5);
    }
    if (p.openSmile) {
        cairo_move_to(cr, kCx - 8, kCy + 14);
        cairo_curve_to(cr, kCx - 5, kCy + 23, kCx + 5, kCy + 23, kCx + 8, kCy + 14);
        cairo_close_path(cr);
        fillAndOutline(cr, hexColour(0xFFFFFF), 1.4);
    } else {
        cairo_move_to(cr, kCx - 7, kCy + 15);
        cairo_curve_to(cr, kCx - 3, kCy + 19.5, kCx + 3, kCy + 19.5, kCx + 7, kCy + 15);
        outline(cr, p.lipstick ? 2.6 : 1.6, p.lipstick ? hexColour(0xC8334E) : darker(skin, 0.5));
    }
    if (p.moustache) {
        cairo_move_to(cr, kCx, kCy + 12);
        cairo_curve_to(cr, kCx - 6, kCy + 9, kCx - 11, kCy + 12, kCx - 12, kCy + 15);
        cairo_curve_to(cr, kCx - 6, kCy + 14, kCx - 3, kCy + 15, kCx, kCy + 14);
        cairo_curve_to(cr, kCx + 3, kCy + 15, kCx + 6, kCy + 14, kCx + 12, kCy + 15);
        cairo_curve_to(cr, kCx + 11, kCy + 12, kCx + 6, kCy + 9, kCx, kCy + 12);
        cairo_close_path(cr);
        fillAndOutline(cr, hexColour(p.hair), 1.2);
    }
    if (p.glasses) {
        for (int side : {-1, 1}) {
            roundedRect(cr, kCx + side * 9.5 - 6.5, kCy - 4, 13, 10, 4);
            setColour(cr, withAlpha(hexColour(0xDDF2FF), 0.35));
            cairo_fill_preserve(cr);
            outline(cr, 1.8, hexColour(0x3B2A20));
        }
        cairo_move_to(cr, kCx - 3, kCy), cairo_line_to(cr, kCx + 3, kCy);
        outline(cr, 1.6, hexColour(0x3B2A20));
    }
}

void drawPerson(cairo_t* cr, const Person& p) {
    cairo_save(cr);
    cairo_arc(cr, 64, 64, 61, 0, 2 * M_PI);
    cairo_clip(cr);
    hairBack(cr, p);
    body(cr, p);
    face(cr, p);
    hairFront(cr, p);
    hat(cr, p);
    cairo_restore(cr);
}

// The bank: a columned building under a blue sky, in the same round frame.
void drawBank(cairo_t* cr) {
    cairo_save(cr);
    cairo_arc(cr, 64, 64, 61, 0, 2 * M_PI);
    cairo_clip(cr);
    cairo_rectangle(cr, 0, 0, 128, 128);
    verticalFill(cr, hexColour(0x8FD0F2), hexColour(0xDDF2FF), 0, 100);
    cairo_new_path(cr);
    cairo_rectangle(cr, 0, 104, 128, 30);
    fillAndOutline(cr, hexColour(0x86C85E), 1.2);
    polygon(cr, {22, 44, 106, 44, 64, 20});
    litFill(cr, hexColour(0xF4EEDF), 22, 20, 106, 44, 0.3, 0.1);
    outline(cr, 1.6);
    cairo_arc(cr, 64, 35, 7, 0, 2 * M_PI);
    litFill(cr, ink::kGold, 57, 28, 71, 42, 0.45, 0.15);
    outline(cr, 1.2, ink::kGoldDark);
    setColour(cr, darker(ink::kGoldDark, 0.25));
    text(cr, Face::kSansBold, 9, 64, 38.2, "$", 1);
    cairo_rectangle(cr, 20, 44, 88, 6);
    fillAndOutline(cr, hexColour(0xE9E1C8), 1.4);
    for (int i = 0; i < 5; ++i) {
        double x = 28 + i * 18;
        cairo_rectangle(cr, x - 4, 50, 8, 44);
        cairo_pattern_t* g = cairo_pattern_create_linear(x - 4, 0, x + 4, 0);
        cairo_pattern_add_color_stop_rgb(g, 0, 1, 1, 1);
        cairo_pattern_add_color_stop_rgb(g, 1, 0.78, 0.76, 0.72);
        cairo_set_source(cr, g);
        cairo_fill_preserve(cr);
        cairo_pattern_destroy(g);
        outline(cr, 1.2);
    }
    cairo_rectangle(cr, 16, 94, 96, 6);
    fillAndOutline(cr, hexColour(0xE9E1C8), 1.4);
    cairo_rectangle(cr, 12, 100, 104, 6);
    fillAndOutline(cr, hexColour(0xD9D2C5), 1.4);
    cairo_restore(cr);
}

std::vector<Person> people() {
    const uint32_t skin[] = {0xF6D3B5, 0xEDBB94, 0xD9A077, 0xB97A52, 0x8D5A3B, 0x6B4230};
    std::vector<Person> v(26);
    // Women 0..9.
    v[0] = {skin[0], 0xE2B65C, 0xE0533D, 0x3B6EA8, Hair::kLong};
    v[0].earrings = true;
    v[1] = {skin[4], 0x2B2220, 0x8E6CC8, 0x3B2A20, Hair::kAfro};
    v[1].earrings = true, v[1].openSmile = true;
    v[2] = {skin[1], 0x4A3021, 0x3AAFA9, 0x3B2A20, Hair::kBob};
    v[2].glasses = true, v[2].necklace = true;
    v[3] = {skin[2], 0x2B2220, 0xF2A33A, 0x3B2A20, Hair::kBun};
    v[3].lipstick = true, v[3].earrings = true;
    v[4] = {skin[0], 0xC4562A, 0x5E9E4A, 0x3E7A3A, Hair::kPonytail};
    v[4].freckles = true, v[4].openSmile = true;
    v[5] = {skin[3], 0x4A3021, 0xF27BA8, 0x3B2A20, Hair::kPixie};
    v[5].earrings = true;
    v[6] = {skin[1], 0x7A4A2A, 0x3F6FA8, 0x3B2A20, Hair::kWavy};
    v[6].necklace = true, v[6].lipstick = true;
    v[7] = {skin[5], 0x2B2220, 0xF7C948, 0x3B2A20, Hair::kPigtails};
    v[7].openSmile = true;
    v[8] = {skin[0], 0xD8D8D8, 0x9C6E8E, 0x3B6EA8, Hair::kCurlsShort};
    v[8].glasses = true, v[8].necklace = true;
    v[9] = {skin[2], 0xA0452A, 0x2E7D6B, 0x3B2A20, Hair::kLong};
    v[9].top = Top::kSuit, v[9].earrings = true;
    // Men 10..19.
    auto man = [](uint32_t s, uint32_t hair, uint32_t clothes, Hair style, Top top) {
        Person p{s, hair, clothes, 0x3B2A20, style, top};
        p.female = false;
        return p;
    };
    v[10] = man(skin[1], 0x4A3021, 0x3F6FA8, Hair::kSidePart, Top::kSuit);
    v[10].tie = true;
    v[11] = man(skin[0], 0x8A6A4A, 0x8E5B3A, Hair::kBald, Top::kSweater);
    v[11].glasses = true, v[11].moustache = true;
    v[12] = man(skin[4], 0x2B2220, 0x5E9E4A, Hair::kBuzz, Top::kShirt);
    v[12].beard = true, v[12].openSmile = true;
    v[13] = man(skin[2], 0x2B2220, 0xE0533D, Hair::kCurlyTop, Top::kSweater);
    v[14] = man(skin[0], 0xA8A8A8, 0x34343C, Hair::kSlick, Top::kSuit);
    v[14].tie = true, v[14].moustache = true;
    v[15] = man(skin[3], 0x2B2220, 0xF2A33A, Hair::kSpiky, Top::kShirt);
    v[15].openSmile = true;
    v[16] = man(skin[0], 0xC4562A, 0x6B7B5A, Hair::kSidePart, Top::kSweater);
    v[16].hat = Hat::kCap, v[16].freckles = true;
    v[17] = man(skin[5], 0x2B2220, 0x8E6CC8, Hair::kBuzz, Top::kShirt);
    v[17].beard = true, v[17].glasses = true;
    v[18] = man(skin[1], 0xE2B65C, 0x3AAFA9, Hair::kSpiky, Top::kSweater);
    v[19] = man(skin[2], 0xE8E8E8, 0x2E4F7F, Hair::kBald, Top::kSuit);
    v[19].bowTie = true, v[19].beard = true;
    // Further choices 20..25.
    v[20] = {skin[0], 0x2B2220, 0xF4F2EC, 0x3B2A20, Hair::kBob};
    v[20].hat = Hat::kBeret, v[20].top = Top::kShirt;
    v[21] = man(skin[1], 0x4A3021, 0x34343C, Hair::kSlick, Top::kSuit);
    v[21].hat = Hat::kTopHat, v[21].moustache = true, v[21].bowTie = true;
    v[22] = {skin[3], 0xE2B65C, 0xF05A7E, 0x3B2A20, Hair::kWavy};
    v[22].openSmile = true, v[22].earrings = true;
    v[23] = man(skin[4], 0x2B2220, 0xF2A33A, Hair::kBuzz, Top::kOveralls);
    v[23].hat = Hat::kHardHat, v[23].openSmile = true;
    v[24] = {skin[0], 0xC4562A, 0x5E9E4A, 0x3E7A3A, Hair::kAfro};
    v[24].freckles = true, v[24].glasses = true;
    v[25] = man(skin[2], 0x7A4A2A, 0xB5651D, Hair::kSidePart, Top::kShirt);
    v[25].hat = Hat::kCowboy, v[25].moustache = true;
    return v;
}

Picture render(int size, int index, const std::vector<Person>& all) {
    Canvas c(size, size);
    cairo_scale(c.cr(), size / 128.0, size / 128.0);
    if (index == bv::pic::kCharacterBank)
        drawBank(c.cr());
    else
        drawPerson(c.cr(), all[size_t(index)]);
    Picture p = c.picture();
    p.anchorCentre();
    return p;
}

} // namespace portrait

} // namespace bv::gen

int main(int argc, char** argv) {
    using namespace bv::gen;
    using namespace bv::gen::portrait;
    if (argc < 2) die("usage: bvgen_people OUTDIR");
    const std::vector<Person> all = people();
    std::vector<Picture> large, small;
    for (int i = 0; i < bv::pic::kCharacterCount; ++i) {
        large.push_back(render(128, i, all));
        small.push_back(render(50, i, all));
    }
    // The entry the game overwrites at start-up with the backing plate: a plate like it.
    Canvas c(50, 50);
    cairo_arc(c.cr(), 25, 25, 24, 0, 2 * M_PI);
    verticalFill(c.cr(), hexColour(0xD7EEFB), hexColour(0x86BEE3), 1, 49);
    outline(c.cr(), 1.5);
    Picture backing = c.picture();
    backing.anchorCentre();
    small.push_back(backing);
    writeFile(outPath(argv[1], "characters.bin"), encodeBinSet(large));
    writeFile(outPath(argv[1], "sml_characters.bin"), encodeBinSet(small));
    return 0;
}
