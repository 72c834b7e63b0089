#pragma once

#include "ray_diagram.h"

#include <string>

namespace lumenary
{

// What a drawing pass drew, in one sentence for assistive technology, from the numbers the pass
// drew with: the object distance d and the image distance xi as their read-outs show them, and
// the image height -h xi / d. A lens has its object to its left and a real image to its right;
// a mirror has both in front of it. Empty when the pass drew no diagram.
std::string describeDiagram(const RayElement& element, const DiagramFields& fields,
                            const DiagramResult& result);

} // namespace lumenary
