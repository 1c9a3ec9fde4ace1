#include "ui/platform/messageprompts.h"

#include <QGridLayout>
#include <QMessageBox>
#include <QPushButton>

namespace vorlane {

namespace {
QMessageBox::Icon boxIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}
} // namespace

MessageAnswer MessagePrompts::ask(const Message &message)
{
    QMessageBox box(boxIcon(message.icon), message.title, message.text, QMessageBox::NoButton, m_parent);
    box.setObjectName(QStringLiteral("messageBox"));
    // An address or a path in a message can be copied.
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
    // A box as wide as its title: a spacer across the bottom of its grid
    // (QMessageBox sets its own size from its layout, not from a minimum width).
    if (auto *grid = qobject_cast<QGridLayout *>(box.layout())) {
        const int width = MessageBoxMinimumWidth(message) - grid->contentsMargins().left() -
                          grid->contentsMargins().right();
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(),
                      0, 1, grid->columnCount());
    }
    struct Choice {
        QMessageBox::StandardButton button;
        const char *caption;
        MessageAnswer answer;
    };
    std::vector<Choice> choices;
    MessageAnswer onClose = MessageAnswer::Cancel;
    switch (message.buttons) {
    case MessageButtons::Ok:
        choices = {{QMessageBox::Ok, "OK", MessageAnswer::Ok}};
        onClose = MessageAnswer::Ok;
        break;
    case MessageButtons::OkCancel:
        choices = {{QMessageBox::Ok, "OK", MessageAnswer::Ok},
                   {QMessageBox::Cancel, "Annuler", MessageAnswer::Cancel}};
        break;
    case MessageButtons::YesNo:
        choices = {{QMessageBox::Yes, "Oui", MessageAnswer::Yes},
                   {QMessageBox::No, "Non", MessageAnswer::No}};
        onClose = MessageAnswer::No;
        break;
    case MessageButtons::RetryCancel:
        choices = {{QMessageBox::Retry, "Réessayer", MessageAnswer::Retry},
                   {QMessageBox::Cancel, "Annuler", MessageAnswer::Cancel}};
        break;
    }
    std::vector<std::pair<QAbstractButton *, MessageAnswer>> buttons;
    for (const Choice &c : choices) {
        QPushButton *b = box.addButton(c.button);
        b->setText(QString::fromUtf8(c.caption));
        buttons.emplace_back(b, c.answer);
    }
    box.setDefaultButton(static_cast<QPushButton *>(buttons.front().first));
    box.exec();
    for (const auto &[button, answer] : buttons) {
        if (box.clickedButton() == button)
            return answer;
    }
    return onClose;
}

} // namespace vorlane
