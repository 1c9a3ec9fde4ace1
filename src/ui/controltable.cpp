#include "ui/controltable.h"

#include "ui/bandedscrollbarstyle.h"
#include "ui/progressstrip.h"
#include "ui/surfaceview.h"
#include "ui/toolicons.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QToolButton>

namespace vorlane {

namespace {

// Calls `shown` once, the first time the widget it watches is shown.
class FirstShow final : public QObject {
public:
    FirstShow(QWidget *watched, std::function<void()> shown) : QObject(watched), m_shown(std::move(shown))
    {
        watched->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            watched->removeEventFilter(this);
            const std::function<void()> shown = std::move(m_shown);
            deleteLater();
            shown();
        }
        return false;
    }

private:
    std::function<void()> m_shown;
};

} // namespace

ControlTable::ControlTable(QWidget &window, const std::vector<ControlEntry> &table)
    : m_window(window), m_table(table), m_widgets(table.size(), nullptr), m_waits(table.size(), false)
{
    for (size_t i = 0; i < table.size(); ++i) {
        if (const ControlEntry &entry = table[i]; !entry.parent.isEmpty()) {
            const size_t parent = rowOf(entry.parent);
            m_waits[i] = parent < i && (m_waits[parent] || m_table[parent].rowsWhenShown);
        }
        if (m_waits[i])
            continue;
        make(i);
        if (table[i].rowsWhenShown)
            new FirstShow(m_widgets[i], [this] { makeWaitingRows(); });
    }
}

size_t ControlTable::rowOf(const QString &name) const
{
    for (size_t i = 0; i < m_table.size(); ++i)
        if (m_table[i].name == name)
            return i;
    return m_table.size();
}

void ControlTable::make(size_t row) const
{
    const ControlEntry &entry = m_table[row];
    const size_t parentRow = entry.parent.isEmpty() ? m_table.size() : rowOf(entry.parent);
    QWidget *parent = parentRow < m_table.size() && m_widgets[parentRow] ? m_widgets[parentRow] : &m_window;
    QWidget *w = build(entry, parent);
    if (!entry.enabled)
        w->setEnabled(false);
    if (!entry.visible)
        w->hide();
    else if (parent->isVisible())
        w->show(); // a child made after its parent was shown is shown by hand
    m_widgets[row] = w;
    connectClick(row);
}

void ControlTable::makeWaitingRows() const
{
    bool made = false;
    for (size_t i = 0; i < m_table.size(); ++i)
        if (m_waits[i] && !m_widgets[i]) {
            make(i);
            made = true;
        }
    if (made && m_onLateRows)
        m_onLateRows();
}

QWidget *ControlTable::widget(const QString &name) const
{
    const size_t row = rowOf(name);
    if (row == m_table.size())
        return nullptr;
    if (!m_widgets[row])
        makeWaitingRows();
    return m_widgets[row];
}

bool ControlTable::isMade(const QString &name) const
{
    const size_t row = rowOf(name);
    return row < m_table.size() && m_widgets[row];
}

void ControlTable::connectClicks(QObject *context, const std::function<void(const ControlEntry &)> &onClick)
{
    m_clickContext = context;
    m_onClick = onClick;
    for (size_t i = 0; i < m_widgets.size(); ++i)
        connectClick(i);
}

void ControlTable::connectClick(size_t row) const
{
    auto *button = qobject_cast<QAbstractButton *>(m_widgets[row]);
    const ControlEntry *entry = &m_table[row];
    if (!m_onClick || !button ||
        (entry->kind != ControlKind::ToolButton && entry->kind != ControlKind::BandButton))
        return;
    QObject::connect(button, &QAbstractButton::clicked, m_clickContext,
                     [onClick = m_onClick, entry] { onClick(*entry); });
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
