#include "ui/calc/machine.h"

#include "core/surface/twips.h"
#include "core/text/decimal.h"
#include "core/text/palette.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>

namespace vorlane {

namespace {

// Inner size of the window in pixels: the painted background covers it exactly.
constexpr int WindowWidth = 302;
constexpr int WindowHeight = 431;

constexpr int TwipsPerPixel = int(kTwipsPerPixel);

QString utf8(const char *text)
{
    return QString::fromUtf8(text);
}

// A frame of two option buttons below the display, ids 0 and 1.
struct OptionFrame {
    QString caption;
    QString frameName;
    int left;
    QString groupName;
    std::pair<QString, QString> options[2]; // object name, caption
    int checked;
};

QButtonGroup *optionFrame(QWidget *window, const OptionFrame &f)
{
    auto *frame = new QGroupBox(f.caption, window);
    frame->setObjectName(f.frameName);
    frame->setGeometry(f.left, 46, 139, 58);
    auto *group = new QButtonGroup(window);
    group->setObjectName(f.groupName);
    for (int id = 0; id < 2; ++id) {
        auto *button = new QRadioButton(f.options[id].second, frame);
        button->setObjectName(f.options[id].first);
        button->setGeometry(10, 18 + 18 * id, 120, 18);
        group->addButton(button, id);
    }
    group->button(f.checked)->setChecked(true);
    return group;
}

// Rows of the lower pad: the digits sit in the engraved box (81, 289)-(206, 421).
constexpr int PadRows[4] = {292, 325, 358, 391};
constexpr int PadRowHeight = 28;

QRect padKey(int column, int row)
{
    // Columns: unit prefixes (2), digits (3, inside the box), editing and operations (2).
    static constexpr int xs[7] = {8, 44, 84, 126, 168, 212, 254};
    static constexpr int widths[7] = {32, 32, 36, 36, 36, 40, 40};
    return QRect(xs[column], PadRows[row], widths[column], PadRowHeight);
}

// Upper keys: six columns of 44 pixels, rows of 28; the memory row stands apart.
constexpr int UpperRows[4] = {114, 148, 182, 237};

QRect upperKey(int column, int row, int span = 1)
{
    return QRect(8 + column * 48, UpperRows[row], span * 48 - 4, PadRowHeight);
}

} // namespace

Machine::Machine(CalculatorMemory &memory, Desktop &desktop, QWidget *parent)
    : QDialog(parent), m_calculator(memory), m_desktop(desktop)
{
    setObjectName(QStringLiteral("Machine"));
    setWindowTitle(utf8("Machine \u00e0 calculer"));
    setFixedSize(WindowWidth, WindowHeight);

    m_display = new QLineEdit(this);
    m_display->setObjectName(QStringLiteral("z1"));
    m_display->setGeometry(8, 10, 286, 30);
    QFont displayFont(QStringLiteral("Arial"), 12);
    m_display->setFont(displayFont);
    m_display->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // The display shows what the keys built; it never edits it itself.
    m_display->setContextMenuPolicy(Qt::NoContextMenu);
    m_display->setDragEnabled(false);
    m_display->setAcceptDrops(false);
    m_display->setAttribute(Qt::WA_InputMethodEnabled, false);
    m_display->installEventFilter(this);

    buildOptions();
    buildKeys();
    m_display->setFocus();
}

void Machine::buildOptions()
{
    // Angles: Degrés (0) or Radians (1); display: Scientifique (0) or Standard (1).
    QButtonGroup *angleGroup = optionFrame(this, {QStringLiteral("Angles"),
                                                  QStringLiteral("frameAngles"),
                                                  8,
                                                  QStringLiteral("angle"),
                                                  {{QStringLiteral("angle0"), utf8("Degr\u00e9s")},
                                                   {QStringLiteral("angle1"), QStringLiteral("Radians")}},
                                                  0});
    connect(angleGroup, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            m_calculator.setRadians(id == 1);
    });
    QButtonGroup *displayGroup = optionFrame(this, {QStringLiteral("Affichage"),
                                                    QStringLiteral("frameAffichage"),
                                                    155,
                                                    QStringLiteral("C"),
                                                    {{QStringLiteral("C0"), QStringLiteral("Scientifique")},
                                                     {QStringLiteral("C1"), QStringLiteral("Standard")}},
                                                    1});
    connect(displayGroup, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            displayOptionClicked(id == 0);
    });
}

