#include "ray_diagram.h"

#include <cmath>

namespace lumenary
{

DiagramResult drawDiagram(const RayElement& element, const DiagramFields& fields, bool setup,
                          Canvas& canvas)
{
    DiagramResult result;
    canvas.clear();
    const char dp = fields.decimalPoint;
    const auto xmin = parseNumber(fields.xmin, dp);
    if (!xmin)
        return result;

    auto param = parseNumber(fields.param, dp);
    if (param) {
        if (auto corrected = element.correctedParameter(*param)) {
            Shown text = shownReadout(*corrected, Precision::Double15, dp);
            if (text.text != fields.param)
                result.param = std::move(text.text);
            param = text.value;
        }
    }
    const auto xmax = parseNumber(fields.xmax, dp);
    const auto ymin = parseNumber(fields.ymin, dp);
    const auto ymax = parseNumber(fields.ymax, dp);
    const auto h = parseNumber(fields.h, dp);
    if (!xmax || !ymin || !ymax || !h || !param)
        return result;

    DiagramParams p{*xmin, *xmax, *ymin, *ymax, *h, *param, setup};
    if (!canvas.setScale(p.xmin, p.ymax, p.xmax, p.ymin))
        return result;
    canvas.line({p.xmin, 0}, {p.xmax, 0}, palette(kAxisColour));

    const auto x1 = element.travelEnd(p);
    if (!x1 || !std::isfinite(*x1))
        return result;
    const double dx = (*x1 - p.xmin) / 500;
    const int value = setup ? 0 : fields.sliderValue;
    if (setup)
        result.sliderValue = 0;
    const double xObject = p.xmin + value * dx;
    Shown dText = shownReadout(element.distance(xObject, p), Precision::Double15, dp);
    const auto d = dText.value;
    if (!d)
        return result;
    result.d = std::move(dText.text);

    const double xo = element.objectX(*d, p);
    canvas.line({xo, 0}, {xo, p.h}, palette(kObjectColour));
    element.drawElement(canvas, p);

    const WriteReadout writeXi = [&](double xi) -> std::optional<double> {
        Shown text = shownReadout(xi, Precision::Double15, dp);
        if (text.value)
            result.xi = std::move(text.text);
        return text.value;
    };
    element.construct(canvas, p, *d, *x1, writeXi);
    canvas.setDotted(false);
    return result;
}

} // namespace lumenary
