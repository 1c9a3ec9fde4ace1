// Order forms: prices, totals, the checks of the entries and the catalogue.

#include "core/course/coursesources.h"
#include "core/course/ordercatalogue.h"
#include "core/orders/orderform.h"
#include "core/orders/orderformdrawing.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>

using namespace vorlane;
using namespace Qt::Literals::StringLiterals;

namespace {

TEST(FormatEuros, WholeCentsWithACommaAndTheEuroSign)
{
    const struct {
        qint64 cents;
        const char16_t *text;
    } cases[] = {
        {1250, u"12,50 €"},
        {0, u"0,00 €"},
        {5, u"0,05 €"},
        {100, u"1,00 €"},
        {99999, u"999,99 €"},
        {123450, u"1 234,50 €"},
        {100000000, u"1 000 000,00 €"},
        {-250, u"-2,50 €"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FormatEuros(c.cents), QString::fromUtf16(c.text)) << c.cents;
}

TEST(ParseEuros, PricesOfTheCatalogueSource)
{
    const struct {
        const char *text;
        std::optional<qint64> cents;
    } cases[] = {
        {"12,50", 1250}, {"12.5", 1250}, {"12", 1200}, {" 0,05 ", 5}, {"1000000", 100000000},
        {"12,505", {}},  {"-3", {}},     {"", {}},     {"douze", {}}, {"1000000,01", {}},
        {"12,", {}},     {",50", {}},    {"1e3", {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(ParseEuros(QString::fromLatin1(c.text)), c.cents) << c.text;
}

struct FieldCase {
    OrderField field;
    const char16_t *text;
    bool accepted;
};
void PrintTo(const FieldCase &c, std::ostream *os)
{
    *os << "field " << int(c.field) << " \"" << QString::fromUtf16(c.text).toStdString() << '"';
}

class FieldCheckTest : public ::testing::TestWithParam<FieldCase> {};

TEST_P(FieldCheckTest, AcceptsOrRefusesWithAMessage)
{
    const FieldCase &c = GetParam();
    const QString why = OrderForm::checkField(c.field, QString::fromUtf16(c.text));
    EXPECT_EQ(why.isEmpty(), c.accepted) << why.toStdString();
}

using F = OrderField;
INSTANTIATE_TEST_SUITE_P(
    Entries, FieldCheckTest,
    ::testing::Values(FieldCase{F::Postcode, u"75005", true}, FieldCase{F::Postcode, u" 75005 ", true},
                      FieldCase{F::Postcode, u"7500", false}, FieldCase{F::Postcode, u"750050", false},
                      FieldCase{F::Postcode, u"75 005", false}, FieldCase{F::Postcode, u"7500A", false},
                      FieldCase{F::Postcode, u"", false}, FieldCase{F::Uai, u"0750001A", true},
                      FieldCase{F::Uai, u"0750001a", true}, FieldCase{F::Uai, u"075001A", false},
                      FieldCase{F::Uai, u"07500012", false}, FieldCase{F::Uai, u"0750001AB", false},
                      FieldCase{F::Email, u"nom@domaine.fr", true},
                      FieldCase{F::Email, u"a.b@lycee.ac-paris.fr", true},
                      FieldCase{F::Email, u"nom@domaine", false},
                      FieldCase{F::Email, u"nom domaine.fr", false},
                      FieldCase{F::Email, u"@domaine.fr", false}, FieldCase{F::Email, u"a@@b.fr", false},
                      FieldCase{F::Email, u"a@b..fr", false}, FieldCase{F::Pupils, u"35", true},
                      FieldCase{F::Pupils, u"9999", true}, FieldCase{F::Pupils, u"0", false},
                      FieldCase{F::Pupils, u"10000", false}, FieldCase{F::Pupils, u"-3", false},
                      FieldCase{F::Pupils, u"3,5", false}, FieldCase{F::Name, u"Camille Martin", true},
                      FieldCase{F::Name, u"   ", false}, FieldCase{F::Town, u"Lyon", true},
                      FieldCase{F::Town, u"", false}, FieldCase{F::Address, u"3 rue des Lilas", true},
                      FieldCase{F::Address, u"", false}, FieldCase{F::SchoolName, u"", false},
                      FieldCase{F::Contact, u"", false}, FieldCase{F::Contact, u"M. Durand", true}));

TEST(OrderForm, PostcodeMessageIsClear)
{
    EXPECT_EQ(OrderForm::checkField(OrderField::Postcode, u"750"_s),
              u"Le code postal compte 5 chiffres (exemple : 75005)."_s);
}

std::vector<CatalogueItem> catalogue()
{
    return {{u"A"_s, u"Cours"_s, 2990}, {u"B"_s, u"Cahier"_s, 1250}, {u"C"_s, u"Licence"_s, 1500}};
}

TEST(OrderForm, LineTotalsAndTotalFollowTheQuantities)
{
    OrderForm form(OrderKind::School, catalogue());
    EXPECT_EQ(form.total(), 0);
    EXPECT_EQ(form.itemsError(), u"Choisissez au moins un article."_s);
    form.setQuantity(0, 2);
    form.setQuantity(2, 30);
    EXPECT_EQ(form.lineTotal(0), 5980);
    EXPECT_EQ(form.lineTotal(1), 0);
    EXPECT_EQ(form.lineTotal(2), 45000);
    EXPECT_EQ(form.total(), 50980);
    EXPECT_EQ(FormatEuros(form.total()), u"509,80 €"_s);
    // Out of range: clamped or ignored.
    form.setQuantity(1, 5000);
    EXPECT_EQ(form.quantity(1), OrderForm::kMaxQuantity);
    form.setQuantity(1, -4);
    EXPECT_EQ(form.quantity(1), 0);
    form.setQuantity(7, 3);
    EXPECT_EQ(form.lineTotal(7), 0);
    EXPECT_EQ(form.total(), 50980);
    EXPECT_TRUE(form.itemsError().isEmpty());
}

TEST(OrderForm, EachFormAsksForItsOwnFields)
{
    EXPECT_EQ(OrderForm::fields(OrderKind::Private),
              (QList<OrderField>{F::Name, F::Address, F::Postcode, F::Town, F::Email}));
    EXPECT_EQ(OrderForm::fields(OrderKind::School),
              (QList<OrderField>{F::SchoolName, F::Uai, F::Contact, F::Address, F::Postcode, F::Town,
                                 F::Email, F::Pupils}));
    EXPECT_EQ(OrderForm::title(OrderKind::Private), u"Bon de commande - particulier"_s);
    EXPECT_EQ(OrderForm::title(OrderKind::School), u"Bon de commande - établissement"_s);

    OrderForm form(OrderKind::Private, catalogue());
    form.setQuantity(1, 1);
    EXPECT_EQ(form.fieldErrors().keys(),
              (QList<OrderField>{F::Name, F::Address, F::Postcode, F::Town, F::Email}));
    form.setEntry(F::Name, u"Camille Martin"_s);
    form.setEntry(F::Address, u"3 rue des Lilas"_s);
    form.setEntry(F::Postcode, u"6900"_s);
    form.setEntry(F::Town, u"Lyon"_s);
    form.setEntry(F::Email, u"camille@exemple.fr"_s);
    // A school's fields are not asked of a family.
    form.setEntry(F::Uai, u"faux"_s);
    EXPECT_EQ(form.fieldErrors().keys(), QList<OrderField>{F::Postcode});
    EXPECT_FALSE(form.isValid());
    form.setEntry(F::Postcode, u"69001"_s);
    EXPECT_TRUE(form.isValid());
}

TEST(OrderCatalogue, SourceLinesBecomeItems)
{
    int line = 0;
    QString why;
    const auto items = ParseOrderCatalogue(
        u"# commentaire\r\nA\tCours complet\t29,90\r\n\r\nB\tCahier\t12\n"_s, &line, &why);
    ASSERT_TRUE(items.has_value()) << why.toStdString();
    ASSERT_EQ(items->size(), 2u);
    EXPECT_EQ((*items)[0].reference, u"A"_s);
    EXPECT_EQ((*items)[0].titre, u"Cours complet"_s);
    EXPECT_EQ((*items)[0].prixCents, 2990);
    EXPECT_EQ((*items)[1].prixCents, 1200);

    const struct {
        const char16_t *text;
        int line;
    } bad[] = {{u"A\tCours\t3\n B \tCahier\tdouze\n", 2},
               {u"A\tCours 29,90\n", 1},
               {u"\n\n\tCours\t3\n", 3},
               {u"A\tB\tC\t4\n", 1}};
    for (const auto &b : bad) {
        line = 0;
        EXPECT_FALSE(ParseOrderCatalogue(QString::fromUtf16(b.text), &line, &why).has_value());
        EXPECT_EQ(line, b.line) << QString::fromUtf16(b.text).toStdString();
    }
}

TEST(OrderCatalogue, TheCourseCompilerWritesTableCommande)
{
    QTemporaryDir dir;
    CourseSources sources;
    CoursePage page;
    page.titre = u"Accueil"_s;
    page.numeropage = 1;
    page.index = 1;
    sources.pages = {page};
    QString error;
    ASSERT_TRUE(WriteCourseDatabases(sources, dir.path(), &error)) << error.toStdString();
    EXPECT_FALSE(LoadOrderCatalogue(dir.path()).has_value());

    sources.catalogue = catalogue();
    ASSERT_TRUE(WriteCourseDatabases(sources, dir.path(), &error)) << error.toStdString();
    const auto items = LoadOrderCatalogue(dir.path());
    ASSERT_TRUE(items.has_value());
    ASSERT_EQ(items->size(), 3u);
    EXPECT_EQ((*items)[1].reference, u"B"_s);
    EXPECT_EQ((*items)[1].titre, u"Cahier"_s);
    EXPECT_EQ((*items)[1].prixCents, 1250);
}

TEST(OrderCatalogue, TheBundledCourseHasACatalogue)
{
    const auto sources = ReadCourseSources(QStringLiteral(VORLANE_SAMPLE_DIR), nullptr);
    ASSERT_TRUE(sources.has_value());
    ASSERT_TRUE(sources->catalogue.has_value());
    EXPECT_GE(sources->catalogue->size(), 3u);
    for (const CatalogueItem &item : *sources->catalogue)
        EXPECT_GT(item.prixCents, 0) << item.reference.toStdString();
}

TEST(OrderFormDrawing, DrawsOnAnyDevice)
{
    OrderForm form(OrderKind::Private, catalogue());
    form.setQuantity(0, 1);
    QImage image(600, 840, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    DrawOrderForm(p, QRectF(20, 20, 560, 800), form, QDate(2026, 12, 8));
    p.end();
    // The header row of the item table is drawn in the accent colour.
    int accent = 0;
    for (int y = 0; y < image.height(); ++y)
        accent += QColor(image.pixel(300, y)) == QColor(0x24, 0x3b, 0x63) ? 1 : 0;
    EXPECT_GT(accent, 5);
}

} // namespace
