#include "core/orders/orderformdrawing.h"

#include "core/text/frenchdate.h"

#include <QFontMetricsF>
#include <QPainter>

using namespace Qt::Literals::StringLiterals;

namespace vorlane {

namespace {

QFont formFont(double points, bool bold = false)
{
    QFont f(u"Liberation Sans"_s);
    f.setPointSizeF(points);
    f.setBold(bold);
    return f;
}

} // namespace

void DrawOrderForm(QPainter &painter, const QRectF &page, const OrderForm &form, const QDate &date)
{
    painter.save();
    const QColor accent(0x24, 0x3b, 0x63);
    double y = page.top();
    const auto line = [&](const QString &text, const QFont &font, const QColor &colour = Qt::black,
                          Qt::Alignment align = Qt::AlignLeft) {
        painter.setFont(font);
        painter.setPen(colour);
        const QFontMetricsF fm(font, painter.device());
        painter.drawText(QRectF(page.left(), y, page.width(), fm.height()), int(align | Qt::AlignVCenter),
                         text);
        y += fm.height() * 1.25;
    };

    line(form.title(), formFont(18, true), accent);
    line(u"Vorlane - éditions de cours de physique-chimie"_s, formFont(10), Qt::darkGray);
    line(u"Date : "_s + FrenchLongDate(date), formFont(10));
    y += QFontMetricsF(formFont(10), painter.device()).height();

    // The entries, in two columns: caption and value.
    const QFont caption = formFont(10, true);
    const QFont value = formFont(10);
    const QFontMetricsF fmv(value, painter.device());
    const double valueX = page.left() + page.width() * 0.32;
    for (OrderField f : form.fields()) {
        painter.setPen(Qt::black);
        painter.setFont(caption);
        painter.drawText(QRectF(page.left(), y, valueX - page.left(), fmv.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, OrderForm::label(f) + u" :"_s);
        painter.setFont(value);
        painter.drawText(QRectF(valueX, y, page.right() - valueX, fmv.height()),
                         Qt::AlignLeft | Qt::AlignVCenter, form.entry(f).simplified());
        y += fmv.height() * 1.4;
    }
    y += fmv.height();

    // The items ordered.
    const double w = page.width();
    const double cols[] = {0, 0.16, 0.62, 0.76, 0.86, 1.0}; // fractions of the width
    const QStringList heads = {u"Référence"_s, u"Article"_s, u"Prix unitaire"_s, u"Quantité"_s, u"Total"_s};
    const double rowH = fmv.height() * 1.6;
    const auto cell = [&](int c, const QString &text, Qt::Alignment align) {
        const QRectF r(page.left() + w * cols[c] + 4, y, w * (cols[c + 1] - cols[c]) - 8, rowH);
        painter.drawText(r, int(align | Qt::AlignVCenter),
                         painter.fontMetrics().elidedText(text, Qt::ElideRight, int(r.width())));
    };
    painter.fillRect(QRectF(page.left(), y, w, rowH), accent);
    painter.setPen(Qt::white);
    painter.setFont(caption);
    for (int c = 0; c < 5; ++c)
        cell(c, heads[c], c >= 2 ? Qt::AlignRight : Qt::AlignLeft);
    y += rowH;
    painter.setFont(value);
    for (int i = 0; i < int(form.catalogue().size()); ++i) {
        if (form.quantity(i) == 0)
            continue;
        const CatalogueItem &item = form.catalogue()[size_t(i)];
        painter.setPen(Qt::black);
        cell(0, item.reference, Qt::AlignLeft);
        cell(1, item.titre, Qt::AlignLeft);
        cell(2, FormatEuros(item.prixCents), Qt::AlignRight);
        cell(3, QString::number(form.quantity(i)), Qt::AlignRight);
        cell(4, FormatEuros(form.lineTotal(i)), Qt::AlignRight);
        y += rowH;
        painter.setPen(QPen(QColor(200, 200, 200), 0));
        painter.drawLine(QPointF(page.left(), y), QPointF(page.right(), y));
    }
    painter.setPen(Qt::black);
    painter.setFont(caption);
    cell(3, u"Total"_s, Qt::AlignRight);
    cell(4, FormatEuros(form.total()), Qt::AlignRight);
    y += rowH * 2;

    painter.setFont(formFont(9));
    painter.setPen(Qt::darkGray);
    painter.drawText(QRectF(page.left(), y, w, fmv.height() * 3), Qt::TextWordWrap,
                     u"Bon à retourner, accompagné de votre règlement, aux éditions Vorlane. "
                     "Les prix sont indiqués toutes taxes comprises."_s);
    painter.restore();
}

} // namespace vorlane
