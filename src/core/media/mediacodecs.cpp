#include "core/media/mediacodecs.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibrary>
#include <QStringList>

namespace vorlane {

namespace {

struct Loaded {
    const MediaCodecs *codecs = nullptr;
    QString error;
};

Loaded load()
{
    Loaded loaded;
    const QString name = QStringLiteral("vorlane-media-codecs.so");
    QStringList candidates;
    if (QCoreApplication::instance())
        candidates << QCoreApplication::applicationDirPath() + u'/' + name;
#ifdef VORLANE_MEDIA_CODECS
    candidates << QStringLiteral(VORLANE_MEDIA_CODECS);
#endif
    QString why;
    for (const QString &path : candidates) {
        if (!QFileInfo(path).isFile())
            continue;
        // Held for the whole run: a QLibrary that goes away does not unload its
        // library, whose objects live until the program ends.
        static QLibrary library;
        library.setFileName(path);
        using Entry = const MediaCodecs *(*)();
        const auto entry = reinterpret_cast<Entry>(library.resolve("vorlane_media_codecs"));
        if (const MediaCodecs *codecs = entry ? entry() : nullptr) {
            loaded.codecs = codecs;
            return loaded;
        }
        why = library.errorString();
    }
    loaded.error =
        why.isEmpty()
            ? QString::fromUtf8("le module de lecture des vidéos et des sons (%1) est absent").arg(name)
            : QString::fromUtf8("le module de lecture des vidéos et des sons ne se charge pas (%1)").arg(why);
    return loaded;
}

} // namespace

const MediaCodecs *LoadMediaCodecs(QString *error)
{
    static const Loaded loaded = load();
    if (!loaded.codecs && error)
        *error = loaded.error;
    return loaded.codecs;
}

} // namespace vorlane
