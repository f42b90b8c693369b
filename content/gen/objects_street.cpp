// Map objects of the street: fences, lamps, benches, mailboxes, cars, the park fountain, shops
// and the church as scenery, road and pavement pieces, and small street furniture.
#include <cmath>

#include "town.h"

namespace bv::gen {

namespace {

void post(cairo_t* cr, double x, double g, double h, double w, Colour c) {
    cairo_rectangle(cr, x - w / 2, g - h, w, h);
    litFill(cr, c, x - w / 2, g - h, x + w / 2, g - h, 0.3, 0.2);
    outline(cr, 1.1);
}

void picketFence(cairo_t* cr, double x0, double g, int pickets, bool gate) {
    for (double y : {g - 14.0, g - 6.0}) {
        cairo_rectangle(cr, x0, y, pickets * 7.0, 2.5);
        fillAndOutline(cr, ink::kWhite, 1);
    }
    for (int i = 0; i < pickets; ++i) {
        double x = x0 + 2 + i * 7;
        if (gate && i >= pickets / 2 - 1 && i <= pickets / 2) continue;
        polygon(cr, {x, g, x, g - 18, x + 2.5, g - 21, x + 5, g - 18, x + 5, g});
        litFill(cr, ink::kWhite, x, g - 21, x + 5, g, 0.2, 0.12);
        outline(cr, 1);
    }
    if (gate) { // an open gate swung inward
        double x = x0 + 2 + (pickets / 2 - 1) * 7;
        polygon(cr, {x, g, x, g - 17, x + 8, g - 20, x + 8, g - 3});
        fillAndOutline(cr, hexColour(0xEDE6DA), 1);
    }
}

void car(cairo_t* cr, double cx, double g, Colour body, bool van, bool pickup, bool taxi) {
    const double len = van ? 58 : 54, h = van ? 26 : 17;
    double x0 = cx - len / 2;
    // Body.
    roundedRect(cr, x0, g - 6 - h * 0.55, len, h * 0.55 + 1, 5);
    litFill(cr, body, x0, g - 20, x0 + len, g, 0.35, 0.2);
    outline(cr, 1.4);
    // Cabin and windows.
    if (van) {
        roundedRect(cr, x0 + 2, g - 6 - h, len - 14, h * 0.5 + 2, 4);
        litFill(cr, body, x0, g - 6 - h, x0 + len, g, 0.35, 0.2);
        outline(cr, 1.4);
        roundedRect(cr, x0 + len - 16, g - 6 - h * 0.78, 12, h * 0.3, 3);
        fillAndOutline(cr, hexColour(0x9FD3F2), 1.1);
    } else {
        double cabin0 = x0 + (pickup ? 8 : 12), cabin1 = x0 + (pickup ? 30 : 42);
        polygon(cr, {cabin0 - 2, g - 6 - h * 0.5, cabin0 + 5, g - 5 - h * 1.15, cabin1 - 4, g - 5 - h * 1.15,
                     cabin1 + 3, g - 6 - h * 0.5});
        litFill(cr, body, cabin0, g - 6 - h, cabin1, g, 0.35, 0.2);
        outline(cr, 1.4);
        double mid = (cabin0 + cabin1) / 2;
        polygon(cr, {cabin0 + 2, g - 7 - h * 0.52, cabin0 + 6.5, g - 6 - h * 1.05, mid - 1, g - 6 - h * 1.05,
                     mid - 1, g - 7 - h * 0.52});
        fillAndOutline(cr, hexColour(0x9FD3F2), 1);
        polygon(cr, {mid + 1, g - 7 - h * 0.52, mid + 1, g - 6 - h * 1.05, cabin1 - 5, g - 6 - h * 1.05,
                     cabin1, g - 7 - h * 0.52});
        fillAndOutline(cr, hexColour(0x9FD3F2), 1);
        if (taxi) {
            roundedRect(cr, mid - 6, g - 10 - h * 1.15, 12, 5, 1.5);
            fillAndOutline(cr, hexColour(0xFFF3B0), 1);
            setColour(cr, ink::kOutline);
            text(cr, Face::kSansBold, 4, mid, g - 6.3 - h * 1.15, "TAXI", 1);
        }
    }
    if (taxi) {
        for (int i = 0; i < 7; ++i) {
            cairo_rectangle(cr, x0 + 10 + i * 5, g - 11, 2.5, 2.5);
            setColour(cr, i % 2 ? ink::kWhite : ink::kOutline);
            cairo_fill(cr);
        }
    }
    // Lights and bumper.
    roundedRect(cr, x0 + len - 5, g - 13, 4, 3, 1);
    fillAndOutline(cr, hexColour(0xFFF6C0), 0.8);
    roundedRect(cr, x0 + 1, g - 13, 3, 3, 1);
    fillAndOutline(cr, hexColour(0xE8413A), 0.8);
    gloss(cr, x0 + len * 0.35, g - 12, len * 0.25, 2.5, 0.45);
    for (double wx : {x0 + 12, x0 + len - 12}) {
        cairo_arc(cr, wx, g - 5, 5.5, 0, 2 * M_PI);
        fillAndOutline(cr, hexColour(0x2E2E33), 1.3);
        cairo_arc(cr, wx, g - 5, 2.4, 0, 2 * M_PI);
        fillAndOutline(cr, hexColour(0xC8CCD2), 0.8);
    }
}

void fountain(cairo_t* cr, double cx, double g) {
    ellipsePath(cr, cx, g - 8, 34, 9);
    cairo_rectangle(cr, cx - 34, g - 16, 68, 8);
    setColour(cr, ink::kOutline);
    cairo_fill(cr);
    cairo_rectangle(cr, cx - 33, g - 16, 66, 8);
    ellipsePath(cr, cx, g - 8, 33, 8);
    litFill(cr, hexColour(0xC9C1B3), cx - 33, g - 20, cx + 33, g, 0.3, 0.2);
    cairo_new_path(cr);
    ellipsePath(cr, cx, g - 16, 33, 8);
    fillAndOutline(cr, hexColour(0xD9D2C5), 1.2);
    ellipsePath(cr, cx, g - 16, 28, 6);
    verticalFill(cr, hexColour(0x5DB4E4), hexColour(0x8ED3F3), g - 22, g - 10);
    outline(cr, 1);
    cairo_rectangle(cr, cx - 4, g - 40, 8, 24);
    litFill(cr, hexColour(0xD9D2C5), cx - 4, 0, cx + 4, 0, 0.3, 0.2);
    outline(cr, 1.1);
    ellipsePath(cr, cx, g - 40, 14, 4);
    fillAndOutline(cr, hexColour(0xD9D2C5), 1.1);
    // Water arching out of the top bowl.
    setColour(cr, hexColour(0x9FDCF8));
    cairo_set_line_width(cr, 2.4);
    for (int side : {-1, 1}) {
        cairo_move_to(cr, cx, g - 48);
        cairo_curve_to(cr, cx + side * 8, g - 58, cx + side * 18, g - 46, cx + side * 22, g - 20);
    }
    cairo_move_to(cr, cx, g - 40), cairo_line_to(cr, cx, g - 56);
    cairo_stroke(cr);
}

// A little shop or public building: front with a shop window, a striped awning and a sign.
void shop(cairo_t* cr, double cx, double g, Colour wall, Colour awning, const char* sign, double w) {
    HouseStyle s;
    s.width = w, s.wallHeight = 52, s.depth = 34, s.roofHeight = 0, s.storeys = 2, s.windows = 2;
    s.roof = Roof::kFlat, s.wall = wall, s.roofColour = hexColour(0xA7A096), s.trim = ink::kCream;
    s.door = hexColour(0x2E7D6B), s.shutter = s.door, s.bushes = false, s.doorSide = 1;
    s.shadow = false;
    drawHouse(cr, cx, g, s);
    double L = cx - w / 2;
    cairo_rectangle(cr, L + 5, g - 22, w * 0.55, 18);
    fillAndOutline(cr, hexColour(0x9FD3F2), 1.2);
    for (int i = 0; i < 6; ++i) {
        double x = L + 3 + i * (w * 0.6 / 6);
        polygon(cr, {x, g - 27, x + w * 0.1, g - 27, x + w * 0.1 + 2, g - 22, x - 2, g - 22});
        setColour(cr, i % 2 ? ink::kWhite : awning);
        cairo_fill_preserve(cr);
        outline(cr, 0.9);
    }
    roundedRect(cr, cx - w * 0.32, g - 50, w * 0.64, 10, 2);
    fillAndOutline(cr, ink::kCream, 1.1);
    setColour(cr, darker(awning, 0.3));
    text(cr, Face::kSansBold, 7.5, cx, g - 42.5, sign, 1);
}

void church(cairo_t* cr, double cx, double g) {
    HouseStyle s;
    s.width = 60, s.wallHeight = 44, s.depth = 70, s.roofHeight = 28, s.roof = Roof::kGableFront;
    s.wall = hexColour(0xE8E0D0), s.roofColour = hexColour(0x6B4E5A), s.trim = ink::kWhite;
    s.door = hexColour(0x7A3E2E), s.shutter = s.door, s.windows = 2, s.bushes = false, s.shadow = false;
    drawHouse(cr, cx, g, s);
    // Steeple above the gable.
    double top = g - 44 - 28;
    cairo_rectangle(cr, cx - 8, top - 22, 16, 26);
    litFill(cr, hexColour(0xE8E0D0), cx - 8, 0, cx + 8, 0, 0.25, 0.15);
    outline(cr, 1.2);
    roundedRect(cr, cx - 3.5, top - 18, 7, 10, 3.5);
    fillAndOutline(cr, hexColour(0x4A3A2A), 1);
    polygon(cr, {cx - 10, top - 21, cx + 10, top - 21, cx, top - 50});
    litFill(cr, hexColour(0x6B4E5A), cx - 10, top - 50, cx + 10, top - 21, 0.3, 0.25);
    outline(cr, 1.2);
    cairo_move_to(cr, cx, top - 50), cairo_line_to(cr, cx, top - 60);
    cairo_move_to(cr, cx - 4, top - 56), cairo_line_to(cr, cx + 4, top - 56);
    outline(cr, 1.8, ink::kGoldDark);
}

} // namespace

void addStreetObjects(std::vector<TownPicture>& out) {
    addTownPicture(out, "fences", "fence_picket", 80, 40,
                   [](cairo_t* cr) { picketFence(cr, 6, 32, 9, false); });
    addTownPicture(out, "fences", "fence_picket_gate", 80, 40,
                   [](cairo_t* cr) { picketFence(cr, 6, 32, 9, true); });
    addTownPicture(out, "fences", "fence_wood", 80, 40, [](cairo_t* cr) {
        for (double x : {6.0, 36.0, 66.0}) post(cr, x, 32, 20, 4, ink::kWood);
        for (double y : {15.0, 23.0}) {
            cairo_rectangle(cr, 4, y, 64, 3);
            fillAndOutline(cr, ink::kWood, 1);
        }
    });
    addTownPicture(out, "fences", "fence_iron", 80, 40, [](cairo_t* cr) {
        for (int i = 0; i < 12; ++i) {
            double x = 6 + i * 5.5;
            cairo_move_to(cr, x, 32), cairo_line_to(cr, x, 12);
        }
        cairo_move_to(cr, 4, 14), cairo_line_to(cr, 70, 14);
        cairo_move_to(cr, 4, 28), cairo_line_to(cr, 70, 28);
        outline(cr, 2.0, hexColour(0x2B2F36));
        for (int i = 0; i < 12; ++i) {
            double x = 6 + i * 5.5;
            polygon(cr, {x - 1.6, 12, x, 8, x + 1.6, 12});
            setColour(cr, ink::kGoldDark);
            cairo_fill(cr);
        }
    });
    addTownPicture(out, "fences", "wall_stone", 90, 40, [](cairo_t* cr) {
        Rng rng(5);
        for (int row = 0; row < 3; ++row)
            for (double x = 4 + (row % 2) * 6; x < 80; x += 12) {
                roundedRect(cr, x, 32 - (row + 1) * 6.5, std::min(11.5, 84 - x), 6.2, 2);
                fillAndOutline(cr, mix(hexColour(0xB8B0A0), hexColour(0xD8D0C0), rng.range(0, 1)), 1);
            }
    });
    addTownPicture(out, "street", "lamp_classic", 40, 80, [](cairo_t* cr) {
        post(cr, 20, 72, 48, 3.5, hexColour(0x2F3A46));
        roundedRect(cr, 15, 66, 10, 6, 2);
        fillAndOutline(cr, hexColour(0x2F3A46), 1);
        polygon(cr, {14, 24, 26, 24, 24, 14, 16, 14});
        fillAndOutline(cr, hexColour(0xFFF0B0), 1.2);
        polygon(cr, {12, 14, 28, 14, 20, 8});
        fillAndOutline(cr, hexColour(0x2F3A46), 1.2);
        cairo_arc(cr, 20, 6.5, 1.5, 0, 2 * M_PI);
        fillAndOutline(cr, ink::kGold, 0.8);
    });
    addTownPicture(out, "street", "lamp_modern", 50, 90, [](cairo_t* cr) {
        post(cr, 18, 82, 68, 3, hexColour(0x8A929C));
        cairo_move_to(cr, 18, 15), cairo_curve_to(cr, 18, 8, 26, 8, 32, 10);
        outline(cr, 3, hexColour(0x8A929C));
        roundedRect(cr, 28, 9, 12, 4, 2);
        fillAndOutline(cr, hexColour(0xFFF6D0), 1);
    });
    addTownPicture(out, "street", "bench_park", 60, 40, [](cairo_t* cr) {
        for (double x : {12.0, 46.0}) post(cr, x, 34, 13, 3, hexColour(0x2F3A46));
        for (double y : {12.0, 17.0}) {
            cairo_rectangle(cr, 6, y, 46, 3.5);
            fillAndOutline(cr, hexColour(0x4F8A3C), 1);
        }
        polygon(cr, {5, 23, 53, 23, 55, 26, 7, 26});
        fillAndOutline(cr, hexColour(0x4F8A3C), 1);
    });
    addTownPicture(out, "street", "bench_wood", 60, 40, [](cairo_t* cr) {
        for (double x : {10.0, 48.0}) post(cr, x, 34, 12, 4, ink::kWoodDark);
        polygon(cr, {4, 22, 54, 22, 57, 26, 7, 26});
        litFill(cr, ink::kWood, 4, 22, 57, 26, 0.3, 0.15);
        outline(cr, 1.1);
        cairo_rectangle(cr, 5, 12, 48, 5);
        fillAndOutline(cr, ink::kWood, 1.1);
    });
    addTownPicture(out, "street", "mailbox_post", 40, 50, [](cairo_t* cr) {
        post(cr, 17, 44, 20, 4, ink::kWood);
        cairo_move_to(cr, 8, 26), cairo_line_to(cr, 8, 16);
        cairo_arc(cr, 16, 16, 8, M_PI, 2 * M_PI);
        cairo_line_to(cr, 24, 26);
        cairo_close_path(cr);
        litFill(cr, hexColour(0x3F6FA8), 8, 8, 24, 26, 0.3, 0.2);
        outline(cr, 1.2);
        cairo_rectangle(cr, 24, 10, 2, 9);
        fillAndOutline(cr, ink::kRed, 0.9);
    });
    addTownPicture(out, "street", "mailbox_pillar", 40, 50, [](cairo_t* cr) {
        cairo_move_to(cr, 11, 44), cairo_line_to(cr, 11, 16);
        cairo_arc(cr, 19, 16, 8, M_PI, 2 * M_PI);
        cairo_line_to(cr, 27, 44);
        cairo_close_path(cr);
        litFill(cr, hexColour(0xD9352B), 11, 8, 27, 44, 0.3, 0.2);
        outline(cr, 1.3);
        cairo_rectangle(cr, 14, 21, 10, 2.5);
        fillAndOutline(cr, hexColour(0x2B2B2B), 0.8);
        cairo_rectangle(cr, 10, 41, 18, 3);
        fillAndOutline(cr, hexColour(0xB52A22), 1);
    });
    struct CarSpec {
        const char* name;
        uint32_t colour;
        bool van, pickup, taxi;
    };
    for (CarSpec c : {CarSpec{"car_red_sedan", 0xE0533D, false, false, false},
                      CarSpec{"car_blue_sedan", 0x3F7FC8, false, false, false},
                      CarSpec{"car_yellow_hatch", 0xF2C14E, false, false, false},
                      CarSpec{"car_white_van", 0xF4F2EC, true, false, false},
                      CarSpec{"car_green_pickup", 0x5E9E4A, false, true, false},
                      CarSpec{"car_taxi", 0xF7D34A, false, false, true}})
        addTownPicture(out, "vehicles", c.name, 80, 60,
                       [&](cairo_t* cr) { car(cr, 40, 50, hexColour(c.colour), c.van, c.pickup, c.taxi); });
    addTownPicture(out, "park", "fountain", 100, 80, [](cairo_t* cr) { fountain(cr, 50, 70); });
    addTownPicture(out, "buildings", "shop_bakery", 140, 110, [](cairo_t* cr) {
        shop(cr, 60, 100, hexColour(0xF6D7B0), hexColour(0xD9534F), "BAKERY", 76);
    });
    addTownPicture(out, "buildings", "shop_grocer", 140, 110, [](cairo_t* cr) {
        shop(cr, 60, 100, hexColour(0xCDE6C0), hexColour(0x4E9A3A), "GROCER", 76);
    });
    addTownPicture(out, "buildings", "shop_cafe", 140, 110, [](cairo_t* cr) {
        shop(cr, 60, 100, hexColour(0xF3E3C8), hexColour(0x8E5B3A), "CAFE", 70);
    });
    addTownPicture(out, "buildings", "shop_books", 140, 110, [](cairo_t* cr) {
        shop(cr, 60, 100, hexColour(0xC9D4E8), hexColour(0x3F6FA8), "BOOKS", 70);
    });
    addTownPicture(out, "buildings", "church", 140, 170, [](cairo_t* cr) { church(cr, 60, 160); });
    addTownPicture(out, "street", "hydrant", 30, 40, [](cairo_t* cr) {
        roundedRect(cr, 9, 12, 12, 22, 3);
        litFill(cr, hexColour(0xD9352B), 9, 12, 21, 34, 0.3, 0.2);
        outline(cr, 1.2);
        cairo_arc(cr, 15, 12, 6, M_PI, 2 * M_PI);
        fillAndOutline(cr, hexColour(0xD9352B), 1.2);
        roundedRect(cr, 5, 18, 20, 5, 2);
        fillAndOutline(cr, hexColour(0xB52A22), 1.1);
        roundedRect(cr, 7, 32, 16, 3, 1);
        fillAndOutline(cr, hexColour(0xB52A22), 1);
    });
    addTownPicture(out, "street", "trash_bin", 30, 40, [](cairo_t* cr) {
        polygon(cr, {7, 12, 23, 12, 21, 34, 9, 34});
        litFill(cr, hexColour(0x4F8A3C), 7, 12, 23, 34, 0.3, 0.2);
        outline(cr, 1.2);
        roundedRect(cr, 5, 8, 20, 5, 2);
        fillAndOutline(cr, hexColour(0x3E6E30), 1.1);
    });
    addTownPicture(out, "street", "bus_stop", 70, 80, [](cairo_t* cr) {
        post(cr, 12, 72, 52, 3, hexColour(0x8A929C));
        post(cr, 58, 72, 52, 3, hexColour(0x8A929C));
        polygon(cr, {6, 22, 64, 22, 60, 16, 10, 16});
        fillAndOutline(cr, hexColour(0x3F6FA8), 1.2);
        cairo_rectangle(cr, 14, 24, 42, 34);
        setColour(cr, withAlpha(hexColour(0xBFE6F7), 1));
        cairo_fill_preserve(cr);
        outline(cr, 1.1);
        cairo_rectangle(cr, 16, 54, 38, 3);
        fillAndOutline(cr, ink::kWood, 1);
        cairo_arc(cr, 12, 12, 6, 0, 2 * M_PI);
        fillAndOutline(cr, ink::kWhite, 1.2);
        setColour(cr, hexColour(0x3F6FA8));
        text(cr, Face::kSansBold, 7, 12, 14.5, "B", 1);
    });
    addTownPicture(out, "street", "street_sign", 50, 60, [](cairo_t* cr) {
        post(cr, 20, 54, 40, 3, hexColour(0x8A929C));
        roundedRect(cr, 6, 12, 34, 10, 2);
        fillAndOutline(cr, hexColour(0x2E7D4F), 1.1);
        setColour(cr, ink::kWhite);
        text(cr, Face::kSansBold, 6, 23, 19.5, "MAIN ST", 1);
    });
    addTownPicture(out, "street", "bike_rack", 60, 40, [](cairo_t* cr) {
        for (int i = 0; i < 4; ++i) {
            double x = 10 + i * 11;
            cairo_move_to(cr, x, 32), cairo_line_to(cr, x, 20);
            cairo_arc(cr, x + 4, 20, 4, M_PI, 2 * M_PI);
            cairo_line_to(cr, x + 8, 32);
        }
        outline(cr, 3, ink::kOutline);
        for (int i = 0; i < 4; ++i) {
            double x = 10 + i * 11;
            cairo_move_to(cr, x, 32), cairo_line_to(cr, x, 20);
            cairo_arc(cr, x + 4, 20, 4, M_PI, 2 * M_PI);
            cairo_line_to(cr, x + 8, 32);
        }
        outline(cr, 1.5, hexColour(0xC8CCD2));
    });
}

} // namespace bv::gen
