#pragma once

#include "core/course/pageindex.h"

#include <cstdint>

namespace vorlane {

// Where the reader is in the course: the row positions of page numbers and
// ordering indexes (PageByNumber, PageByOrder), loaded at start-up, and the
// `Index` of the page on display.
struct CoursePosition {
    PageIndex pageIndex;
    std::int32_t currentOrder = 0;
};

} // namespace vorlane