void Machine::buildKeys()
{
    using K = CalculatorKey;
    const QString none;

    // Functions and constants.
    addKey(K::Bpo, "Bpo", QStringLiteral("("), none, upperKey(0, 0));
    addKey(K::bpf, "bpf", QStringLiteral(")"), none, upperKey(1, 0));
    addKey(K::invsin, "invsin", QStringLiteral("INV S&IN"), QStringLiteral("Inverse sinus"),
           QRect(104, UpperRows[0], 60, PadRowHeight));
    addKey(K::invcos, "invcos", QStringLiteral("INV C&OS"), QStringLiteral("Inverse cosinus"),
           QRect(168, UpperRows[0], 60, PadRowHeight));
    addKey(K::Btoncommande3, "Btoncommande3", QStringLiteral("INV T&AN"), QStringLiteral("Inverse tangente"),
           QRect(232, UpperRows[0], 60, PadRowHeight));

    addKey(K::bsin, "bsin", QStringLiteral("&SIN"), QStringLiteral("Sinus"), upperKey(0, 1));
    addKey(K::Bcos, "Bcos", QStringLiteral("&COS"), QStringLiteral("Cosinus"), upperKey(1, 1));
    addKey(K::Btan, "Btan", QStringLiteral("&TAN"), QStringLiteral("Tangente"), upperKey(2, 1));
    addKey(K::Bln, "Bln", QStringLiteral("l&n"), none, upperKey(3, 1));
    addKey(K::Blog, "Blog", QStringLiteral("&Log"), none, upperKey(4, 1));
    addKey(K::Bexp, "Bexp", utf8("e\u02e3"), none, upperKey(5, 1));

    addKey(K::racine, "racine", utf8("\u221a"), utf8("Racine carr\u00e9"), upperKey(0, 2));
    addKey(K::B10x, "B10x", utf8("10\u02e3"), none, upperKey(1, 2));
    addKey(K::command5, "command5", QStringLiteral("1/x"), QStringLiteral("Inverse"), upperKey(2, 2));
    addKey(K::pi, "pi", utf8("\u03c0"), QStringLiteral("3.1415927"), upperKey(3, 2));
    addKey(K::btcarre, "btcarre", utf8("x\u00b2"), none, upperKey(4, 2));
    addKey(K::puissance, "puissance", utf8("x\u02b8"), none, upperKey(5, 2));

    // Memory.
    addKey(K::Command1, "Command1", QStringLiteral("M+"), utf8("Ajouter \u00e0 la m\u00e9oire"),
           QRect(8, UpperRows[3], 68, PadRowHeight));
    addKey(K::Command2, "Command2", QStringLiteral("M-"), utf8("Soustraire \u00e0 la m\u00e9moire"),
           QRect(80, UpperRows[3], 68, PadRowHeight));
    addKey(K::Command3, "Command3", QStringLiteral("RM"), utf8("Rappel m\u00e9moire"),
           QRect(152, UpperRows[3], 68, PadRowHeight));
    addKey(K::Command4, "Command4", QStringLiteral("CM"), utf8("Effacer la m\u00e9moire"),
           QRect(224, UpperRows[3], 68, PadRowHeight));

    // Unit prefixes.
    addKey(K::pico, "pico", QStringLiteral("p"), QStringLiteral("pico"), padKey(0, 0));
    addKey(K::nano, "nano", QStringLiteral("n"), QStringLiteral("nano"), padKey(1, 0));
    addKey(K::micro, "micro", utf8("\u00b5"), QStringLiteral("micro"), padKey(0, 1));
    addKey(K::mil, "mil", QStringLiteral("m"), QStringLiteral("milli"), padKey(1, 1));
    addKey(K::kilo, "kilo", QStringLiteral("k"), QStringLiteral("kilo"), padKey(0, 2));
    addKey(K::mega, "mega", QStringLiteral("M"), utf8("M\u00e9ga"), padKey(1, 2));
    addKey(K::giga, "giga", QStringLiteral("G"), QStringLiteral("Giga"), padKey(0, 3));
    addKey(K::tera, "tera", QStringLiteral("T"), utf8("T\u00e9ra"), padKey(1, 3));

    // Digits.
    static const char *const digitNames[10] = {"B0", "B1", "B2", "B3", "B4", "B5", "B6", "B7", "B8", "B9"};
    for (int d = 1; d <= 9; ++d) {
        const int row = 2 - (d - 1) / 3;
        const int column = 2 + (d - 1) % 3;
        addKey(CalculatorKey(int(K::B0) + d), digitNames[d], QString::number(d), none, padKey(column, row));
    }
    addKey(K::B0, digitNames[0], QStringLiteral("0"), none, padKey(2, 3));
    addKey(K::Bpoint, "Bpoint", QStringLiteral("."), none, padKey(3, 3));
    addKey(K::BtoEXP, "BtoEXP", QStringLiteral("EXP"), none, padKey(4, 3));

    // Editing and operations.
    addKey(K::EFFACE, "EFFACE", utf8("\u2190"), utf8("Effacer dernier caract\u00e8re"), padKey(5, 0));
    addKey(K::RAZ, "RAZ", QStringLiteral("AC"), QStringLiteral("Tout effacer"), padKey(6, 0));
    addKey(K::multip, "multip", utf8("\u00d7"), none, padKey(5, 1));
    addKey(K::div, "div", utf8("\u00f7"), none, padKey(6, 1));
    addKey(K::plus, "plus", QStringLiteral("+"), none, padKey(5, 2));
    addKey(K::moins, "moins", QStringLiteral("-"), none, padKey(6, 2));
    addKey(K::ANS, "ANS", QStringLiteral("ANS"), utf8("Derni\u00e8re r\u00e9ponse"), padKey(5, 3));
    addKey(K::EXE, "EXE", QStringLiteral("EXE"), QStringLiteral("Calculer"), padKey(6, 3));
}

