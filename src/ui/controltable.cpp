#include "ui/controltable.h"

#include "ui/bandedscrollbarstyle.h"
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

ControlTable::ControlTable(QWidget &window, const std::vector<ControlEntry> &table)
    : m_window(window), m_table(table)
{
    m_widgets.reserve(table.size());
    for (const ControlEntry &entry : table) {
        QWidget *parent = entry.parent.isEmpty() ? &m_window : widget(entry.parent);
        QWidget *w = build(entry, parent ? parent : &m_window);
        if (!entry.enabled)
            w->setEnabled(false);
        if (!entry.visible)
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
                                 const std::function<void(const ControlEntry &)> &onClick) const
{
    for (size_t i = 0; i < m_widgets.size(); ++i) {
        if (auto *button = qobject_cast<QAbstractButton *>(m_widgets[i]);
            button &&
            (m_table[i].kind == ControlKind::ToolButton || m_table[i].kind == ControlKind::BandButton)) {
            const ControlEntry *entry = &m_table[i];
            QObject::connect(button, &QAbstractButton::clicked, context,
                             [onClick, entry] { onClick(*entry); });
        }
    }
}

QWidget *ControlTable::build(const ControlEntry &entry, QWidget *parent)
{
    switch (entry.kind) {
    case ControlKind::Surface: {
        auto *view = new SurfaceView(entry.name, entry.rect.width(), entry.rect.height(), parent);
        view->move(entry.rect.topLeft());
        return view;
    }
    case ControlKind::ToolButton:
    case ControlKind::BandButton: {
        auto *b = new QToolButton(parent);
        b->setObjectName(entry.name);
        b->setIcon(ToolIcons::icon(entry.glyph.value_or(Glyph::Star)));
        b->setIconSize(QSize(18, 18));
        if (!entry.toolTip.isEmpty())
            b->setToolTip(entry.toolTip);
        if (!entry.caption.isEmpty()) {
            b->setText(entry.caption);
            b->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
        }
        b->setGeometry(entry.rect);
        b->setFocusPolicy(Qt::TabFocus);
        if (entry.kind == ControlKind::BandButton)
            b->setIconSize(QSize(16, 16));
        return b;
    }
    case ControlKind::ProgressStrip: {
        auto *strip = new ProgressStripWidget(parent);
        strip->setObjectName(entry.name);
        strip->resize(entry.rect.size());
        return strip;
    }
    default:
        break;
    }

    QWidget *w = nullptr;
    switch (entry.kind) {
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
        w->setStyle(BandedScrollBarStyle::create(w));
        break;
    case ControlKind::Picture: {
        auto *label = new QLabel(parent);
        label->setPixmap(ToolIcons::pixmap(entry.glyph.value_or(Glyph::Star), 18, QColor(0x24, 0x3b, 0x63)));
        w = label;
        break;
    }
    case ControlKind::Label:
        w = new QLabel(entry.caption, parent);
        break;
    case ControlKind::GroupBox:
        w = new QGroupBox(entry.caption, parent);
        break;
    case ControlKind::LineEdit: {
        auto *edit = new QLineEdit(parent);
        edit->setReadOnly(true);
        w = edit;
        break;
    }
    case ControlKind::CheckBox:
        w = new QCheckBox(entry.caption, parent);
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
    w->setObjectName(entry.name);
    if (!entry.toolTip.isEmpty())
        w->setToolTip(entry.toolTip);
    w->setGeometry(entry.rect);
    return w;
}

} // namespace vorlane
