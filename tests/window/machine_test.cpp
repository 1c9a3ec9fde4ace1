#include "core/calc/calculatormemory.h"
#include "fakes/fakeplatform.h"
#include "testsupport.h"
#include "ui/calc/machine.h"

#include <QApplication>
#include <QButtonGroup>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

using namespace vorlane;
using vorlane::testing::FakeDesktop;

namespace {

QString u8(const char *s)
{
    return QString::fromUtf8(s);
}

class MachineTest : public ::testing::Test {
protected:
    std::unique_ptr<Machine> open()
    {
        auto machine = std::make_unique<Machine>(session, desktop);
        machine->show();
        QApplication::setActiveWindow(machine.get());
        EXPECT_TRUE(QTest::qWaitForWindowActive(machine.get()));
        return machine;
    }
    static QLineEdit *display(Machine &m) { return m.findChild<QLineEdit *>(QStringLiteral("z1")); }
    static QPushButton *key(Machine &m, const char *name)
    {
        return m.findChild<QPushButton *>(QString::fromLatin1(name));
    }
    static void click(Machine &m, const char *name)
    {
        QPushButton *button = key(m, name);
        ASSERT_NE(button, nullptr) << name;
        QTest::mouseClick(button, Qt::LeftButton);
    }

    CalculatorMemory session;
    FakeDesktop desktop;
};

TEST_F(MachineTest, TypedKeysEvaluateOnEnter)
{
    auto m = open();
    QLineEdit *z1 = display(*m);
    ASSERT_NE(z1, nullptr);
    QTest::keyClicks(z1, QStringLiteral("1/4"));
    EXPECT_EQ(z1->text(), QStringLiteral("1 / 4"));
    QTest::keyClick(z1, Qt::Key_Return);
    EXPECT_EQ(z1->text(), QStringLiteral(" .25"));
    EXPECT_EQ(desktop.beeps, 0);

    // Characters without a key are ignored; "e" is the exponent letter.
    QTest::keyClicks(z1, QStringLiteral("2xe3=a"));
    EXPECT_EQ(z1->text(), QStringLiteral("2E3"));
    QTest::keyClick(z1, Qt::Key_Backspace);
    EXPECT_EQ(z1->text(), QStringLiteral("2E"));
    QTest::keyClick(z1, Qt::Key_Backspace);
    QTest::keyClicks(z1, QStringLiteral("*(3+4)"));
    QTest::keyClick(z1, Qt::Key_Enter);
    EXPECT_EQ(z1->text(), QStringLiteral(" 14"));
    EXPECT_EQ(z1->cursorPosition(), z1->text().size());
}

TEST_F(MachineTest, ExeAndAnsButtons)
{
    auto m = open();
    QLineEdit *z1 = display(*m);
    for (const char *name : {"B3", "multip", "B4"})
        click(*m, name);
    EXPECT_EQ(z1->text(), QStringLiteral("3 * 4"));
    // The display takes the focus back from the clicked key, caret at the end.
    EXPECT_TRUE(z1->hasFocus());
    EXPECT_EQ(z1->cursorPosition(), 5);
    click(*m, "EXE");
    EXPECT_EQ(z1->text(), QStringLiteral(" 12"));
    for (const char *name : {"B1", "plus", "ANS", "EXE"})
        click(*m, name);
    EXPECT_EQ(z1->text(), QStringLiteral(" 13"));
    // Continuing from the answer with the keyboard.
    QTest::keyClicks(z1, QStringLiteral("-3"));
    EXPECT_EQ(z1->text(), QStringLiteral("-3")); // minus does not continue from the answer
    click(*m, "RAZ");
    QTest::keyClicks(z1, QStringLiteral("/2"));
    EXPECT_EQ(z1->text(), QStringLiteral("2")); // the display was empty after AC: divide did nothing
}

TEST_F(MachineTest, AccessKeysOfTheCaptions)
{
    auto m = open();
    QLineEdit *z1 = display(*m);
    // An access key clicks its button the animated way, a moment later.
    QTest::keyClick(z1, Qt::Key_C, Qt::AltModifier); // "&COS"
    EXPECT_TRUE(QTest::qWaitFor([&] { return z1->text() == QStringLiteral("cos "); }, 5000));
    QTest::keyClick(z1, Qt::Key_O, Qt::AltModifier); // "INV C&OS"
    EXPECT_TRUE(QTest::qWaitFor([&] { return z1->text() == QStringLiteral("cos invCOS "); }, 5000));
    EXPECT_EQ(z1->text(), QStringLiteral("cos invCOS "));
}

TEST_F(MachineTest, AFailureBeepsAndKeepsTheExpression)
{
    auto m = open();
    QLineEdit *z1 = display(*m);
    QTest::keyClicks(z1, QStringLiteral("(2"));
    QTest::keyClick(z1, Qt::Key_Return);
    EXPECT_EQ(z1->text(), u8("Erreur saisie: revoir les parenthèses"));
    EXPECT_EQ(desktop.beeps, 1);
    QTest::keyClicks(z1, QStringLiteral(")"));
    EXPECT_EQ(z1->text(), QStringLiteral("(2)"));
    QTest::keyClick(z1, Qt::Key_Return);
    EXPECT_EQ(z1->text(), QStringLiteral(" 2"));
}

TEST_F(MachineTest, KeysAppendTheirTexts)
{
    const std::pair<const char *, const char *> keys[] = {
        {"B0", "0"},
        {"B9", "9"},
        {"Bpoint", "."},
        {"BtoEXP", "E"},
        {"pico", "E-12"},
        {"nano", "E-9"},
        {"micro", "E-6"},
        {"mil", "E-3"},
        {"kilo", "E+3"},
        {"mega", "E+6"},
        {"giga", "E+9"},
        {"tera", "E+12"},
        {"bpf", ")"},
        {"Bpo", "("},
        {"Bcos", "cos "},
        {"bsin", "sin "},
        {"Btan", "tan "},
        {"invcos", "invCOS "},
        {"invsin", "invSIN "},
        {"Btoncommande3", "invTAN "},
        {"Bln", "ln "},
        {"Blog", "log "},
        {"Bexp", "exp "},
        {"racine", "SQR "},
        {"B10x", "10 ^ "},
        {"command5", "1 / "},
        {"pi", "3.14159265358979"},
        {"moins", "-"},
        {"puissance", " ^ "},
        {"btcarre", " ^ 2"},
    };
    auto m = open();
    for (const auto &[name, text] : keys) {
        click(*m, "RAZ");
        click(*m, name);
        EXPECT_EQ(display(*m)->text(), QString::fromUtf8(text)) << name;
    }
    click(*m, "EFFACE"); // " ^ 2" loses its digit
    EXPECT_EQ(display(*m)->text(), QStringLiteral(" ^ "));
}

TEST_F(MachineTest, CaptionsAndToolTips)
{
    auto m = open();
    EXPECT_EQ(m->windowTitle(), u8("Machine à calculer"));
    const std::tuple<const char *, const char *, const char *> keys[] = {
        {"EXE", "EXE", "Calculer"},
        {"ANS", "ANS", "Dernière réponse"},
        {"RAZ", "AC", "Tout effacer"},
        {"EFFACE", nullptr, "Effacer dernier caractère"},
        {"racine", nullptr, "Racine carré"},
        {"Command1", "M+", "Ajouter à la méoire"},
        {"Command2", "M-", "Soustraire à la mémoire"},
        {"Command3", "RM", "Rappel mémoire"},
        {"Command4", "CM", "Effacer la mémoire"},
        {"pi", nullptr, "3.1415927"},
        {"bsin", "&SIN", "Sinus"},
        {"Bcos", "&COS", "Cosinus"},
        {"Btan", "&TAN", "Tangente"},
        {"invsin", "INV S&IN", "Inverse sinus"},
        {"invcos", "INV C&OS", "Inverse cosinus"},
        {"Btoncommande3", "INV T&AN", "Inverse tangente"},
        {"command5", "1/x", "Inverse"},
        {"Bln", "l&n", nullptr},
        {"Blog", "&Log", nullptr},
        {"pico", "p", "pico"},
        {"nano", "n", "nano"},
        {"micro", "µ", "micro"},
        {"mil", "m", "milli"},
        {"kilo", "k", "kilo"},
        {"mega", "M", "Méga"},
        {"giga", "G", "Giga"},
        {"tera", "T", "Téra"},
    };
    for (const auto &[name, caption, tip] : keys) {
        QPushButton *b = key(*m, name);
        ASSERT_NE(b, nullptr) << name;
        if (caption) {
            EXPECT_EQ(b->text(), u8(caption)) << name;
        }
        if (tip) {
            EXPECT_EQ(b->toolTip(), u8(tip)) << name;
        }
    }
    auto radio = [&](const char *name) { return m->findChild<QRadioButton *>(QString::fromLatin1(name)); };
    ASSERT_NE(radio("angle0"), nullptr);
    EXPECT_EQ(radio("angle0")->text(), u8("Degrés"));
    EXPECT_EQ(radio("angle1")->text(), QStringLiteral("Radians"));
    EXPECT_EQ(radio("C0")->text(), QStringLiteral("Scientifique"));
    EXPECT_EQ(radio("C1")->text(), QStringLiteral("Standard"));
    EXPECT_TRUE(radio("angle0")->isChecked());
    EXPECT_TRUE(radio("C1")->isChecked());
    EXPECT_EQ(m->findChildren<QPushButton *>().size(), 49);
}

TEST_F(MachineTest, OptionsChangeTheAngleUnitAndTheFormat)
{
    auto m = open();
    QLineEdit *z1 = display(*m);
    click(*m, "bsin");
    QTest::keyClicks(z1, QStringLiteral("90"));
    QTest::keyClick(z1, Qt::Key_Return);
    EXPECT_EQ(z1->text(), QStringLiteral(" 1"));

    QTest::mouseClick(m->findChild<QRadioButton *>(QStringLiteral("angle1")), Qt::LeftButton);
    click(*m, "bsin");
    QTest::keyClicks(z1, QStringLiteral("90"));
    QTest::keyClick(z1, Qt::Key_Return);
    EXPECT_EQ(z1->text(), QStringLiteral(" .893996663600558"));

    // The result is shown again in the other format.
    QTest::mouseClick(m->findChild<QRadioButton *>(QStringLiteral("C0")), Qt::LeftButton);
    EXPECT_EQ(z1->text(), QStringLiteral("8.9399666E-01"));
    QTest::mouseClick(m->findChild<QRadioButton *>(QStringLiteral("C1")), Qt::LeftButton);
    EXPECT_EQ(z1->text(), QStringLiteral(" .893996663600558"));
}

TEST_F(MachineTest, TypedCommaIsTheDecimalPoint)
{
    auto m = open();
    QLineEdit *z1 = display(*m);
    QTest::keyClicks(z1, QStringLiteral("6,02E23*2"));
    EXPECT_EQ(z1->text(), QStringLiteral("6.02E23 * 2"));
    QTest::keyClick(z1, Qt::Key_Return);
    EXPECT_EQ(z1->text(), QStringLiteral(" 1.204E+24"));
}

TEST_F(MachineTest, EscapeClosesTheWindow)
{
    // From the display, with an expression being typed.
    {
        auto m = open();
        QLineEdit *z1 = display(*m);
        QTest::keyClicks(z1, QStringLiteral("12"));
        ASSERT_TRUE(m->isVisible());
        QTest::keyClick(z1, Qt::Key_Escape);
        EXPECT_FALSE(m->isVisible());
        EXPECT_EQ(m->result(), int(QDialog::Rejected));
    }
    // From a key that has the focus (after Tab).
    {
        auto m = open();
        QPushButton *seven = key(*m, "B7");
        ASSERT_NE(seven, nullptr);
        seven->setFocus();
        QTest::keyClick(seven, Qt::Key_Escape);
        EXPECT_FALSE(m->isVisible());
    }
    // Shown modally as the course window shows it: Escape returns from exec().
    bool closedByEscape = false;
    QTimer::singleShot(0, [&] {
        if (auto *dialog = qobject_cast<Machine *>(QApplication::activeModalWidget())) {
            QTest::keyClick(display(*dialog), Qt::Key_Escape);
            closedByEscape = !dialog->isVisible();
            if (!closedByEscape)
                dialog->close();
        }
    });
    Machine::openAt(nullptr, session, desktop, QPoint(10, 10));
    EXPECT_TRUE(closedByEscape);
}

TEST_F(MachineTest, MemorySurvivesClosingTheWindow)
{
    {
        auto m = open();
        QLineEdit *z1 = display(*m);
        QTest::keyClicks(z1, QStringLiteral("6*7"));
        QTest::keyClick(z1, Qt::Key_Return);
        click(*m, "Command1"); // M+: the display is unchanged but takes the focus
        EXPECT_TRUE(z1->hasFocus());
        EXPECT_EQ(z1->text(), QStringLiteral(" 42"));
        m->close();
    }
    EXPECT_EQ(session.calculatorMemory, 42);
    {
        auto m = open();
        QLineEdit *z1 = display(*m);
        EXPECT_EQ(z1->text(), QString()); // a new window starts empty
        click(*m, "Command3");            // RM
        EXPECT_EQ(z1->text(), QStringLiteral("42"));
        click(*m, "Command2"); // M- of the display: 42 - 42
        EXPECT_EQ(session.calculatorMemory, 0);
        click(*m, "Command3");
        EXPECT_EQ(z1->text(), QStringLiteral("420"));
        click(*m, "Command1");
        click(*m, "Command4"); // CM
        EXPECT_EQ(session.calculatorMemory, 0);
    }
}

TEST_F(MachineTest, PaintsTheShadedBackgroundAndTheFrames)
{
    auto m = open();
    const QImage image = m->grab().toImage();
    ASSERT_GE(image.width(), 302);
    ASSERT_GE(image.height(), 431);
    // v = 200 - x / 2, halves to even: x = 5 gives 198, x = 7 gives 196.
    EXPECT_EQ(image.pixelColor(5, 260), QColor(198, 248, 248));
    EXPECT_EQ(image.pixelColor(7, 260), QColor(196, 246, 246));
    EXPECT_EQ(image.pixelColor(300, 260), QColor(50, 100, 100)); // 200 - 150
    EXPECT_EQ(image.pixelColor(150, 1), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(1, 200), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(299, 200), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(150, 428), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(81, 380), QColor(0, 128, 128));
    EXPECT_EQ(image.pixelColor(206, 380), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(150, 421), QColor(Qt::white));
}

TEST_F(MachineTest, CourseWindowOpensItAtItsPlace)
{
    QWidget course;
    course.resize(800, 600);
    course.move(100, 50);
    course.show();
    QPoint seen;
    QString title;
    QTimer::singleShot(0, [&] {
        if (auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            seen = dialog->pos();
            title = dialog->windowTitle();
            dialog->close();
        }
    });
    Machine::openFromCourseWindow(course, session, desktop);
    EXPECT_EQ(title, u8("Machine à calculer"));
    EXPECT_EQ(seen, course.pos() + QPoint(16, 120));
}

} // namespace
