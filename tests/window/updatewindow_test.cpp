// The update button and the update window `maj2001`.

#include "core/text/frenchdate.h"
#include "ui/companions/updatewindow.h"
#include "windowfixture.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>

using namespace vorlane;
using namespace vorlane::testing;
using namespace Qt::Literals::StringLiterals;

namespace {

class UpdateWindowTest : public WindowFixture {
protected:
    void SetUp() override
    {
        WindowFixture::SetUp();
        state().resetAtStartup();
        state().records().write(33, u"poste individuel"_s);
        state().setIndexCacheState(u"VU"_s);
    }
    void addProgram(const char *name)
    {
        QFile f(file(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    std::unique_ptr<UpdateWindow> makeUpdateWindow()
    {
        return std::make_unique<UpdateWindow>(folder(), QCoreApplication::applicationFilePath(), files,
                                              processes, prompts);
    }
    void click(UpdateWindow &w, const char *button)
    {
        w.findChild<QPushButton *>(QString::fromLatin1(button))->click();
    }
    QString record34() const { return state().indexCacheState(); }
};

TEST_F(UpdateWindowTest, LabelDescribesTheInstalledSoftware)
{
    auto w = makeUpdateWindow();
    const QString label = w->findChild<QLabel *>(u"Label1"_s)->text();
    EXPECT_TRUE(label.startsWith(u"Descriptif du logiciel Vorlane installé :\n\n"_s)) << label.toStdString();
    EXPECT_TRUE(label.contains(u"         Version : complète pour l'enseignant 0.1.0\n"_s))
        << label.toStdString();
    EXPECT_TRUE(label.contains(u"         Type d'installation : poste individuel"_s)) << label.toStdString();
    const QDate built = files.creationTime(QCoreApplication::applicationFilePath()).date();
    EXPECT_TRUE(label.contains(u"Date de création : "_s + FrenchLongDate(built))) << label.toStdString();
    for (int i = 1; i <= 3; ++i)
        EXPECT_EQ(w->findChild<QPushButton *>(u"Command%1"_s.arg(i))->text(), UpdateWindow::caption(i));
    if (const QString shots = qEnvironmentVariable("VORLANE_SCREENSHOTS"); !shots.isEmpty())
        w->grab().save(shots + u"/maj2001.png"_s);
}

TEST_F(UpdateWindowTest, Record34AfterEachButton)
{
    addProgram("INSTALLTS.EXE");
    addProgram("MAJTS.EXE");
    const struct {
        const char *button;
        const char *program;
        QString record34;
        bool ends;
    } cases[] = {
        {"Command1", "INSTALLTS.EXE", u"VOIR"_s, true},
        {"Command2", "MAJTS.EXE", u"VOIR"_s, true},
        {"Command3", nullptr, u"VU"_s, false},
    };
    for (const auto &c : cases) {
        state().setIndexCacheState(u"VU"_s);
        processes.starts.clear();
        auto w = makeUpdateWindow();
        click(*w, c.button);
        EXPECT_EQ(record34(), c.record34) << c.button;
        EXPECT_EQ(w->endProgram(), c.ends) << c.button;
        if (c.program) {
            ASSERT_EQ(processes.starts.size(), 1) << c.button;
            EXPECT_EQ(processes.starts[0].program, file(c.program));
            EXPECT_EQ(processes.starts[0].show, WindowShow::MaximizedFocused);
        } else {
            EXPECT_TRUE(processes.starts.isEmpty());
        }
    }
    EXPECT_TRUE(prompts.asked.isEmpty());
}

TEST_F(UpdateWindowTest, AMissingProgramIsSaidAndTheProgramGoesOn)
{
    addProgram("INSTALLTS.EXE");
    auto w = makeUpdateWindow();
    click(*w, "Command2");
    EXPECT_EQ(record34(), u"VU"_s);
    EXPECT_FALSE(w->endProgram());
    EXPECT_TRUE(processes.starts.isEmpty());
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(prompts.asked[0].text,
              u"Le programme MAJTS.EXE est introuvable dans le dossier du logiciel."_s);
}

TEST_F(UpdateWindowTest, UpdateButtonIsRefusedWhileAModuleRuns)
{
    useBundledCourse();
    ASSERT_TRUE(start());
    state().setModuleFlag(4, u"OUI"_s);
    window->findChild<QToolButton *>(u"Command8"_s)->click();
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(prompts.asked[0].title, u"Mise à jour impossible"_s);

    // With every module stopped the update window opens; closing it changes nothing.
    state().setModuleFlag(4, u"NON"_s);
    bool opened = false;
    QTimer::singleShot(0, [&] {
        auto *maj = qobject_cast<UpdateWindow *>(QApplication::activeModalWidget());
        opened = maj != nullptr;
        if (maj)
            maj->findChild<QPushButton *>(u"Command3"_s)->click();
    });
    window->findChild<QToolButton *>(u"Command8"_s)->click();
    EXPECT_TRUE(opened);
    EXPECT_EQ(prompts.asked.size(), 1);
}

} // namespace
