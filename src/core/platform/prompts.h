#pragma once

#include <QFont>
#include <QString>

namespace vorlane {

// Icons and button sets of the program's message boxes.
enum class MessageIcon { None, Critical, Question, Exclamation, Information };
enum class MessageButtons { Ok, OkCancel, YesNo, RetryCancel };
enum class MessageAnswer { Ok, Cancel, Yes, No, Retry };

// One modal message: a French text, a title, an icon and fixed buttons.
struct Message {
    QString text;
    QString title;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
};

// A message box is as wide as its text and buttons need, and its title bar cuts
// a longer title. Beside the title the bar holds the window's icon, its close
// box and the window manager's margins: a box is made at least this much wider
// than its title's text, so that the whole title shows.
inline constexpr int kTitleBarAllowancePx = 140;

// The font window titles are drawn in, bold (as many window managers draw
// them): what a title is measured with.
QFont MessageTitleFont();

// The least width, in pixels, of a message box whose whole title shows when
// drawn in `titleFont`.
int MessageBoxMinimumWidth(const Message &message, const QFont &titleFont = MessageTitleFont());

// Modal message boxes, the insert-disc question included. The window shows them
// with its own widgets; the command-line tool answers without showing anything.
class Prompts {
public:
    virtual ~Prompts() = default;

    // Shows the message and waits for the answer. Closing the box without a
    // button answers Cancel (No for a Yes/No question, Ok for a single OK).
    virtual MessageAnswer ask(const Message &message) = 0;
};

// The prompts of a program that shows no dialog: every question is answered
// Cancel (No for Yes/No, Ok for a plain message), silently.
class SilentPrompts final : public Prompts {
public:
    MessageAnswer ask(const Message &message) override
    {
        switch (message.buttons) {
        case MessageButtons::Ok:
            return MessageAnswer::Ok;
        case MessageButtons::YesNo:
            return MessageAnswer::No;
        case MessageButtons::OkCancel:
        case MessageButtons::RetryCancel:
            break;
        }
        return MessageAnswer::Cancel;
    }
};

} // namespace vorlane
