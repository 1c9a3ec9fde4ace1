#include "core/surface/programfonts.h"

#include "core/surface/fontmapper.h"

#include <QDir>
#include <QFile>

#include <algorithm>
#include <dirent.h>
#include <sys/stat.h>

#include <fontconfig/fontconfig.h>

namespace vorlane {

namespace {

// Debian's rule files that only name families outside the set (other scripts,
// URW's other fonts, Unifont, DejaVu LGC, Vera): reading them costs time and
// changes no match among the set's fonts.
bool concernsOnlyOtherFamilies(const QString &name)
{
    static const char *const prefixes[] = {"65-", "58-dejavu-lgc-", "20-unhint-small-dejavu-lgc-"};
    static const char *const names[] = {"40-nonlatin.conf",     "20-unhint-small-vera.conf",
                                        "69-unifont.conf",      "80-delicious.conf",
                                        "61-urw-bookman.conf",  "61-urw-c059.conf",
                                        "61-urw-d050000l.conf", "61-urw-gothic.conf",
                                        "61-urw-p052.conf",     "61-urw-standard-symbols-ps.conf",
                                        "61-urw-z003.conf",     "61-urw-nimbus-sans-narrow.conf"};
    for (const char *prefix : prefixes)
        if (name.startsWith(QLatin1StringView(prefix)))
            return true;
    for (const char *other : names)
        if (name == QLatin1StringView(other))
            return true;
    return false;
}

QByteArray escaped(const QString &text)
{
    return text.toHtmlEscaped().toUtf8();
}

void addElement(QByteArray &xml, const char *indent, const char *tag, const QString &text)
{
    xml += indent;
    xml += '<';
    xml += tag;
    xml += '>';
    xml += escaped(text);
    xml += "</";
    xml += tag;
    xml += ">\n";
}

QString home()
{
    return QDir::homePath();
}

QString xdgFolder(const char *variable, const QString &fallback)
{
    const QString value = qEnvironmentVariable(variable);
    return value.startsWith(QLatin1Char('/')) ? value : home() + fallback;
}

bool hasFamily(FcConfig *config, const QString &family)
{
    const QByteArray name = family.toUtf8();
    FcPattern *pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8 *>(name.constData()));
    FcObjectSet *objects = FcObjectSetBuild(FC_FAMILY, nullptr);
    FcFontSet *fonts = FcFontList(config, pattern, objects);
    const bool found = fonts && fonts->nfont > 0;
    if (fonts)
        FcFontSetDestroy(fonts);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    return found;
}

} // namespace

QStringList ProgramFontFamilies()
{
    QStringList families;
    for (const char *name : {"Arial", "Times New Roman", "Comic Sans MS", "Courier New", "Verdana", "Symbol",
                             "MT Extra", "Wingdings"}) {
        for (const QString &family : FontMapper::families(QString::fromLatin1(name)))
            if (!families.contains(family))
                families.append(family);
    }
    // What the rules make of sans-serif and serif on Debian: the controls' font.
    families << QStringLiteral("Noto Sans") << QStringLiteral("Noto Serif");
    return families;
}

QStringList ProgramRuleFiles(const QString &ruleFolder)
{
    // Listed with the C library, without QDir's name filters (their wildcards
    // compile to regular expressions): this runs before every start.
    QStringList files;
    const QByteArray folder = QFile::encodeName(ruleFolder);
    DIR *listing = opendir(folder.constData());
    if (!listing)
        return files;
    while (const dirent *entry = readdir(listing)) {
        const QString name = QFile::decodeName(entry->d_name);
        struct stat status {};
        if (name.size() > 5 && name.front().isDigit() && name.endsWith(QLatin1StringView(".conf")) &&
            !concernsOnlyOtherFamilies(name) && fstatat(dirfd(listing), entry->d_name, &status, 0) == 0 &&
            S_ISREG(status.st_mode))
            files.append(name);
    }
    closedir(listing);
    std::sort(files.begin(), files.end());
    for (QString &name : files)
        name = ruleFolder + QLatin1Char('/') + name;
    return files;
}

