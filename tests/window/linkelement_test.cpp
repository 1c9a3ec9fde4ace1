#include "ui/linkelement.h"

#include <QImage>
#include <QLabel>
#include <QPalette>
#include <QWidget>
#include <gtest/gtest.h>

using namespace vorlane;
using namespace Qt::StringLiterals;

namespace {

// The text controls a label holds (QLabel makes one for a text it must lay
// out as a document).
int textControls(const QLabel &label)
{
    int n = 0;
    for (const QObject *child : label.children())
        n += QByteArray(child->metaObject()->className()) == "QWidgetTextControl";
    return n;
}

// True when some pixel differs from the top left one: the text was drawn.
bool drawsSomething(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != image.pixel(0, 0))
                return true;
    return false;
}

void style(QLabel &label, const QFont &font)
{
    label.setFont(font);
    QPalette palette = label.palette();
    palette.setColor(QPalette::WindowText, QColor(0, 0, 160));
    label.setPalette(palette);
    label.setGeometry(0, 0, 240, 60);
    label.show();
}

// A caption is drawn exactly as a focusable label with its text document
// draws it, without the document, and the element still takes the focus by Tab.
TEST(LinkElement, CaptionLooksAsALabelDocumentDrawsItWithoutOne)
{
    QFont underlined(u"Liberation Sans"_s);
    underlined.setPixelSize(15);
    underlined.setUnderline(true);
    QFont serif(u"Liberation Serif"_s);
    serif.setPixelSize(13);
    serif.setBold(true);
    const struct {
        QString caption;
        QFont font;
    } cases[] = {
        {u"Mécanique"_s, underlined},
        {u"Deux\nlignes"_s, underlined},
        {u"Ondes — lumière"_s, serif},
        {u"  espaces  "_s, serif},
    };
    for (const auto &c : cases) {
        QWidget page;
        page.resize(240, 60);
        LinkElement element(u"Labelien"_s, 1, &page);
        style(element, c.font);
        element.setCaption(c.caption);
        QLabel reference(&page);
        reference.setAttribute(Qt::WA_TranslucentBackground);
        reference.setTextFormat(Qt::PlainText);
        reference.setMargin(0);
        reference.setIndent(0);
        reference.setFocusPolicy(Qt::TabFocus);
        style(reference, c.font);
        reference.setText(c.caption);

        EXPECT_EQ(element.text(), c.caption);
        EXPECT_EQ(element.focusPolicy(), Qt::TabFocus);
        EXPECT_EQ(textControls(element), 0) << c.caption.toStdString();
        ASSERT_EQ(textControls(reference), 1); // the document the element does without
        const QImage drawn = element.grab().toImage();
        const QImage expected = reference.grab().toImage();
        EXPECT_EQ(drawn, expected) << c.caption.toStdString();
        EXPECT_TRUE(drawsSomething(drawn)) << c.caption.toStdString();
    }
}

} // namespace