QPushButton *Machine::addKey(CalculatorKey key, const char *name, const QString &caption,
                             const QString &toolTip, const QRect &geometry)
{
    auto *button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    if (!toolTip.isEmpty())
        button->setToolTip(toolTip);
    connect(button, &QPushButton::clicked, this, [this, key] { press(key); });
    return button;
}

QPoint Machine::placeForCourseWindow(const QWidget &courseWindow)
{
    return courseWindow.pos() + QPoint(240 / TwipsPerPixel, 1800 / TwipsPerPixel);
}

void Machine::openFromCourseWindow(QWidget &courseWindow, CalculatorMemory &memory, Desktop &desktop)
{
    openAt(&courseWindow, memory, desktop, placeForCourseWindow(courseWindow));
}

void Machine::openAt(QWidget *parent, CalculatorMemory &memory, Desktop &desktop, const QPoint &topLeft)
{
    Machine machine(memory, desktop, parent);
    machine.move(topLeft);
    machine.exec();
}

void Machine::press(CalculatorKey key)
{
    if (key == CalculatorKey::EXE) {
        showDisplay(Calculator::BusyText());
    }
    applyEffect(m_calculator.press(key));
}

void Machine::displayOptionClicked(bool scientific)
{
    applyEffect(m_calculator.selectDisplayFormat(scientific));
}

void Machine::applyEffect(const KeyEffect &effect)
{
    showDisplay(m_calculator.display());
    if (effect.focusDisplay)
        m_display->setFocus();
    if (effect.beep)
        m_desktop.beep();
}

void Machine::showDisplay(const QString &text)
{
    if (m_display->text() == text)
        return;
    m_display->setText(text);
    m_display->setFocus();
    m_display->end(false);
    m_display->repaint();
}

bool Machine::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_display)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress: {
        auto *key = static_cast<QKeyEvent *>(event);
        const CalculatorKeyboardAction action =
            CalculatorKeyboardActionFor(key->key(), key->modifiers(), key->text());
        switch (action.kind) {
        case CalculatorKeyboardAction::Kind::MoveFocus:
            return false;
        case CalculatorKeyboardAction::Kind::Close:
            reject();
            break;
        case CalculatorKeyboardAction::Kind::Press:
            press(action.key);
            break;
        case CalculatorKeyboardAction::Kind::Ignore:
            break;
        }
        return true; // the display never takes a key itself
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
        // No pasting of the selection with the middle button.
        return static_cast<QMouseEvent *>(event)->button() == Qt::MiddleButton;
    default:
        return false;
    }
}

void Machine::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    // Shaded from light cyan on the left to a darker cyan on the right.
    for (int x = 0; x <= 301; ++x) {
        const int v = int(ToWholeSaturated(200 - x / 2.0));
        painter.setPen(QColor(v, v + 50, v + 50));
        painter.drawLine(x, 0, x, 430);
    }
    auto box = [&painter](int x1, int y1, int x2, int y2, const QColor &colour) {
        painter.setPen(colour);
        painter.drawLine(x1, y1, x2, y1);
        painter.drawLine(x2, y1, x2, y2);
        painter.drawLine(x2, y2, x1, y2);
        painter.drawLine(x1, y2, x1, y1);
    };
    box(1, 1, 299, 428, Qt::white);
    painter.setPen(Qt::black);
    painter.drawLine(1, 1, 299, 1);
    painter.drawLine(1, 1, 1, 427);
    // The engraved frame around the digits.
    box(82, 290, 206, 421, Qt::white);
    box(81, 289, 205, 420, PaletteColour(3));
}

} // namespace vorlane
