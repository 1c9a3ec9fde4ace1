#include "fakes/fakeplatform.h"
#include "testsupport.h"
#include "ui/alertwindow.h"

#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace vorlane;
using namespace vorlane::testing;

namespace {

QPushButton *button(AlertWindow &w, const char *name)
{
    return w.findChild<QPushButton *>(QString::fromLatin1(name));
}

TEST(AlertWindowTest, Mode1SaysTheScreenIsTooSmallAndQuitEndsTheProgram)
{
    FakeDesktop desktop;
    AlertWindow w(1, desktop);
    EXPECT_EQ(w.objectName(), u"alerte");
    EXPECT_EQ(w.windowTitle(), QString::fromUtf8("Affichage mal adapté"));
    EXPECT_EQ(
        w.findChild<QLabel *>(QStringLiteral("Label1"))->text(),
        QString::fromUtf8("Il n'est pas possible d'exécuter ce logiciel si la zone d'écran est inférieure à "
                          "800 x 600 pixels (avec si possible 16777216 couleurs - 24 bits -).\nModifier ce "
                          "paramètre depuis le panneau de configuration de WINDOWS."));
    EXPECT_EQ(button(w, "Command1")->text(), QString::fromUtf8("Poursuivre l'exécution du logiciel"));
    EXPECT_EQ(button(w, "Command2")->text(), QStringLiteral("Afficher le panneau de configuration WINDOWS."));
    EXPECT_EQ(button(w, "Command3")->text(), QStringLiteral("Quitter"));
    EXPECT_TRUE(button(w, "Command1")->isHidden());
    EXPECT_FALSE(button(w, "Command2")->isHidden());
    button(w, "Command3")->click();
    EXPECT_TRUE(w.endProgram());
}

TEST(AlertWindowTest, Mode2AdvisesAndItsThirdButtonRunsAnyway)
{
    FakeDesktop desktop;
    AlertWindow w(2, desktop);
    EXPECT_TRUE(
        w.findChild<QLabel *>(QStringLiteral("Label1"))
            ->text()
            .startsWith(QString::fromUtf8("Il est préférable d'exécuter ce logiciel avec une zone d'écran de "
                                          "800 x 600 pixels")));
    EXPECT_EQ(button(w, "Command3")->text(), QString::fromUtf8("Exécuter avec cette configuration"));
    button(w, "Command3")->click();
    EXPECT_FALSE(w.endProgram());
}

TEST(AlertWindowTest, DisplaySettingsThenContinue)
{
    FakeDesktop desktop;
    AlertWindow w(1, desktop);
    button(w, "Command2")->click();
    EXPECT_EQ(desktop.displaySettingsOpened, 1);
    EXPECT_TRUE(button(w, "Command2")->isHidden());
    EXPECT_FALSE(button(w, "Command1")->isHidden());
    button(w, "Command1")->click();
    EXPECT_FALSE(w.endProgram());
    EXPECT_EQ(w.result(), QDialog::Accepted);
}

} // namespace
