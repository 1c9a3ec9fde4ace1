#pragma once

#include "core/platform/prompts.h"

#include <QPointer>
#include <QWidget>

namespace vorlane {

// Message boxes shown with QMessageBox, modal over the given window, with
// French button captions.
class MessagePrompts final : public Prompts {
public:
    explicit MessagePrompts(QWidget *parent = nullptr) : m_parent(parent) {}
    void setParent(QWidget *parent) { m_parent = parent; }

    MessageAnswer ask(const Message &message) override;

private:
    QPointer<QWidget> m_parent;
};

} // namespace vorlane
