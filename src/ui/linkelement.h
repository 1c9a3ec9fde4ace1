#pragma once

#include <QLabel>

namespace vorlane {

// One element of the link arrays `Labelien` (text links) and `Imagelien`
// (picture links) that the renderer places over a picture area. Its Tag holds
// the target code; an element whose Tag is empty is free.
class LinkElement final : public QLabel {
    Q_OBJECT
public:
    LinkElement(const QString &arrayName, int index, QWidget *parent);

    int index() const { return m_index; }
    const QString &tag() const { return m_tag; }
    void setTag(const QString &tag) { m_tag = tag; }
    // Shows a caption as plain text. A label that takes the focus would hold a
    // whole text document for it; the caption needs none (Enter and the focus
    // frame are handled here), and a page of links is shown much faster.
    void setCaption(const QString &caption);

signals:
    void clicked(int index);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    int m_index;
    QString m_tag;
};

} // namespace vorlane
