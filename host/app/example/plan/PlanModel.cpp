#include "plan/PlanModel.h"

#include <cmath>
#include <limits>

namespace host::plan {

namespace {

double Distance(Point a, Point b) {
    return std::hypot(a.x - b.x, a.y - b.y);
}

double DistanceToSegment(Point p, Point a, Point b) {
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double lengthSquared = dx * dx + dy * dy;
    if (lengthSquared == 0.0) {
        return Distance(p, a);
    }
    double t = ((p.x - a.x) * dx + (p.y - a.y) * dy) / lengthSquared;
    t = std::fmax(0.0, std::fmin(1.0, t));
    return Distance(p, Point{a.x + t * dx, a.y + t * dy});
}

bool Contains(const std::vector<Point>& polygon, Point p) {
    bool inside = false;
    for (size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const Point a = polygon[i];
        const Point b = polygon[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) {
            inside = !inside;
        }
    }
    return inside;
}

double PolygonArea(const std::vector<Point>& polygon) {
    double twice = 0.0;
    for (size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        twice += polygon[j].x * polygon[i].y - polygon[i].x * polygon[j].y;
    }
    return std::fabs(twice) / 2.0;
}

double PathLength(const std::vector<Point>& path) {
    double length = 0.0;
    for (size_t i = 1; i < path.size(); ++i) {
        length += Distance(path[i - 1], path[i]);
    }
    return length;
}

Element Outline(size_t viewport, std::wstring name, std::vector<Point> points,
                std::optional<Point> nameAt = std::nullopt) {
    return Element{ElementKind::Outline, std::move(points), std::move(name), viewport, nameAt};
}

Element Line(size_t viewport, ElementKind kind, std::vector<Point> points) {
    return Element{kind, std::move(points), L"", viewport, std::nullopt};
}

} // namespace

std::wstring KindText(ElementKind kind) {
    switch (kind) {
    case ElementKind::Segment:
        return L"線分";
    case ElementKind::Polyline:
        return L"ポリライン";
    case ElementKind::Outline:
        return L"面積";
    }
    return L"";
}

PlanModel PlanModel::Sample() {
    PlanModel plan;
    // The flat at 1/100: 9.6 m by 7.2 m, 4 px per paper mm, so 1 m of model is 40 px.
    const size_t flat =
        plan.addViewport(Viewport{L"平面図", L"1/100", 100.0, Point{40, 70}, 20, 40, 444, 392});
    plan.addElement(Outline(flat, L"LDK", {{0, 0}, {6000, 0}, {6000, 4500}, {0, 4500}}));
    plan.addElement(Outline(flat, L"寝室", {{6000, 0}, {9600, 0}, {9600, 3300}, {6000, 3300}}));
    plan.addElement(Outline(
        flat, L"洋室", {{6000, 3300}, {9600, 3300}, {9600, 7200}, {7800, 7200}, {7800, 5700}, {6000, 5700}}));
    plan.addElement(Outline(flat, L"廊下",
                            {{0, 4500}, {6000, 4500}, {6000, 5700}, {7800, 5700}, {7800, 7200}, {0, 7200}}));
    // Kitchen counter front and a window sill: single segments.
    plan.addElement(Line(flat, ElementKind::Segment, {{600, 700}, {3600, 700}}));
    plan.addElement(Line(flat, ElementKind::Segment, {{6600, 150}, {9000, 150}}));
    // A skirting run along the hall and a cable route through the bedroom: polylines.
    plan.addElement(
        Line(flat, ElementKind::Polyline, {{300, 6600}, {4200, 6600}, {4200, 5100}, {5700, 5100}}));
    plan.addElement(
        Line(flat, ElementKind::Polyline, {{6300, 2700}, {8100, 2700}, {8100, 900}, {9300, 900}}));

    // The bathroom detail at 1/50: 2.4 m by 2.0 m, 1 m of model is 80 px.
    const size_t detail =
        plan.addViewport(Viewport{L"浴室詳細図", L"1/50", 50.0, Point{600, 110}, 570, 80, 822, 306});
    plan.addElement(Outline(detail, L"浴室", {{0, 0}, {2400, 0}, {2400, 2000}, {0, 2000}}, Point{700, 1800}));
    plan.addElement(Outline(detail, L"浴槽", {{200, 200}, {1700, 200}, {1700, 1000}, {200, 1000}}));
    plan.addElement(Line(detail, ElementKind::Segment, {{200, 1500}, {2200, 1500}}));
    plan.addElement(Line(detail, ElementKind::Polyline, {{1950, 300}, {1950, 1300}, {1200, 1800}}));
    return plan;
}

size_t PlanModel::addViewport(Viewport viewport) {
    m_viewports.push_back(std::move(viewport));
    return m_viewports.size() - 1;
}

size_t PlanModel::addElement(Element element) {
    m_elements.push_back(std::move(element));
    m_marks.emplace_back();
    return m_elements.size() - 1;
}

Point PlanModel::toSheet(const Element& element, Point model) const {
    const Viewport& view = m_viewports.at(element.viewport);
    const double pixelsPerMm = kPixelsPerPaperMm / view.scale;
    return Point{view.origin.x + model.x * pixelsPerMm, view.origin.y + model.y * pixelsPerMm};
}

std::optional<size_t> PlanModel::hitTest(Point sheet, double tolerance) const {
    std::optional<size_t> nearestLine;
    double nearestDistance = tolerance;
    std::optional<size_t> smallestOutline;
    double smallestArea = std::numeric_limits<double>::infinity();
    for (size_t i = 0; i < m_elements.size(); ++i) {
        const Element& element = m_elements[i];
        std::vector<Point> onSheet;
        for (Point p : element.points) {
            onSheet.push_back(toSheet(element, p));
        }
        if (element.kind == ElementKind::Outline) {
            const double area = PolygonArea(onSheet);
            if (Contains(onSheet, sheet) && area < smallestArea) {
                smallestArea = area;
                smallestOutline = i;
            }
            continue;
        }
        for (size_t k = 1; k < onSheet.size(); ++k) {
            const double d = DistanceToSegment(sheet, onSheet[k - 1], onSheet[k]);
            if (d <= nearestDistance) {
                nearestDistance = d;
                nearestLine = i;
            }
        }
    }
    return nearestLine ? nearestLine : smallestOutline;
}

Measurement PlanModel::measure(size_t index) const {
    const Element& element = m_elements.at(index);
    Measurement m;
    m.element = KindText(element.kind);
    m.scale = m_viewports.at(element.viewport).scaleText;
    m.area = element.kind == ElementKind::Outline;
    m.value = m.area ? PolygonArea(element.points) : PathLength(element.points);
    return m;
}

void PlanModel::markMeasured(size_t element, bool minus) {
    Mark& mark = m_marks.at(element);
    ++mark.times;
    mark.minus = minus;
    ++m_revision;
}

int PlanModel::timesMeasured(size_t element) const {
    return m_marks.at(element).times;
}

bool PlanModel::lastMeasuredMinus(size_t element) const {
    return m_marks.at(element).minus;
}

std::vector<std::wstring> PlanModel::SplitSummaryLines(const std::wstring& summary) {
    std::vector<std::wstring> lines;
    size_t start = 0;
    while (start < summary.size()) {
        const size_t separator = summary.find(L"\\n", start);
        if (separator == std::wstring::npos) {
            lines.push_back(summary.substr(start));
            break;
        }
        lines.push_back(summary.substr(start, separator - start));
        start = separator + 2;
    }
    return lines;
}

void PlanModel::addAnnotation(Point at, const std::wstring& summary) {
    m_annotations.push_back(Annotation{at, SplitSummaryLines(summary)});
    ++m_revision;
}

} // namespace host::plan
