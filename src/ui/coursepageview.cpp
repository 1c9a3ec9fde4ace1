#include "ui/coursepageview.h"

#include "ui/linkelement.h"
#include "ui/mainwindow.h"
#include "ui/surfaceview.h"
#include "ui/toolicons.h"
#include "ui/videopanel.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace vorlane {

void CoursePageView::showRecord(const PageRecord &record)
{
    m_record = record;
    showBoundFields();
}

void CoursePageView::showBoundFields()
{
    const ControlTable &c = m_window.controls();
    // The hidden frame has not been shown: nothing to write yet.
    if (!c.isMade(u"code"_s))
        return;
    const PageRecord &r = m_record;
    const std::pair<const char16_t *, const QString *> fields[] = {{u"Textitre", &r.textitre},
                                                                   {u"TextID", &r.textID},
                                                                   {u"TextIndex", &r.textIndex},
                                                                   {u"debimp", &r.debimp},
                                                                   {u"finimp", &r.finimp}};
    for (const auto &[name, text] : fields)
        c.get<QLineEdit>(QStringView(name))->setText(*text);
    const std::pair<const char16_t *, int> checks[] = {{u"Checkpre", r.checkpre},
                                                       {u"Checksui", r.checksui},
                                                       {u"Checkimp", r.checkimp},
                                                       {u"Checkmot", r.checkmot}};
    for (const auto &[name, state] : checks)
        c.get<QCheckBox>(QStringView(name))->setChecked(state == 1);
    c.get<QPlainTextEdit>(u"code"_s)->setPlainText(r.code);
}

void CoursePageView::setIllustrationVisible(bool visible)
{
    m_window.illustration()->setVisible(visible);
}

void CoursePageView::setBodyVisible(bool visible)
{
    m_window.body()->setVisible(visible);
}

void CoursePageView::clearLinks()
{
    m_window.renderHost().linkElements()->hideAll();
    for (int i = 0; i < MainWindow::kLabelCount; ++i) {
        LinkElement *l = m_window.labelien(i);
        l->hide();
        l->setTag(QString());
    }
    for (int i = 0; i < MainWindow::kImageCount; ++i) {
        LinkElement *img = m_window.imagelien(i);
        img->hide();
        img->setTag(QString());
        img->setToolTip(QString());
    }
}

void CoursePageView::setScrollBarVisible(bool visible)
{
    m_window.scrollBar()->setVisible(visible);
}

void CoursePageView::resetDrawing()
{
    Session &session = m_window.session();
    m_window.renderer().setSurface(&m_window.body()->surface());
    session.render.printMode = false;
    m_window.videoPanel()->closeForNewPage();
    m_window.videoFrame()->hide();
    m_window.illustration()->setBordered(false);
    m_window.titleBand()->surface().clear();
    m_window.illustration()->surface().clear();
    m_window.body()->surface().clear();
    session.render.pageHeight = 0;
    m_window.body()->surface().setHeight(1000);
}

void CoursePageView::setCaption(const QString &caption)
{
    m_window.setWindowTitle(caption);
}

void CoursePageView::setBackEnabled(bool enabled)
{
    m_window.backButton()->setEnabled(enabled);
}

void CoursePageView::setForwardEnabled(bool enabled)
{
    m_window.forwardButton()->setEnabled(enabled);
}

void CoursePageView::renderBody(const QString &body)
{
    m_window.renderer().RenderPageText(body);
}

PageAreaInputs CoursePageView::pageAreaInputs() const
{
    PageAreaInputs in;
    in.titre = m_window.titleBand()->geometry();
    in.bastitre = m_window.bottomBand()->geometry();
    in.body = m_window.body()->size();
    in.scrollBarWidth = m_window.scrollBar()->width();
    in.innerWidth = m_window.width();
    in.illustration = m_window.illustration()->size();
    in.illustrationUp = m_window.session().render.layout.illustrationUp;
    in.videoFrameVisible = !m_window.videoFrame()->isHidden();
    in.videoFrame = m_window.videoFrame()->size();
    return in;
}

void CoursePageView::applyPageArea(const PageAreaLayout &layout)
{
    QScrollBar *scroll = m_window.scrollBar();
    m_window.pageFrame()->setGeometry(layout.frame);
    m_window.body()->move(layout.body);
    scroll->setValue(layout.scrollBar.value);
    scroll->setSingleStep(layout.scrollBar.smallChange);
    if (layout.scrollBar.largeChange)
        scroll->setPageStep(*layout.scrollBar.largeChange);
    if (layout.scrollBar.visible) {
        scroll->setRange(layout.scrollBar.minimum, layout.scrollBar.maximum.value_or(0));
        scroll->setGeometry(layout.scrollBar.geometry);
        scroll->show();
        scroll->raise();
    } else {
        scroll->hide();
    }
    if (layout.illustration) {
        m_window.illustration()->move(*layout.illustration);
        m_window.illustration()->show();
    }
    if (layout.videoFrame)
        m_window.videoFrame()->move(*layout.videoFrame);
    m_window.update();
}

void CoursePageView::setChapterButtons(bool previousVisible, bool nextVisible)
{
    m_window.chapterPreviousButton()->setVisible(previousVisible);
    m_window.chapterNextButton()->setVisible(nextVisible);
}

void CoursePageView::setPrintEnabled(bool enabled)
{
    m_window.controls().get<QToolButton>(u"CommandIMPRIME"_s)->setEnabled(enabled);
}

void CoursePageView::setContentsButton(const QString &tag, const QString &caption)
{
    m_contentsTag = tag;
    QToolButton *button = m_window.contentsButton();
    button->setText(caption);
    const Glyph glyph = caption == u"Accueil" ? Glyph::Home : Glyph::Contents;
    if (m_contentsGlyph != glyph) {
        button->setIcon(ToolIcons::icon(glyph));
        m_contentsGlyph = glyph;
    }
}

} // namespace vorlane
