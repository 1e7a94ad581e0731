#include "plan/PlanRenderer.h"

#include "plan/SheetLayout.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace host::plan {

namespace {

constexpr COLORREF kInk = RGB(38, 38, 46);
constexpr COLORREF kFrame = RGB(140, 140, 153);
constexpr COLORREF kAdded = RGB(13, 89, 217);
constexpr COLORREF kSubtracted = RGB(217, 26, 26);
constexpr COLORREF kHover = RGB(255, 140, 0);
constexpr COLORREF kRoomFills[] = {RGB(245, 240, 224), RGB(230, 242, 230), RGB(230, 237, 250),
                                   RGB(247, 235, 242)};
// A measured room shows its mark's colour through its fill, as a glaze of this strength.
constexpr int kGlazePercent = 18;
// The Japanese face of the platform's dialogs.
constexpr const wchar_t* kFace = L"MS UI Gothic";

// A GDI object selected into the DC while it lives; put back, and deleted when it was made here.
class Selected {
public:
    Selected(HDC dc, HGDIOBJ object, bool owned = true)
        : m_dc(dc), m_object(object), m_owned(owned), m_previous(SelectObject(dc, object)) {}
    ~Selected() {
        SelectObject(m_dc, m_previous);
        if (m_owned) {
            DeleteObject(m_object);
        }
    }
    Selected(const Selected&) = delete;
    Selected& operator=(const Selected&) = delete;

private:
    HDC m_dc;
    HGDIOBJ m_object;
    bool m_owned;
    HGDIOBJ m_previous;
};

Selected Pen(HDC dc, COLORREF colour, int width) {
    return Selected(dc, CreatePen(PS_SOLID, width, colour));
}

Selected Brush(HDC dc, COLORREF colour) {
    return Selected(dc, CreateSolidBrush(colour));
}

Selected Stock(HDC dc, int object) {
    return Selected(dc, GetStockObject(object), false);
}

// `pixels` is the em's height, as a negative LOGFONT height asks for it.
Selected Font(HDC dc, int pixels) {
    return Selected(dc, CreateFontW(-pixels, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET,
                                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                    DEFAULT_PITCH | FF_DONTCARE, kFace));
}

COLORREF Glazed(COLORREF under, COLORREF glaze) {
    auto mix = [](int a, int b) {
        return static_cast<BYTE>((a * (100 - kGlazePercent) + b * kGlazePercent) / 100);
    };
    return RGB(mix(GetRValue(under), GetRValue(glaze)), mix(GetGValue(under), GetGValue(glaze)),
               mix(GetBValue(under), GetBValue(glaze)));
}

POINT Pixel(Point p) {
    return POINT{static_cast<LONG>(std::lround(p.x)), static_cast<LONG>(std::lround(p.y))};
}

std::vector<POINT> SheetPoints(const PlanModel& plan, const Element& element) {
    std::vector<POINT> points;
    for (Point p : element.points) {
        points.push_back(Pixel(plan.toSheet(element, p)));
    }
    return points;
}

SIZE TextSize(HDC dc, const std::wstring& text) {
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    return size;
}

// Text in the selected font with its top left (or its centre) at the point.
void DrawText(HDC dc, int x, int y, const std::wstring& text, bool centred = false) {
    if (centred) {
        const SIZE size = TextSize(dc, text);
        x -= size.cx / 2;
        y -= size.cy / 2;
    }
    TextOutW(dc, x, y, text.c_str(), static_cast<int>(text.size()));
}

void Polyline(HDC dc, const std::vector<POINT>& points) {
    for (size_t i = 0; i < points.size(); ++i) {
        if (i == 0) {
            MoveToEx(dc, points[i].x, points[i].y, nullptr);
        } else {
            LineTo(dc, points[i].x, points[i].y);
        }
    }
}

void PaintSheet(HDC dc, const PlanModel& plan) {
    const RECT sheet{0, 0, PlanModel::kSheetWidth, PlanModel::kSheetHeight};
    {
        auto paper = Brush(dc, PlanColours::kPaper);
        FillRect(dc, &sheet, static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH)));
    }
    auto hollow = Stock(dc, NULL_BRUSH);
    SetTextColor(dc, kInk);
    // Drawing border and title block.
    {
        const RECT border = SheetBorder();
        auto pen = Pen(dc, kInk, kBorderPen);
        Rectangle(dc, border.left, border.top, border.right, border.bottom);
    }
    const RECT block = TitleBlock();
    {
        auto rule = Pen(dc, kInk, 1);
        Rectangle(dc, block.left, block.top, block.right, block.bottom);
        MoveToEx(dc, block.left, block.top + 29, nullptr);
        LineTo(dc, block.right - 1, block.top + 29);
    }
    {
        auto title = Font(dc, 13);
        DrawText(dc, block.left + 8, block.top + 6, L"サンプル住戸 計測用図面");
    }
    {
        auto hint = Font(dc, 12);
        DrawText(dc, block.left + 8, block.top + 35, L"クリック: 計測  Shift+クリック: 減算");
    }
    auto font = Font(dc, 13);
    for (const Viewport& view : plan.viewports()) {
        {
            auto frame = Pen(dc, kFrame, 1);
            Rectangle(dc, static_cast<int>(view.left), static_cast<int>(view.top),
                      static_cast<int>(view.right) + 1, static_cast<int>(view.bottom) + 1);
        }
        DrawText(dc, static_cast<int>(view.left) + 6, static_cast<int>(view.bottom) + 6,
                 view.title + L"  S=" + view.scaleText);
    }
}

