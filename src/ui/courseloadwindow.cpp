#include "ui/courseloadwindow.h"

#include "core/course/pageindexloader.h"
#include "core/render/titleband.h"
#include "ui/linkelement.h"
#include "ui/mainwindow.h"
#include "ui/progressstrip.h"
#include "ui/surfaceview.h"

#include <QCoreApplication>

#include <utility>

using namespace Qt::StringLiterals;

namespace vorlane {

void CourseLoadWindow::showCover()
{
    m_window.pageFrame()->hide();
    m_window.illustration()->hide();
    m_window.controls().widget(u"Framebase"_s)->hide();
    // The cover is shown by the first picture link until the page puts a link there.
    LinkElement *cover = m_window.imagelien(0);
    QImage image;
    if (const auto path = m_window.desktop().files.resolve(m_window.applicationFolder() + u"couvT.jpg"_s))
        image.load(*path);
    cover->setParent(&m_window);
    const QSize size = image.isNull() ? QSize(0, 0) : image.size();
    // The pixmap takes the decoded pixels over instead of copying them.
    cover->setPixmap(QPixmap::fromImage(std::move(image)));
    cover->resize(size);
    cover->move((m_window.width() - cover->width()) / 2, (m_window.height() - cover->height()) / 2);
    cover->show();
    cover->raise();
    ProgressStripWidget *strip = m_window.progressStrip();
    strip->move((m_window.width() - strip->width()) / 2, cover->y() + cover->height());
    strip->raise();
    m_window.show();
    QCoreApplication::processEvents();
}

void CourseLoadWindow::paintTitleBands(int style)
{
    TitleBand::PaintTitleBand(m_window.renderHost(), style);
}

void CourseLoadWindow::loadPageIndex()
{
    // The cache lies beside the course; the state file in the program's folder.
    PageIndexLoader(m_window.courseFolder(), m_window.desktop().files, m_window.rows(),
                    m_window.progressStrip(), m_window.applicationFolder(), &m_window.session().stateMemory)
        .LoadPageIndex(m_window.session().pageIndex);
}

void CourseLoadWindow::navigate(const QString &code)
{
    m_window.navigate(code);
}

void CourseLoadWindow::showPageArea()
{
    m_window.pageFrame()->show();
    m_window.illustration()->show();
}

} // namespace vorlane
