// The order forms "BDC" and "BD2".

#include "ui/linkelement.h"
#include "ui/orders/orderformwindow.h"
#include "windowfixture.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTableWidget>
#include <QTimer>

using namespace vorlane;
using namespace vorlane::testing;
using namespace Qt::Literals::StringLiterals;

namespace {

// Prints to a PDF file instead of a printer; the file dialog answers `pdf`.
class PdfOutput final : public OrderOutput {
public:
    bool choosePrinter(QPrinter &printer, QWidget *) override
    {
        ++printerDialogs;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printed);
        return !printed.isEmpty();
    }
    QString choosePdfFile(QWidget *, const QString &) override { return pdf; }

    QString printed;
    QString pdf;
    int printerDialogs = 0;
};

std::vector<CatalogueItem> catalogue()
{
    return {{u"VTS-CD"_s, u"Cours complet sur CD-ROM"_s, 2990},
            {u"VTS-LIV"_s, u"Cahier d'exercices"_s, 1250}};
}

QString pdfText(const QString &path)
{
    QProcess p;
    p.start(u"pdftotext"_s, {u"-layout"_s, path, u"-"_s});
    if (!p.waitForFinished(30000))
        return {};
    return QString::fromUtf8(p.readAllStandardOutput());
}

class OrderFormWindowTest : public WindowFixture {
protected:
    QLineEdit *edit(OrderFormWindow &w, OrderField f)
    {
        return w.findChild<QLineEdit *>(OrderFormWindow::objectNameOf(f));
    }
    QString error(OrderFormWindow &w, OrderField f)
    {
        return w.findChild<QLabel *>(OrderFormWindow::objectNameOf(f) + u"Erreur"_s)->text();
    }
    void fillPrivate(OrderFormWindow &w, const QString &postcode)
    {
        edit(w, OrderField::Name)->setText(u"Camille Martin"_s);
        edit(w, OrderField::Address)->setText(u"3 rue des Lilas"_s);
        edit(w, OrderField::Postcode)->setText(postcode);
        edit(w, OrderField::Town)->setText(u"Lyon"_s);
        edit(w, OrderField::Email)->setText(u"camille@exemple.fr"_s);
        w.findChild<QSpinBox *>(u"quantite0"_s)->setValue(2);
        w.findChild<QSpinBox *>(u"quantite1"_s)->setValue(1);
    }
    PdfOutput output;
};

TEST_F(OrderFormWindowTest, TotalsFollowTheQuantitiesAsTheyAreTyped)
{
    OrderFormWindow w(OrderKind::Private, catalogue(), output);
    auto *total = w.findChild<QLabel *>(u"total"_s);
    EXPECT_EQ(total->text(), u"Total : 0,00 €"_s);
    auto *table = w.findChild<QTableWidget *>(u"catalogue"_s);
    EXPECT_EQ(table->item(0, 2)->text(), u"29,90 €"_s);
    w.findChild<QSpinBox *>(u"quantite0"_s)->setValue(3);
    EXPECT_EQ(table->item(0, 4)->text(), u"89,70 €"_s);
    w.findChild<QSpinBox *>(u"quantite1"_s)->setValue(2);
    EXPECT_EQ(total->text(), u"Total : 114,70 €"_s);
}

TEST_F(OrderFormWindowTest, AWrongPostcodeIsRefusedWithItsMessage)
{
    OrderFormWindow w(OrderKind::Private, catalogue(), output);
    fillPrivate(w, u"6900"_s);
    output.pdf = file("refuse.pdf");
    w.findChild<QPushButton *>(u"exporter"_s)->click();
    EXPECT_EQ(error(w, OrderField::Postcode), u"Le code postal compte 5 chiffres (exemple : 75005)."_s);
    EXPECT_TRUE(error(w, OrderField::Name).isEmpty());
    EXPECT_TRUE(error(w, OrderField::Email).isEmpty());
    EXPECT_FALSE(QFile::exists(output.pdf));
    EXPECT_FALSE(w.findChild<QLabel *>(u"etat"_s)->text().isEmpty());
    // Corrected, the message goes as it is typed.
    edit(w, OrderField::Postcode)->setText(u"69001"_s);
    EXPECT_TRUE(error(w, OrderField::Postcode).isEmpty());
}

