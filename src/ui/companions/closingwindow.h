#pragma once

#include "core/companions/companioncloser.h"

#include <QDialog>
#include <QSet>

class QLabel;

namespace vorlane {

// The closing window `Fermeur`: "Fermeture du logiciel Veuillez patienter
// quelques instants..." on a light gradient. Once it is shown and painted it
// runs CompanionCloser (companion windows asked to quit, REFUNST.EXE started)
// and closes itself; the program's own top-level windows are never examined.
class ClosingWindow final : public QDialog {
    Q_OBJECT
public:
    explicit ClosingWindow(CompanionCloser &closer, QWidget *parent = nullptr);

    static QString labelText();
    const CompanionCloser::Report &report() const { return m_report; }

    // The X11 ids of this program's top-level windows that exist natively.
    static QSet<quint64> ownWindowIds();

protected:
    void showEvent(QShowEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void work();

    CompanionCloser &m_closer;
    CompanionCloser::Report m_report;
    QLabel *m_label;
    bool m_started = false;
};

} // namespace vorlane
