#include "ui/searchwindow.h"

#include "core/app/session.h"
#include "core/search/searchwindowdesign.h"
#include "core/search/searchwords.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <algorithm>

namespace vorlane {

using D = SearchWindowDesign;

SearchWindow::SearchWindow(Session &session, const QString &applicationFolder, QWidget *parent)
    : QDialog(parent), m_session(session)
{
    setObjectName(QStringLiteral("coordon"));
    setWindowTitle(D::caption());
    buildControls();

    m_session.searchResultPage = 0;
    m_text1->clear();
    setInnerHeight(D::smallHeight());
    m_list2->hide();
    // A course that cannot be read leaves nothing to search: every search then
    // finds no page.
    m_pages.load(applicationFolder);
}

void SearchWindow::buildControls()
{
    const auto button = [this](const char *name, const QString &text, const QRect &box) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setGeometry(box);
        // Enter belongs to the entry and to the list, never to a default button.
        b->setAutoDefault(false);
        b->setDefault(false);
        return b;
    };

    auto *prompt = new QLabel(D::prompt(), this);
    prompt->setObjectName(QStringLiteral("Label1"));
    prompt->setGeometry(D::promptLabel());
    QFont bold = prompt->font();
    bold.setBold(true);
    prompt->setFont(bold);

    m_text1 = new QLineEdit(this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setGeometry(D::entry());
    connect(m_text1, &QLineEdit::returnPressed, this, &SearchWindow::search);

    m_command2 = button("Command2", D::searchButton(), D::searchButtonBox());
    m_command1 = button("Command1", D::cancelButton(), D::cancelButtonBox());
    m_command3 = button("Command3", D::showButton(), D::showButtonBox());
    connect(m_command2, &QPushButton::clicked, this, &SearchWindow::search);
    connect(m_command1, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_command3, &QPushButton::clicked, this, [this] { choose(false); });

    m_checkmots = new QCheckBox(D::allWords(), this);
    m_checkmots->setObjectName(QStringLiteral("Checkmots"));
    m_checkmots->setGeometry(D::allWordsBox());
    m_checkaccents = new QCheckBox(D::ignoreAccents(), this);
    m_checkaccents->setObjectName(QStringLiteral("Checkaccents"));
    m_checkaccents->setGeometry(D::ignoreAccentsBox());

    m_pbar1 = new QProgressBar(this);
    m_pbar1->setObjectName(QStringLiteral("Pbar1"));
    m_pbar1->setGeometry(D::progressBar());
    m_pbar1->setTextVisible(false);
    m_pbar1->hide();

    m_label2 = new QLabel(D::noPage(), this);
    m_label2->setObjectName(QStringLiteral("Label2"));
    m_label2->setGeometry(D::noPageLabel());
    m_label2->hide();

    m_list2 = new QListWidget(this);
    m_list2->setObjectName(QStringLiteral("List2"));
    m_list2->setGeometry(D::resultsList());
    m_list2->installEventFilter(this);
    m_list2->viewport()->installEventFilter(this);

    // The hidden frame of the fields of the current row.
    m_framebase = new QGroupBox(D::frameCaption(), this);
    m_framebase->setObjectName(QStringLiteral("Framebase"));
    m_framebase->setGeometry(D::frameBox());
    m_checkmot = new QCheckBox(D::moteurCaption(), m_framebase);
    m_checkmot->setObjectName(QStringLiteral("Checkmot"));
    m_checkmot->setGeometry(8, 18, 80, 20);
    const auto label = [this](const QString &text, int y) {
        auto *l = new QLabel(text, m_framebase);
        l->setObjectName(QStringLiteral("LabelW"));
        l->setGeometry(8, y, 130, 20);
    };
    label(D::numberLabel(), 40);
    label(D::titleLabel(), 62);
    m_textID = new QLineEdit(m_framebase);
    m_textID->setObjectName(QStringLiteral("TextID"));
    m_textID->setGeometry(140, 40, 80, 20);
    m_textitre = new QLineEdit(m_framebase);
    m_textitre->setObjectName(QStringLiteral("Textitre"));
    m_textitre->setGeometry(140, 62, 220, 20);
    m_code = new QPlainTextEdit(m_framebase);
    m_code->setObjectName(QStringLiteral("code"));
    m_code->setGeometry(8, 84, 340, 18);
    m_framebase->hide();

    setTabOrder(m_text1, m_command2);
    setTabOrder(m_command2, m_checkmots);
    setTabOrder(m_checkmots, m_checkaccents);
    setTabOrder(m_checkaccents, m_command1);
    setTabOrder(m_command1, m_list2);
    setTabOrder(m_list2, m_command3);
}

std::optional<QString> SearchWindow::openFromCourseWindow(QWidget &courseWindow, Session &session,
                                                          const QString &applicationFolder)
{
    std::optional<QString> target;
    {
        SearchWindow window(session, applicationFolder, &courseWindow);
        window.move(courseWindow.pos());
        window.exec();
        target = PageSearch::targetFor(session.searchResultPage);
    }
    if (!target)
        session.searchHighlight.reset();
    return target;
}

void SearchWindow::setInnerHeight(int pixels)
{
    setFixedSize(D::width(), pixels);
}

void SearchWindow::search()
{
    if (m_searching)
        return;
    const SearchOptions options{m_checkmots->isChecked(), m_checkaccents->isChecked()};
    const std::optional<QStringList> words = SearchWords(m_text1->text());
    if (!words)
        return; // too short: the previous results stay

    m_searching = true;
    m_list2->clear();
    m_label2->hide();
    const int last = m_pages.lastPosition();
    m_pbar1->setRange(1, std::max(1, last));
    m_pbar1->setValue(1);
    m_pbar1->show();
    const std::vector<SearchHit> hits = m_pages.scan(*words, options, [this](int position, int) {
        m_pbar1->setValue(position);
        // Let the bar repaint; clicks and keys wait for the end of the scan.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    });
    // The data control ends on the last row, as the scan left it.
    showRow(last);

    for (const SearchHit &hit : hits) {
        auto *item = new QListWidgetItem(hit.title, m_list2);
        item->setData(Qt::UserRole, hit.page);
    }
    m_foundWords = *words;
    m_foundOptions = options;
    if (hits.empty()) {
        m_list2->hide();
        m_label2->move(m_label2->x(), m_pbar1->y());
        m_label2->show();
        setInnerHeight(D::smallHeight());
    } else {
        m_list2->show();
        m_label2->hide();
        setInnerHeight(D::tallHeight());
    }
    m_pbar1->hide();
    m_searching = false;
}

void SearchWindow::showRow(int position)
{
    const TableRows &rows = m_pages.rows();
    m_checkmot->setChecked(rows.value(position, u"moteur") == u"1");
    m_textID->setText(rows.value(position, u"Numeropage"));
    m_textitre->setText(rows.value(position, u"titre"));
    m_code->setPlainText(rows.value(position, u"fpc"));
}

void SearchWindow::choose(bool closeWithout)
{
    QListWidgetItem *item = m_list2->currentItem();
    if (!item || !item->isSelected()) {
        if (closeWithout)
            reject();
        return;
    }
    m_session.searchResultPage = item->data(Qt::UserRole).toInt();
    m_session.searchHighlight = PageSearch::highlightFor(m_foundWords, m_foundOptions);
    accept();
}

bool SearchWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_list2 && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            choose(true);
            return true;
        }
    }
    if (watched == m_list2->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        // The first click of the double-click has selected the entry under the mouse.
        choose(true);
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void SearchWindow::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    QPainter p(this);
    for (int x = 0; x < D::kBackgroundLines; ++x) {
        p.setPen(D::backgroundLine(x));
        p.drawLine(x, 0, x, height() - 1);
    }
}

} // namespace vorlane
