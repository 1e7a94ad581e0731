#include "plan/PlanRenderer.h"

#include "host/Utf8Text.h"

#include <pango/pangocairo.h>

#include <algorithm>

namespace host::plan {

namespace {

struct Rgb {
    double r, g, b;
};

constexpr Rgb kInk{0.15, 0.15, 0.18};
constexpr Rgb kFrame{0.55, 0.55, 0.6};
constexpr Rgb kAdded{0.05, 0.35, 0.85};
constexpr Rgb kSubtracted{0.85, 0.1, 0.1};
constexpr Rgb kHover{1.0, 0.55, 0.0};
constexpr Rgb kRoomFills[] = {{0.96, 0.94, 0.88}, {0.9, 0.95, 0.9}, {0.9, 0.93, 0.98}, {0.97, 0.92, 0.95}};

void SetColour(cairo_t* cr, Rgb c, double alpha = 1.0) {
    cairo_set_source_rgba(cr, c.r, c.g, c.b, alpha);
}

// A layout of `text` in the Japanese Gothic face that the platform's dialogs use, `pixels` high.
PangoLayout* MakeLayout(cairo_t* cr, const std::wstring& text, double pixels) {
    PangoLayout* layout = pango_cairo_create_layout(cr);
    PangoFontDescription* font = pango_font_description_from_string("IPAGothic");
    pango_font_description_set_absolute_size(font, pixels * PANGO_SCALE);
    pango_layout_set_font_description(layout, font);
    pango_font_description_free(font);
    const std::string utf8 = host::ToUtf8(text);
    pango_layout_set_text(layout, utf8.c_str(), static_cast<int>(utf8.size()));
    return layout;
}

std::pair<int, int> TextSize(cairo_t* cr, const std::wstring& text, double pixels) {
    PangoLayout* layout = MakeLayout(cr, text, pixels);
    int width = 0;
    int height = 0;
    pango_layout_get_pixel_size(layout, &width, &height);
    g_object_unref(layout);
    return {width, height};
}

void DrawText(cairo_t* cr, double x, double y, const std::wstring& text, double pixels,
              bool centred = false) {
    PangoLayout* layout = MakeLayout(cr, text, pixels);
    int width = 0;
    int height = 0;
    pango_layout_get_pixel_size(layout, &width, &height);
    cairo_move_to(cr, centred ? x - width / 2.0 : x, centred ? y - height / 2.0 : y);
    pango_cairo_show_layout(cr, layout);
    g_object_unref(layout);
}

void TracePath(cairo_t* cr, const PlanModel& plan, const Element& element) {
    cairo_new_path(cr);
    for (size_t i = 0; i < element.points.size(); ++i) {
        const Point p = plan.toSheet(element, element.points[i]);
        if (i == 0) {
            cairo_move_to(cr, p.x, p.y);
        } else {
            cairo_line_to(cr, p.x, p.y);
        }
    }
    if (element.kind == ElementKind::Outline) {
        cairo_close_path(cr);
    }
}

void PaintSheet(cairo_t* cr, const PlanModel& plan) {
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_paint(cr);
    // Drawing border and title block.
    SetColour(cr, kInk);
    cairo_set_line_width(cr, 1.5);
    cairo_rectangle(cr, 8.5, 8.5, PlanModel::kSheetWidth - 17, PlanModel::kSheetHeight - 17);
    cairo_stroke(cr);
    const double blockLeft = PlanModel::kSheetWidth - 258.5;
    const double blockTop = PlanModel::kSheetHeight - 66.5;
    cairo_set_line_width(cr, 1);
    cairo_rectangle(cr, blockLeft, blockTop, 250, 58);
    cairo_move_to(cr, blockLeft, blockTop + 29);
    cairo_line_to(cr, blockLeft + 250, blockTop + 29);
    cairo_stroke(cr);
    DrawText(cr, blockLeft + 8, blockTop + 6, L"サンプル住戸 計測用図面", 13);
    DrawText(cr, blockLeft + 8, blockTop + 35, L"クリック: 計測  Shift+クリック: 減算", 12);

    for (const Viewport& view : plan.viewports()) {
        SetColour(cr, kFrame);
        cairo_set_line_width(cr, 1);
        cairo_rectangle(cr, view.left + 0.5, view.top + 0.5, view.right - view.left, view.bottom - view.top);
        cairo_stroke(cr);
        SetColour(cr, kInk);
        DrawText(cr, view.left + 6, view.bottom + 6, view.title + L"  S=" + view.scaleText, 13);
    }
}

void PaintOutline(cairo_t* cr, const PlanModel& plan, size_t index, const PlanView& view) {
    const Element& element = plan.elements()[index];
    const bool measured = plan.timesMeasured(index) > 0;
    const Rgb mark = plan.lastMeasuredMinus(index) ? kSubtracted : kAdded;
    TracePath(cr, plan, element);
    const Rgb fill = kRoomFills[index % std::size(kRoomFills)];
    SetColour(cr, fill);
    cairo_fill_preserve(cr);
    if (measured) {
        SetColour(cr, mark, 0.18);
        cairo_fill_preserve(cr);
    }
    SetColour(cr, measured ? mark : kInk);
    cairo_set_line_width(cr, measured ? 2.5 : 2.0);
    cairo_stroke(cr);
    if (view.hovered == index) {
        TracePath(cr, plan, element);
        SetColour(cr, kHover);
        cairo_set_line_width(cr, 3.0);
        cairo_stroke(cr);
    }
}

void PaintLine(cairo_t* cr, const PlanModel& plan, size_t index, const PlanView& view) {
    const Element& element = plan.elements()[index];
    const bool measured = plan.timesMeasured(index) > 0;
    Rgb colour = measured ? (plan.lastMeasuredMinus(index) ? kSubtracted : kAdded) : kInk;
    if (view.hovered == index) {
        colour = kHover;
    }
    TracePath(cr, plan, element);
    SetColour(cr, colour);
    cairo_set_line_width(cr, measured || view.hovered == index ? 3.0 : 1.6);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_stroke(cr);
    if (element.kind == ElementKind::Polyline) {
        for (Point p : element.points) {
            const Point s = plan.toSheet(element, p);
            cairo_arc(cr, s.x, s.y, 2.5, 0, 6.2832);
            cairo_fill(cr);
        }
    }
}

void PaintRoomNames(cairo_t* cr, const PlanModel& plan) {
    SetColour(cr, kInk);
    for (const Element& element : plan.elements()) {
        if (element.name.empty()) {
            continue;
        }
        Point centre;
        if (element.nameAt) {
            centre = plan.toSheet(element, *element.nameAt);
        } else {
            double left = 1e9, top = 1e9, right = -1e9, bottom = -1e9;
            for (Point p : element.points) {
                const Point s = plan.toSheet(element, p);
                left = std::min(left, s.x), right = std::max(right, s.x);
                top = std::min(top, s.y), bottom = std::max(bottom, s.y);
            }
            centre = Point{(left + right) / 2, (top + bottom) / 2};
        }
        DrawText(cr, centre.x, centre.y, element.name, 13, true);
    }
}

void PaintAnnotations(cairo_t* cr, const PlanModel& plan) {
    constexpr double kTextPixels = 13;
    constexpr auto& ink = PlanColours::kAnnotationText;
    constexpr auto& paper = PlanColours::kAnnotationPaper;
    for (const Annotation& note : plan.annotations()) {
        int width = 0;
        int lineHeight = static_cast<int>(kTextPixels) + 4;
        for (const std::wstring& line : note.lines) {
            const auto size = TextSize(cr, line, kTextPixels);
            width = std::max(width, size.first);
            lineHeight = std::max(lineHeight, size.second);
        }
        const double x = note.at.x + 6;
        const double y = note.at.y + 6;
        const double height = lineHeight * static_cast<double>(note.lines.size());
        cairo_set_source_rgb(cr, paper[0] / 255.0, paper[1] / 255.0, paper[2] / 255.0);
        cairo_rectangle(cr, x - 3, y - 2, width + 6, height + 4);
        cairo_fill(cr);
        cairo_set_source_rgb(cr, ink[0] / 255.0, ink[1] / 255.0, ink[2] / 255.0);
        cairo_set_line_width(cr, 1.5);
        cairo_move_to(cr, note.at.x - 4, note.at.y);
        cairo_line_to(cr, note.at.x + 4, note.at.y);
        cairo_move_to(cr, note.at.x, note.at.y - 4);
        cairo_line_to(cr, note.at.x, note.at.y + 4);
        cairo_stroke(cr);
        for (size_t i = 0; i < note.lines.size(); ++i) {
            DrawText(cr, x, y + lineHeight * static_cast<double>(i), note.lines[i], kTextPixels);
        }
    }
}

} // namespace

void PaintPlan(cairo_t* cr, const PlanModel& plan, const PlanView& view) {
    cairo_save(cr);
    PaintSheet(cr, plan);
    const auto& elements = plan.elements();
    // Rooms first, so that lines inside them stay visible.
    for (size_t i = 0; i < elements.size(); ++i) {
        if (elements[i].kind == ElementKind::Outline) {
            PaintOutline(cr, plan, i, view);
        }
    }
    PaintRoomNames(cr, plan);
    for (size_t i = 0; i < elements.size(); ++i) {
        if (elements[i].kind != ElementKind::Outline) {
            PaintLine(cr, plan, i, view);
        }
    }
    PaintAnnotations(cr, plan);
    cairo_restore(cr);
}

cairo_surface_t* RenderPlan(const PlanModel& plan, const PlanView& view) {
    cairo_surface_t* surface =
        cairo_image_surface_create(CAIRO_FORMAT_ARGB32, PlanModel::kSheetWidth, PlanModel::kSheetHeight);
    cairo_t* cr = cairo_create(surface);
    PaintPlan(cr, plan, view);
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    return surface;
}

bool WritePlanPng(const PlanModel& plan, const std::string& path) {
    cairo_surface_t* surface = RenderPlan(plan);
    const bool written = cairo_surface_write_to_png(surface, path.c_str()) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    return written;
}

} // namespace host::plan