TEST_F(OrderFormWindowTest, AGoodFormIsPrintedAndExportedAsPdf)
{
    if (QStandardPaths::findExecutable(u"pdftotext"_s).isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    OrderFormWindow w(OrderKind::Private, catalogue(), output);
    fillPrivate(w, u"69001"_s);
    output.pdf = file("bon.pdf");
    output.printed = file("imprime.pdf");
    w.findChild<QPushButton *>(u"exporter"_s)->click();
    w.findChild<QPushButton *>(u"imprimer"_s)->click();
    EXPECT_EQ(output.printerDialogs, 1);
    for (const QString &path : {output.pdf, output.printed}) {
        const QString text = pdfText(path);
        EXPECT_TRUE(text.contains(u"Bon de commande - particulier"_s)) << text.toStdString();
        EXPECT_TRUE(text.contains(u"Camille Martin"_s)) << text.toStdString();
        EXPECT_TRUE(text.contains(u"69001"_s)) << text.toStdString();
        EXPECT_TRUE(text.contains(u"VTS-CD"_s)) << text.toStdString();
        EXPECT_TRUE(text.contains(u"59,80 €"_s)) << text.toStdString();
        EXPECT_TRUE(text.contains(u"72,30 €"_s)) << text.toStdString();
    }
    EXPECT_TRUE(w.findChild<QLabel *>(u"etat"_s)->text().startsWith(u"Le bon de commande a été envoyé"_s));
}

TEST_F(OrderFormWindowTest, SchoolFormChecksUaiAndPupils)
{
    OrderFormWindow w(OrderKind::School, catalogue(), output);
    EXPECT_EQ(w.objectName(), u"BD2"_s);
    edit(w, OrderField::Uai)->setText(u"075001A"_s);
    edit(w, OrderField::Pupils)->setText(u"0"_s);
    EXPECT_FALSE(w.checkAll());
    EXPECT_EQ(error(w, OrderField::Uai),
              u"Le numéro UAI compte 7 chiffres suivis d'une lettre (exemple : 0750001A)."_s);
    EXPECT_FALSE(error(w, OrderField::Pupils).isEmpty());
    EXPECT_FALSE(error(w, OrderField::SchoolName).isEmpty());
    EXPECT_EQ(w.findChild<QLabel *>(u"etat"_s)->text(), u"Choisissez au moins un article."_s);
    w.findChild<QSpinBox *>(u"quantite1"_s)->setValue(1);
    EXPECT_TRUE(w.findChild<QLabel *>(u"etat"_s)->text().isEmpty());
    if (const QString shots = qEnvironmentVariable("VORLANE_SCREENSHOTS"); !shots.isEmpty()) {
        edit(w, OrderField::SchoolName)->setText(u"Lycée Jean Moulin"_s);
        edit(w, OrderField::Uai)->setText(u"0690001A"_s);
        edit(w, OrderField::Contact)->setText(u"Mme Durand"_s);
        edit(w, OrderField::Address)->setText(u"12 avenue de la République"_s);
        edit(w, OrderField::Postcode)->setText(u"6900"_s);
        edit(w, OrderField::Town)->setText(u"Lyon"_s);
        edit(w, OrderField::Email)->setText(u"secretariat@lycee-moulin.fr"_s);
        edit(w, OrderField::Pupils)->setText(u"35"_s);
        w.findChild<QSpinBox *>(u"quantite0"_s)->setValue(1);
        w.findChild<QSpinBox *>(u"quantite1"_s)->setValue(35);
        EXPECT_FALSE(w.checkAll());
        w.show();
        w.grab().save(shots + u"/commande.png"_s);
    }
}

TEST_F(OrderFormWindowTest, ACourseWithoutCatalogueOffersNoForm)
{
    OrderFormWindow w(OrderKind::Private, std::nullopt, output);
    EXPECT_EQ(w.findChild<QLabel *>(u"sanscatalogue"_s)->text(),
              u"Ce cours ne propose pas de bon de commande."_s);
    const auto buttons = w.findChildren<QPushButton *>();
    ASSERT_EQ(buttons.size(), 1);
    EXPECT_EQ(buttons[0]->text(), u"Fermer"_s);
    EXPECT_EQ(w.findChild<QTableWidget *>(), nullptr);
}

TEST_F(OrderFormWindowTest, ACourseCompiledWithoutCatalogueOpensEmptyForms)
{
    for (const QString &code : {u"BDC"_s, u"BD2"_s}) {
        SCOPED_TRACE(code.toStdString());
        useCourse({coursePage(1, 1, 0)});
        ASSERT_TRUE(start());
        int rows = -1;
        QTimer::singleShot(0, [&] {
            auto *form = qobject_cast<OrderFormWindow *>(QApplication::activeModalWidget());
            if (!form)
                return;
            EXPECT_EQ(form->objectName(), code);
            rows = form->form().catalogue().empty() ? 0 : int(form->form().catalogue().size());
            form->reject();
        });
        window->navigate(code);
        // A course compiled without commande.txt has no catalogue.
        EXPECT_EQ(rows, 0);
    }
}

TEST_F(OrderFormWindowTest, TheBundledCourseOffersItsCatalogue)
{
    useBundledCourse();
    ASSERT_TRUE(start());
    int rows = -1;
    QTimer::singleShot(0, [&] {
        if (auto *form = qobject_cast<OrderFormWindow *>(QApplication::activeModalWidget())) {
            rows = form->findChild<QTableWidget *>(u"catalogue"_s)->rowCount();
            form->reject();
        }
    });
    window->navigate(u"BDC"_s);
    EXPECT_GE(rows, 3);

    // The credits page links to both forms.
    window->navigate(u"PAG161"_s);
    QStringList tags;
    for (int i = 0; i < MainWindow::kLabelCount; ++i) {
        if (!window->labelien(i)->isHidden())
            tags << window->labelien(i)->tag();
    }
    EXPECT_TRUE(tags.contains(u"BDC"_s)) << tags.join(u' ').toStdString();
    EXPECT_TRUE(tags.contains(u"BD2"_s)) << tags.join(u' ').toStdString();
}

} // namespace
