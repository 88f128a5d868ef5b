#pragma once
// How the layout library opens the page designer. The library window takes an opener so that it
// can be built, tested and used without knowing the designer's class, and so that tests can stand
// in for the designer.

#include "layout/page_layout.h"

#include <functional>

class QWidget;

namespace qx {

enum class DesignerMode { New, Modify, Copy };

struct DesignerRequest {
    DesignerMode mode = DesignerMode::New;
    // Modify and Copy start from this layout (Copy under the name of a copy); New ignores it.
    PageLayout layout;
    // The library record Modify replaces (1-based); unused by New and Copy.
    int recordNumber = 0;
};

// Runs the designer modally over the library; true when a Save wrote into it.
using DesignerOpener = std::function<bool(QWidget *parent, const DesignerRequest &request)>;

} // namespace qx
