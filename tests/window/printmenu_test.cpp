#include "print/pdfpages.h"
#include "print/printcourse.h"
#include "ui/printmenu.h"
#include "windowfixture.h"

#include <QAction>
#include <QMenu>
#include <QPrinter>
#include <QToolButton>

using namespace vorlane;
using namespace vorlane::testing;

namespace {

// Dialogs answered by the test: the printer chosen is a PDF file.
class ScriptedDialogs final : public PrintDialogs {
public:
    explicit ScriptedDialogs(QString printerFile, QString pdf) : m_printerFile(printerFile), m_pdf(pdf) {}
    bool setUpPrinter(QPrinter &printer, QWidget *) override
    {
        ++setUps;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(m_printerFile);
        return confirm;
    }
    bool preview(const std::vector<QImage> &sheets, QWidget *) override
    {
        ++previews;
        shown = sheets;
        return printFromPreview;
    }
    QString pdfFileName(QWidget *) override
    {
        ++fileDialogs;
        return m_pdf;
    }
    bool confirm = true;
    bool printFromPreview = false;
    std::vector<QImage> shown;
    int setUps = 0, previews = 0, fileDialogs = 0;

private:
    QString m_printerFile, m_pdf;
};

class PrintMenuTest : public WindowFixture {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        QString error;
        ASSERT_TRUE(writePrintCourse(dir.path(), &error)) << error.toStdString();
        ASSERT_TRUE(start());
        auto owned = std::make_unique<ScriptedDialogs>(file("printer.pdf"), file("export.pdf"));
        dialogs = owned.get();
        button = new QToolButton(window.get());
        menu = new PrintMenu(button, {*course, session->pageIndex, session->render, window->renderHost()},
                             prompts, std::move(owned));
    }
    void show(int page) { window->navigate(QStringLiteral("PA%1").arg(page, 4, 10, QLatin1Char('0'))); }
    QToolButton *windowButton() const
    {
        return window->findChild<QToolButton *>(QStringLiteral("CommandIMPRIME"));
    }

    ScriptedDialogs *dialogs = nullptr;
    QToolButton *button = nullptr;
    PrintMenu *menu = nullptr;
};

TEST_F(PrintMenuTest, PrintButtonOffersPrintingPreviewAndPdf)
{
    QToolButton *print = windowButton();
    ASSERT_NE(print, nullptr);
    ASSERT_NE(print->menu(), nullptr);
    EXPECT_EQ(print->popupMode(), QToolButton::InstantPopup);
    QStringList texts;
    for (QAction *a : print->menu()->actions())
        texts << a->text();
    EXPECT_EQ(texts,
              (QStringList{QString::fromUtf8("Imprimer…"), QString::fromUtf8("Aperçu avant impression…"),
                           QString::fromUtf8("Exporter en PDF…")}));
    EXPECT_EQ(print->toolTip(), u"Imprimer ou configurer l'imprimante");
}

TEST_F(PrintMenuTest, ButtonFollowsThePagesPrintableFlag)
{
    show(3);
    EXPECT_TRUE(windowButton()->isEnabled());
    show(9);
    EXPECT_FALSE(windowButton()->isEnabled());
}

TEST_F(PrintMenuTest, PrintRunsOnTheChosenPrinterAndComesBackToThePageShown)
{
    show(3);
    menu->print();
    EXPECT_EQ(dialogs->setUps, 1);
    const auto sizes = pdfPageSizes(file("printer.pdf"));
    ASSERT_EQ(sizes.size(), 3u);
    EXPECT_TRUE(pdfPageText(file("printer.pdf"), 3).contains(u" - page 3"));
    EXPECT_EQ(shownNumber(), u"3");
    EXPECT_NE(window->cursor().shape(), Qt::WaitCursor); // pointer back to normal
    EXPECT_TRUE(prompts.asked.isEmpty());
}

TEST_F(PrintMenuTest, CancellingThePrinterDialogAbandonsPrinting)
{
    show(3);
    dialogs->confirm = false;
    menu->print();
    EXPECT_EQ(dialogs->setUps, 1); // asked once, not again
    EXPECT_FALSE(QFile::exists(file("printer.pdf")));
    EXPECT_EQ(shownNumber(), u"3");
    EXPECT_TRUE(prompts.asked.isEmpty());
}

TEST_F(PrintMenuTest, PreviewShowsTheSheetsOfTheRunEachInItsOrientation)
{
    show(5);
    menu->preview();
    EXPECT_EQ(dialogs->previews, 1);
    ASSERT_EQ(dialogs->shown.size(), 3u);
    EXPECT_LT(dialogs->shown[0].width(), dialogs->shown[0].height());
    EXPECT_GT(dialogs->shown[1].width(), dialogs->shown[1].height()); // page 6 is landscape
    EXPECT_LT(dialogs->shown[2].width(), dialogs->shown[2].height());
    EXPECT_EQ(dialogs->setUps, 0);
    EXPECT_FALSE(QFile::exists(file("printer.pdf")));
    EXPECT_EQ(shownNumber(), u"5");
}

TEST_F(PrintMenuTest, PrintingFromThePreviewRunsThePrinterDialog)
{
    show(2);
    dialogs->printFromPreview = true;
    menu->preview();
    EXPECT_EQ(dialogs->previews, 1);
    EXPECT_EQ(dialogs->setUps, 1);
    EXPECT_EQ(pdfPageSizes(file("printer.pdf")).size(), 3u);
}

TEST_F(PrintMenuTest, ExportWritesThePdfChosen)
{
    show(2);
    menu->exportPdf();
    EXPECT_EQ(dialogs->fileDialogs, 1);
    EXPECT_EQ(pdfPageSizes(file("export.pdf")).size(), 3u);
    EXPECT_EQ(shownNumber(), u"2");
}

TEST_F(PrintMenuTest, NothingToPrintIsSaidAndNoDialogIsShown)
{
    show(8);
    for (void (PrintMenu::*action)() : {&PrintMenu::print, &PrintMenu::preview, &PrintMenu::exportPdf})
        (menu->*action)();
    EXPECT_EQ(dialogs->setUps + dialogs->previews + dialogs->fileDialogs, 0);
    ASSERT_EQ(prompts.asked.size(), 3);
    EXPECT_EQ(prompts.asked[0].text, QString::fromUtf8("Il n'y a rien à imprimer depuis cette page."));
    EXPECT_FALSE(QFile::exists(file("printer.pdf")));
    EXPECT_FALSE(QFile::exists(file("export.pdf")));
}

TEST_F(PrintMenuTest, WindowMenuSaysNothingToPrintWithoutADialog)
{
    show(8);
    // Page 8 is printable but its run is empty: the window's own menu answers
    // without opening the printer dialog.
    windowButton()->setEnabled(true);
    windowButton()->menu()->actions().at(0)->trigger();
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(prompts.asked[0].text, QString::fromUtf8("Il n'y a rien à imprimer depuis cette page."));
}

} // namespace