void PaintOutline(HDC dc, const PlanModel& plan, size_t index, const PlanView& view) {
    const Element& element = plan.elements()[index];
    const bool measured = plan.timesMeasured(index) > 0;
    const COLORREF mark = plan.lastMeasuredMinus(index) ? kSubtracted : kAdded;
    const std::vector<POINT> points = SheetPoints(plan, element);
    const COLORREF fill = kRoomFills[index % std::size(kRoomFills)];
    {
        auto brush = Brush(dc, measured ? Glazed(fill, mark) : fill);
        auto pen = Pen(dc, measured ? mark : kInk, measured ? 3 : 2);
        Polygon(dc, points.data(), static_cast<int>(points.size()));
    }
    if (view.hovered == index) {
        auto hollow = Stock(dc, NULL_BRUSH);
        auto pen = Pen(dc, kHover, 3);
        Polygon(dc, points.data(), static_cast<int>(points.size()));
    }
}

void PaintLine(HDC dc, const PlanModel& plan, size_t index, const PlanView& view) {
    const Element& element = plan.elements()[index];
    const bool measured = plan.timesMeasured(index) > 0;
    COLORREF colour = measured ? (plan.lastMeasuredMinus(index) ? kSubtracted : kAdded) : kInk;
    if (view.hovered == index) {
        colour = kHover;
    }
    const std::vector<POINT> points = SheetPoints(plan, element);
    {
        // GDI's pens wider than a pixel have round ends and joins.
        auto pen = Pen(dc, colour, measured || view.hovered == index ? 3 : 2);
        Polyline(dc, points);
    }
    if (element.kind == ElementKind::Polyline) {
        auto dot = Brush(dc, colour);
        auto noOutline = Stock(dc, NULL_PEN);
        for (POINT p : points) {
            Ellipse(dc, p.x - 3, p.y - 3, p.x + 4, p.y + 4);
        }
    }
}

void PaintRoomNames(HDC dc, const PlanModel& plan) {
    SetTextColor(dc, kInk);
    auto font = Font(dc, 13);
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
        const POINT at = Pixel(centre);
        DrawText(dc, at.x, at.y, element.name, true);
    }
}

void PaintAnnotations(HDC dc, const PlanModel& plan) {
    constexpr int kTextPixels = 13;
    constexpr int kPaperMarginX = 3; // paper around the text
    constexpr int kPaperMarginY = 2;
    auto font = Font(dc, kTextPixels);
    SetTextColor(dc, PlanColours::kAnnotationText);
    for (const Annotation& note : plan.annotations()) {
        int width = 0;
        int lineHeight = kTextPixels + 4;
        for (const std::wstring& line : note.lines) {
            const SIZE size = TextSize(dc, line);
            width = std::max<int>(width, size.cx);
            lineHeight = std::max<int>(lineHeight, size.cy);
        }
        const POINT at = Pixel(note.at);
        const int height = lineHeight * static_cast<int>(note.lines.size());
        const RECT behind =
            PlaceSummary(plan, at, SIZE{width + 2 * kPaperMarginX, height + 2 * kPaperMarginY});
        const int x = behind.left + kPaperMarginX;
        const int y = behind.top + kPaperMarginY;
        {
            auto paper = Brush(dc, PlanColours::kAnnotationPaper);
            FillRect(dc, &behind, static_cast<HBRUSH>(GetCurrentObject(dc, OBJ_BRUSH)));
        }
        {
            auto cross = Pen(dc, PlanColours::kAnnotationText, 2);
            MoveToEx(dc, at.x - 4, at.y, nullptr);
            LineTo(dc, at.x + 4, at.y);
            MoveToEx(dc, at.x, at.y - 4, nullptr);
            LineTo(dc, at.x, at.y + 4);
        }
        for (size_t i = 0; i < note.lines.size(); ++i) {
            DrawText(dc, x, y + lineHeight * static_cast<int>(i), note.lines[i]);
        }
    }
}

} // namespace

void PaintPlan(HDC dc, const PlanModel& plan, const PlanView& view) {
    const int saved = SaveDC(dc);
    SetBkMode(dc, TRANSPARENT);
    PaintSheet(dc, plan);
    const auto& elements = plan.elements();
    // Rooms first, so that lines inside them stay visible.
    for (size_t i = 0; i < elements.size(); ++i) {
        if (elements[i].kind == ElementKind::Outline) {
            PaintOutline(dc, plan, i, view);
        }
    }
    PaintRoomNames(dc, plan);
    for (size_t i = 0; i < elements.size(); ++i) {
        if (elements[i].kind != ElementKind::Outline) {
            PaintLine(dc, plan, i, view);
        }
    }
    PaintAnnotations(dc, plan);
    RestoreDC(dc, saved);
}

} // namespace host::plan
