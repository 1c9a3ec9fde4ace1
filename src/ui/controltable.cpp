#include "ui/controltable.h"

#include "ui/progressstrip.h"
#include "ui/surfaceview.h"
#include "ui/toolicons.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QToolButton>

namespace vorlane {

ControlTable::ControlTable(QWidget &window, const std::vector<ControlSpec> &table)
    : m_window(window), m_table(table)
{
    m_widgets.reserve(table.size());
    for (const ControlSpec &spec : table) {
        QWidget *parent = spec.parent.isEmpty() ? &m_window : widget(spec.parent);
        QWidget *w = build(spec, parent ? parent : &m_window);
        if (!spec.enabled)
            w->setEnabled(false);
        if (!spec.visible)
            w->hide();
        m_widgets.push_back(w);
    }
}

QWidget *ControlTable::widget(const QString &name) const
{
    for (size_t i = 0; i < m_widgets.size(); ++i) {
        if (m_table[i].name == name)
            return m_widgets[i];
    }
    return nullptr;
}

void ControlTable::connectClicks(QObject *context,
                                 const std::function<void(const ControlSpec &)> &onClick) const
{
    for (size_t i = 0; i < m_widgets.size(); ++i) {
        if (auto *button = qobject_cast<QAbstractButton *>(m_widgets[i]);
            button &&
            (m_table[i].kind == ControlKind::ToolButton || m_table[i].kind == ControlKind::BandButton)) {
            const ControlSpec *spec = &m_table[i];
            QObject::connect(button, &QAbstractButton::clicked, context, [onClick, spec] { onClick(*spec); });
        }
    }
}

QWidget *ControlTable::build(const ControlSpec &spec, QWidget *parent)
{
    switch (spec.kind) {
    case ControlKind::Surface: {
        auto *view = new SurfaceView(spec.name, spec.rect.width(), spec.rect.height(), parent);
        view->move(spec.rect.topLeft());
        return view;
    }
    case ControlKind::ToolButton:
    case ControlKind::BandButton: {
        auto *b = new QToolButton(parent);
        b->setObjectName(spec.name);
        b->setIcon(ToolIcons::icon(spec.glyph.value_or(Glyph::Star)));
        b->setIconSize(QSize(18, 18));
        if (!spec.toolTip.isEmpty())
            b->setToolTip(spec.toolTip);
        if (!spec.caption.isEmpty()) {
            b->setText(spec.caption);
            b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        }
        b->setGeometry(spec.rect);
        b->setFocusPolicy(Qt::TabFocus);
        if (spec.kind == ControlKind::BandButton) {
            b->setProperty("band", true);
            b->setIconSize(QSize(16, 16));
        }
        return b;
    }
    case ControlKind::ProgressStrip: {
        auto *strip = new ProgressStripWidget(parent);
        strip->setObjectName(spec.name);
        strip->resize(spec.rect.size());
        return strip;
    }
    default:
        break;
    }

    QWidget *w = nullptr;
    switch (spec.kind) {
    case ControlKind::Panel:
        w = new QWidget(parent);
        w->setAttribute(Qt::WA_StyledBackground);
        break;
    case ControlKind::Frame: {
        w = new QWidget(parent);
        w->setAutoFillBackground(true);
        QPalette white = w->palette();
        white.setColor(QPalette::Window, Qt::white);
        w->setPalette(white);
        break;
    }
    case ControlKind::ScrollBar:
        w = new QScrollBar(Qt::Vertical, parent);
        break;
    case ControlKind::Picture: {
        auto *label = new QLabel(parent);
        label->setPixmap(ToolIcons::pixmap(spec.glyph.value_or(Glyph::Star), 18, QColor(0x24, 0x3b, 0x63)));
        w = label;
        break;
    }
    case ControlKind::Label:
        w = new QLabel(spec.caption, parent);
        break;
    case ControlKind::GroupBox:
        w = new QGroupBox(spec.caption, parent);
        break;
    case ControlKind::LineEdit: {
        auto *edit = new QLineEdit(parent);
        edit->setReadOnly(true);
        w = edit;
        break;
    }
    case ControlKind::CheckBox:
        w = new QCheckBox(spec.caption, parent);
        break;
    case ControlKind::TextEdit: {
        auto *text = new QPlainTextEdit(parent);
        text->setReadOnly(true);
        w = text;
        break;
    }
    default:
        w = new QWidget(parent);
        break;
    }
    w->setObjectName(spec.name);
    if (!spec.toolTip.isEmpty())
        w->setToolTip(spec.toolTip);
    w->setGeometry(spec.rect);
    return w;
}

} // namespace vorlane
