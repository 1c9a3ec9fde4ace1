#pragma once

#include "core/course/courserows.h"
#include "core/course/pageindex.h"
#include "core/platform/prompts.h"
#include "core/render/renderhost.h"
#include "core/render/renderstate.h"
#include "ui/printdialogs.h"

#include <QObject>
#include <memory>

class QMenu;
class QToolButton;

namespace vorlane {

// What a print run of the course window reads and moves.
struct PrintContext {
    CourseRows &rows;       // the data control, on the page shown
    const PageIndex &index; // PageByNumber
    RenderState &render;    // the renderer's shared state (PrintMode, pageHeight)
    RenderHost &window;     // pictures, twips per pixel, busy pointer
};

// The menu of the print button `CommandIMPRIME`: "Imprimer…" (the printer
// set-up dialog, then the page's print run on the chosen printer; cancelling
// abandons printing), "Aperçu avant impression…" (the same run drawn sheet by
// sheet in a preview, each sheet in its orientation, from which it can be printed)
// and "Exporter en PDF…" (a file dialog, then the same run into a PDF). When
// the page's run is empty, each says "Il n'y a rien à imprimer depuis cette
// page." and shows no dialog. The button's enabled state is the window's.
class PrintMenu final : public QObject {
    Q_OBJECT
public:
    // Gives `button` its menu; the menu lives as long as the button.
    PrintMenu(QToolButton *button, PrintContext context, Prompts &prompts,
              std::unique_ptr<PrintDialogs> dialogs = std::make_unique<WidgetPrintDialogs>());
    ~PrintMenu() override;

    QMenu *menu() const { return m_menu; }

    void print();
    void preview();
    void exportPdf();

private:
    // False (after saying so) when the page's run is empty.
    bool somethingToPrint();
    void report(const QString &text);
    QWidget *dialogParent() const;

    QToolButton *m_button;
    PrintContext m_context;
    Prompts &m_prompts;
    std::unique_ptr<PrintDialogs> m_dialogs;
    QMenu *m_menu;
};

} // namespace vorlane
