#include "ui/courserenderhost.h"

#include "core/app/coursewindowtable.h"
#include "core/render/datapictures.h"
#include "core/surface/fontmeasurer.h"
#include "ui/linkelement.h"
#include "ui/mainwindow.h"
#include "ui/surfaceview.h"
#include "ui/videopanel.h"

namespace vorlane {

SurfaceView *CourseRenderHost::viewOf(const QString &surfaceName) const
{
    for (SurfaceView *v :
         {m_window.body(), m_window.illustration(), m_window.titleBand(), m_window.bottomBand()}) {
        if (v->surface().name() == surfaceName)
            return v;
    }
    return nullptr;
}

DrawingSurface *CourseRenderHost::surface(const QString &name)
{
    SurfaceView *view = viewOf(name);
    return view ? &view->surface() : nullptr;
}

double CourseRenderHost::twipsPerPixelX() const
{
    return m_window.desktop().screen.twipsPerPixelX();
}

double CourseRenderHost::twipsPerPixelY() const
{
    return m_window.desktop().screen.twipsPerPixelY();
}

void CourseRenderHost::setBusyPointer(bool busy)
{
    m_window.navigatorHost().setBusyPointer(busy);
}

std::optional<Picture> CourseRenderHost::dataPicture(const QString &name)
{
    QString path = name;
    m_disc.LocateDataFile(path);
    return m_pictures.load(path);
}

std::optional<Picture> CourseRenderHost::listIcon(int list, int index)
{
    return m_lists.picture(list, index, m_window.devicePixelRatioF());
}

void CourseRenderHost::setAreaWidths(double illustrationPx, double bodyPx)
{
    m_window.body()->surface().setWidth(bodyPx);
    m_window.illustration()->surface().setWidth(illustrationPx);
    if (illustrationPx != 0)
        m_window.illustration()->surface().setHeight(CourseWindowTable::kIllustrationHeight);
}

void CourseRenderHost::linkShown(LinkArray array, int index)
{
    const LinkItem &item = m_links.element(array, index);
    LinkElement *widget = array == LinkArray::Labelien ? m_window.labelien(index) : m_window.imagelien(index);
    widget->setTag(item.tag);
    widget->setToolTip(item.toolTip);
    SurfaceView *view = viewOf(item.container);
    if (!view) {
        widget->hide();
        return;
    }
    if (widget->parentWidget() != view)
        widget->setParent(view);
    if (array == LinkArray::Labelien) {
        widget->setFont(FontMeasurer::makeFont(item.font));
        QPalette pal = widget->palette();
        pal.setColor(QPalette::WindowText, item.colour);
        widget->setPalette(pal);
        widget->setCaption(LinkElements::widgetText(item));
    } else {
        const QImage icon = m_lists.icon(item.list, item.icon, m_window.devicePixelRatioF());
        widget->setScaledContents(true);
        widget->setPixmap(icon.isNull() ? QPixmap() : QPixmap::fromImage(icon));
    }
    widget->setGeometry(LinkElements::widgetGeometry(array, item));
    widget->setVisible(item.visible);
    widget->raise();
}

FloatMenu *CourseRenderHost::floatMenu()
{
    return &m_window.session().floatMenu;
}

void CourseRenderHost::setCaption(const QString &text)
{
    m_window.setWindowTitle(text);
}

void CourseRenderHost::showVideoFrame(const QString &name)
{
    m_window.session().videoName = name;
    m_window.update();
    m_window.illustration()->setBordered(true);
    m_window.videoFrame()->show();
    m_window.videoPanel()->resetProgress();
}

} // namespace vorlane
