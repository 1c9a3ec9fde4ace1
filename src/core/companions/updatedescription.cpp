#include "core/companions/updatedescription.h"

#include "core/records/statefile.h"

#include <QStringList>

using namespace Qt::Literals::StringLiterals;

namespace vorlane {

QString VersionText(const QString &version)
{
    const QStringList parts = version.trimmed().split(u'.');
    QStringList out;
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        const qulonglong n = parts.value(i).trimmed().toULongLong(&ok);
        out.append(QString::number(ok ? n : 0));
    }
    return out.join(u'.');
}

QString ProgramVersionText()
{
#ifdef VORLANE_VERSION
    return VersionText(QString::fromLatin1(VORLANE_VERSION));
#else
    return VersionText(QString());
#endif
}

QString UpdateLabelText(const QString &record32, const QString &record33, const QString &version,
                        const QString &date)
{
    const QString indent(9, u' ');
    return QStringList{u"Descriptif du logiciel Vorlane installé :"_s, QString(),
                       indent + u"Version : "_s + record32 + u' ' + version,
                       indent + u"Date de création : "_s + date,
                       indent + u"Type d'installation : "_s + record33}
        .join(u"\r\n"_s);
}

std::optional<Message> UpdateRefusal(const StateFile &state)
{
    if (!state.anyModuleNotStopped())
        return std::nullopt;
    return Message{u"Pour effectuer une mise à jour, tous les modules du logiciel doivent être fermés"_s,
                   u"Mise à jour impossible"_s, MessageIcon::Exclamation, MessageButtons::Ok};
}

QString UpdateWindowTitleText()
{
    return u"Mise à jour du logiciel"_s;
}

} // namespace vorlane
