#pragma once

#include "core/orders/orderform.h"

#include <QDate>
#include <QRectF>

class QPainter;

namespace vorlane {

// Draws a filled-in order form on one page: title, date, the entries of the
// fields, the ordered items (reference, title, unit price, quantity, line
// total) and the total. `page` is the printable area in the painter's
// coordinates; sizes follow the device's resolution, so the same drawing
// serves a printer, a PDF file and a picture. Items of quantity 0 are left out.
void DrawOrderForm(QPainter &painter, const QRectF &page, const OrderForm &form, const QDate &date);

} // namespace vorlane
