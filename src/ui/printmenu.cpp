#include "ui/printmenu.h"

#include "core/print/courseprinter.h"
#include "core/print/imagesheets.h"
#include "core/print/pageddevicesheets.h"

#include <QMenu>
#include <QPrinter>
#include <QToolButton>

namespace vorlane {

namespace {
const QString kTitle = QStringLiteral("Impression");
// Sheets of the preview: at 72 dots per inch, a point is a pixel (A4 is 595 x 842).
constexpr double kPreviewDpi = 72;
} // namespace

PrintMenu::PrintMenu(QToolButton *button, PrintContext context, Prompts &prompts,
                     std::unique_ptr<PrintDialogs> dialogs)
    : QObject(button), m_button(button), m_context(context), m_prompts(prompts),
      m_dialogs(std::move(dialogs)), m_menu(new QMenu(button))
{
    m_menu->setObjectName(QStringLiteral("menuImprimer"));
    const auto add = [this](const char *name, const char *text, void (PrintMenu::*slot)()) {
        QAction *a = m_menu->addAction(QString::fromUtf8(text));
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, slot);
    };
    add("imprimer", "Imprimer…", &PrintMenu::print);
    add("apercu", "Aperçu avant impression…", &PrintMenu::preview);
    add("exporterPdf", "Exporter en PDF…", &PrintMenu::exportPdf);
    button->setMenu(m_menu);
    button->setPopupMode(QToolButton::InstantPopup);
}

PrintMenu::~PrintMenu() = default;

QWidget *PrintMenu::dialogParent() const
{
    return m_button->window();
}

void PrintMenu::report(const QString &text)
{
    m_prompts.ask({text, kTitle, MessageIcon::Exclamation, MessageButtons::Ok});
}

bool PrintMenu::somethingToPrint()
{
    if (!PrintRange::of(m_context.rows).empty())
        return true;
    m_prompts.ask({NothingToPrintText(), kTitle, MessageIcon::Information, MessageButtons::Ok});
    return false;
}

void PrintMenu::print()
{
    if (!somethingToPrint())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(PrintFooterTitle());
    // Cancelling the set-up dialog abandons printing.
    if (!m_dialogs->setUpPrinter(printer, dialogParent()))
        return;
    PagedDeviceSheets sheets(printer);
    CoursePrinter run(m_context.rows, m_context.index, m_context.render, m_context.window);
    if (run.PrintCoursePages(sheets).refused)
        report(QString::fromUtf8("L'impression n'a pas pu aboutir : vérifiez l'imprimante."));
}

void PrintMenu::preview()
{
    if (!somethingToPrint())
        return;
    QPrinter printer(QPrinter::HighResolution);
    QPageLayout layout = printer.pageLayout();
    layout.setOrientation(QPageLayout::Portrait);
    ImageSheets sheets(layout, kPreviewDpi);
    CoursePrinter(m_context.rows, m_context.index, m_context.render, m_context.window)
        .PrintCoursePages(sheets);
    if (m_dialogs->preview(sheets.sheets(), dialogParent()))
        print();
}

void PrintMenu::exportPdf()
{
    if (!somethingToPrint())
        return;
    const QString path = m_dialogs->pdfFileName(dialogParent());
    if (path.isEmpty())
        return;
    QString error;
    CoursePrinter run(m_context.rows, m_context.index, m_context.render, m_context.window);
    if (run.PrintToPdf(path, &error).refused)
        report(error);
}

} // namespace vorlane