ProgramFontSources SystemProgramFontSources()
{
    const QString noto = QStringLiteral("/usr/share/fonts/truetype/noto");
    ProgramFontSources sources;
    sources.folders = {
        {QStringLiteral("/usr/share/fonts/truetype/liberation2"), {}},
        {QStringLiteral("/usr/share/fonts/truetype/dejavu"), {}},
        {QStringLiteral("/usr/share/fonts/opentype/comic-neue"), {}},
        // URW's twins of Times, Helvetica and Courier: where a glyph missing from
        // a Liberation font is found.
        {QStringLiteral("/usr/share/fonts/opentype/urw-base35"),
         {QStringLiteral("NimbusRoman-*"), QStringLiteral("NimbusSans-*"), QStringLiteral("NimbusMonoPS-*")}},
        {noto,
         {QStringLiteral("NotoSans-*"), QStringLiteral("NotoSerif-*"), QStringLiteral("NotoSansMath-*"),
          QStringLiteral("NotoSansSymbols-*"), QStringLiteral("NotoSansSymbols2-*")}},
        // Fonts installed by the administrator and by the user.
        {QStringLiteral("/usr/local/share/fonts"), {}},
        {xdgFolder("XDG_DATA_HOME", QStringLiteral("/.local/share")) + QStringLiteral("/fonts"), {}},
        {home() + QStringLiteral("/.fonts"), {}},
    };
    sources.ruleFiles = ProgramRuleFiles(QStringLiteral("/etc/fonts/conf.d"));
    sources.cacheFolders = {QStringLiteral("/var/cache/fontconfig"),
                            xdgFolder("XDG_CACHE_HOME", QStringLiteral("/.cache")) +
                                QStringLiteral("/fontconfig"),
                            home() + QStringLiteral("/.fontconfig")};
    return sources;
}

// What fontconfig's own fonts.conf holds besides its folders and its rule
// folder: the other spellings of the generic families. (Its refusal of the
// files dpkg is still writing is left out: with it, LeakSanitizer's tracer
// crashed at the exit of the print tool under the sanitizer build, and such a
// file exists only while a font package is being installed.)
constexpr char kFontconfigDefaults[] = R"(  <match target="pattern">
    <test qual="any" name="family"><string>mono</string></test>
    <edit name="family" mode="assign" binding="same"><string>monospace</string></edit>
  </match>
  <match target="pattern">
    <test qual="any" name="family"><string>sans serif</string></test>
    <edit name="family" mode="assign" binding="same"><string>sans-serif</string></edit>
  </match>
  <match target="pattern">
    <test qual="any" name="family"><string>sans</string></test>
    <edit name="family" mode="assign" binding="same"><string>sans-serif</string></edit>
  </match>
  <match target="pattern">
    <test qual="any" name="family"><string>system ui</string></test>
    <edit name="family" mode="assign" binding="same"><string>system-ui</string></edit>
  </match>
)";

QByteArray ProgramFontConfiguration(const ProgramFontSources &sources)
{
    QByteArray xml = "<?xml version=\"1.0\"?>\n<fontconfig>\n";
    xml += kFontconfigDefaults;
    for (const FontFolder &folder : sources.folders)
        addElement(xml, "  ", "dir", folder.path);
    for (const FontFolder &folder : sources.folders) {
        if (folder.only.isEmpty())
            continue;
        // Every file of the folder is refused, then the ones wanted accepted.
        const QString base = QDir::cleanPath(folder.path) + QLatin1Char('/');
        xml += "  <selectfont>\n    <rejectfont>\n";
        addElement(xml, "      ", "glob", base + QLatin1Char('*'));
        xml += "    </rejectfont>\n    <acceptfont>\n";
        for (const QString &pattern : folder.only)
            addElement(xml, "      ", "glob", base + pattern);
        xml += "    </acceptfont>\n  </selectfont>\n";
    }
    for (const QString &file : sources.ruleFiles) {
        xml += "  <include ignore_missing=\"yes\">";
        xml += escaped(file);
        xml += "</include>\n";
    }
    for (const QString &folder : sources.cacheFolders)
        addElement(xml, "  ", "cachedir", folder);
    xml += "</fontconfig>\n";
    return xml;
}

FcConfig *NewProgramFontConfig(const ProgramFontSources &sources)
{
    FcConfig *config = FcConfigCreate();
    if (!config)
        return nullptr;
    const QByteArray xml = ProgramFontConfiguration(sources);
    bool complete =
        FcConfigParseAndLoadFromMemory(config, reinterpret_cast<const FcChar8 *>(xml.constData()), FcFalse) &&
        FcConfigBuildFonts(config);
    const QStringList families = ProgramFontFamilies();
    for (qsizetype i = 0; complete && i < families.size(); ++i)
        complete = hasFamily(config, families.at(i));
    if (!complete) {
        FcConfigDestroy(config);
        return nullptr;
    }
    return config;
}

bool UseProgramFonts(const ProgramFontSources &sources)
{
    FcConfig *config = NewProgramFontConfig(sources);
    if (!config)
        return false;
    // The current configuration holds a reference of its own.
    const bool used = FcConfigSetCurrent(config);
    FcConfigDestroy(config);
    return used;
}

bool UseProgramFonts()
{
    if (qEnvironmentVariableIsSet("FONTCONFIG_FILE") || qEnvironmentVariableIsSet("FONTCONFIG_PATH"))
        return false;
    return UseProgramFonts(SystemProgramFontSources());
}

} // namespace vorlane
