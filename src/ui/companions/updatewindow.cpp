#include "ui/companions/updatewindow.h"

#include "core/companions/companionpainting.h"
#include "core/companions/updatedescription.h"
#include "core/records/statefile.h"
#include "core/text/frenchdate.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

using namespace Qt::Literals::StringLiterals;

namespace vorlane {

UpdateWindow::UpdateWindow(const QString &applicationFolder, const QString &executable, const Files &files,
                           Processes &processes, Prompts &prompts, QWidget *parent, StateMemory *stateMemory)
    : QDialog(parent), m_installer(applicationFolder, files, processes, prompts), m_label(new QLabel(this))
{
    setObjectName(u"maj2001"_s);
    setWindowTitle(u"Mise à jour du logiciel"_s);
    setModal(true);
    setFixedSize(520, 340);

    const StateFile state(applicationFolder, stateMemory);
    const QDateTime created = files.creationTime(executable);
    m_label->setObjectName(u"Label1"_s);
    m_label->setText(UpdateLabelText(state.description(), state.furtherDescription(), ProgramVersionText(),
                                     created.isValid() ? FrenchLongDate(created.date()) : QString())
                         .replace(u"\r\n"_s, u"\n"_s));
    m_label->setGeometry(28, 52, 464, 110);
    m_label->setStyleSheet(u"color: white; background: transparent;"_s);
    QFont f = m_label->font();
    f.setPointSize(10);
    m_label->setFont(f);

    const char *names[] = {"Command1", "Command2", "Command3"};
    for (int i = 0; i < 3; ++i) {
        auto *b = new QPushButton(caption(i + 1), this);
        b->setObjectName(QString::fromLatin1(names[i]));
        b->setGeometry(28, 178 + i * 50, 464, 40);
        b->setStyleSheet(
            u"QPushButton { text-align: left; padding: 4px 12px; background: #f4f6fb; color: #1b2a47;"
            " border: 1px solid #8fa3c8; border-radius: 4px; }"
            " QPushButton:hover { background: #ffffff; border-color: #ffffff; }"
            " QPushButton:focus { border: 2px solid #ffd35c; }"_s);
        if (i == 0)
            connect(b, &QPushButton::clicked, this,
                    [this] { runProgram(UpdateInstaller::Program::Install); });
        else if (i == 1)
            connect(b, &QPushButton::clicked, this, [this] { runProgram(UpdateInstaller::Program::Update); });
        else
            connect(b, &QPushButton::clicked, this, &QDialog::reject);
    }
}

QString UpdateWindow::caption(int button)
{
    switch (button) {
    case 1:
        return u"Installer une autre version du logiciel à partir d'un disque."_s;
    case 2:
        return u"Mettre à jour le logiciel avec un fichier téléchargé sur le site de l'éditeur."_s;
    default:
        return u"Fermer cette fenêtre sans mettre à jour"_s;
    }
}

void UpdateWindow::runProgram(UpdateInstaller::Program program)
{
    if (m_installer.run(program) != UpdateInstaller::Outcome::Started)
        return;
    m_endProgram = true;
    accept();
}

void UpdateWindow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    PaintUpdateBackdrop(p, size());
}

} // namespace vorlane
