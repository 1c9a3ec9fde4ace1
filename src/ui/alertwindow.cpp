#include "ui/alertwindow.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace vorlane {

QString AlertWindow::labelText(int mode)
{
    const QString first =
        mode == 1
            ? QString::fromUtf8(
                  "Il n'est pas possible d'exécuter ce logiciel si la zone d'écran est inférieure "
                  "à 800 x 600 pixels (avec si possible 16777216 couleurs - 24 bits -).")
            : QString::fromUtf8("Il est préférable d'exécuter ce logiciel avec une zone d'écran de 800 x 600 "
                                "pixels (avec si possible 16777216 couleurs - 24 bits -).");
    return first + u'\n' +
           QString::fromUtf8("Modifier ce paramètre depuis le panneau de configuration de WINDOWS.");
}

AlertWindow::AlertWindow(int mode, Desktop &desktop, QWidget *parent)
    : QDialog(parent), m_mode(mode), m_desktop(desktop)
{
    setObjectName(QStringLiteral("alerte"));
    setWindowTitle(QString::fromUtf8("Affichage mal adapté"));
    setModal(true);

    auto *image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    image->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning, nullptr, this).pixmap(iconSize));
    image->setAlignment(Qt::AlignTop);

    auto *label = new QLabel(labelText(mode), this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setWordWrap(true);
    label->setMinimumWidth(380);

    m_command1 = new QPushButton(QString::fromUtf8("Poursuivre l'exécution du logiciel"), this);
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command2 = new QPushButton(QStringLiteral("Afficher le panneau de configuration WINDOWS."), this);
    m_command2->setObjectName(QStringLiteral("Command2"));
    m_command3 = new QPushButton(
        mode == 1 ? QStringLiteral("Quitter") : QString::fromUtf8("Exécuter avec cette configuration"), this);
    m_command3->setObjectName(QStringLiteral("Command3"));
    m_command1->setVisible(false);
    m_command2->setVisible(true);

    connect(m_command1, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_command2, &QPushButton::clicked, this, [this] {
        m_desktop.openDisplaySettings();
        m_command2->setVisible(false);
        m_command1->setVisible(true);
    });
    connect(m_command3, &QPushButton::clicked, this, [this] {
        m_endProgram = m_mode == 1;
        accept();
    });

    auto *text = new QHBoxLayout;
    text->addWidget(image);
    text->addWidget(label, 1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_command1);
    buttons->addWidget(m_command2);
    buttons->addWidget(m_command3);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(text);
    layout->addSpacing(8);
    layout->addLayout(buttons);
}

} // namespace vorlane
