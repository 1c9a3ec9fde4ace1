#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

typedef struct _FcConfig FcConfig;

namespace vorlane {

// The fonts the program reads.
//
// The pages are drawn in a dozen fixed families (FontMapper) and the controls
// in the system's sans-serif. Reading every font of the system costs start-up
// time for nothing: fontconfig parses some fifty rule files, and Qt registers
// and sorts every font (413 on this Debian desktop with Noto: about 6 of the
// 40 ms the course window takes to show its first page). The program reads a
// set of its own:
// - the folders of its font packages, with only the families it uses from
//   Noto's and URW's (the twins of Times, Helvetica and Courier, where the
//   mathematical signs missing from Liberation's fonts are found);
// - the fonts the user or the administrator installed themselves;
// - the system's rules, less the files that only name families outside it.
// Every family it asks for is matched to the same file, with the same
// antialiasing, hinting and subpixel settings, and every character is found
// in the same font, as with the whole system. Where one of its families is
// missing (another layout of the system), the system's whole configuration is
// used, as where FONTCONFIG_FILE or FONTCONFIG_PATH is set (the user's choice).

struct FontFolder {
    QString path;
    QStringList only; // the file name patterns read from it ('*' and '?'); empty: every file
};

struct ProgramFontSources {
    QList<FontFolder> folders;
    QStringList ruleFiles;    // fontconfig rule files, read in this order
    QStringList cacheFolders; // where fontconfig's caches are read and written, first preferred
};

// The families that must be found for the set to be used: every family
// FontMapper names, and the system's sans-serif and serif of the controls.
QStringList ProgramFontFamilies();

// The rule files of a fontconfig rule folder that the set reads: those
// fontconfig itself reads there (a digit first, ".conf" last), in name order,
// less the ones that only concern families outside the set.
QStringList ProgramRuleFiles(const QString &ruleFolder);

// This system's sources: Debian's font package folders, the user's and the
// administrator's own font folders, the rules of /etc/fonts/conf.d.
ProgramFontSources SystemProgramFontSources();

// The fontconfig configuration text of a set of sources.
QByteArray ProgramFontConfiguration(const ProgramFontSources &sources);

// A new fontconfig configuration of the sources, its fonts read; null when its
// text is refused or a family of ProgramFontFamilies() is not found. The
// caller destroys it (FcConfigDestroy).
FcConfig *NewProgramFontConfig(const ProgramFontSources &sources);

// Makes the set of the sources fontconfig's current configuration, which Qt's
// font database then reads. Called before the QGuiApplication is created.
// False, nothing changed, when the set cannot be made.
bool UseProgramFonts(const ProgramFontSources &sources);

// The same with this system's sources, unless FONTCONFIG_FILE or
// FONTCONFIG_PATH is set: then the program keeps the configuration they name.
bool UseProgramFonts();

} // namespace vorlane
