#pragma once

#include <QColor>
#include <QRect>
#include <QString>

namespace vorlane {

// The search window `coordon` as drawn: its texts, the places of its controls
// and its background. Places are designed in twips and given in pixels of the
// window's inner area (15 twips per pixel).
class SearchWindowDesign {
public:
    static constexpr int kTwipsPerPixel = 15;
    static constexpr int pixels(int twips) { return twips / kTwipsPerPixel; }

    // Inner width, and the two inner heights: the entry part only (1980 twips),
    // and with the results list (4200 twips).
    static constexpr int kWidthTwips = 6600;
    static constexpr int kSmallHeightTwips = 1980;
    static constexpr int kTallHeightTwips = 4200;
    static constexpr int width() { return pixels(kWidthTwips); }
    static constexpr int smallHeight() { return pixels(kSmallHeightTwips); }
    static constexpr int tallHeight() { return pixels(kTallHeightTwips); }

    static QString caption() { return QStringLiteral("Rechercher"); }
    static QString prompt() { return QString::fromUtf8("Saisir le(s) mot(s) à rechercher :"); }
    static QString searchButton() { return QStringLiteral("Rechercher"); }
    static QString cancelButton() { return QStringLiteral("Annuler"); }
    static QString showButton() { return QStringLiteral("Afficher"); }
    static QString allWords() { return QStringLiteral("Tous les mots"); }
    static QString ignoreAccents() { return QStringLiteral("Ignorer les accents"); }
    static QString noPage() { return QString::fromUtf8("Aucune page trouvée"); }
    // The hidden frame of bound fields.
    static QString frameCaption() { return QString::fromUtf8("Base de données"); }
    static QString moteurCaption() { return QStringLiteral("Moteur"); }
    static QString numberLabel() { return QString::fromUtf8("Index fixe (n° page)"); }
    static QString titleLabel() { return QStringLiteral("Titre"); }

    // Places (pixels of the inner area).
    static constexpr QRect promptLabel() { return box(900, 120, 3900, 270); }
    static constexpr QRect entry() { return box(900, 420, 3750, 360); }
    static constexpr QRect searchButtonBox() { return box(4860, 405, 1500, 390); }
    static constexpr QRect allWordsBox() { return box(900, 870, 2100, 300); }
    static constexpr QRect ignoreAccentsBox() { return box(2850, 870, 1950, 300); }
    static constexpr QRect cancelButtonBox() { return box(4860, 855, 1500, 390); }
    static constexpr QRect progressBar() { return box(900, 1440, 5460, 240); }
    // "Aucune page trouvée" moves to the progress bar's top when shown.
    static constexpr QRect noPageLabel() { return box(900, 1440, 5460, 300); }
    static constexpr QRect resultsList() { return box(900, 1980, 5460, 1590); }
    static constexpr QRect showButtonBox() { return box(4860, 3675, 1500, 390); }
    static constexpr QRect frameBox() { return box(900, 1980, 5460, 1590); }

    // The background: 51 vertical lines at x = 0 to 50, top to bottom, line x
    // in RGB(20 + 230 k, 100 + 155 k, 180 + 40 k) with k = x / 50, each
    // component rounded
    // (halves to the even neighbour).
    static constexpr int kBackgroundLines = 51;
    static QColor backgroundLine(int x);

private:
    static constexpr QRect box(int left, int top, int width, int height)
    {
        return QRect(pixels(left), pixels(top), pixels(width), pixels(height));
    }
};

} // namespace vorlane
