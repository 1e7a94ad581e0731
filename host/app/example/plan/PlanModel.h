// The host's drawing: a sample floor plan of a few rooms in two viewports (the plan at 1/100 and a
// bathroom detail at 1/50). Elements are segments, polylines and closed outlines in model millimetres;
// the sheet is in pixels. Clicking an element measures it; the summary texts the dialog asks us to draw
// are kept as annotations on the sheet.
//
// Not done here: editing elements, arcs, layers, units other than mm, zoom and pan (the sheet is shown
// 1:1 in pixels), text placement that avoids overlaps.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace host::plan {

struct Point {
    double x = 0.0;
    double y = 0.0;
};

enum class ElementKind { Segment, Polyline, Outline };

struct Viewport {
    std::wstring title;
    std::wstring scaleText;                          // as the measurement's scale column shows it
    double scale = 100.0;                            // model mm per paper mm
    Point origin;                                    // sheet pixel of model (0, 0)
    double left = 0, top = 0, right = 0, bottom = 0; // frame on the sheet, pixels
};

struct Element {
    ElementKind kind = ElementKind::Segment;
    std::vector<Point> points; // model mm; an outline closes back to its first point
    std::wstring name;         // rooms carry their name, drawn at the centre
    size_t viewport = 0;
    std::optional<Point> nameAt; // model point for the name where the centre is taken
};

// What one click on an element gives the dialog.
struct Measurement {
    double value = 0.0;   // mm or mm2
    std::wstring element; // "線分", "ポリライン" or "面積"
    std::wstring scale;   // the viewport's scale text
    bool area = false;
};

// Text drawn into the sheet on the dialog's request.
struct Annotation {
    Point at; // sheet pixels: the point the user last clicked
    std::vector<std::wstring> lines;
};

class PlanModel {
public:
    static constexpr double kPixelsPerPaperMm = 4.0;
    static constexpr int kSheetWidth = 900;
    static constexpr int kSheetHeight = 600;

    // The built-in plan that the live host and the sample show.
    static PlanModel Sample();

    const std::vector<Viewport>& viewports() const { return m_viewports; }
    const std::vector<Element>& elements() const { return m_elements; }
    const std::vector<Annotation>& annotations() const { return m_annotations; }

    size_t addViewport(Viewport viewport);
    size_t addElement(Element element);

    // Sheet pixel of a model point in the element's viewport.
    Point toSheet(const Element& element, Point model) const;

    // The element under a sheet pixel: a segment or polyline within `tolerance` pixels wins over
    // an outline; among outlines that contain the point, the smallest. Nothing when the point hits
    // no element.
    std::optional<size_t> hitTest(Point sheet, double tolerance = 5.0) const;

    Measurement measure(size_t element) const;
    // Where a measured element shows its mark (how often and how it was measured).
    void markMeasured(size_t element, bool minus);
    int timesMeasured(size_t element) const;
    bool lastMeasuredMinus(size_t element) const;

    // Adds the dialog's summary as text at `at`: the summary separates its lines with the two
    // characters backslash and n; a trailing separator makes no empty last line.
    void addAnnotation(Point at, const std::wstring& summary);

    static std::vector<std::wstring> SplitSummaryLines(const std::wstring& summary);

    // Counts every change of what the picture shows (marks, annotations), for redrawing on change.
    unsigned revision() const { return m_revision; }

private:
    struct Mark {
        int times = 0;
        bool minus = false;
    };
    std::vector<Viewport> m_viewports;
    std::vector<Element> m_elements;
    std::vector<Mark> m_marks;
    std::vector<Annotation> m_annotations;
    unsigned m_revision = 0;
};

// The text of an element kind as the dialog's element column shows it.
std::wstring KindText(ElementKind kind);

} // namespace host::plan
