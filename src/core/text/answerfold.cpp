#include "core/text/answerfold.h"

namespace vorlane {

QString AnswerFold::fold(QChar lowered)
{
    switch (lowered.unicode()) {
    case 0x00E9: // é
    case 0x00E8: // è
    case 0x00EA: // ê
        return QStringLiteral("e");
    case 0x00E0: // à
        return QStringLiteral("a");
    case 0x00F9: // ù
        return QStringLiteral("u");
    case 0x00F4: // ô
        return QStringLiteral("o");
    case 0x00E7: // ç
        return QStringLiteral("c");
    case u'-':
    case u'_':
        return QString();
    case u'+':
    case u'*':
    case u'/':
    case u'\'':
    case u',':
    case u';':
    case u'.':
    case u'!':
    case u'?':
    case u':':
        return QStringLiteral(" ");
    default:
        return QString(lowered);
    }
}

bool AnswerFold::isRewritten(QChar c)
{
    const QChar lowered = c.toLower();
    return fold(lowered) != QString(lowered);
}

} // namespace vorlane
